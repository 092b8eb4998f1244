// "Random" and " Random" clicked as a user clicks them, with a scripted
// random source: which sliders move, to what, in which order, what is
// redrawn, and what the window shows afterwards.

#include "picturebox/picturebox.h"
#include "services/screenpointer.h"
#include "window/hostedcontrols.h"
#include "window/stylecombo.h"
#include "window/tests/windowfixture.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QTest>

#include <cmath>
#include <functional>

using designer::test::engineRendering;
using designer::test::marineSection;
using designer::test::sunsetSection;
using designer::test::WindowFixture;

namespace {

// The largest draw there is.
const double kTop = std::nextafter(1.0, 0.0);

const char* const kButtons[] = {"Command3", "cmdCopy", "Command4", "Command2"};
const char* const kSliders[] = {"SliderR",       "SliderG",     "SliderB",   "SliderN",
                                "SliderMR",      "SliderMG",    "SliderMB",  "SliderBand",
                                "SliderModLine", "SliderStart", "SliderStop"};

void clickCentre(QWidget* widget) {
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
}

void clickRandom(WindowFixture& f) {
    clickCentre(f.label("Command3"));
}

void clickRandomStyle(WindowFixture& f) {
    clickCentre(f.label("RndStyle"));
}

// Every redraw of the preview reads the clock before and after drawing: with
// a clock that moves one second per read, the reads count the redraws.
int redrawsDuring(WindowFixture& f, const std::function<void()>& action) {
    f.clock.setStepPerRead(1.0);
    const double before = f.clock.seconds();
    action();
    const double after = f.clock.seconds();
    f.clock.setStepPerRead(0.0);
    return static_cast<int>(after - before - 1.0) / 2;
}

QList<int> sliderValues(WindowFixture& f) {
    QList<int> values;
    for (const char* name : kSliders)
        values.append(f.slider(name)->value());
    return values;
}

} // namespace

class RandomStyleTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup();
    void includedColoursAreDrawnOneAfterAnother();
    void nothingIncludedChangesNoSlider();
    void drawsStayWithinTheirSliders();
    void theFrameRunsItWhileTheButtonIsOff();
    void aSavedStyleIsChosenAndLoaded();
};

void RandomStyleTest::cleanup() {
    platform::setScreenPointer(platform::pointer::Default);
}

void RandomStyleTest::includedColoursAreDrawnOneAfterAnother() {
    WindowFixture f;
    f.writeProfile(sunsetSection());
    designer::FrmDegColor& w = f.start();
    designer::HostedControls& hosted = w.hosted();
    f.random.script({0.2, 0.4, 0.6, 0.8});

    // What the window shows each time a slider's handler has run.
    QStringList statements;
    QList<int> pointers;
    int buttonsOn = 0;
    for (const char* name : {"SliderR", "SliderG", "SliderB", "SliderN"})
        QObject::connect(f.slider(name), &QSlider::valueChanged, &w, [&] {
            statements.append(f.edit("txtFunction")->text());
            pointers.append(w.cursor().shape());
            for (const char* button : kButtons)
                buttonsOn += hosted.isEnabled(QString::fromLatin1(button)) ? 1 : 0;
        });

    // N redraws twice (through its value box).
    QCOMPARE(redrawsDuring(f, [&] { clickRandom(f); }), 5);
    QCOMPARE(f.slider("SliderR")->value(), 51);
    QCOMPARE(f.slider("SliderG")->value(), 102);
    QCOMPARE(f.slider("SliderB")->value(), 153);
    QCOMPARE(f.slider("SliderN")->value(), 204);
    QCOMPARE(w.currentStyle().N, 204);
    QCOMPARE(f.label("Label5")->text(), QStringLiteral("W"));
    QCOMPARE(f.random.draws(), 4);
    QCOMPARE(f.random.drawsWithoutReseed(), 0);
    // Drawn step by step: each slider's redraw shows the sliders after it
    // still at their old values.
    QCOMPARE(statements,
             QStringList({QStringLiteral("Ombrelo Picture1, 51, 128, 0, 236, 50, 0, 1500, 2, "
                                         "True, 1, 2, 3"),
                          QStringLiteral("Ombrelo Picture1, 51, 102, 0, 236, 50, 0, 1500, 2, "
                                         "True, 1, 2, 3"),
                          QStringLiteral("Ombrelo Picture1, 51, 102, 153, 236, 50, 0, 1500, 2, "
                                         "True, 1, 2, 3"),
                          QStringLiteral("Ombrelo Picture1, 51, 102, 153, 204, 50, 0, 1500, 2, "
                                         "True, 1, 2, 3")}));
    QCOMPARE(pointers, QList<int>(4, Qt::WaitCursor));
    QCOMPARE(buttonsOn, 0);
    auto* preview = f.child<platform::PictureBox>("Picture2");
    QCOMPARE(preview->image(), engineRendering(*preview, w.currentStyle()));

    // Afterwards: buttons back, the window's pointer back, and no style
    // name; the rest kept.
    for (const char* button : kButtons)
        QVERIFY2(hosted.isEnabled(QString::fromLatin1(button)), button);
    QCOMPARE(w.cursor().shape(), Qt::ArrowCursor);
    auto* list = f.child<designer::StyleCombo>("lstStyle");
    QVERIFY(list->text().isEmpty());
    QCOMPARE(list->count(), 1);
    QCOMPARE(f.slider("SliderBand")->value(), 50);
    QCOMPARE(f.slider("SliderMB")->value(), 3);
    QCOMPARE(f.slider("SliderModLine")->value(), 2);
    QCOMPARE(f.edit("txtObjName")->text(), QStringLiteral("Picture1"));

    // The same values again: no slider changes, nothing is redrawn.
    QCOMPARE(redrawsDuring(f, [&] { clickRandom(f); }), 0);
    QCOMPARE(statements.size(), 4);
}

