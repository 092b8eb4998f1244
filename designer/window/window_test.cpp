// The main window driven as a user drives it: sliders moved, boxes clicked,
// styles chosen; what it shows and what the preview paints are read back.

#include "module1/ombrelo.h"
#include "picturebox/olecolor.h"
#include "picturebox/picturebox.h"
#include "widgets/lamp.h"
#include "window/captionlabel.h"
#include "window/editor.h"
#include "window/hostedcontrols.h"
#include "window/stylecombo.h"
#include "window/tests/windowfixture.h"

#include <QCheckBox>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>

using designer::test::engineRendering;
using designer::test::marineSection;
using designer::test::sunsetSection;
using designer::test::WindowFixture;

namespace {

// A box's size filled with its background colour.
QImage emptyBox(platform::PictureBox& box) {
    QImage image = box.image();
    image.fill(*platform::fromOleColor(box.backColor(), box.palette()));
    return image;
}

void clickCentre(QWidget* widget) {
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
}

// Options and frames are clicked near their left edge (the option's circle,
// the frame's border).
void clickLeftEdge(QWidget* widget) {
    QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(1, widget->height() / 2));
}

} // namespace

class WindowTest : public QObject {
    Q_OBJECT

private slots:
    void startupLoadsTheFirstStyleAndPaintsIt();
    void startupWithoutStylesKeepsTheInitialEditor();
    void brokenValuesAreSkippedOrFallBack();
    void choosingAStyleLoadsIt();
    void rangeLabelsFollowTheirBands();
    void valueBoxesTakeNoInput();
    void includeBoxesEnableWithoutChanging();
    void lampsFollowTheMoreXBoxes();
    void automaticPreviewOffClearsAndPreviewPaintsOver();
    void autoRedrawOffLosesThePreviewOnRepaint();
    void stopMethodSwitchesTheSliderAndTheStatement();
    void statementFollowsTheObjectName();
    void timeTextShowsTheMeasuredTime();
    void sourceViewIsReadButNeverTyped();
    void missingControlsLeaveLabelsAndOneMessage();
    void exitEndsAtOnceAndWritesNothing();
    void filesAreFoundBesideTheProgramOrInTheDataFolder();
    void builtControlsAreHostedAndWired();
};

