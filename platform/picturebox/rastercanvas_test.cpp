#include "picturebox/rastercanvas.h"

#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <random>

namespace platform {
namespace {

constexpr QRgb white = 0xffffffff;
constexpr QRgb red = 0xffff0000;
constexpr QRgb green = 0xff00ff00;
constexpr QRgb blue = 0xff0000ff;

// Canvas of w x h pixels at 15 twips per pixel on a white background.
RasterCanvas whiteCanvas(int w, int h, double ratio = 1.0) {
    RasterCanvas canvas(15.0, ratio);
    canvas.resize(QSize(w, h));
    canvas.setBackColor(QColor(white));
    return canvas;
}

// Text needs the font database, which needs an application object.
void ensureApplication() {
    static int argc = 1;
    static char name[] = "rastercanvas_test";
    static char* argv[] = {name, nullptr};
    if (qGuiApp == nullptr)
        new QGuiApplication(argc, argv); // lives until the process ends
}

// Pixel (x, y) of an image of device pixels.
QRgb at(const QImage& image, int x, int y) {
    return image.pixel(x, y);
}

TEST(RasterCanvas, ScaleSizeIsTheLogicalSizeInTwipsWhateverThePixelRatio) {
    RasterCanvas plain = whiteCanvas(333, 193);
    EXPECT_DOUBLE_EQ(plain.scaleWidth(), 4995);
    EXPECT_DOUBLE_EQ(plain.scaleHeight(), 2895);
    RasterCanvas dense = whiteCanvas(333, 193, 2.0);
    EXPECT_DOUBLE_EQ(dense.scaleWidth(), 4995);
    EXPECT_DOUBLE_EQ(dense.scaleHeight(), 2895);
    EXPECT_EQ(dense.image().size(), QSize(666, 386));
    RasterCanvas at120dpi(12.0);
    at120dpi.resize(QSize(100, 10));
    EXPECT_DOUBLE_EQ(at120dpi.scaleWidth(), 1200);
}

TEST(RasterCanvas, LineFillsTheBoxAndMovesThePrintPosition) {
    RasterCanvas canvas = whiteCanvas(10, 10);
    canvas.setAutoRedraw(true);
    canvas.lineBox(30, 15, 59, 44, 0x000000FF);
    const QImage& image = canvas.image();
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x) {
            const bool inside = x >= 2 && x <= 3 && y >= 1 && y <= 2;
            ASSERT_EQ(at(image, x, y), inside ? red : white) << x << "," << y;
        }
    EXPECT_DOUBLE_EQ(canvas.currentX(), 59);
    EXPECT_DOUBLE_EQ(canvas.currentY(), 44);
}

TEST(RasterCanvas, LineWithAnUnknownSystemColourFailsAndPaintsNothing) {
    RasterCanvas canvas = whiteCanvas(4, 4);
    canvas.setAutoRedraw(true);
    try {
        canvas.lineBox(0, 0, 60, 60, 0x800000FF);
        FAIL() << "no error raised";
    } catch (const vb::RuntimeError& error) {
        EXPECT_EQ(error.number(), vb::err::InvalidProcedureCall);
    }
    EXPECT_EQ(at(canvas.image(), 0, 0), white);
}

TEST(RasterCanvas, DenseScreensPaintDevicePixels) {
    RasterCanvas canvas = whiteCanvas(10, 10, 2.0);
    canvas.setAutoRedraw(true);
    canvas.fillBox(0, 0, 7, 7, green); // 7.5 twips per device pixel
    const QImage& image = canvas.image();
    EXPECT_EQ(image.devicePixelRatio(), 2.0);
    EXPECT_EQ(at(image, 0, 0), green);
    EXPECT_EQ(at(image, 1, 0), white);
    EXPECT_EQ(at(image, 0, 1), white);
}

TEST(RasterCanvas, AutoRedrawOffDrawsOnTheScreenOnly) {
    RasterCanvas canvas = whiteCanvas(6, 6);
    canvas.setAutoRedraw(false);
    canvas.fillBox(0, 0, 30, 30, red);
    EXPECT_EQ(at(canvas.shownImage(), 1, 1), red);
    EXPECT_EQ(at(canvas.image(), 1, 1), white);
    EXPECT_TRUE(canvas.hasScreenLayer());

    canvas.refresh();
    EXPECT_EQ(at(canvas.shownImage(), 1, 1), white);
    EXPECT_FALSE(canvas.hasScreenLayer());
}

TEST(RasterCanvas, RetainedDrawingShowsThroughAndSurvivesRefresh) {
    RasterCanvas canvas = whiteCanvas(6, 6);
    canvas.setAutoRedraw(true);
    canvas.fillBox(0, 0, 30, 30, green);
    canvas.refresh();
    EXPECT_EQ(at(canvas.shownImage(), 1, 1), green);
    // Switched off, the retained drawing is the background of screen drawing.
    canvas.setAutoRedraw(false);
    canvas.fillBox(30, 30, 59, 59, red);
    const QImage shown = canvas.shownImage();
    EXPECT_EQ(at(shown, 1, 1), green);
    EXPECT_EQ(at(shown, 3, 3), red);
    EXPECT_EQ(at(shown, 5, 5), white);
}

TEST(RasterCanvas, DrawingWithAutoRedrawOnRepaintsOverTheScreenLayer) {
    RasterCanvas canvas = whiteCanvas(6, 6);
    canvas.fillBox(0, 0, 90, 90, red);
    canvas.setAutoRedraw(true);
    canvas.fillBox(0, 0, 14, 14, green);
    const QImage shown = canvas.shownImage();
    EXPECT_EQ(at(shown, 0, 0), green);
    EXPECT_EQ(at(shown, 3, 3), white);
}

TEST(RasterCanvas, ClsWithAutoRedrawOnClearsTheRetainedImage) {
    RasterCanvas canvas = whiteCanvas(6, 6);
    canvas.fillBox(0, 0, 90, 90, red); // on the screen
    canvas.setAutoRedraw(true);
    canvas.fillBox(0, 0, 30, 30, green);
    canvas.setCurrentX(100);
    canvas.setCurrentY(200);
    canvas.cls();
    EXPECT_EQ(at(canvas.image(), 1, 1), white);
    EXPECT_EQ(at(canvas.shownImage(), 4, 4), white);
    EXPECT_EQ(canvas.currentX(), 0);
    EXPECT_EQ(canvas.currentY(), 0);
}

TEST(RasterCanvas, ClsWithAutoRedrawOffWipesOnlyWhatWasDrawnWithItOff) {
    RasterCanvas canvas = whiteCanvas(6, 6);
    canvas.setAutoRedraw(true);
    canvas.fillBox(0, 0, 30, 30, green);
    canvas.setAutoRedraw(false);
    canvas.fillBox(30, 30, 90, 90, red);
    canvas.setCurrentX(100);
    canvas.cls();
    const QImage shown = canvas.shownImage();
    EXPECT_EQ(at(shown, 1, 1), green);
    EXPECT_EQ(at(shown, 4, 4), white);
    EXPECT_EQ(canvas.currentX(), 0);
}

TEST(RasterCanvas, ClsClearsWhatTheBoxesAfterItLeaveUncovered) {
    RasterCanvas canvas = whiteCanvas(4, 4);
    canvas.setAutoRedraw(true);
    canvas.fillBox(0, 0, 59, 59, green);
    canvas.cls();
    canvas.fillBox(-1, -1, 60, 44, red); // rows 0..2, the full width
    canvas.fillBox(0, 0, 29, 29, blue);  // part of the width
    const QImage& image = canvas.image();
    EXPECT_EQ(at(image, 0, 0), blue);
    EXPECT_EQ(at(image, 3, 2), red);
    EXPECT_EQ(at(image, 0, 3), white);
    EXPECT_EQ(at(image, 3, 3), white);

    canvas.fillBox(0, 0, 59, 59, green);
    canvas.cls();
    canvas.fillBox(0, 0, 29, 29, blue); // the top rows, part of the width
    EXPECT_EQ(at(canvas.image(), 1, 1), blue);
    EXPECT_EQ(at(canvas.image(), 2, 1), white);
}

TEST(RasterCanvas, NewBackColourErasesEverythingAndIsWhatClsUses) {
    RasterCanvas canvas = whiteCanvas(6, 6);
    canvas.setAutoRedraw(true);
    canvas.fillBox(0, 0, 30, 30, green);
    canvas.setAutoRedraw(false);
    canvas.fillBox(30, 30, 90, 90, red);
    canvas.setCurrentY(40);
    canvas.setBackColor(QColor(blue));
    EXPECT_EQ(canvas.shownImage(), canvas.image());
    EXPECT_EQ(at(canvas.image(), 1, 1), blue);
    EXPECT_EQ(at(canvas.image(), 4, 4), blue);
    EXPECT_EQ(canvas.currentY(), 0);
    canvas.setAutoRedraw(true);
    canvas.fillBox(0, 0, 90, 90, red);
    canvas.cls();
    EXPECT_EQ(at(canvas.image(), 4, 4), blue);
}

TEST(RasterCanvas, ResizeKeepsTheContentTopLeftAndFillsNewAreaWithTheBackground) {
    RasterCanvas canvas = whiteCanvas(4, 4);
    canvas.setAutoRedraw(true);
    canvas.fillBox(0, 0, 59, 59, green);
    canvas.setBackColor(QColor(blue)); // erases
    canvas.fillBox(15, 15, 59, 59, green);
    canvas.resize(QSize(8, 6));
    const QImage& grown = canvas.image();
    EXPECT_EQ(grown.size(), QSize(8, 6));
    EXPECT_EQ(at(grown, 0, 0), blue);
    EXPECT_EQ(at(grown, 3, 3), green);
    EXPECT_EQ(at(grown, 4, 3), blue);
    EXPECT_EQ(at(grown, 3, 5), blue);
    canvas.resize(QSize(2, 2));
    EXPECT_EQ(at(canvas.image(), 1, 1), green);
    canvas.resize(QSize(0, 3));
    EXPECT_TRUE(canvas.image().isNull());
    canvas.fillBox(0, 0, 100, 100, red); // nothing to paint on; no failure
    EXPECT_DOUBLE_EQ(canvas.scaleHeight(), 45);
}

TEST(RasterCanvas, ResizeDropsWhatWasDrawnOnTheScreenOnly) {
    RasterCanvas canvas = whiteCanvas(4, 4);
    canvas.fillBox(0, 0, 59, 59, red);
    canvas.resize(QSize(5, 5));
    EXPECT_EQ(at(canvas.shownImage(), 0, 0), white);
}

TEST(RasterCanvas, SavesTheRetainedImageAsA24BitBitmap) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    RasterCanvas canvas = whiteCanvas(7, 5);
    canvas.setAutoRedraw(true);
    canvas.fillBox(15, 15, 45, 30, qRgb(10, 20, 30));
    canvas.setAutoRedraw(false);
    canvas.fillBox(0, 0, 15, 15, red); // on the screen only: not saved
    const QString path = dir.filePath("picture.bmp");
    ASSERT_TRUE(canvas.saveBmp(path));

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray header = file.read(30);
    EXPECT_TRUE(header.startsWith("BM"));
    EXPECT_EQ(static_cast<unsigned char>(header[28]), 24); // bits per pixel

