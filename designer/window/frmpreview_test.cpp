// The full-screen preview driven as a user drives it: opened from the main
// window, its panel slid away, closed by a click, a button or Enter. The
// test runs on offscreen screens of its own: a 1920x1080 one (the main
// window's), a 2560x1440 and a portrait 1080x2400 one, and a high-density one
// of 1280x720 logical pixels at twice the density.

#include "logic/statement.h"
#include "module1/ombrelo.h"
#include "picturebox/picturebox.h"
#include "window/captionlabel.h"
#include "window/frmpreview.h"
#include "window/hostedcontrols.h"
#include "window/tests/windowfixture.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using designer::FrmPreview;
using designer::test::styleSection;
using designer::test::WindowFixture;

namespace {

// Black to white in bands of 50 twips, divisors 1.
const QByteArray kGreyRamp = styleSection(QStringLiteral("Grey"), 0, 0, 0, 255, 0, 3000, 50, true,
                                          QStringLiteral("Me"), 1, 1, 1, 1);

const char* const kScreens = R"({"screens": [
  {"name": "Main", "x": 0, "y": 0, "width": 1920, "height": 1080,
   "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1},
  {"name": "Wide", "x": 1920, "y": 0, "width": 2560, "height": 1440,
   "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1},
  {"name": "Portrait", "x": 4480, "y": 0, "width": 1080, "height": 2400,
   "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1},
  {"name": "Dense", "x": 5560, "y": 0, "width": 1280, "height": 720,
   "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 2}]})";

QScreen* screenNamed(const char* name) {
    for (QScreen* screen : QGuiApplication::screens())
        if (screen->name() == QLatin1String(name))
            return screen;
    return nullptr;
}

// The full-screen window that is open, if any.
FrmPreview* openPreview() {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* preview = qobject_cast<FrmPreview*>(widget); preview && preview->isVisible())
            return preview;
    return nullptr;
}

// What the engine paints from 0 to `stop` on a fresh box of the window's size
// and pixel ratio.
QImage engineRendering(FrmPreview& shown, module1::GradientStyle s, vb::Long stop) {
    platform::PictureBox box;
    box.setPixelRatioOverride(shown.image().devicePixelRatio());
    box.resize(shown.size());
    vb::Integer autoRedraw = vb::True;
    vb::Long start = 0;
    module1::OmbreloWide(box, s.R, s.G, s.B, s.N, s.Band, start, stop, s.ModLine, autoRedraw,
                         s.MoreXR, s.MoreXG, s.MoreXB);
    return box.image();
}

int greyAt(const QImage& image, int row) {
    return qRed(image.pixel(image.width() / 2, row));
}

void clickCentre(QWidget* widget) {
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
}

void moveToScreen(QWidget& window, QScreen* screen) {
    window.setScreen(screen);
    window.move(screen->geometry().topLeft() + QPoint(40, 40));
}

} // namespace

class FullScreenTest : public QObject {
    Q_OBJECT

private slots:
    void opensFromEachOfTheThreeInputs();
    void paintsFromTopToTheScreensHeight();
    void showsItsOwnTimeAndLeavesTheMainWindowsLabel();
    void panelSlidesAwayAndEnterStillCloses();
    void clicksOutsideThePanelClose();
    void openingAgainPaintsOverWithTheNewTime();
    void largeScreensArePaintedWholeInSmallScreenBands();
    void denseScreensArePaintedAtTheirPixelRatio();
    void programEndsOnlyWhenThePreviewClosesToo();

private:
    designer::FrmDegColor& start(WindowFixture& f);
    FrmPreview* openFromTheFrame(WindowFixture& f);
};

// The main window, loaded and shown on the 1920x1080 screen.
designer::FrmDegColor& FullScreenTest::start(WindowFixture& f) {
    f.writeProfile(kGreyRamp);
    designer::FrmDegColor& w = f.start();
    moveToScreen(w, screenNamed("Main"));
    return w;
}

FrmPreview* FullScreenTest::openFromTheFrame(WindowFixture& f) {
    auto* frame = f.child<QWidget>("cmdFullScreen");
    QTest::mouseClick(frame, Qt::LeftButton, {}, QPoint(1, frame->height() / 2));
    return openPreview();
}

void FullScreenTest::opensFromEachOfTheThreeInputs() {
    WindowFixture f;
    start(f);
    auto* frame = f.child<QWidget>("cmdFullScreen");
    auto* caption = f.child<designer::CaptionLabel>("Velmira13");
    auto* preview = f.child<platform::PictureBox>("Picture2");
    QCOMPARE(caption->text(), QStringLiteral("FullScreen Preview"));

    const std::function<void()> inputs[] = {
        [&] { QTest::mouseClick(frame, Qt::LeftButton, {}, QPoint(1, frame->height() / 2)); },
        [&] { clickCentre(caption); },
        [&] { QTest::mouseDClick(preview, Qt::LeftButton, {}, preview->rect().center()); }};
    for (int i = 0; i < 3; ++i) {
        QVERIFY(!openPreview());
        inputs[i]();
        FrmPreview* window = openPreview();
        QVERIFY2(window, QByteArray::number(i).constData());
        QVERIFY(window->isFullScreen());
        QVERIFY(window->windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(window->geometry(), screenNamed("Main")->geometry());
        // Not modal: the main window still takes input.
        QVERIFY(!window->isModal());
        QVERIFY(QApplication::activeModalWidget() == nullptr);
        clickCentre(window->cmdHide[0]);
        QTRY_VERIFY(!openPreview());
    }
}

void FullScreenTest::paintsFromTopToTheScreensHeight() {
    WindowFixture f;
    designer::FrmDegColor& w = start(f);
    const module1::GradientStyle before = w.currentStyle();
    FrmPreview* window = openFromTheFrame(f);
    QVERIFY(window);

    // 1080 pixels at 15 twips a pixel: Stop 16200, bands 0, 50, ... 16200.
    QCOMPARE(window->scaleHeight(), 16200.0);
    const QImage painted = window->image();
    const QImage engine = engineRendering(*window, w.currentStyle(), 16200);
    QCOMPARE(painted, engine);
    QCOMPARE(painted.pixel(0, 0), qRgb(0, 0, 0));
    // The last band starts at 16200, in the end level: a Stop of 16150 would
    // leave the last row one level darker.
    QCOMPARE(greyAt(painted, 1079), 255);
    QCOMPARE(greyAt(engineRendering(*window, w.currentStyle(), 16150), 1079), 254);
    // The main window's own Start, Stop and AutoRedraw are not used or changed.
    QCOMPARE(w.currentStyle().Start, before.Start);
    QCOMPARE(w.currentStyle().Stop, before.Stop);
    QCOMPARE(w.currentStyle().AutoRedraw, before.AutoRedraw);
}

void FullScreenTest::showsItsOwnTimeAndLeavesTheMainWindowsLabel() {
    WindowFixture f;
    designer::FrmDegColor& w = start(f);
    const QString mainTime = w.hosted().caption(QStringLiteral("lblCalcultime"));

    f.clock.setStepPerRead(1.5);
    FrmPreview* window = openFromTheFrame(f);
    QVERIFY(window);
    QCOMPARE(window->lblCalcultime->text(), QStringLiteral("01.50 secs."));
    QCOMPARE(w.hosted().caption(QStringLiteral("lblCalcultime")), mainTime);

    // The panel as designed.
    QCOMPARE(window->panelLeft(), 120.0);
    QCOMPARE(window->Picture1->geometry(), QRect(8, 8, 201, 21));
    QCOMPARE(window->cmdHide[0]->text(), QStringLiteral("X"));
    QCOMPARE(window->cmdHide[0]->toolTip(), QStringLiteral("Close \"ENTER key\""));
    QCOMPARE(window->cmdHide[1]->text(), QStringLiteral("<---"));
    QCOMPARE(window->Label15->text(), QStringLiteral("Calcul Time :"));
    QCOMPARE(window->Label15->toolTip(),
             QStringLiteral("The calculation time, depending of the CPU using percentage."));
    QVERIFY(!window->Timer1->isActive());
}

void FullScreenTest::panelSlidesAwayAndEnterStillCloses() {
    WindowFixture f;
    start(f);
    QPointer<FrmPreview> window = openFromTheFrame(f);
    QVERIFY(window);
    QSignalSpy ticks(window->Timer1, &QTimer::timeout);

    // Twice: the second press finds the slide running and changes nothing.
    clickCentre(window->cmdHide[1]);
    clickCentre(window->cmdHide[1]);
    QVERIFY(window->Timer1->isActive());
    QCOMPARE(window->panelLeft(), 120.0);
    QCOMPARE(window->Timer1->interval(), 1);

    QTRY_VERIFY(!window->Timer1->isActive());
    QCOMPARE(ticks.count(), 11);
    QCOMPARE(window->panelLeft(), -3180.0);
    QCOMPARE(window->Picture1->x(), -212);
    QCOMPARE(window->focusWidget(), window->cmdHide[0]);
    QVERIFY(window->isVisible());

    // The panel is out of view; Enter goes to the focused "X".
    QTest::keyClick(window->focusWidget(), Qt::Key_Return);
    QTRY_VERIFY(!window);
}

void FullScreenTest::clicksOutsideThePanelClose() {
    WindowFixture f;
    start(f);
    FrmPreview* window = openFromTheFrame(f);
    QVERIFY(window);
    // Inside the panel nothing closes: its label, its surface.
    clickCentre(window->Label15);
    QTest::mouseClick(window->Picture1, Qt::LeftButton, {}, QPoint(100, 3));
    QCOMPARE(openPreview(), window);

    QTest::mouseClick(window, Qt::LeftButton, {}, QPoint(900, 500));
    QTRY_VERIFY(!openPreview());

    window = openFromTheFrame(f);
    QVERIFY(window);
    QTest::mouseDClick(window, Qt::LeftButton, {}, QPoint(20, 1000));
    QTRY_VERIFY(!openPreview());

    // Enter while the panel shows presses the default button.
    window = openFromTheFrame(f);
    QVERIFY(window);
    QTest::keyClick(window, Qt::Key_Enter);
    QTRY_VERIFY(!openPreview());
}

void FullScreenTest::openingAgainPaintsOverWithTheNewTime() {
    WindowFixture f;
    designer::FrmDegColor& w = start(f);
    FrmPreview* first = openFromTheFrame(f);
    QVERIFY(first);
    clickCentre(first->cmdHide[1]);
    QTRY_VERIFY(first->panelLeft() < 0);

    f.slider("SliderR")->setValue(200);
    f.clock.setStepPerRead(0.25);
    auto* preview = f.child<platform::PictureBox>("Picture2");
    if (QGuiApplication::platformName() == QLatin1String("offscreen"))
        QTest::ignoreMessage(QtWarningMsg, "This plugin does not support raise()");
    QTest::mouseDClick(preview, Qt::LeftButton, {}, preview->rect().center());
    // The same window, painted over, with the new time; its panel where it was.
    QCOMPARE(openPreview(), first);
    QCOMPARE(first->lblCalcultime->text(), QStringLiteral("00.25 secs."));
    QCOMPARE(first->image(), engineRendering(*first, w.currentStyle(), 16200));
    QVERIFY(first->panelLeft() < 120);
}

void FullScreenTest::largeScreensArePaintedWholeInSmallScreenBands() {
    for (const char* name : {"Wide", "Portrait"}) {
        WindowFixture f;
        designer::FrmDegColor& w = start(f);
        moveToScreen(w, screenNamed(name));
        FrmPreview* window = openFromTheFrame(f);
        QVERIFY2(window, name);
        QCOMPARE(window->geometry(), screenNamed(name)->geometry());

        // Beyond 32767 twips: painted to the last row, in bands of 50 twips.
        const auto height = static_cast<vb::Long>(window->scaleHeight());
        QCOMPARE(height, window->height() * 15);
        const QImage painted = window->image();
        QCOMPARE(painted, engineRendering(*window, w.currentStyle(), height));
        QCOMPARE(greyAt(painted, 0), 0);
        QCOMPARE(greyAt(painted, painted.height() - 1), 255);
        const int lastColumn = painted.width() - 1;
        QCOMPARE(painted.pixel(lastColumn, painted.height() - 1), qRgb(255, 255, 255));
        // A band is 50 twips, 3 or 4 rows; the level rises by 255 / (height / 50)
        // from band to band.
        const int bandRow = 100 * 50 / 15; // the band at 100 x 50 twips
        QCOMPARE(greyAt(painted, bandRow + 1),
                 qRound(100.0 * 255 * 50 / height) /* to the nearest level */);
        clickCentre(window->cmdHide[0]);
        QTRY_VERIFY(!openPreview());
    }
}

void FullScreenTest::denseScreensArePaintedAtTheirPixelRatio() {
    WindowFixture f;
    designer::FrmDegColor& w = start(f);
    moveToScreen(w, screenNamed("Dense"));
    FrmPreview* window = openFromTheFrame(f);
    QVERIFY(window);

    // Twips follow the logical pixels; the painting has the device pixels.
    QCOMPARE(window->size(), QSize(1280, 720));
    QCOMPARE(window->scaleHeight(), 720 * 15.0);
    const QImage painted = window->image();
    QCOMPARE(painted.size(), QSize(2560, 1440));
    QCOMPARE(painted, engineRendering(*window, w.currentStyle(), 10800));
    QCOMPARE(greyAt(painted, 1439), 255);
    QCOMPARE(window->Picture1->geometry(), QRect(8, 8, 201, 21));
}

void FullScreenTest::programEndsOnlyWhenThePreviewClosesToo() {
    WindowFixture f;
    designer::FrmDegColor& w = start(f);
    QPointer<FrmPreview> window = openFromTheFrame(f);
    QVERIFY(window);

    bool openAfterMainClosed = false;
    QTimer::singleShot(0, &w, [&] {
        w.close();
        QTimer::singleShot(50, [&] {
            openAfterMainClosed = window && window->isVisible();
            if (window)
                clickCentre(window->cmdHide[0]);
        });
    });
    QTimer neverEnds; // ends the loop should the program not end by itself
    neverEnds.setSingleShot(true);
    connect(&neverEnds, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    neverEnds.start(10000);
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(openAfterMainClosed);
}

int main(int argc, char** argv) {
    QTemporaryDir dir;
    QFile screens(dir.filePath(QStringLiteral("screens.json")));
    if (!screens.open(QIODevice::WriteOnly) || screens.write(kScreens) < 0)
        return 2;
    screens.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screens.fileName().toUtf8());
    QApplication application(argc, argv);
    FullScreenTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "frmpreview_test.moc"
