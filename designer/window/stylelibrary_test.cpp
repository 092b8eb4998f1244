// The style library driven as a user drives it: a name typed into the style
// list's edit field, "+" and "-" clicked, the questions answered; what the
// file, the list and the editor then hold is read back.

#include "picturebox/picturebox.h"
#include "window/stylecombo.h"
#include "window/tests/windowfixture.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QSlider>
#include <QTest>
#include <QToolButton>

#include <sys/stat.h>

using designer::test::marineSection;
using designer::test::styleSection;
using designer::test::sunsetSection;
using designer::test::WindowFixture;
namespace msgbox = platform::msgbox;

namespace {

const QString kDeletePrompt = QStringLiteral("Do you like really delete this Style:  '%1'");
const QString kDefaultPrompt =
    QStringLiteral("Do you really apply th Default Configuration ?\r\n\r\nNOTE: Default config "
                   "may be change the apparence of your current Gradient.");

void clickCentre(QWidget* widget) {
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
}

// Starts the window and lets the one message about the missing controls
// pass, so that every later box is one the test asked for.
designer::FrmDegColor& startSettled(WindowFixture& f) {
    designer::FrmDegColor& w = f.start();
    QTest::qWait(1);
    (void)QTest::qWaitFor([&] { return !f.boxes.shown().isEmpty(); }, 1000);
    f.boxes.clearShown();
    return w;
}

QByteArray fileBytes(const WindowFixture& f) {
    QFile file(f.profilePath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

designer::StyleCombo* styleList(const WindowFixture& f) {
    return f.child<designer::StyleCombo>("lstStyle");
}

// Types the name into the edit field in place of what is there, one key
// per character (also for characters no Latin-1 key has).
void typeName(const WindowFixture& f, const QString& name) {
    QLineEdit* field = styleList(f)->editField();
    field->setFocus();
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Delete);
    for (const QChar c : name)
        QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

void clickPlus(const WindowFixture& f) {
    clickCentre(f.child<QToolButton>("cmdPlus"));
}

void clickMinus(const WindowFixture& f) {
    clickCentre(f.child<QToolButton>("cmdmoins"));
}

QStringList listed(const WindowFixture& f) {
    QStringList names;
    for (int i = 0; i < styleList(f)->count(); ++i)
        names.append(styleList(f)->item(i));
    return names;
}

} // namespace

class StyleLibraryTest : public QObject {
    Q_OBJECT

private slots:
    void savingStoresTheEditorUnderTheTypedName();
    void savingAnExistingNameOverwritesWithoutAsking();
    void oneSelectedCharacterSavesUnderNameAndDash();
    void savedStyleLoadsBackAsSaved();
    void deletingAsksAndLoadsTheFirstStyle();
    void defaultSettingAsksAndKeepsColours();
    void readOnlyFileChangesNothing();
    void hostileNamesAreStoredWholeOrNotAtAll();
};

void StyleLibraryTest::savingStoresTheEditorUnderTheTypedName() {
    WindowFixture f;
    f.writeProfile(sunsetSection() + marineSection());
    designer::FrmDegColor& w = startSettled(f);

    // An empty name does nothing, and neither does the frame around "+".
    typeName(f, QString());
    clickPlus(f);
    clickCentre(f.child<QWidget>("asxToolbar10"));
    QCOMPARE(fileBytes(f), sunsetSection() + marineSection());

    f.slider("SliderG")->setValue(40);
    f.slider("SliderMB")->setValue(7);
    QLineEdit* objName = f.edit("txtObjName");
    objName->selectAll();
    QTest::keyClick(objName, Qt::Key_Delete);
    const module1::GradientStyle before = w.currentStyle();
    typeName(f, QStringLiteral("Forest Test"));
    clickPlus(f);

    QCOMPARE(fileBytes(f), sunsetSection() + marineSection() +
                               styleSection(QStringLiteral("Forest Test"), 255, 40, 0, 236, 0, 1500,
                                            50, false, QString(), 2, 1, 2, 7));
    QCOMPARE(listed(f), QStringList({"Sunset", "Marine", "Forest Test"}));
    QCOMPARE(f.label("lblNbStyle")->text(), QStringLiteral("3"));
    // The name stays in the field; nothing is current and nothing loaded.
    QCOMPARE(styleList(f)->text(), QStringLiteral("Forest Test"));
    QCOMPARE(styleList(f)->currentIndex(), -1);
    QVERIFY(objName->text().isEmpty());
    QCOMPARE(w.currentStyle().G, before.G);
    QCOMPARE(w.currentStyle().MoreXB, 7);
    QVERIFY(f.boxes.shown().isEmpty());
}

void StyleLibraryTest::savingAnExistingNameOverwritesWithoutAsking() {
    WindowFixture f;
    f.writeProfile(sunsetSection() + "Note=mine\r\n" + marineSection());
    startSettled(f);
    f.slider("SliderR")->setValue(12);
    typeName(f, QStringLiteral("SUNSET"));
    clickPlus(f);

    QByteArray expected = sunsetSection() + "Note=mine\r\n" + marineSection();
    expected.replace("SliderValueR=255", "SliderValueR=12");
    QCOMPARE(fileBytes(f), expected);
    QCOMPARE(listed(f), QStringList({"Sunset", "Marine"}));
    QCOMPARE(f.label("lblNbStyle")->text(), QStringLiteral("2"));
    QCOMPARE(styleList(f)->text(), QStringLiteral("SUNSET"));
    QVERIFY(f.boxes.shown().isEmpty());
}

void StyleLibraryTest::oneSelectedCharacterSavesUnderNameAndDash() {
    WindowFixture f;
    startSettled(f);
    QLineEdit* field = styleList(f)->editField();
    typeName(f, QStringLiteral("Dawn"));
    QTest::keyClick(field, Qt::Key_Left, Qt::ShiftModifier);
    QCOMPARE(field->selectedText(), QStringLiteral("n"));
    clickPlus(f);
    QCOMPARE(listed(f), QStringList({"Dawn-"}));
    QCOMPARE(field->text(), QStringLiteral("Dawn-"));

    // Two characters selected: the name as it is.
    typeName(f, QStringLiteral("Dusk"));
    QTest::keyClick(field, Qt::Key_Left, Qt::ShiftModifier);
    QTest::keyClick(field, Qt::Key_Left, Qt::ShiftModifier);
    clickPlus(f);
    QCOMPARE(listed(f), QStringList({"Dawn-", "Dusk"}));
    QCOMPARE(field->text(), QStringLiteral("Dusk"));
}

void StyleLibraryTest::savedStyleLoadsBackAsSaved() {
    WindowFixture f;
    f.writeProfile(sunsetSection());
    designer::FrmDegColor& w = startSettled(f);
    QRadioButton* height = f.child<QRadioButton>("OptStop_0");
    QTest::mouseClick(height, Qt::LeftButton, {}, QPoint(1, height->height() / 2));
    f.slider("SliderB")->setValue(400);
    f.slider("SliderModLine")->setValue(9);
    f.slider("SliderMR")->setValue(20);
    QLineEdit* objName = f.edit("txtObjName");
    objName->selectAll();
    QTest::keyClicks(objName, QStringLiteral("Me"));
    const module1::GradientStyle saved = w.currentStyle();
    typeName(f, QStringLiteral("Night"));
    clickPlus(f);

    // Sunset first, then Night back, both chosen as a user chooses them.
    QListWidget* items = styleList(f)->list();
    clickCentre(f.check("Check2"));
    QTest::mouseClick(items->viewport(), Qt::LeftButton, {},
                      items->visualItemRect(items->item(0)).center());
    QCOMPARE(f.slider("SliderB")->value(), 0);
    QTest::mouseClick(items->viewport(), Qt::LeftButton, {},
                      items->visualItemRect(items->item(1)).center());
    QCOMPARE(styleList(f)->text(), QStringLiteral("Night"));
    QVERIFY(f.check("Check2")->isChecked());
    QVERIFY(f.child<QRadioButton>("OptStop_0")->isChecked());
    QCOMPARE(objName->text(), QStringLiteral("Me"));
    const module1::GradientStyle loaded = w.currentStyle();
    QCOMPARE(loaded.B, saved.B);
    QCOMPARE(loaded.Stop, saved.Stop);
    QCOMPARE(loaded.ModLine, 9);
    QCOMPARE(loaded.MoreXR, 20);
    QCOMPARE(loaded.N, saved.N);
}

void StyleLibraryTest::deletingAsksAndLoadsTheFirstStyle() {
    WindowFixture f;
    f.writeProfile(sunsetSection() + marineSection());
    startSettled(f);

    f.boxes.queueAnswer(msgbox::No);
    clickMinus(f);
    QCOMPARE(f.boxes.shown().size(), 1);
    QCOMPARE(f.boxes.shown()[0].prompt, kDeletePrompt.arg(QStringLiteral("Sunset")));
    QCOMPARE(f.boxes.shown()[0].style, 36);
    QCOMPARE(f.boxes.shown()[0].title, QStringLiteral("Info : Delete a Style"));
    QCOMPARE(fileBytes(f), sunsetSection() + marineSection());
    QCOMPARE(listed(f), QStringList({"Sunset", "Marine"}));

    f.boxes.queueAnswer(msgbox::Yes);
    clickMinus(f);
    QCOMPARE(fileBytes(f), marineSection());
    QCOMPARE(listed(f), QStringList({"Marine"}));
    QCOMPARE(f.label("lblNbStyle")->text(), QStringLiteral("1"));
    QCOMPARE(styleList(f)->currentIndex(), 0);
    QCOMPARE(f.slider("SliderB")->value(), 300);
    QCOMPARE(f.edit("txtObjName")->text(), QStringLiteral("Me.Picture1"));

    // The last style: the list is left empty with nothing current, and the
    // editor keeps what it shows.
    f.boxes.queueAnswer(msgbox::Yes);
    clickMinus(f);
    QCOMPARE(f.boxes.shown().last().prompt, kDeletePrompt.arg(QStringLiteral("Marine")));
    QVERIFY(listed(f).isEmpty());
    QCOMPARE(f.label("lblNbStyle")->text(), QStringLiteral("0"));
    QCOMPARE(styleList(f)->currentIndex(), -1);
    QCOMPARE(f.slider("SliderB")->value(), 300);
    QCOMPARE(f.edit("txtObjName")->text(), QStringLiteral("Me.Picture1"));
    QVERIFY(!fileBytes(f).contains("[Marine]"));
}

void StyleLibraryTest::defaultSettingAsksAndKeepsColours() {
    WindowFixture f;
    f.writeProfile(sunsetSection());
    designer::FrmDegColor& w = startSettled(f);
    // Sunset has the manual stop method; change what the defaults reset.
    f.slider("SliderStart")->setValue(700);
    f.slider("SliderBand")->setValue(9);
    clickCentre(f.check("Check1"));
    clickCentre(f.check("CheckRXT"));
    clickCentre(f.check("CheckN"));
    clickCentre(f.check("Check3"));
    QVERIFY(f.check("Check1")->isChecked() && f.check("CheckRXT")->isChecked());
    QVERIFY(!f.check("CheckN")->isChecked() && !f.check("Check3")->isChecked());

    f.boxes.queueAnswer(msgbox::No);
    clickCentre(f.label("Command2"));
    QCOMPARE(f.boxes.shown().size(), 1);
    QCOMPARE(f.boxes.shown()[0].prompt, kDefaultPrompt);
    QCOMPARE(f.boxes.shown()[0].style, 36);
    QCOMPARE(f.boxes.shown()[0].title, QStringLiteral("Info : Default Cfg"));
    QCOMPARE(f.slider("SliderStart")->value(), 700);
    QVERIFY(f.child<QRadioButton>("OptStop_1")->isChecked());

    // The frame around the caption asks too.
    f.boxes.queueAnswer(msgbox::Yes);
    QWidget* frame = f.child<QWidget>("asxToolbar2");
    QTest::mouseClick(frame, Qt::LeftButton, {}, QPoint(1, frame->height() / 2));
    QCOMPARE(f.boxes.shown().size(), 2);
    QVERIFY(f.child<QRadioButton>("OptStop_0")->isChecked());
    QVERIFY(!f.slider("SliderStop")->isEnabled());
    const auto height =
        static_cast<vb::Integer>(f.child<platform::PictureBox>("Picture2")->scaleHeight());
    QCOMPARE(f.slider("SliderStop")->value(), height);
    QCOMPARE(w.currentStyle().Stop, height);
    QCOMPARE(f.slider("SliderStart")->value(), 0);
    QCOMPARE(f.slider("SliderBand")->value(), 50);
    QCOMPARE(f.slider("SliderModLine")->value(), 1);
    QVERIFY(!f.check("Check1")->isChecked());
    QVERIFY(f.check("CheckN")->isChecked());
    QVERIFY(f.check("CheckWXT")->isEnabled());
    for (const char* box : {"CheckWXT", "CheckRXT", "CheckGXT", "CheckBXT"})
        QVERIFY2(!f.check(box)->isChecked(), box);
    QVERIFY(f.check("Check3")->isChecked());
    QCOMPARE(w.currentStyle().AutoRedraw, vb::True);
    // Colours, divisors, the object name and the file stay.
    QCOMPARE(f.slider("SliderR")->value(), 255);
    QCOMPARE(f.slider("SliderN")->value(), 236);
    QCOMPARE(f.slider("SliderMB")->value(), 3);
    QCOMPARE(f.edit("txtObjName")->text(), QStringLiteral("Picture1"));
    QCOMPARE(fileBytes(f), sunsetSection());
    QCOMPARE(f.edit("txtFunction")->text(),
             QStringLiteral("Ombrelo Picture1, 255, 128, 0, 236, 50, 0, Picture1.ScaleHeight, 1, "
                            "True, 1, 2, 3"));
}

void StyleLibraryTest::readOnlyFileChangesNothing() {
    WindowFixture f;
    f.writeProfile(sunsetSection() + marineSection());
    QVERIFY(chmod(QFile::encodeName(f.profilePath()).constData(), 0444) == 0);
    startSettled(f);

    typeName(f, QStringLiteral("Forest Test"));
    clickPlus(f);
    typeName(f, QStringLiteral("Marine"));
    f.slider("SliderR")->setValue(1);
    clickPlus(f);
    QVERIFY(f.boxes.shown().isEmpty());
    QCOMPARE(fileBytes(f), sunsetSection() + marineSection());
    QCOMPARE(listed(f), QStringList({"Sunset", "Marine"}));
    QCOMPARE(styleList(f)->text(), QStringLiteral("Marine"));

    f.boxes.queueAnswer(msgbox::Yes);
    clickMinus(f);
    QCOMPARE(fileBytes(f), sunsetSection() + marineSection());
    QCOMPARE(listed(f), QStringList({"Sunset", "Marine"}));
    QCOMPARE(styleList(f)->text(), QStringLiteral("Sunset"));
    QCOMPARE(f.slider("SliderR")->value(), 255);
    QCOMPARE(f.boxes.shown().size(), 1);
}

void StyleLibraryTest::hostileNamesAreStoredWholeOrNotAtAll() {
    WindowFixture f;
    f.writeProfile(sunsetSection() + marineSection());
    startSettled(f);
    const QByteArray before = sunsetSection() + marineSection();
    QLineEdit* field = styleList(f)->editField();

    // Pasted text with line breaks, and a name one longer than any a
    // listing can hold: nothing is stored, the list shows the file.
    for (const QString& name :
         {QStringLiteral("Two\r\n[Lines]"), QString(32766, QLatin1Char('n'))}) {
        typeName(f, QString());
        field->insert(name);
        QCOMPARE(field->text(), name);
        clickPlus(f);
        QCOMPARE(fileBytes(f), before);
        QCOMPARE(listed(f), QStringList({"Sunset", "Marine"}));
        QCOMPARE(field->text(), name);
    }

    // Brackets, equals signs and text beyond the code page: stored, listed
    // and loaded back as typed, the other sections as they were.
    const QStringList stored = {QStringLiteral("a]b=c"), QStringLiteral("[x"),
                                QStringLiteral("\u65e5\u672c \u0100")};
    int r = 10;
    for (const QString& name : stored) {
        f.slider("SliderR")->setValue(++r);
        typeName(f, name);
        clickPlus(f);
    }
    QCOMPARE(listed(f), QStringList({"Sunset", "Marine"}) + stored);
    QVERIFY(fileBytes(f).startsWith(before));
    QListWidget* items = styleList(f)->list();
    for (int i = 0; i < stored.size(); ++i) {
        QTest::mouseClick(items->viewport(), Qt::LeftButton, {},
                          items->visualItemRect(items->item(2 + i)).center());
        QCOMPARE(styleList(f)->text(), stored[i]);
        QCOMPARE(f.slider("SliderR")->value(), 11 + i);
    }
}

QTEST_MAIN(StyleLibraryTest)
#include "stylelibrary_test.moc"
