// The procedure on the platform's raster canvas, which paints whole runs of
// bands row by row, against the same canvas reached box by box through a
// surface that offers only Line: every pixel, and the print position, must
// be the same.

#include "module1/ombrelo.h"
#include "picturebox/rastercanvas.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace {

// Only the four members of a plain surface: the runs of the procedure reach
// the canvas band by band.
class BoxByBox : public vb::DrawingSurface {
public:
    explicit BoxByBox(platform::RasterCanvas& canvas)
        : canvas_(canvas) {}
    void setAutoRedraw(bool on) override { canvas_.setAutoRedraw(on); }
    double scaleHeight() override { return canvas_.scaleHeight(); }
    double scaleWidth() override { return canvas_.scaleWidth(); }
    void lineBox(double x1, double y1, double x2, double y2, vb::OleColor colour) override {
        canvas_.lineBox(x1, y1, x2, y2, colour);
    }

private:
    platform::RasterCanvas& canvas_;
};

struct Values {
    vb::Integer r, g, b, n, band, start, stop, modLine, autoRedraw, mr, mg, mb;
};

class RandomValues {
public:
    explicit RandomValues(unsigned seed)
        : random_(seed) {}
    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

    // Mostly the editor's ranges, sometimes anything 16 bits hold.
    Values next(int scaleHeight) {
        const bool wild = pick(0, 4) == 0;
        const auto level = [&] { return vb::Integer(wild ? pick(-600, 600) : pick(0, 512)); };
        Values v{};
        v.r = level(), v.g = level(), v.b = level(), v.n = level();
        v.band = vb::Integer(wild ? pick(-300, 300) : pick(1, 255));
        v.start = vb::Integer(wild ? pick(-32768, 32767) : pick(-100, scaleHeight));
        v.stop = vb::Integer(pick(0, 3) == 0 ? pick(-32768, 32767) : scaleHeight + pick(-200, 200));
        v.modLine = vb::Integer(wild ? pick(-3, 60) : (pick(0, 2) == 0 ? pick(1, 5) : 1));
        v.autoRedraw = vb::Integer(pick(-1, 1));
        v.mr = vb::Integer(pick(0, 2) == 0 ? pick(-2, 25) : 1);
        v.mg = v.mr, v.mb = vb::Integer(pick(0, 3) == 0 ? pick(1, 20) : v.mr);
        return v;
    }

private:
    std::mt19937 random_;
};

void paint(vb::DrawingSurface& surface, Values v, bool wide) {
    if (wide) {
        vb::Long start = v.start, stop = v.stop;
        module1::OmbreloWide(surface, v.r, v.g, v.b, v.n, v.band, start, stop, v.modLine,
                             v.autoRedraw, v.mr, v.mg, v.mb);
    } else {
        module1::Ombrelo(surface, v.r, v.g, v.b, v.n, v.band, v.start, v.stop, v.modLine,
                         v.autoRedraw, v.mr, v.mg, v.mb);
    }
}

void expectSame(platform::RasterCanvas& runs, platform::RasterCanvas& boxes,
                const std::string& where) {
    ASSERT_EQ(runs.image(), boxes.image()) << where;
    ASSERT_EQ(runs.shownImage(), boxes.shownImage()) << where;
    ASSERT_EQ(runs.currentX(), boxes.currentX()) << where;
    ASSERT_EQ(runs.currentY(), boxes.currentY()) << where;
}

TEST(OmbreloOnACanvas, PaintsWhatPaintingBandByBandPaints) {
    for (unsigned seed = 1; seed <= 80; ++seed) {
        RandomValues random(seed);
        const double ratio = random.pick(0, 3) == 0 ? 1.5 : 1.0;
        platform::RasterCanvas runs(15.0, ratio);
        platform::RasterCanvas boxes(15.0, ratio);
        const QSize size(1 + random.pick(0, 120), 1 + random.pick(0, 90));
        runs.resize(size);
        boxes.resize(size);
        BoxByBox byBox(boxes);
        // Gradients over gradients, so that bands that are not painted leave
        // the one before; some after a clear, some drawn on the screen only.
        for (int step = 0; step < 12; ++step) {
            if (random.pick(0, 3) == 0) {
                runs.cls();
                boxes.cls();
            }
            const Values v = random.next(static_cast<int>(runs.scaleHeight()));
            const bool wide = random.pick(0, 1) == 1;
            paint(runs, v, wide);
            paint(byBox, v, wide);
            expectSame(runs, boxes,
                       "seed " + std::to_string(seed) + " step " + std::to_string(step));
        }
    }
}

TEST(OmbreloOnACanvas, ScreensBeyond16BitsArePaintedAsBandByBand) {
    for (const QSize screen : {QSize(2560, 1440), QSize(1080, 2400)}) {
        platform::RasterCanvas runs;
        platform::RasterCanvas boxes;
        runs.resize(screen);
        boxes.resize(screen);
        BoxByBox byBox(boxes);
        for (vb::DrawingSurface* surface :
             {static_cast<vb::DrawingSurface*>(&runs), static_cast<vb::DrawingSurface*>(&byBox)}) {
            // From 0 to the height, in bands of 5 twips as on a small screen.
            vb::Integer r = 40, g = 300, b = 128, n = 10, band = 5, modLine = 1;
            vb::Integer autoRedraw = vb::True, mr = 1, mg = 1, mb = 1;
            vb::Long start = 0, stop = static_cast<vb::Long>(runs.scaleHeight());
            module1::OmbreloWide(*surface, r, g, b, n, band, start, stop, modLine, autoRedraw, mr,
                                 mg, mb);
        }
        expectSame(runs, boxes,
                   std::to_string(screen.width()) + "x" + std::to_string(screen.height()));
        // Painted to the last row, which shows the end level.
        EXPECT_EQ(runs.image().pixel(screen.width() / 2, screen.height() - 1), qRgb(10, 10, 10));
    }
}

} // namespace