void WindowTest::startupLoadsTheFirstStyleAndPaintsIt() {
    WindowFixture f;
    f.writeProfile(sunsetSection() + marineSection());
    f.writeProcedureSource("Public Sub Ombrelo()\r\nEnd Sub\r\n");
    f.clock.setStepPerRead(0.05);
    designer::FrmDegColor& w = f.start();

    auto* list = f.child<designer::StyleCombo>("lstStyle");
    QCOMPARE(list->count(), 2);
    QCOMPARE(list->currentIndex(), 0);
    QCOMPARE(list->text(), QStringLiteral("Sunset"));
    QCOMPARE(f.label("lblNbStyle")->text(), QStringLiteral("2"));

    QCOMPARE(f.slider("SliderR")->value(), 255);
    QCOMPARE(f.edit("txtG")->text(), QStringLiteral("128"));
    QCOMPARE(f.edit("txtN")->text(), QStringLiteral("236"));
    QCOMPARE(f.label("Label5")->text(), QStringLiteral("W"));
    QVERIFY(f.child<QRadioButton>("OptStop_1")->isChecked());
    QCOMPARE(f.slider("SliderStop")->value(), 1500);
    // The box shows the preview's height, set after the load, whatever the
    // stop method.
    auto* preview = f.child<platform::PictureBox>("Picture2");
    QCOMPARE(f.edit("txtStop")->text(), QString::number(preview->scaleHeight()));
    QVERIFY(f.slider("SliderStop")->isEnabled());
    QCOMPARE(f.edit("txtObjName")->text(), QStringLiteral("Picture1"));
    QCOMPARE(f.edit("TxtMB")->text(), QStringLiteral("3"));
    const module1::GradientStyle& s = w.currentStyle();
    QCOMPARE(s.R, 255);
    QCOMPARE(s.N, 236);
    QCOMPARE(s.Stop, 1500);
    QCOMPARE(s.ModLine, 2);
    QCOMPARE(s.AutoRedraw, vb::True);
    QCOMPARE(s.MoreXG, 2);

    const QString statement =
        QStringLiteral("Ombrelo Picture1, 255, 128, 0, 236, 50, 0, 1500, 2, True, 1, 2, 3");
    QCOMPARE(f.edit("txtFunction")->text(), statement);
    QCOMPARE(f.edit("txtFunction")->toolTip(), QStringLiteral("Syntax : ") + statement);
    QCOMPARE(f.label("lblCalcultime")->text(), QStringLiteral("00.05 secs."));
    QCOMPARE(f.label("lblVertion")->text(), QStringLiteral("Vertion : 3.0 Build #17"));
    QCOMPARE(f.child<QTextEdit>("Text2")->toPlainText(),
             QStringLiteral("Public Sub Ombrelo()\nEnd Sub\n"));

    QCOMPARE(preview->image(), engineRendering(*preview, s));

    // The window's own background: grey from 138 at the top to 236 below.
    auto* surface = f.child<platform::PictureBox>("Surface");
    const QImage background = surface->image();
    QCOMPARE(background.pixel(0, 0), qRgb(138, 138, 138));
    module1::GradientStyle grey{138, 138, 138, 236, 50, 0, 8250, 1, vb::True, 1, 1, 1};
    QCOMPARE(background, engineRendering(*surface, grey));
    const QRgb bottom = background.pixel(0, background.height() - 1);
    QVERIFY(qRed(bottom) > 225 && qRed(bottom) <= 236);
    QCOMPARE(f.exits, 0);
}

void WindowTest::startupWithoutStylesKeepsTheInitialEditor() {
    for (const bool fileExists : {false, true}) {
        WindowFixture f;
        if (fileExists)
            f.writeProfile("");
        designer::FrmDegColor& w = f.start();
        auto* list = f.child<designer::StyleCombo>("lstStyle");
        QCOMPARE(list->count(), 0);
        QCOMPARE(list->currentIndex(), -1);
        QCOMPARE(f.label("lblNbStyle")->text(), QStringLiteral("0"));
        QCOMPARE(f.slider("SliderBand")->value(), 50);
        QCOMPARE(f.slider("SliderR")->value(), 0);
        QVERIFY(!f.slider("SliderStop")->isEnabled());
        auto* preview = f.child<platform::PictureBox>("Picture2");
        const int height = static_cast<int>(preview->scaleHeight());
        QCOMPARE(f.edit("txtStop")->text(), QString::number(height));
        QCOMPARE(w.currentStyle().Stop, height);
        QCOMPARE(f.edit("txtFunction")->text(),
                 QStringLiteral("Ombrelo [OBJECT], 0, 0, 0, 0, 50, 0, [OBJECT].ScaleHeight, 1, "
                                "True, 1, 1, 1"));
        // No side file: an empty source view.
        QVERIFY(f.child<QTextEdit>("Text2")->toPlainText().isEmpty());
        QCOMPARE(QFileInfo::exists(f.profilePath()), fileExists);
    }
}

