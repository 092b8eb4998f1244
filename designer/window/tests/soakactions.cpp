#include "window/tests/soakrun.h"

#include "logic/stopheight.h"
#include "picturebox/picturebox.h"
#include "profile/profilesyntax.h"
#include "window/codeexport.h"
#include "window/hostedcontrols.h"
#include "window/stylecombo.h"
#include "window/tests/useractions.h"
#include "window/wallpaper.h"

#include <QApplication>
#include <QCheckBox>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QSlider>
#include <QTest>
#include <QTextEdit>

#include <array>

// The soak's user actions: each does what a user does and says in its
// Outcome what it must have done beyond what always holds.

namespace designer::test {

namespace {

namespace msgbox = platform::msgbox;

const QString kDeleteTitle = QStringLiteral("Info : Delete a Style");
const QString kDefaultTitle = QStringLiteral("Info : Default Cfg");

// Names a user may give a style: plain ones, ones that differ only in case
// or blanks, and ones with the characters the file's syntax uses.
const QStringList kStyleNames = {
    QStringLiteral("Sunrise"),      QStringLiteral("Deep Sea"),  QStringLiteral("steel"),
    QStringLiteral("STEEL"),        QStringLiteral(" Padded "),  QStringLiteral("a]b"),
    QStringLiteral("[x"),           QStringLiteral("k=v"),       QStringLiteral(";note"),
    QStringLiteral("\"Quoted\""),   QStringLiteral("Caf\u00e9"), QStringLiteral("\u03a9mega"),
    QStringLiteral("\u6f22\u5b57"), QStringLiteral("x"),         QStringLiteral("Dawn \U0001F305"),
    QStringLiteral("   "),          QStringLiteral(""),          QStringLiteral("Mix-"),
    QStringLiteral("tab\there"),    QStringLiteral("'single'")};

const QStringList kObjectNames = {QStringLiteral(""),         QStringLiteral("[OBJECT]"),
                                  QStringLiteral("Picture1"), QStringLiteral("Me.Picture1"),
                                  QStringLiteral("Form1"),    QStringLiteral(" spaced "),
                                  QStringLiteral("\"q\""),    QStringLiteral("a=b"),
                                  QStringLiteral(";c"),       QStringLiteral("\u00dcn\u00efcode"),
                                  QStringLiteral("[x]"),      QStringLiteral("'")};

// The name as the file can hold it: not empty once its blanks are gone, on
// one line.
bool isStorableName(const QString& name) {
    return !platform::profile::trimBlanks(QStringView(name)).isEmpty() &&
           platform::profile::fitsOnOneLine(name);
}

bool isOneCharacter(const QString& text) {
    return text.size() == 1 || (text.size() == 2 && text[0].isHighSurrogate());
}

} // namespace

QString SoakRun::anyStyleName() {
    auto* list = f_.child<StyleCombo>("lstStyle");
    if (list->count() > 0 && chance(0.4))
        return list->item(pick(list->count()));
    return kStyleNames.at(pick(kStyleNames.size()));
}

void SoakRun::moveSlider(Outcome& o) {
    QSlider* slider = f_.slider(kSoakSliders[pick(kSoakSliders.size())]);
    const int before = slider->value();
    switch (pick(3)) {
    case 0: {
        const int target =
            std::uniform_int_distribution<int>(slider->minimum(), slider->maximum())(rng_);
        dragSlider(slider, target);
        o.description = QStringLiteral("drag %1 toward %2").arg(slider->objectName()).arg(target);
        break;
    }
    case 1: {
        const bool up = chance(0.5);
        clickGroove(slider, up);
        o.description =
            QStringLiteral("click %1's groove %2")
                .arg(slider->objectName(), up ? QStringLiteral("up") : QStringLiteral("down"));
        break;
    }
    default: {
        static constexpr std::array keys = {Qt::Key_Up,       Qt::Key_Down, Qt::Key_PageUp,
                                            Qt::Key_PageDown, Qt::Key_Home, Qt::Key_End};
        const Qt::Key key = keys[pick(keys.size())];
        clickHandle(slider);
        QTest::keyClick(slider, key);
        o.description =
            QStringLiteral("key %1 on %2").arg(QKeySequence(key).toString(), slider->objectName());
    }
    }
    o.description += QStringLiteral(": %1 -> %2").arg(before).arg(slider->value());
}

void SoakRun::clickCheckBox(Outcome& o) {
    QCheckBox* box = f_.check(kSoakCheckBoxes[pick(kSoakCheckBoxes.size())]);
    clickCentre(box);
    o.description = QStringLiteral("click %1 (now %2)")
                        .arg(box->objectName())
                        .arg(box->isChecked() ? QStringLiteral("on") : QStringLiteral("off"));
}

void SoakRun::clickOption(Outcome& o) {
    const int index = pick(2);
    clickLeftEdge(f_.child<QRadioButton>(index == 0 ? "OptStop_0" : "OptStop_1"));
    o.description = QStringLiteral("click OptStop(%1)").arg(index);
}

void SoakRun::typeObjectName(Outcome& o) {
    QLineEdit* name = f_.edit("txtObjName");
    const QString text = kObjectNames.at(pick(kObjectNames.size()));
    typeInto(name, text);
    const bool byTab = chance(0.5);
    if (byTab)
        QTest::keyClick(name, Qt::Key_Tab);
    else
        clickCentre(f_.child<StyleCombo>("lstStyle")->editField());
    o.description = QStringLiteral("object name '%1', left by %2")
                        .arg(text, byTab ? QStringLiteral("Tab") : QStringLiteral("a click"));
    if (!text.isEmpty())
        return;
    const qsizetype before = f_.boxes.shown().size();
    o.extra = [this, before] {
        QStringList problems;
        if (f_.boxes.shown().size() <= before)
            problems << QStringLiteral("leaving the empty name asked nothing");
        if (f_.window().focusWidget() != f_.edit("txtObjName"))
            problems << QStringLiteral("the focus is not back in the object name");
        return problems;
    };
}

void SoakRun::typeStyleName(Outcome& o) {
    QLineEdit* field = f_.child<StyleCombo>("lstStyle")->editField();
    const QString name = anyStyleName();
    typeInto(field, name);
    o.description = QStringLiteral("style name '%1'").arg(name);
    o.keepsEditor = true;
    if (!name.isEmpty() && chance(0.3)) {
        QTest::keyClick(field, Qt::Key_End);
        QTest::keyClick(field, Qt::Key_Left, Qt::ShiftModifier);
        o.description += QStringLiteral(", last character selected");
    }
}

void SoakRun::save(Outcome& o) {
    QLineEdit* field = f_.child<StyleCombo>("lstStyle")->editField();
    QString name = field->text();
    if (isOneCharacter(field->selectedText()))
        name += QLatin1Char('-');
    clickCentre(f_.child<QWidget>("cmdPlus"));
    o.description = QStringLiteral("save as '%1'").arg(name);
    o.keepsEditor = true;
    if (name.isEmpty())
        return;
    o.fileMayChange = true;
    if (isStorableName(name))
        o.savedAs = name;
    o.extra = [this, name] {
        const QString shown = f_.child<StyleCombo>("lstStyle")->text();
        if (shown != name)
            return QStringList{QStringLiteral("the name field shows '%1' after saving").arg(shown)};
        return QStringList{};
    };
}

void SoakRun::remove(Outcome& o) {
    const QString name = f_.child<StyleCombo>("lstStyle")->text();
    const bool yes = chance(0.5);
    f_.boxes.queueAnswer(yes ? msgbox::Yes : msgbox::No);
    clickCentre(f_.child<QWidget>("cmdmoins"));
    o.description = QStringLiteral("delete '%1', answered %2")
                        .arg(name, yes ? QStringLiteral("Yes") : QStringLiteral("No"));
    o.question = kDeleteTitle;
    o.keepsEditor = !yes;
    const qsizetype asked = f_.boxes.shown().size();
    if (yes) {
        o.fileMayChange = true;
        o.loads = true;
        if (isStorableName(name))
            o.removed = name;
    }
    o.extra = [this, name, asked, yes, before = editorState(f_)] {
        QStringList problems;
        const QString prompt =
            QStringLiteral("Do you like really delete this Style:  '") + name + QLatin1Char('\'');
        const auto& shown = f_.boxes.shown();
        for (qsizetype i = asked - 1; i < shown.size(); ++i)
            if (i >= 0 && shown[i].title == kDeleteTitle &&
                (shown[i].prompt != prompt || shown[i].style != 36))
                problems << QStringLiteral("delete asked '%1'").arg(shown[i].prompt);
        // The first style is loaded; with none left the editor stays.
        const auto* list = f_.child<StyleCombo>("lstStyle");
        if (yes && list->count() > 0 && list->text() != list->item(0))
            problems << QStringLiteral("'%1' shown after the deletion").arg(list->text());
        if (yes && list->count() == 0 && editorState(f_) != before)
            problems << QStringLiteral("deleting the last style changed the editor");
        return problems;
    };
}

void SoakRun::chooseStyle(Outcome& o) {
    auto* list = f_.child<StyleCombo>("lstStyle");
    if (list->count() == 0) {
        o.description = QStringLiteral("choose from an empty list");
        return;
    }
    int row = pick(list->count());
    const int current = list->currentIndex();
    const bool byKey = current >= 0 && chance(0.3);
    if (byKey) {
        // Up or Down from the current item, within the list.
        const bool down = chance(0.5);
        row = std::clamp(current + (down ? 1 : -1), 0, list->count() - 1);
        QTest::keyClick(list->list(), down ? Qt::Key_Down : Qt::Key_Up);
    }
    const QString item = list->item(row);
    const bool again = row == current && list->text() == item;
    if (!byKey)
        chooseListRow(list, row);
    o.description = QStringLiteral("choose row %1 '%2'%3")
                        .arg(row)
                        .arg(item, byKey ? QStringLiteral(" by key") : QString());
    // Choosing the style that is already chosen and shown changes nothing.
    o.loads = !again;
    o.keepsEditor = again;
    o.extra = [list, item] {
        if (list->text() != item)
            return QStringList{QStringLiteral("the name field shows '%1'").arg(list->text())};
        return QStringList{};
    };
}

void SoakRun::defaultSetting(Outcome& o) {
    const bool yes = chance(0.5);
    const QString before = editorState(f_);
    f_.boxes.queueAnswer(yes ? msgbox::Yes : msgbox::No);
    if (chance(0.5))
        clickCaption(f_.window(), QStringLiteral("Command2"));
    else
        clickLeftEdge(f_.child<QWidget>("asxToolbar2"));
    o.description = QStringLiteral("default setting, answered %1")
                        .arg(yes ? QStringLiteral("Yes") : QStringLiteral("No"));
    o.question = kDefaultTitle;
    o.extra = [this, yes, before] {
        QStringList problems;
        if (!yes) {
            if (editorState(f_) != before)
                problems << QStringLiteral("answering No changed the editor");
            return problems;
        }
        auto* preview = f_.child<platform::PictureBox>("Picture2");
        const bool ok =
            f_.child<QRadioButton>("OptStop_0")->isChecked() &&
            f_.slider("SliderStart")->value() == 0 &&
            stopFromScaleHeight(preview->scaleHeight()) == f_.slider("SliderStop")->value() &&
            f_.slider("SliderBand")->value() == 50 && f_.slider("SliderModLine")->value() == 1 &&
            !f_.check("Check1")->isChecked() && f_.check("CheckN")->isChecked() &&
            !f_.check("CheckWXT")->isChecked() && !f_.check("CheckRXT")->isChecked() &&
            !f_.check("CheckGXT")->isChecked() && !f_.check("CheckBXT")->isChecked() &&
            f_.check("Check3")->isChecked();
        if (!ok)
            problems << QStringLiteral("the default setting is not applied: ") + editorState(f_);
        return problems;
    };
}

void SoakRun::randomGradient(Outcome& o) {
    const bool byCaption =
        f_.window().hosted().isEnabled(QStringLiteral("Command3")) && chance(0.5);
    if (byCaption)
        clickCaption(f_.window(), QStringLiteral("Command3"));
    else
        clickLeftEdge(f_.child<QWidget>("asxToolbar4"));
    o.description = byCaption ? QStringLiteral("Random") : QStringLiteral("Random's frame");
    o.extra = [this] {
        QStringList problems;
        if (!f_.child<StyleCombo>("lstStyle")->text().isEmpty())
            problems << QStringLiteral("a random gradient keeps a style name");
        for (const char* name : {"Command3", "cmdCopy", "Command4", "Command2"})
            if (!f_.window().hosted().isEnabled(QString::fromLatin1(name)))
                problems << QStringLiteral("%1 stays disabled").arg(QLatin1String(name));
        return problems;
    };
}

void SoakRun::randomStyle(Outcome& o) {
    clickCaption(f_.window(), QStringLiteral("RndStyle"));
    o.description = QStringLiteral("Random style");
    o.loads = true;
}

void SoakRun::copyStatement(Outcome& o) {
    const bool byFrame = chance(0.5);
    if (byFrame)
        clickLeftEdge(f_.child<QWidget>("button"));
    else
        clickCaption(f_.window(), QStringLiteral("cmdCopy"));
    o.description = byFrame ? QStringLiteral("Copy's frame") : QStringLiteral("Copy");
    o.keepsEditor = true;
    if (f_.edit("txtObjName")->text().isEmpty())
        return; // asks for the name, copies nothing
    o.clipboard = f_.edit("txtFunction")->text() + QStringLiteral(" '") +
                  f_.child<StyleCombo>("lstStyle")->text();
}

void SoakRun::copyFunction(Outcome& o) {
    clickCaption(f_.window(), QStringLiteral("Command4"));
    o.description = QStringLiteral("Copy Function");
    o.keepsEditor = true;
    o.clipboard = sourceViewText(f_.child<QTextEdit>("Text2"));
}

void SoakRun::wallpaper(Outcome& o) {
    const qsizetype before = f_.wallpaper.paths.size();
    const bool byFrame = chance(0.5);
    if (byFrame)
        clickLeftEdge(f_.child<QWidget>("asxToolbar15"));
    else
        clickCaption(f_.window(), QStringLiteral("Velmira12"));
    o.description = byFrame ? QStringLiteral("wallpaper's frame") : QStringLiteral("wallpaper");
    o.keepsEditor = true;
    o.extra = [this, before] {
        QStringList problems;
        if (f_.wallpaper.paths.size() != before + 1)
            return QStringList{QStringLiteral("the wallpaper was set %1 times")
                                   .arg(f_.wallpaper.paths.size() - before)};
        const QString path = f_.wallpaper.paths.last();
        const ScreenGeometry screen = screenGeometryOf(f_.window());
        if (!path.endsWith(kWallpaperFileName) ||
            QImage(path, "BMP").size() != screen.devicePixels())
            problems << QStringLiteral("no screen-sized bitmap at '%1'").arg(path);
        auto* picture = f_.child<platform::PictureBox>("PicWallPaper");
        if (picture->widthTwips() != 120 || picture->heightTwips() != 120)
            problems << QStringLiteral("the wallpaper picture is not back to 120 twips");
        return problems;
    };
}

void SoakRun::previewByHand(Outcome& o) {
    QCheckBox* automatic = f_.check("Check2");
    o.description = QStringLiteral("Preview");
    if (automatic->isChecked()) {
        clickCentre(automatic);
        o.description = QStringLiteral("automatic off, Preview");
    }
    if (!f_.window().hosted().isEnabled(QStringLiteral("Command5"))) {
        o.description += QStringLiteral(" (disabled)");
        return;
    }
    clickCaption(f_.window(), QStringLiteral("Command5"));
    checks_->previewPaintedOver();
    o.writesStatement = true;
    o.extra = [this] {
        if (f_.edit("txtFunction")->text() != checks_->expectedStatement())
            return QStringList{QStringLiteral("Preview wrote another statement")};
        return QStringList{};
    };
}

void SoakRun::touchReadOnlyBox(Outcome& o) {
    const bool statement = chance(0.5);
    QWidget* box =
        statement ? static_cast<QWidget*>(f_.edit("txtFunction")) : f_.child<QTextEdit>("Text2");
    clickCentre(box);
    o.description = QStringLiteral("click %1").arg(box->objectName());
    o.keepsEditor = true;
    o.extra = [box] {
        if (!box->isEnabled())
            return QStringList{QStringLiteral("%1 stays disabled").arg(box->objectName())};
        return QStringList{};
    };
}

void SoakRun::exitProgram(Outcome& o) {
    const int before = f_.exits;
    const bool byFrame = chance(0.5);
    if (byFrame)
        clickLeftEdge(f_.child<QWidget>("Command1"));
    else
        clickCaption(f_.window(), QStringLiteral("Velmira14"));
    o.description = byFrame ? QStringLiteral("Exit's frame") : QStringLiteral("Exit");
    o.keepsEditor = true;
    o.extra = [this, before] {
        if (f_.exits != before + 1)
            return QStringList{
                QStringLiteral("Exit ended the program %1 times").arg(f_.exits - before)};
        return QStringList{};
    };
}

// Tab and Shift+Tab through the window, then Space or Enter on whatever
// holds the focus: any button, box, option or slider may be pressed, and a
// question gets the box's default answer (not Yes).
void SoakRun::useKeyboard(Outcome& o) {
    QStringList keys;
    const int moves = 1 + pick(5);
    for (int i = 0; i < moves; ++i) {
        QWidget* focus = QApplication::focusWidget();
        const bool back = chance(0.3);
        QTest::keyClick(focus ? focus : &f_.window(), back ? Qt::Key_Backtab : Qt::Key_Tab);
        settle();
        keys << (back ? QStringLiteral("Shift+Tab") : QStringLiteral("Tab"));
    }
    QWidget* focus = QApplication::focusWidget();
    const QString target = focus ? focus->objectName() : QStringLiteral("nothing");
    // Not the home-page link: it would open a browser. "Preview" paints over
    // the preview: only with automatic preview off, as the soak presses it.
    const bool preview = focus && focus->objectName() == QStringLiteral("asxToolbar5");
    const bool automatic = f_.check("Check2")->isChecked();
    if (focus && focus->objectName() != QStringLiteral("URLLink1") && !(preview && automatic) &&
        chance(0.5)) {
        const bool enter = chance(0.3);
        const bool paints = preview && f_.window().hosted().isEnabled(QStringLiteral("Command5"));
        QTest::keyClick(focus, enter ? Qt::Key_Return : Qt::Key_Space);
        keys << (enter ? QStringLiteral("Enter") : QStringLiteral("Space"));
        if (paints)
            checks_->previewPaintedOver();
    }
    o.description = QStringLiteral("keys %1 (focus on %2)").arg(keys.join(u' '), target);
    o.anyQuestion = true;
    o.fileMayChange = true;
    o.writesStatement = true;
    o.mayCopy = true;
}

} // namespace designer::test
