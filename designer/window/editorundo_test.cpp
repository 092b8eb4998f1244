// Undo and redo as a user meets them: gestures made with the mouse and the
// keys, then Ctrl+Z and Ctrl+Shift+Z or Ctrl+Y, and everything the window
// shows compared with what it showed before: the preview's pixels, the
// statement, the labels, value boxes, lamps and check boxes.

#include "picturebox/picturebox.h"
#include "services/messagebox.h"
#include "widgets/lamp.h"
#include "window/editorundo.h"
#include "window/stylecombo.h"
#include "window/tests/useractions.h"
#include "window/tests/windowfixture.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QRadioButton>
#include <QSlider>
#include <QTest>

using namespace designer::test;

namespace {

const char* const kSliders[] = {"SliderR",    "SliderG",    "SliderB",      "SliderN",
                                "SliderMR",   "SliderMG",   "SliderMB",     "SliderStart",
                                "SliderStop", "SliderBand", "SliderModLine"};
const char* const kBoxes[] = {"txtR",        "txtG",        "txtB",       "txtN",
                              "TxtMR",       "TxtMG",       "TxtMB",      "txtStart",
                              "txtStop",     "txtBandSize", "txtModLine", "txtObjName",
                              "txtFunction", "lstStyleEdit"};
const char* const kLabels[] = {"Label1", "Label2", "Label3", "Label5"};
const char* const kChecks[] = {"CheckR",   "CheckRXT", "CheckG",     "CheckGXT", "CheckB",
                               "CheckBXT", "CheckN",   "CheckWXT",   "CheckMR",  "CheckMG",
                               "CheckMB",  "Check1",   "ChkModLine", "Check2",   "Check3"};

// Everything the window shows of the editor, as text lines, and the preview.
struct Shown {
    QStringList lines;
    QImage preview;
};

Shown shown(WindowFixture& f) {
    Shown s;
    for (const char* name : kSliders)
        s.lines << QStringLiteral("%1 %2 %3")
                       .arg(QLatin1String(name))
                       .arg(f.slider(name)->value())
                       .arg(f.slider(name)->isEnabled() ? "on" : "off");
    for (const char* name : kBoxes)
        s.lines << QLatin1String(name) + QLatin1Char('=') + f.edit(name)->text();
    for (const char* name : kLabels)
        s.lines << QLatin1String(name) + QLatin1Char('=') + f.label(name)->text();
    for (const char* name : kChecks)
        s.lines << QStringLiteral("%1 %2 %3")
                       .arg(QLatin1String(name))
                       .arg(int(f.check(name)->checkState()))
                       .arg(f.check(name)->isEnabled() ? "on" : "off");
    for (const char* name : {"ShapeMR", "ShapeMG", "ShapeMB"})
        s.lines << QLatin1String(name) + QLatin1Char('=') +
                       f.child<platform::Lamp>(name)->fillColor().name();
    for (const char* name : {"OptStop_0", "OptStop_1"})
        s.lines << QLatin1String(name) + QLatin1Char('=') +
                       (f.child<QRadioButton>(name)->isChecked() ? "1" : "0");
    s.preview = f.child<platform::PictureBox>("Picture2")->image();
    return s;
}

// The lines that differ, and whether the pixels do.
QString difference(const Shown& expected, const Shown& actual) {
    QStringList lines;
    for (qsizetype i = 0; i < expected.lines.size(); ++i)
        if (expected.lines[i] != actual.lines.value(i))
            lines << expected.lines[i] + QStringLiteral(" -> ") + actual.lines.value(i);
    if (expected.preview != actual.preview)
        lines << QStringLiteral("the preview's pixels");
    return lines.join(QLatin1Char('\n'));
}

#define COMPARE_SHOWN(expected, actual)                                                            \
    do {                                                                                           \
        const QString diff = difference(expected, actual);                                         \
        QVERIFY2(diff.isEmpty(), qPrintable(diff));                                                \
    } while (false)

// Keys as the user presses them, to whatever has the focus.
void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* target = QApplication::focusWidget();
    QVERIFY(target);
    QTest::keyClick(target, key, modifiers);
}

