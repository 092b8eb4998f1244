// "Set as WallPaper" driven as the user drives it: the button clicked, the
// bitmap read back from where the desktop reads it, the picture box and the
// rest of the window looked at afterwards.

#include "module1/ombrelo.h"
#include "picturebox/olecolor.h"
#include "picturebox/picturebox.h"
#include "wallpaper/tests/scriptedwallpaper.h"
#include "window/stylecombo.h"
#include "window/tests/windowfixture.h"
#include "window/wallpaper.h"

#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScreen>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using designer::test::styleSection;
using designer::test::WindowFixture;

namespace {

// Red from 255 down to 0, bands of 50 twips, no gaps.
const QByteArray kDawn = styleSection(QStringLiteral("Dawn"), 255, 0, 0, 0, 0, 1500, 50, true,
                                      QStringLiteral("Me"), 1, 1, 1, 1);
// Blue lines: each band painted over its first third only.
const QByteArray kLines = styleSection(QStringLiteral("Lines"), 0, 0, 255, 60, 0, 1500, 50, true,
                                       QStringLiteral("Me"), 3, 1, 1, 1);

QColor background(platform::PictureBox& box) {
    return *platform::fromOleColor(box.backColor(), box.palette());
}

// What the file must hold: the engine's gradient on a fresh picture of the
// wallpaper's size (the screen + 60 by + 50 twips), Start 0, Stop its
// height, seen through the screen.
QImage expectedWallpaper(module1::GradientStyle s, const designer::ScreenGeometry& screen) {
    platform::PictureBox box;
    box.setPixelRatioOverride(screen.pixelRatio);
    box.setHeightTwips(screen.logicalSize.height() * box.twipsPerPixel() + 50);
    box.setWidthTwips(screen.logicalSize.width() * box.twipsPerPixel() + 60);
    vb::Long start = 0;
    vb::Long stop = *vb::checked::toLong(box.scaleHeight());
    vb::Integer autoRedraw = vb::True;
    module1::OmbreloWide(box, s.R, s.G, s.B, s.N, s.Band, start, stop, s.ModLine, autoRedraw,
                         s.MoreXR, s.MoreXG, s.MoreXB);
    QImage image = box.image()
                       .copy(QRect(QPoint(0, 0), screen.devicePixels()))
                       .convertToFormat(QImage::Format_RGB32);
    image.setDevicePixelRatio(1);
    return image;
}

QImage readBitmap(const QString& path) {
    return QImage(path, "BMP").convertToFormat(QImage::Format_RGB32);
}

bool allPixels(const QImage& image, QColor colour) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < rgb.height(); ++y)
        for (int x = 0; x < rgb.width(); ++x)
            if (rgb.pixel(x, y) != colour.rgb())
                return false;
    return true;
}

void clickLeftEdge(QWidget* widget) {
    QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(1, widget->height() / 2));
}

void chooseStyle(WindowFixture& f, int row) {
    QListWidget* items = f.child<designer::StyleCombo>("lstStyle")->list();
    QTest::mouseClick(items->viewport(), Qt::LeftButton, {},
                      items->visualItemRect(items->item(row)).center());
}

} // namespace

class WallpaperTest : public QObject {
    Q_OBJECT

private slots:
    void paintsTheScreenSizedGradientAndHandsItOver();
    void gapsShowTheBackgroundAndTheSameFileIsOverwritten();
    void failingStepsAreSkippedAndThePictureStillShrinks();
    void tallScreensArePaintedWholeAtTheirDevicePixels();
};

void WallpaperTest::paintsTheScreenSizedGradientAndHandsItOver() {
    WindowFixture f;
    f.writeProfile(kDawn);
    designer::FrmDegColor& w = f.start();
    auto* picture = f.child<platform::PictureBox>("PicWallPaper");
    auto* preview = f.child<platform::PictureBox>("Picture2");
    QCOMPARE(picture->widthTwips(), 120.0);
    QCOMPARE(picture->heightTwips(), 120.0);
    const module1::GradientStyle style = w.currentStyle();
    const QImage previewBefore = preview->image();
    const QString statement = f.edit("txtFunction")->text();
    const QString time = f.label("lblCalcultime")->text();

    clickLeftEdge(f.child<QWidget>("asxToolbar15"));

    // A place that lasts: the user's data folder, never a temporary one.
    const QString path = qEnvironmentVariable("XDG_DATA_HOME") +
                         QStringLiteral("/ombrelo/Brantel Ombrelo WallPaper.bmp");
    QCOMPARE(f.wallpaper.paths, QStringList{path});
    const designer::ScreenGeometry screen = designer::screenGeometryOf(w);
    QCOMPARE(screen.logicalSize, w.screen()->geometry().size());
    const QImage file = readBitmap(path);
    QCOMPARE(file.size(), screen.devicePixels());
    QCOMPARE(file.pixel(0, 0), qRgb(255, 0, 0));
    QVERIFY(qRed(file.pixel(0, file.height() - 1)) < 4);
    QCOMPARE(file, expectedWallpaper(style, screen));

    // The picture is small and empty again; the window is as it was.
    QCOMPARE(picture->widthTwips(), 120.0);
    QCOMPARE(picture->heightTwips(), 120.0);
    QVERIFY(allPixels(picture->image(), background(*picture)));
    QVERIFY(w.currentStyle() == style);
    QCOMPARE(preview->image(), previewBefore);
    QCOMPARE(f.edit("txtFunction")->text(), statement);
    QCOMPARE(f.label("lblCalcultime")->text(), time);
}