void WindowTest::brokenValuesAreSkippedOrFallBack() {
    WindowFixture f;
    const QByteArray longName(70000, 'x');
    f.writeProfile("[Broken]\nSliderValueR=abc\nSliderValueG=99999999\nSliderValueB=-40\n"
                   "SliderValueN=1e3\nSliderValueBand=\nSliderValueStop=1e400\n"
                   "OptValue0=maybe\nOptValue1=\nObjName=\nModLine=-3\nMoreXR=0\nMoreXG=x\n"
                   "MoreXB=-1\n[Long]\nObjName=" +
                   longName + "\nSliderValueR=12\n");
    designer::FrmDegColor& w = f.start();

    QCOMPARE(f.slider("SliderR")->value(), 0);   // not a number: unchanged
    QCOMPARE(f.slider("SliderG")->value(), 512); // beyond the range: its end
    QCOMPARE(f.slider("SliderB")->value(), 0);
    QCOMPARE(f.slider("SliderN")->value(), 512);
    QCOMPARE(f.label("Label5")->text(), QStringLiteral("W-XT"));
    QCOMPARE(f.slider("SliderBand")->value(), 50);
    QVERIFY(f.child<QRadioButton>("OptStop_0")->isChecked());
    QCOMPARE(f.edit("txtObjName")->text(), QStringLiteral("[OBJECT]"));
    QCOMPARE(f.slider("SliderModLine")->value(), 1);
    QCOMPARE(f.slider("SliderMR")->value(), 1);
    QCOMPARE(f.slider("SliderMB")->value(), 1);
    QCOMPARE(w.currentStyle().G, 512);

    // A huge value is cut only by the read buffer; typing stops at 255.
    auto* list = f.child<designer::StyleCombo>("lstStyle");
    list->setCurrentIndex(1);
    QCOMPARE(f.slider("SliderR")->value(), 12);
    QCOMPARE(f.edit("txtObjName")->text(), QString(63999, QLatin1Char('x')));
    const QString statement = f.edit("txtFunction")->text();
    QVERIFY(statement.startsWith(QStringLiteral("Ombrelo xxx")));
    QVERIFY(statement.endsWith(QStringLiteral("x.ScaleHeight, 1, True, 1, 1, 1")));
    QVERIFY(statement.size() > 2 * 63999);
    QLineEdit* name = f.edit("txtObjName");
    name->selectAll();
    QTest::keyClicks(name, QString(300, QLatin1Char('y')));
    QCOMPARE(name->text(), QString(255, QLatin1Char('y')));

    // An empty section name ends the list.
    WindowFixture g;
    g.writeProfile("[]\nSliderValueR=5\n[Later]\nSliderValueR=7\n");
    g.start();
    QCOMPARE(g.label("lblNbStyle")->text(), QStringLiteral("0"));
    QCOMPARE(g.slider("SliderR")->value(), 0);
}

void WindowTest::choosingAStyleLoadsIt() {
    WindowFixture f;
    f.writeProfile(sunsetSection() + marineSection() + "[Sparse]\nSliderValueR=7\n");
    designer::FrmDegColor& w = f.start();
    auto* list = f.child<designer::StyleCombo>("lstStyle");

    // Automatic preview off first: choosing a style turns it back on.
    clickCentre(f.check("Check2"));
    QVERIFY(!f.check("Check2")->isChecked());

    QListWidget* items = list->list();
    QTest::mouseClick(items->viewport(), Qt::LeftButton, {},
                      items->visualItemRect(items->item(1)).center());
    QCOMPARE(list->text(), QStringLiteral("Marine"));
    QVERIFY(f.check("Check2")->isChecked());
    QCOMPARE(f.slider("SliderB")->value(), 300);
    QCOMPARE(f.label("Label3")->text(), QStringLiteral("B-XT"));
    QCOMPARE(f.slider("SliderStart")->value(), 150);
    QVERIFY(f.child<QRadioButton>("OptStop_0")->isChecked());
    QVERIFY(!f.slider("SliderStop")->isEnabled());
    const int height = static_cast<int>(f.child<platform::PictureBox>("Picture2")->scaleHeight());
    QCOMPARE(w.currentStyle().Stop, height);
    QCOMPARE(f.edit("txtFunction")->text(),
             QStringLiteral("Ombrelo Me.Picture1, 0, 64, 300, 100, 20, 150, "
                            "Me.Picture1.ScaleHeight, 1, True, 4, 4, 4"));

    // A style with one key: the rest of the sliders stay, the fallbacks apply.
    QTest::mouseClick(items->viewport(), Qt::LeftButton, {},
                      items->visualItemRect(items->item(2)).center());
    QCOMPARE(f.slider("SliderR")->value(), 7);
    QCOMPARE(f.slider("SliderB")->value(), 300);
    QCOMPARE(f.slider("SliderStart")->value(), 150);
    QCOMPARE(f.edit("txtObjName")->text(), QStringLiteral("[OBJECT]"));
    QCOMPARE(f.slider("SliderMR")->value(), 1);
    QCOMPARE(f.slider("SliderModLine")->value(), 1);
}