void undoKeys() {
    press(Qt::Key_Z, Qt::ControlModifier);
}

void redoKeys() {
    press(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
}

QByteArray twoStyles() {
    return sunsetSection() + marineSection();
}

} // namespace

class EditorUndoTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void aDragInSeveralMovesIsOneStep();
    void randomIsUndoneAndRedone();
    void aStyleChoiceIsUndone();
    void defaultSettingAnsweredYesIsUndoneAndNoMakesNoStep();
    void undoAtTheStartDoesNothing();
    void aNewChangeAfterAnUndoClearsRedo();
    void keysOnASliderArePausedIntoSteps();
    void theObjectNameKeepsItsOwnUndo();
    void theMenuOffersUndoAndRedo();
    void noStopMethodKeepsTheStopTheLastMethodLeft();

private:
    std::unique_ptr<WindowFixture> f_;
    designer::FrmDegColor* w_ = nullptr;
};

void EditorUndoTest::init() {
    f_ = std::make_unique<WindowFixture>();
    f_->writeProfile(twoStyles());
    w_ = &f_->start();
    w_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w_));
    f_->child<QWidget>("Picture2")->setFocus();
}

void EditorUndoTest::aDragInSeveralMovesIsOneStep() {
    WindowFixture& f = *f_;
    const Shown before = shown(f);
    QSlider* red = f.slider("SliderR");
    red->setFocus();
    dragSlider(red, 100);
    const int first = red->value();
    dragSlider(red, 400); // the handle is pressed where it stands now
    QVERIFY(red->value() > 255);
    QCOMPARE(f.label("Label1")->text(), QStringLiteral("R-XT"));
    const Shown dragged = shown(f);

    undoKeys();
    const Shown between = shown(f);
    QCOMPARE(f.slider("SliderR")->value(), first);
    undoKeys();
    COMPARE_SHOWN(before, shown(f));
    redoKeys();
    COMPARE_SHOWN(between, shown(f));
    press(Qt::Key_Y, Qt::ControlModifier);
    COMPARE_SHOWN(dragged, shown(f));
}

void EditorUndoTest::randomIsUndoneAndRedone() {
    WindowFixture& f = *f_;
    // Every option included, so that a draw moves every slider it can.
    for (const char* name : {"CheckMR", "CheckMG", "CheckMB", "Check1", "ChkModLine"})
        clickCentre(f.check(name));
    const Shown before = shown(f);
    f.random.script({0.9, 0.1, 0.5, 0.3, 0.7, 0.2, 0.4, 0.6, 0.05});
    clickCentre(f.label("Command3"));
    const Shown after = shown(f);
    QVERIFY(f.child<designer::StyleCombo>("lstStyle")->text().isEmpty());
    QVERIFY(!difference(before, after).isEmpty());

    for (int round = 0; round < 2; ++round) {
        undoKeys();
        COMPARE_SHOWN(before, shown(f));
        round == 0 ? redoKeys() : press(Qt::Key_Y, Qt::ControlModifier);
        COMPARE_SHOWN(after, shown(f));
    }
    // Its frame makes one step as well.
    f.random.script({0.3, 0.6, 0.9, 0.1, 0.2, 0.4, 0.6, 0.8, 0.5});
    clickLeftEdge(f.child<QWidget>("asxToolbar4"));
    QVERIFY(!difference(after, shown(f)).isEmpty());
    undoKeys();
    COMPARE_SHOWN(after, shown(f));
    undoKeys();
    COMPARE_SHOWN(before, shown(f));
    // The check boxes clicked before were steps of their own.
    for (int step = 0; step < 6; ++step)
        undoKeys();
    QCOMPARE(f.check("Check1")->checkState(), Qt::Unchecked);
    QCOMPARE(f.check("CheckMR")->checkState(), Qt::Unchecked);
    QVERIFY(!w_->undo().canUndo());
}