void WallpaperTest::gapsShowTheBackgroundAndTheSameFileIsOverwritten() {
    WindowFixture f;
    f.writeProfile(kDawn + kLines);
    designer::FrmDegColor& w = f.start();
    auto* picture = f.child<platform::PictureBox>("PicWallPaper");
    clickLeftEdge(f.child<QWidget>("asxToolbar15"));
    QCOMPARE(f.wallpaper.paths.size(), 1);
    const QString path = f.wallpaper.paths.first();
    const QImage dawn = readBitmap(path);

    chooseStyle(f, 1);
    QCOMPARE(w.currentStyle().ModLine, 3);
    clickLeftEdge(f.child<QWidget>("asxToolbar15"));
    QCOMPARE(f.wallpaper.paths, (QStringList{path, path}));
    const QImage lines = readBitmap(path);
    QCOMPARE(lines.size(), dawn.size());
    QCOMPARE(lines, expectedWallpaper(w.currentStyle(), designer::screenGeometryOf(w)));
    // Band 50, ModLine 3: a box from 1 twip above each band to 16 below;
    // the pixel row at 30 to 45 twips lies in the gap and shows the
    // background, not the red of the wallpaper before.
    const QColor back = background(*picture);
    QCOMPARE(lines.pixel(0, 2), back.rgb());
    QCOMPARE(lines.pixel(lines.width() - 1, 2), back.rgb());
    QCOMPARE(lines.pixel(0, 0), qRgb(0, 0, 255));
    // No row keeps the red of the earlier wallpaper (blue never goes out here).
    for (int y = 0; y < lines.height(); ++y)
        QVERIFY2(qBlue(lines.pixel(0, y)) > 0, qPrintable(QStringLiteral("row %1").arg(y)));
}

void WallpaperTest::failingStepsAreSkippedAndThePictureStillShrinks() {
    QTemporaryDir dir;
    // The folder cannot be made: a file stands where it would go.
    QFile blocker(dir.filePath(QStringLiteral("taken")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    platform::PictureBox picture;
    picture.setPixelRatioOverride(1);
    module1::GradientStyle style{255, 0, 0, 0, 50, 0, 1500, 1, vb::True, 0, 25, 20};
    platform::RecordingWallpaper service;
    const QString folder = dir.filePath(QStringLiteral("taken/ombrelo"));
    designer::WallpaperHandler handler({picture, style, &service,
                                        [] {
                                            return designer::ScreenGeometry{{64, 48}, 1.0};
                                        },
                                        folder});
    handler.Velmira12_Click();

    // Nothing written, yet the desktop is still asked, as with any failing step.
    QVERIFY(!QFileInfo::exists(handler.filePath()));
    QCOMPARE(service.paths, QStringList{folder + QStringLiteral("/Brantel Ombrelo WallPaper.bmp")});
    QCOMPARE(picture.widthTwips(), 120.0);
    QCOMPARE(picture.heightTwips(), 120.0);
    QVERIFY(allPixels(picture.image(), background(picture)));
    // The divisors were passed by reference: they come back clamped.
    QCOMPARE(style.MoreXR, 1);
    QCOMPARE(style.MoreXG, 20);
    QCOMPARE(style.Start, 0);
    QCOMPARE(style.Stop, 1500);

    // Without a service the bitmap is still written.
    designer::WallpaperHandler quiet({picture, style, nullptr,
                                      [] {
                                          return designer::ScreenGeometry{{64, 48}, 1.0};
                                      },
                                      dir.path()});
    quiet.Velmira12_Click();
    QCOMPARE(readBitmap(quiet.filePath()).size(), QSize(64, 48));
}

// A portrait 4K screen is 38400 twips tall, beyond 16 bits; at a pixel
// ratio of 2 the file has twice the logical pixels each way.
void WallpaperTest::tallScreensArePaintedWholeAtTheirDevicePixels() {
    QTemporaryDir dir;
    platform::PictureBox picture;
    module1::GradientStyle style{0, 0, 0, 255, 50, 0, 1500, 1, vb::True, 1, 1, 1};
    for (const designer::ScreenGeometry screen :
         {designer::ScreenGeometry{{1440, 2560}, 1.0}, designer::ScreenGeometry{{640, 360}, 2.0}}) {
        designer::WallpaperHandler handler(
            {picture, style, nullptr, [screen] { return screen; }, dir.path()});
        handler.Velmira12_Click();
        const QImage file = readBitmap(handler.filePath());
        QCOMPARE(file.size(), screen.devicePixels());
        QCOMPARE(file.pixel(0, 0), qRgb(0, 0, 0));
        // Painted to the last row: the end level, not the background.
        QVERIFY(qGray(file.pixel(file.width() - 1, file.height() - 1)) > 240);
        QCOMPARE(file, expectedWallpaper(style, screen));
    }
}

QTEST_MAIN(WallpaperTest)
#include "wallpaper_test.moc"