void WindowTest::rangeLabelsFollowTheirBands() {
    WindowFixture f;
    designer::FrmDegColor& w = f.start();
    const struct {
        const char* slider;
        const char* label;
        QString letter;
    } colours[] = {{"SliderR", "Label1", QStringLiteral("R")},
                   {"SliderG", "Label2", QStringLiteral("G")},
                   {"SliderB", "Label3", QStringLiteral("B")}};
    for (const auto& c : colours) {
        f.slider(c.slider)->setValue(255);
        QCOMPARE(f.label(c.label)->text(), c.letter);
        f.slider(c.slider)->setValue(256);
        QCOMPARE(f.label(c.label)->text(), c.letter + QStringLiteral("-XT"));
        f.slider(c.slider)->setValue(255);
        QCOMPARE(f.label(c.label)->text(), c.letter);
    }
    QCOMPARE(w.currentStyle().B, 255);

    QSlider* n = f.slider("SliderN");
    for (const auto& [value, text] : {std::pair{127, "N"}, {128, "W"}, {255, "W"}, {256, "W-XT"}}) {
        n->setValue(value);
        QCOMPARE(f.label("Label5")->text(), QString::fromLatin1(text));
    }
    n->setValue(40);
    n->setFocus();
    QTest::keyClick(n, Qt::Key_Up);
    QCOMPARE(n->value(), 41);
    QCOMPARE(f.edit("txtN")->text(), QStringLiteral("41"));
    QCOMPARE(w.currentStyle().N, 41);
    QCOMPARE(f.label("Label5")->text(), QStringLiteral("N"));
}

void WindowTest::valueBoxesTakeNoInput() {
    WindowFixture f;
    f.start();
    for (const char* name : {"txtR", "txtG", "txtB", "txtN", "txtStart", "txtStop", "txtBandSize",
                             "txtModLine", "TxtMR", "TxtMG", "TxtMB"}) {
        QLineEdit* box = f.edit(name);
        QVERIFY2(!box->isEnabled(), name);
        const QString before = box->text();
        QTest::keyClicks(box, QStringLiteral("99"));
        QCOMPARE(box->text(), before);
    }
}

void WindowTest::includeBoxesEnableWithoutChanging() {
    WindowFixture f;
    f.start();
    const char* pairs[][2] = {{"CheckR", "CheckRXT"},
                              {"CheckG", "CheckGXT"},
                              {"CheckB", "CheckBXT"},
                              {"CheckN", "CheckWXT"}};
    auto* preview = f.child<platform::PictureBox>("Picture2");
    for (const auto& [include, extended] : pairs) {
        QCheckBox* xt = f.check(extended);
        QVERIFY(xt->isEnabled());
        clickCentre(xt);
        QVERIFY(xt->isChecked());
        const QString time = f.label("lblCalcultime")->text();
        const QImage shown = preview->shownImage();
        clickCentre(f.check(include));
        QVERIFY(!xt->isEnabled());
        QVERIFY(xt->isChecked());
        clickCentre(f.check(include));
        QVERIFY(xt->isEnabled());
        QVERIFY(xt->isChecked());
        // Nothing was redrawn.
        QCOMPARE(f.label("lblCalcultime")->text(), time);
        QCOMPARE(preview->shownImage(), shown);
    }
}