void EditorUndoTest::aStyleChoiceIsUndone() {
    WindowFixture& f = *f_;
    auto* list = f.child<designer::StyleCombo>("lstStyle");
    const Shown sunset = shown(f);
    chooseListRow(list, 1);
    QCOMPARE(list->text(), QStringLiteral("Marine"));
    const Shown marine = shown(f);
    // The height method: Stop follows the preview, the Stop slider is off.
    QVERIFY(!f.slider("SliderStop")->isEnabled());

    undoKeys();
    COMPARE_SHOWN(sunset, shown(f));
    QVERIFY(f.slider("SliderStop")->isEnabled());
    redoKeys();
    COMPARE_SHOWN(marine, shown(f));
    undoKeys();
    // Choosing the style again loads it again.
    chooseListRow(list, 1);
    COMPARE_SHOWN(marine, shown(f));
    QVERIFY(!w_->undo().canRedo());
    // Chosen with the keys: one step too.
    list->list()->setFocus();
    press(Qt::Key_Up);
    QCOMPARE(list->text(), QStringLiteral("Sunset"));
    undoKeys();
    COMPARE_SHOWN(marine, shown(f));
}

void EditorUndoTest::defaultSettingAnsweredYesIsUndoneAndNoMakesNoStep() {
    WindowFixture& f = *f_;
    const Shown before = shown(f);
    f.boxes.clearShown();
    f.boxes.queueAnswer(platform::msgbox::No);
    clickCentre(f.label("Command2"));
    QCOMPARE(f.boxes.shown().size(), 1);
    QVERIFY(!w_->undo().canUndo());

    f.boxes.queueAnswer(platform::msgbox::Yes);
    clickCentre(f.label("Command2"));
    // The manual stop became the height method, the band its default.
    QVERIFY(f.child<QRadioButton>("OptStop_0")->isChecked());
    const Shown defaults = shown(f);
    undoKeys();
    COMPARE_SHOWN(before, shown(f));
    redoKeys();
    COMPARE_SHOWN(defaults, shown(f));
}

void EditorUndoTest::undoAtTheStartDoesNothing() {
    WindowFixture& f = *f_;
    const Shown before = shown(f);
    undoKeys();
    COMPARE_SHOWN(before, shown(f));
    redoKeys();
    COMPARE_SHOWN(before, shown(f));
    QVERIFY(!w_->undo().canUndo());
    QVERIFY(!w_->undo().canRedo());
}

void EditorUndoTest::aNewChangeAfterAnUndoClearsRedo() {
    WindowFixture& f = *f_;
    dragSlider(f.slider("SliderR"), 10);
    undoKeys();
    QVERIFY(w_->undo().canRedo());
    clickCentre(f.check("CheckMR"));
    QVERIFY(!w_->undo().canRedo());
    const Shown now = shown(f);
    redoKeys();
    COMPARE_SHOWN(now, shown(f));
}

void EditorUndoTest::keysOnASliderArePausedIntoSteps() {
    WindowFixture& f = *f_;
    QSlider* green = f.slider("SliderG");
    const int start = green->value();
    green->setFocus();
    for (int i = 0; i < 3; ++i)
        press(Qt::Key_Right);
    QTest::qWait(1300); // a pause ends the burst
    press(Qt::Key_PageUp);
    press(Qt::Key_Right);
    const int second = green->value();
    QVERIFY(second > start + 3);
    undoKeys(); // also ends the burst under way
    QCOMPARE(green->value(), start + 3);
    undoKeys();
    QCOMPARE(green->value(), start);
    redoKeys();
    redoKeys();
    QCOMPARE(green->value(), second);
    // A click elsewhere ends a burst at once.
    press(Qt::Key_Left);
    clickCentre(f.check("CheckMG"));
    undoKeys();
    QCOMPARE(green->value(), second - 1);
    QCOMPARE(f.check("CheckMG")->checkState(), Qt::Unchecked);
    undoKeys();
    QCOMPARE(green->value(), second);
}