    const QImage loaded(path);
    ASSERT_EQ(loaded.size(), QSize(7, 5));
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 7; ++x)
            ASSERT_EQ(loaded.pixel(x, y), at(canvas.image(), x, y)) << x << "," << y;
}

TEST(RasterCanvas, SavingWhereNoFileCanBeWrittenFails) {
    RasterCanvas canvas = whiteCanvas(3, 3);
    EXPECT_FALSE(canvas.saveBmp("/nonexistent-folder/x/picture.bmp"));
    RasterCanvas empty;
    QTemporaryDir dir;
    EXPECT_FALSE(empty.saveBmp(dir.filePath("empty.bmp")));
}

// ---------------------------------------------------------------- Print

class RasterCanvasText : public ::testing::Test {
protected:
    void SetUp() override {
        ensureApplication();
        canvas.resize(QSize(200, 60));
        canvas.setBackColor(QColor(white));
        canvas.setFont(QFont("DejaVu Sans", 12));
        canvas.setForeColor(QColor(red));
        canvas.setAutoRedraw(true);
    }

    // Bounds of the pixels that differ between two images.
    static QRect changed(const QImage& before, const QImage& after) {
        QRect bounds;
        for (int y = 0; y < after.height(); ++y)
            for (int x = 0; x < after.width(); ++x)
                if (before.pixel(x, y) != after.pixel(x, y))
                    bounds |= QRect(x, y, 1, 1);
        return bounds;
    }