void WindowTest::lampsFollowTheMoreXBoxes() {
    WindowFixture f;
    f.start();
    auto* lampG = f.child<platform::Lamp>("ShapeMG");
    QCOMPARE(lampG->fillColor(), QColor(Qt::white));
    const struct {
        const char* box;
        const char* lamp;
        QColor lit;
    } lamps[] = {{"CheckMR", "ShapeMR", QColor(192, 0, 0)},
                 {"CheckMG", "ShapeMG", QColor(0, 128, 0)},
                 {"CheckMB", "ShapeMB", QColor(0, 0, 192)}};
    for (const auto& l : lamps) {
        auto* lamp = f.child<platform::Lamp>(l.lamp);
        clickCentre(f.check(l.box));
        QCOMPARE(lamp->fillColor(), l.lit);
        clickCentre(f.check(l.box));
        QCOMPARE(lamp->fillColor(),
                 *platform::fromOleColor(platform::WindowBackground, lamp->palette()));
    }
}

void WindowTest::automaticPreviewOffClearsAndPreviewPaintsOver() {
    WindowFixture f;
    f.writeProfile(sunsetSection());
    designer::FrmDegColor& w = f.start();
    auto* preview = f.child<platform::PictureBox>("Picture2");
    for (const char* name : {"SliderMR", "SliderMG", "SliderMB"})
        f.slider(name)->setValue(5);
    module1::GradientStyle style = w.currentStyle();
    QCOMPARE(preview->image(), engineRendering(*preview, style)); // divisor 5
    auto* random = f.child<designer::CaptionLabel>("Command3");
    auto* previewButton = f.child<designer::CaptionLabel>("Command5");
    QVERIFY(random->isEnabled() && previewButton->isEnabled());

    clickCentre(f.check("Check2"));
    const QImage empty = emptyBox(*preview);
    QCOMPARE(preview->image(), empty);
    QVERIFY(!random->isEnabled());
    QVERIFY(previewButton->isEnabled());

    const QString statement = f.edit("txtFunction")->text();
    f.slider("SliderR")->setValue(10);
    QCOMPARE(f.edit("txtR")->text(), QStringLiteral("10"));
    QCOMPARE(w.currentStyle().R, 10);
    QCOMPARE(f.edit("txtFunction")->text(), statement);
    QCOMPARE(preview->image(), empty);

    // "Preview" paints over what is there, without divisors, and writes the
    // statement with the sliders' divisors.
    f.slider("SliderModLine")->setValue(2);
    preview->setAutoRedraw(true);
    preview->lineBox(0, 0, preview->scaleWidth(), preview->scaleHeight(), 0x00FF00FF);
    const QImage before = preview->image();
    clickLeftEdge(f.child<QWidget>("asxToolbar5")); // only the caption is wired
    QCOMPARE(preview->image(), before);
    clickCentre(previewButton);
    QVERIFY(f.edit("txtFunction")->text().endsWith(QStringLiteral(", 2, True, 5, 5, 5")));
    style = w.currentStyle();
    style.MoreXR = style.MoreXG = style.MoreXB = 1;
    const QImage painted = preview->image();
    const QImage reference = engineRendering(*preview, style);
    const QRgb background = emptyBox(*preview).pixel(0, 0);
    int gaps = 0;
    for (int y = 0; y < painted.height(); ++y) {
        // The gaps between the bands keep what was there.
        const bool gap = reference.pixel(5, y) == background;
        gaps += gap ? 1 : 0;
        QCOMPARE(painted.pixel(5, y), gap ? qRgb(255, 0, 255) : reference.pixel(5, y));
    }
    QVERIFY(gaps > 10);

    clickCentre(f.check("Check2"));
    QVERIFY(random->isEnabled());
    QVERIFY(!previewButton->isEnabled());
    style.MoreXR = style.MoreXG = style.MoreXB = 5;
    QCOMPARE(preview->image(), engineRendering(*preview, style));
}