void RandomStyleTest::nothingIncludedChangesNoSlider() {
    WindowFixture f;
    f.writeProfile(sunsetSection());
    designer::FrmDegColor& w = f.start();
    for (const char* box : {"CheckR", "CheckG", "CheckB", "CheckN"})
        clickCentre(f.check(box));
    f.random.script({0.5});
    const QList<int> before = sliderValues(f);
    const QImage painted = f.child<platform::PictureBox>("Picture2")->image();

    QCOMPARE(redrawsDuring(f, [&] { clickRandom(f); }), 0);
    QCOMPARE(sliderValues(f), before);
    QCOMPARE(f.random.draws(), 0);
    for (const char* box : {"CheckRXT", "CheckGXT", "CheckBXT", "CheckWXT"})
        QVERIFY2(!f.check(box)->isEnabled(), box);
    QVERIFY(f.child<designer::StyleCombo>("lstStyle")->text().isEmpty());
    QCOMPARE(f.child<platform::PictureBox>("Picture2")->image(), painted);
    QCOMPARE(w.cursor().shape(), Qt::ArrowCursor);
}

void RandomStyleTest::drawsStayWithinTheirSliders() {
    WindowFixture f;
    f.start();
    for (const char* box : {"CheckG", "CheckB", "CheckN"})
        clickCentre(f.check(box));
    for (const char* box : {"CheckMR", "CheckMG", "CheckMB", "Check1", "ChkModLine"})
        clickCentre(f.check(box));

    // R, MR, MG, MB, Band, ModLine at both ends of the draw.
    f.random.script({kTop});
    clickRandom(f);
    QCOMPARE(f.slider("SliderR")->value(), 254);
    QCOMPARE(f.label("Label1")->text(), QStringLiteral("R"));
    for (const char* moreX : {"SliderMR", "SliderMG", "SliderMB"})
        QCOMPARE(f.slider(moreX)->value(), 20);
    // The band draw runs to 260 (and the largest draw rounds up to 261);
    // the slider ends at 255.
    QCOMPARE(f.slider("SliderBand")->value(), 255);
    QCOMPARE(f.edit("txtBandSize")->text(), QStringLiteral("255"));
    QCOMPARE(f.slider("SliderModLine")->value(), 50);
    f.random.script({0.0});
    clickRandom(f);
    QCOMPARE(f.slider("SliderR")->value(), 0);
    for (const char* moreX : {"SliderMR", "SliderMG", "SliderMB"})
        QCOMPARE(f.slider(moreX)->value(), 1);
    QCOMPARE(f.slider("SliderBand")->value(), 6);
    QCOMPARE(f.slider("SliderModLine")->value(), 1);
    f.random.script({0.5, 0.5, 0.5, 0.5, 0.995, 0.5});
    clickRandom(f);
    QCOMPARE(f.slider("SliderBand")->value(), 255); // 259 drawn

    // The extended range: up to 511, shown as "R-XT" from 256 on.
    clickCentre(f.check("CheckRXT"));
    f.random.script({kTop});
    clickRandom(f);
    QCOMPARE(f.slider("SliderR")->value(), 511);
    QCOMPARE(f.label("Label1")->text(), QStringLiteral("R-XT"));
    f.random.script({0.5});
    clickRandom(f);
    QCOMPARE(f.slider("SliderR")->value(), 256);
    QCOMPARE(f.label("Label1")->text(), QStringLiteral("R-XT"));

    // A greyed extended box (set from code) leaves the colour alone, and
    // the box is enabled all the same.
    f.check("CheckRXT")->setCheckState(Qt::PartiallyChecked);
    f.check("CheckRXT")->setEnabled(false);
    f.random.script({0.1});
    clickRandom(f);
    QCOMPARE(f.slider("SliderR")->value(), 256);
    QVERIFY(f.check("CheckRXT")->isEnabled());
}