    RasterCanvas canvas;
};

TEST_F(RasterCanvasText, PrintDrawsFromThePrintPositionAndAdvancesCurrentX) {
    canvas.setCurrentX(150);
    canvas.setCurrentY(300);
    const QImage before = canvas.image().copy();
    canvas.print("HH");
    const double afterFirst = canvas.currentX();
    const QRect first = changed(before, canvas.image());
    ASSERT_TRUE(first.isValid());
    EXPECT_GE(first.left(), 10 - 1);
    EXPECT_GE(first.top(), 20);
    EXPECT_LE(first.right(), afterFirst / 15 + 1);
    EXPECT_GT(afterFirst, 150);
    EXPECT_EQ(canvas.currentY(), 300);

    const QImage middle = canvas.image().copy();
    canvas.print("H");
    const QRect second = changed(middle, canvas.image());
    ASSERT_TRUE(second.isValid());
    EXPECT_GE(second.left(), afterFirst / 15 - 1);
    EXPECT_NEAR(canvas.currentX() - afterFirst, (afterFirst - 150) / 2, 1.0);
}

TEST_F(RasterCanvasText, PrintUsesTheForeColour) {
    canvas.print("H");
    bool sawRed = false;
    const QImage& image = canvas.image();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            sawRed = sawRed || at(image, x, y) == red;
    EXPECT_TRUE(sawRed);
}

TEST_F(RasterCanvasText, PrintWithAutoRedrawOffGoesToTheScreenLayer) {
    canvas.setAutoRedraw(false);
    const QImage before = canvas.image().copy();
    canvas.print("H");
    EXPECT_EQ(canvas.image(), before);
    EXPECT_NE(canvas.shownImage(), before);
}

TEST_F(RasterCanvasText, EmptyTextAndEmptyBoxesStillKeepThePosition) {
    canvas.print("");
    EXPECT_EQ(canvas.currentX(), 0);
    RasterCanvas empty;
    empty.setFont(QFont("DejaVu Sans", 12));
    empty.print("H");
    EXPECT_GT(empty.currentX(), 0);
}

} // namespace
} // namespace platform