void WindowTest::autoRedrawOffLosesThePreviewOnRepaint() {
    WindowFixture f;
    f.writeProfile(sunsetSection());
    designer::FrmDegColor& w = f.start();
    auto* preview = f.child<platform::PictureBox>("Picture2");
    const QImage empty = emptyBox(*preview);

    clickCentre(f.check("Check3"));
    QCOMPARE(w.currentStyle().AutoRedraw, vb::False);
    QVERIFY(f.edit("txtFunction")->text().contains(QStringLiteral(", False, ")));
    QVERIFY(!preview->autoRedraw());
    QVERIFY(preview->shownImage() != empty); // drawn on the screen alone

    // A colour slider repaints the box afterwards: the drawing is gone.
    f.slider("SliderG")->setValue(200);
    QCOMPARE(preview->shownImage(), empty);
    // A MoreX slider does not repaint: the drawing stays.
    f.slider("SliderMR")->setValue(4);
    QVERIFY(preview->shownImage() != empty);

    clickCentre(f.check("Check3"));
    QCOMPARE(w.currentStyle().AutoRedraw, vb::True);
    f.slider("SliderG")->setValue(100);
    QCOMPARE(preview->shownImage(), engineRendering(*preview, w.currentStyle()));
}

void WindowTest::stopMethodSwitchesTheSliderAndTheStatement() {
    WindowFixture f;
    designer::FrmDegColor& w = f.start();
    for (const char* name : {"SliderR", "SliderG", "SliderB"})
        f.slider(name)->setValue(138);
    f.slider("SliderN")->setValue(236);
    QCOMPARE(f.edit("txtFunction")->text(),
             QStringLiteral("Ombrelo [OBJECT], 138, 138, 138, 236, 50, 0, [OBJECT].ScaleHeight, "
                            "1, True, 1, 1, 1"));

    clickLeftEdge(f.child<QRadioButton>("OptStop_1"));
    QVERIFY(f.slider("SliderStop")->isEnabled());
    QCOMPARE(w.currentStyle().Stop, 1);
    f.slider("SliderStop")->setValue(3000);
    QCOMPARE(f.edit("txtStop")->text(), QStringLiteral("3000"));
    QLineEdit* name = f.edit("txtObjName");
    name->selectAll();
    QTest::keyClicks(name, QStringLiteral("Picture1"));
    clickCentre(f.check("Check3"));
    f.slider("SliderMR")->setValue(2);
    f.slider("SliderMG")->setValue(3);
    f.slider("SliderMB")->setValue(4);
    QCOMPARE(
        f.edit("txtFunction")->text(),
        QStringLiteral("Ombrelo Picture1, 138, 138, 138, 236, 50, 0, 3000, 1, False, 2, 3, 4"));

    clickLeftEdge(f.child<QRadioButton>("OptStop_0"));
    QVERIFY(!f.slider("SliderStop")->isEnabled());
    const auto height =
        static_cast<vb::Integer>(f.child<platform::PictureBox>("Picture2")->scaleHeight());
    QCOMPARE(w.currentStyle().Stop, height);
    QVERIFY(
        f.edit("txtFunction")->text().contains(QStringLiteral(", 0, Picture1.ScaleHeight, 1, ")));
    // The manual Stop stays on its slider for the next switch.
    QCOMPARE(f.slider("SliderStop")->value(), 3000);
}

void WindowTest::statementFollowsTheObjectName() {
    WindowFixture f;
    f.start();
    QLineEdit* name = f.edit("txtObjName");
    name->selectAll();
    QTest::keyClicks(name, QStringLiteral("Me.Picture1"));
    QCOMPARE(f.edit("txtFunction")->text(),
             QStringLiteral("Ombrelo Me.Picture1, 0, 0, 0, 0, 50, 0, Me.Picture1.ScaleHeight, 1, "
                            "True, 1, 1, 1"));
    name->selectAll();
    QTest::keyClick(name, Qt::Key_Delete);
    QVERIFY(f.edit("txtFunction")
                ->text()
                .startsWith(QStringLiteral("Ombrelo , 0, 0, 0, 0, 50, 0, .ScaleHeight")));
    QCOMPARE(f.edit("txtFunction")->toolTip(),
             QStringLiteral("Syntax : ") + f.edit("txtFunction")->text());
}