void RandomStyleTest::theFrameRunsItWhileTheButtonIsOff() {
    WindowFixture f;
    f.writeProfile(sunsetSection());
    designer::FrmDegColor& w = f.start();
    clickCentre(f.check("Check2")); // automatic preview off: "Random" off
    auto* preview = f.child<platform::PictureBox>("Picture2");
    const QImage empty = preview->image();
    f.random.script({0.1});

    // The caption, off, passes the click to its frame: one run per click.
    clickRandom(f);
    QCOMPARE(f.random.draws(), 4);
    QWidget* frame = f.child<QWidget>("asxToolbar4");
    QTest::mouseClick(frame, Qt::LeftButton, {}, QPoint(1, frame->height() / 2));
    QCOMPARE(f.random.draws(), 8);
    QCOMPARE(f.slider("SliderR")->value(), 25);
    QCOMPARE(w.currentStyle().R, 25);
    QCOMPARE(preview->image(), empty);
    // It ends with the button on, though automatic preview is still off.
    QVERIFY(w.hosted().isEnabled(QStringLiteral("Command3")));
    QVERIFY(!f.check("Check2")->isChecked());
}

void RandomStyleTest::aSavedStyleIsChosenAndLoaded() {
    {
        WindowFixture f;
        f.writeProfile(sunsetSection() + marineSection());
        f.start();
        auto* list = f.child<designer::StyleCombo>("lstStyle");
        f.random.script({0.75}); // 2 x 0.75: the second entry
        clickRandomStyle(f);
        QCOMPARE(list->text(), QStringLiteral("Marine"));
        QCOMPARE(f.slider("SliderB")->value(), 300);
        f.random.script({0.49}); // the first
        clickRandomStyle(f);
        QCOMPARE(list->text(), QStringLiteral("Sunset"));
        QCOMPARE(f.random.drawsWithoutReseed(), 0);
    }
    {
        // One entry: always that one, also when it is already the list's
        // current item and a random gradient has replaced it in the editor.
        WindowFixture f;
        f.writeProfile(sunsetSection());
        f.start();
        auto* list = f.child<designer::StyleCombo>("lstStyle");
        f.random.script({0.3});
        clickRandom(f);
        QCOMPARE(f.slider("SliderR")->value(), 76);
        f.random.script({kTop});
        clickRandomStyle(f);
        QCOMPARE(list->currentIndex(), 0);
        QCOMPARE(list->text(), QStringLiteral("Sunset"));
        QCOMPARE(f.slider("SliderR")->value(), 255);
        QCOMPARE(f.slider("SliderN")->value(), 236);
    }
    {
        // No entries: nothing to choose, nothing changes.
        WindowFixture f;
        f.start();
        f.random.script({0.5});
        const QList<int> before = sliderValues(f);
        QCOMPARE(redrawsDuring(f, [&] { clickRandomStyle(f); }), 0);
        QCOMPARE(sliderValues(f), before);
        QCOMPARE(f.child<designer::StyleCombo>("lstStyle")->currentIndex(), -1);
    }
}

QTEST_MAIN(RandomStyleTest)
#include "randomstyle_test.moc"
