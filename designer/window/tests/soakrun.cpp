#include "window/tests/soakrun.h"

#include "logic/userfiles.h"
#include "window/codeexport.h"
#include "window/editorundo.h"
#include "window/stylecombo.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QRadioButton>
#include <QSlider>
#include <QTest>
#include <QTextEdit>

#include <cstdio>
#include <span>

namespace designer::test {

namespace {

namespace msgbox = platform::msgbox;

constexpr qsizetype kLogLength = 40;

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

} // namespace

QString editorState(const WindowFixture& f) {
    QStringList parts;
    for (const char* name : kSoakSliders)
        parts << QString::number(f.slider(name)->value());
    for (const char* name : kSoakCheckBoxes)
        parts << QString::number(f.check(name)->isChecked());
    parts << QString::number(f.child<QRadioButton>("OptStop_0")->isChecked());
    parts << QString::number(f.child<QRadioButton>("OptStop_1")->isChecked());
    parts << f.edit("txtObjName")->text();
    return parts.join(u',');
}

std::span<const SoakRun::Action> SoakRun::actions() {
    static const Action list[] = {
        {"slider", 25, &SoakRun::moveSlider},
        {"check box", 12, &SoakRun::clickCheckBox},
        {"option", 4, &SoakRun::clickOption},
        {"object name", 5, &SoakRun::typeObjectName},
        {"style name", 8, &SoakRun::typeStyleName},
        {"save", 6, &SoakRun::save},
        {"delete", 5, &SoakRun::remove},
        {"choose", 6, &SoakRun::chooseStyle},
        {"default", 3, &SoakRun::defaultSetting},
        {"random", 5, &SoakRun::randomGradient},
        {"random style", 4, &SoakRun::randomStyle},
        {"copy", 4, &SoakRun::copyStatement},
        {"copy function", 2, &SoakRun::copyFunction},
        {"wallpaper", 1, &SoakRun::wallpaper},
        {"preview", 4, &SoakRun::previewByHand},
        {"read-only box", 2, &SoakRun::touchReadOnlyBox},
        {"exit", 1, &SoakRun::exitProgram},
        {"keyboard", 4, &SoakRun::useKeyboard},
        {"full screen", 4, &SoakRun::fullScreen},
        {"close full screen", 2, &SoakRun::leaveFullScreen},
        {"undo", 5, &SoakRun::undoStep},
        {"redo", 3, &SoakRun::redoStep},
    };
    return list;
}

SoakRun::SoakRun(quint32 seed, bool trace)
    : rng_(seed)
    , trace_(trace)
    , f_(true)
    , counts_(actions().size(), 0) {
    f_.clock.setStepPerRead(kSoakClockStep);
    QList<double> numbers;
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    for (int i = 0; i < 1009; ++i)
        numbers << (i % 97 == 0 ? 0.0 : i % 89 == 0 ? 0.9999999 : unit(rng_));
    f_.random.script(numbers);
}

SoakRun::~SoakRun() = default;

bool SoakRun::start() {
    // A first start: the user's library is the starter styles.
    const QString starter = findStarterStyles({QStringLiteral(OMBRELO_STARTER_FOLDER)});
    if (seedStarterStyles(starter, f_.profilePath()) != SeedOutcome::Seeded)
        return false;
    QFile source(QApplication::applicationDirPath() + QStringLiteral("/Function Ombrelo.fnc"));
    if (source.open(QIODevice::ReadOnly))
        f_.writeProcedureSource(source.readAll());
    FrmDegColor& window = f_.start();
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window))
        return false;
    settle();
    // The message about controls that could not be created, if any, is no
    // action's doing.
    f_.boxes.clearShown();
    recordedSteps_ = window.undo().history().recorded();
    checks_ = std::make_unique<WindowChecks>(f_, kSoakClockStep);
    return checks_->afterEveryAction().isEmpty();
}

int SoakRun::pick(int count) {
    return std::uniform_int_distribution<int>(0, count - 1)(rng_);
}

bool SoakRun::chance(double probability) {
    return std::bernoulli_distribution(probability)(rng_);
}