void WindowTest::timeTextShowsTheMeasuredTime() {
    WindowFixture f;
    f.start();
    const std::pair<double, const char*> cases[] = {{0.05, "00.05 secs."},
                                                    {1.5, "01.50 secs."},
                                                    {123.456, "123.46 secs."},
                                                    {0.0, "00.00 secs."}};
    int value = 0;
    for (const auto& [elapsed, text] : cases) {
        f.clock.setStepPerRead(elapsed);
        f.slider("SliderStart")->setValue(++value * 10);
        QCOMPARE(f.label("lblCalcultime")->text(), QString::fromLatin1(text));
    }
}

void WindowTest::sourceViewIsReadButNeverTyped() {
    WindowFixture f;
    f.writeProcedureSource("' source\r\n' more\r\n");
    f.start();
    auto* source = f.child<QTextEdit>("Text2");
    source->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(source->hasFocus());
    QVERIFY(source->isEnabled());
    QTest::keyClicks(source, QStringLiteral("typed"));
    QTest::keyClick(source, Qt::Key_Delete);
    QTest::keyClick(source, Qt::Key_Down);
    QCOMPARE(source->toPlainText(), QStringLiteral("' source\n' more\n"));
    // Tab leaves it for the next control instead of going into the text.
    QTest::keyClick(source, Qt::Key_Tab);
    QVERIFY(!source->hasFocus());
}

void WindowTest::missingControlsLeaveLabelsAndOneMessage() {
    WindowFixture f;
    designer::FrmDegColor& w = f.start();
    QTRY_COMPARE(f.boxes.shown().size(), 1);
    const auto& shown = f.boxes.shown().first();
    QVERIFY(shown.prompt.contains(QStringLiteral("'Quintaro.Velmira'")));
    QVERIFY(shown.prompt.contains(QStringLiteral("'Pembrast.URLLink'")));
    QCOMPARE(shown.style, platform::msgbox::OkOnly | platform::msgbox::Exclamation);
    w.hide();
    w.show();
    QTest::qWait(20);
    QCOMPARE(f.boxes.shown().size(), 1);

    QCOMPARE(f.label("Velmira14")->text(), QStringLiteral("Exit"));
    QCOMPARE(f.label("URLLink1")->text(), QStringLiteral("Brantel Online"));
    QCOMPARE(f.label("Velmira15")->text(),
             QStringLiteral("Function (Source Code) : \"Paste in a Module\""));
    // Every control of the window is there under its name.
    for (const char* name :
         {"Filename",     "lstStyle",     "SliderR",       "SliderG",       "SliderB",
          "SliderN",      "SliderMR",     "SliderMG",      "SliderMB",      "SliderStart",
          "SliderStop",   "SliderBand",   "SliderModLine", "txtR",          "txtG",
          "txtB",         "txtN",         "TxtMR",         "TxtMG",         "TxtMB",
          "txtStart",     "txtStop",      "txtBandSize",   "txtModLine",    "Label1",
          "Label2",       "Label3",       "Label5",        "Label7",        "Label9",
          "Label10",      "Label13",      "Label14",       "Label16",       "Label17",
          "Label18",      "Label19",      "Label20",       "Label21",       "Label22",
          "Label23",      "Label24",      "Label25",       "CheckR",        "CheckG",
          "CheckB",       "CheckN",       "CheckRXT",      "CheckGXT",      "CheckBXT",
          "CheckWXT",     "CheckMR",      "CheckMG",       "CheckMB",       "Check1",
          "ChkModLine",   "Check2",       "Check3",        "ShapeMR",       "ShapeMG",
          "ShapeMB",      "OptStop_0",    "OptStop_1",     "Picture2",      "PicWallPaper",
          "txtFunction",  "txtObjName",   "lblCalcultime", "lblVertion",    "lblNbStyle",
          "Text2",        "Command1",     "Velmira14",     "cmdFullScreen", "Velmira13",
          "asxToolbar15", "Velmira12",    "asxToolbar5",   "Command5",      "asxToolbar2",
          "Command2",     "asxToolbar4",  "Command3",      "asxToolbar12",  "RndStyle",
          "button",       "cmdCopy",      "asxToolbar13",  "Command4",      "asxToolbar10",
          "cmdPlus",      "asxToolbar11", "cmdmoins",      "URLLink1"})
        QVERIFY2(f.child<QWidget>(name), name);
}