void EditorUndoTest::theObjectNameKeepsItsOwnUndo() {
    WindowFixture& f = *f_;
    dragSlider(f.slider("SliderB"), 77);
    const int blue = f.slider("SliderB")->value();
    QLineEdit* name = f.edit("txtObjName");
    const QString before = name->text();
    typeInto(name, QStringLiteral("Target"));
    QCOMPARE(name->text(), QStringLiteral("Target"));
    undoKeys(); // the field's own undo
    QVERIFY(name->text() != QStringLiteral("Target"));
    QCOMPARE(f.slider("SliderB")->value(), blue);
    press(Qt::Key_Y, Qt::ControlModifier); // not the editor's either
    QCOMPARE(f.slider("SliderB")->value(), blue);
    typeInto(name, QStringLiteral("Target"));
    press(Qt::Key_Return); // ends the editing
    const QString statement = f.edit("txtFunction")->text();
    QVERIFY(statement.contains(QStringLiteral("Target")));
    clickCentre(f.check("CheckMB"));
    undoKeys();
    f.child<QWidget>("Picture2")->setFocus();
    undoKeys();
    QCOMPARE(name->text(), before);
    QVERIFY(!f.edit("txtFunction")->text().contains(QStringLiteral("Target")));
    QCOMPARE(f.slider("SliderB")->value(), blue);
}

void EditorUndoTest::theMenuOffersUndoAndRedo() {
    WindowFixture& f = *f_;
    auto* menu = f.child<QMenu>("PreviewMenu");
    QVERIFY(menu);
    const auto item = [menu](const QString& text) -> QAction* {
        for (QAction* action : menu->actions())
            if (action->text() == text)
                return action;
        return nullptr;
    };
    QAction* undo = item(QStringLiteral("Undo"));
    QAction* redo = item(QStringLiteral("Redo"));
    QVERIFY(undo && redo);
    QCOMPARE(undo->shortcut(), QKeySequence(QKeySequence::Undo));
    QVERIFY(redo->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_Y)));
    QVERIFY(undo->isShortcutVisibleInContextMenu());

    const auto openMenu = [&] {
        f.child<QWidget>("Picture2")->setFocus();
        press(Qt::Key_F10, Qt::ShiftModifier);
        QVERIFY(QTest::qWaitForWindowExposed(menu));
    };
    const auto choose = [&](QAction* action) {
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
        QTRY_VERIFY(!menu->isVisible());
    };
    openMenu();
    QVERIFY(!undo->isEnabled());
    QVERIFY(!redo->isEnabled());
    menu->hide();

    const Shown before = shown(f);
    dragSlider(f.slider("SliderN"), 300);
    const Shown after = shown(f);
    openMenu();
    QVERIFY(undo->isEnabled());
    QVERIFY(!redo->isEnabled());
    choose(undo);
    COMPARE_SHOWN(before, shown(f));
    openMenu();
    QVERIFY(!undo->isEnabled());
    QVERIFY(redo->isEnabled());
    choose(redo);
    COMPARE_SHOWN(after, shown(f));
}

void EditorUndoTest::noStopMethodKeepsTheStopTheLastMethodLeft() {
    // A style with neither option: loaded after the height method, the
    // preview keeps the preview's height as Stop and the Stop slider stays
    // off; nothing of the controls says so.
    WindowFixture f;
    QByteArray plain = marineSection();
    plain.replace("[Marine]", "[Plain]")
        .replace("OptValue0=True", "OptValue0=False")
        .replace("SliderValueStop=1200", "SliderValueStop=700");
    f.writeProfile(marineSection() + plain + sunsetSection());
    designer::FrmDegColor& w = f.start();
    auto* list = f.child<designer::StyleCombo>("lstStyle");
    chooseListRow(list, 1);
    QCOMPARE(list->text(), QStringLiteral("Plain"));
    QVERIFY(!f.child<QRadioButton>("OptStop_0")->isChecked());
    QVERIFY(!f.slider("SliderStop")->isEnabled());
    QVERIFY(w.currentStyle().Stop != 700);
    const Shown plainShown = shown(f);
    const auto drawnStop = w.currentStyle().Stop;

    chooseListRow(list, 2); // the manual stop: the slider's 1500
    QCOMPARE(w.currentStyle().Stop, 1500);
    w.undo().undo();
    COMPARE_SHOWN(plainShown, shown(f));
    QCOMPARE(w.currentStyle().Stop, drawnStop);
    w.undo().redo();
    QCOMPARE(w.currentStyle().Stop, 1500);
    QVERIFY(f.slider("SliderStop")->isEnabled());
}

QTEST_MAIN(EditorUndoTest)
#include "editorundo_test.moc"