// Lets what the action left waiting run: focus changes and the checks that
// wait for them, timers of no delay.
void SoakRun::settle() {
    for (int i = 0; i < 4; ++i) {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

void SoakRun::bringMainWindowBack() {
    FrmDegColor& window = f_.window();
    if (window.isActiveWindow())
        return;
    window.activateWindow();
    (void)QTest::qWaitForWindowActive(&window);
    settle();
}

QString SoakRun::summary() const {
    QStringList parts;
    for (std::size_t i = 0; i < actions().size(); ++i)
        parts << QStringLiteral("%1 %2").arg(QLatin1String(actions()[i].name)).arg(counts_[i]);
    return parts.join(QStringLiteral(", "));
}

QString SoakRun::step(int index) {
    const std::span<const Action> kActions = actions();
    int total = 0;
    for (const Action& a : kActions)
        total += a.weight;
    int roll = pick(total);
    std::size_t chosen = 0;
    while (roll >= kActions[chosen].weight)
        roll -= kActions[chosen++].weight;
    ++counts_[chosen];

    const QByteArray fileBefore = fileBytes(f_.profilePath());
    const QString clipboardBefore = f_.clipboard.text();
    const qsizetype boxesBefore = f_.boxes.shown().size();
    const bool nameWasEmpty = f_.edit("txtObjName")->text().isEmpty();
    const QString editorBefore = editorState(f_);
    const bool automaticBefore = f_.check("Check2")->isChecked();
    const QString statementBefore = f_.edit("txtFunction")->text();
    Outcome o;
    o.description = QLatin1String(kActions[chosen].name);
    if (kActions[chosen].run != &SoakRun::leaveFullScreen)
        bringMainWindowBack();
    accountSteps();
    if (trace_)
        std::fprintf(stderr, "soak #%d: %s\n", index, kActions[chosen].name);
    (this->*kActions[chosen].run)(o);
    settle();
    log_.append(QStringLiteral("#%1 %2").arg(index).arg(o.description));
    if (log_.size() > kLogLength)
        log_.removeFirst();

    QStringList problems = checks_->afterEveryAction();
    problems += boxProblems(o, boxesBefore, nameWasEmpty);
    if (!o.fileMayChange && fileBytes(f_.profilePath()) != fileBefore)
        problems << QStringLiteral("Draw.ini changed");
    if (o.keepsEditor && editorState(f_) != editorBefore)
        problems
            << QStringLiteral("the editor changed: %1 -> %2").arg(editorBefore, editorState(f_));
    if (!automaticBefore && !f_.check("Check2")->isChecked() && !o.writesStatement &&
        f_.edit("txtFunction")->text() != statementBefore)
        problems << QStringLiteral("the statement changed with automatic preview off");
    if (o.savedAs)
        problems += checks_->storedStyleIsEditor(*o.savedAs);
    if (o.removed && storedSection(f_.profilePath(), *o.removed))
        problems << QStringLiteral("style '%1' is still in the file").arg(*o.removed);
    if (o.loads && f_.child<StyleCombo>("lstStyle")->count() > 0)
        problems += checks_->editorShowsStoredStyle();
    const QString clipboard = o.clipboard.value_or(clipboardBefore);
    const QStringList copies = {f_.edit("txtFunction")->text() + QStringLiteral(" '") +
                                    f_.child<StyleCombo>("lstStyle")->text(),
                                sourceViewText(f_.child<QTextEdit>("Text2"))};
    if (f_.clipboard.text() != clipboard && !(o.mayCopy && copies.contains(f_.clipboard.text())))
        problems << QStringLiteral("clipboard '%1', expected '%2'")
                        .arg(f_.clipboard.text().left(200), clipboard.left(200));
    if (o.extra)
        problems += o.extra();
    return problems.join(QLatin1Char('\n'));
}

QStringList SoakRun::boxProblems(const Outcome& o, qsizetype boxesBefore, bool nameWasEmpty) {
    QStringList problems;
    int questions = 0;
    const bool nameEmpty = nameWasEmpty || f_.edit("txtObjName")->text().isEmpty();
    const auto& shown = f_.boxes.shown();
    for (qsizetype i = boxesBefore; i < shown.size(); ++i) {
        if (!o.question.isEmpty() && shown[i].title == o.question)
            ++questions;
        else if (o.anyQuestion && shown[i].style == (msgbox::YesNo | msgbox::Question))
            continue;
        else if (shown[i].title != kSyntaxErrorTitle || !nameEmpty)
            problems << QStringLiteral("unexpected box '%1': %2")
                            .arg(shown[i].title, shown[i].prompt.left(120));
    }
    if (!o.question.isEmpty() && questions != 1)
        problems << QStringLiteral("'%1' asked %2 times").arg(o.question).arg(questions);
    if (f_.boxes.pendingAnswers() > 0) {
        problems << QStringLiteral("an answer was never asked for");
        f_.boxes.dropPendingAnswers();
    }
    if (shown.size() > 1000)
        f_.boxes.clearShown();
    return problems;
}

} // namespace designer::test