void WindowTest::exitEndsAtOnceAndWritesNothing() {
    WindowFixture f;
    f.writeProfile(sunsetSection());
    f.start();
    QTRY_COMPARE(f.boxes.shown().size(), 1);
    f.boxes.clearShown();
    const QDateTime written = QFileInfo(f.profilePath()).lastModified();
    clickCentre(f.label("Velmira14"));
    QCOMPARE(f.exits, 1);
    clickLeftEdge(f.child<QWidget>("Command1"));
    QCOMPARE(f.exits, 2);
    QVERIFY(f.boxes.shown().isEmpty());
    QFile file(f.profilePath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), sunsetSection());
    QCOMPARE(QFileInfo(f.profilePath()).lastModified(), written);
}

void WindowTest::filesAreFoundBesideTheProgramOrInTheDataFolder() {
    QTemporaryDir program, data;
    QCOMPARE(designer::chooseProfilePath(program.path(), data.path()),
             program.filePath(QStringLiteral("Draw.ini")));
    // No usable program folder: the user's data folder, created on the way.
    const QString missing = program.filePath(QStringLiteral("gone"));
    QCOMPARE(designer::chooseProfilePath(missing, data.path()),
             data.filePath(QStringLiteral("ombrelo/Draw.ini")));
    QVERIFY(QFileInfo(data.filePath(QStringLiteral("ombrelo"))).isDir());

    const QString name = QStringLiteral("Function Ombrelo.fnc");
    QVERIFY(designer::findProcedureSource(program.path(), {data.path()}).isEmpty());
    QFile installed(data.filePath(QStringLiteral("ombrelo/")) + name);
    QVERIFY(installed.open(QIODevice::WriteOnly));
    installed.close();
    QCOMPARE(designer::findProcedureSource(program.path(), {data.path()}), installed.fileName());
    QFile beside(program.filePath(name));
    QVERIFY(beside.open(QIODevice::WriteOnly));
    beside.write("caf\xe9\r\n"); // the Windows code page of older copies
    beside.close();
    QCOMPARE(designer::findProcedureSource(program.path(), {data.path()}), beside.fileName());
    QCOMPARE(designer::readProcedureSource(beside.fileName()), QStringLiteral("caf\u00e9\r\n"));
    QVERIFY(designer::readProcedureSource(missing).isEmpty());
}

void WindowTest::builtControlsAreHostedAndWired() {
    WindowFixture f(true);
    designer::FrmDegColor& w = f.start();
    if (!w.hosted().isHosted(QStringLiteral("Velmira14")))
        QSKIP("The control libraries are not built beside the tests");
    QTest::qWait(20);
    QVERIFY(f.boxes.shown().isEmpty());
    designer::HostedControls& hosted = w.hosted();
    QVERIFY(hosted.isHosted(QStringLiteral("URLLink1")));
    QCOMPARE(hosted.caption(QStringLiteral("lblCalcultime")), QStringLiteral("00.00 secs."));
    QCOMPARE(hosted.caption(QStringLiteral("Velmira14")), QStringLiteral("Exit"));

    clickCentre(f.check("Check2"));
    QVERIFY(!hosted.isEnabled(QStringLiteral("Command3")));
    QVERIFY(hosted.isEnabled(QStringLiteral("Command5")));

    // A click on the caption's surface reaches the operation once.
    QWidget* exit = hosted.widget(QStringLiteral("Velmira14"));
    QWidget* surface = exit->childAt(exit->rect().center());
    QVERIFY(surface);
    clickCentre(surface);
    QCOMPARE(f.exits, 1);
}

QTEST_MAIN(WindowTest)
#include "window_test.moc"
