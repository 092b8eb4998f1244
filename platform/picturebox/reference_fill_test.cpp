// The merged painting of consecutive boxes, and the row by row painting of
// band runs, against a naive model that paints every box pixel by pixel, on
// random sequences of gradients, band runs, odd boxes, clears and switches of
// AutoRedraw.

#include "picturebox/olecolor.h"
#include "picturebox/pixelbox.h"
#include "picturebox/rastercanvas.h"

#include <QPainter>
#include <gtest/gtest.h>
#include <optional>
#include <random>
#include <vector>

namespace platform {
namespace {

constexpr QRgb background = 0xff102030;

// Two layers painted pixel by pixel, with the same rules as the canvas.
class NaiveCanvas {
public:
    NaiveCanvas(QSize devicePixels, double pixelsPerTwip)
        : retained_(devicePixels, QImage::Format_RGB32)
        , screen_(devicePixels, QImage::Format_ARGB32_Premultiplied)
        , pixelsPerTwip_(pixelsPerTwip) {
        retained_.fill(background);
        screen_.fill(Qt::transparent);
    }

    void setAutoRedraw(bool on) { autoRedraw_ = on; }
    void box(double x1, double y1, double x2, double y2, QRgb colour) {
        currentX_ = x2;
        currentY_ = y2;
        if (autoRedraw_)
            screen_.fill(Qt::transparent);
        const auto pixels = mapTwipBox(x1, y1, x2, y2, pixelsPerTwip_, retained_.size());
        if (!pixels)
            return;
        QImage& target = autoRedraw_ ? retained_ : screen_;
        for (int y = pixels->top; y <= pixels->bottom; ++y)
            for (int x = pixels->left; x <= pixels->right; ++x)
                target.setPixel(x, y, colour | 0xff000000u);
    }
    void cls() {
        currentX_ = 0;
        currentY_ = 0;
        if (autoRedraw_)
            retained_.fill(background);
        screen_.fill(Qt::transparent);
    }
    const QImage& retained() const { return retained_; }
    double currentX() const { return currentX_; }
    double currentY() const { return currentY_; }
    QImage shown() const {
        QImage composed = retained_.copy();
        QPainter painter(&composed);
        painter.drawImage(0, 0, screen_);
        return composed;
    }

private:
    QImage retained_;
    QImage screen_;
    double pixelsPerTwip_;
    bool autoRedraw_ = false;
    double currentX_ = 0;
    double currentY_ = 0;
};

// The colours of a band run: missing ones (the band is not painted) and
// system colours among them.
class ScriptedColours : public vb::BandColours {
public:
    std::vector<std::optional<vb::OleColor>> colours;

    bool colour(std::size_t k, vb::OleColor& colour) const noexcept override {
        if (!colours[k])
            return false;
        colour = *colours[k];
        return true;
    }
};

class RandomPainting {
public:
    // fewColours: colours from a palette of three, so that consecutive boxes
    // often share theirs (as neighbouring bands of a slow gradient do).
    RandomPainting(unsigned seed, bool fewColours)
        : random_(seed)
        , fewColours_(fewColours) {}

    int upTo(int n) { return std::uniform_int_distribution<int>(0, n)(random_); }
    double pick(std::initializer_list<double> values) {
        return *(values.begin() + upTo(int(values.size()) - 1));
    }
    QRgb colour() {
        if (fewColours_)
            return 0x40a0c0u + QRgb(upTo(upTo(1) ? 0 : 2));
        return std::uniform_int_distribution<QRgb>(0, 0xffffff)(random_);
    }

    // One gradient the way the drawing procedure paints it, sometimes over
    // part of the width, upward, with gaps, or past the edges.
    template <typename Paint> void gradient(double w, double h, Paint&& paint) {
        const int band = (upTo(3) == 0 ? -1 : 1) * (1 + upTo(upTo(1) ? 300 : 20));
        const int modLine = 1 + (upTo(3) == 0 ? upTo(5) : 0);
        const double left = upTo(4) == 0 ? upTo(int(w)) : -1;
        const double right = upTo(4) == 0 ? left + upTo(int(w)) : w;
        // Most gradients start at the top, as the designer paints them.
        const int from = upTo(1) ? -upTo(30) : upTo(int(h / 2)) - 50;
        int y = band > 0 ? from : int(h) + 50 - upTo(int(h / 2));
        for (int count = upTo(200); count > 0; --count, y += band)
            paint(left, y - 1.0, right, y + double(band / modLine), colour());
    }

    // A run of bands, mostly as the drawing procedure sends them (down the
    // surface in whole twips), sometimes upward, with gaps, fractional or
    // empty boxes, and with bands that cannot be coloured.
    vb::BandRun bandRun(double w, double h, ScriptedColours& colours) {
        vb::BandRun run;
        run.x1 = upTo(4) == 0 ? upTo(int(w)) : -1;
        run.x2 = upTo(4) == 0 ? run.x1 + upTo(int(w)) : w;
        run.top = upTo(1) ? -1.0 - upTo(30) : upTo(int(h)) - 50.0;
        run.stride = 1 + upTo(upTo(1) ? 300 : 20);
        run.height = run.stride + 1;
        if (upTo(3) == 0)
            run.height = pick({0.0, 1.0, run.stride / 2, run.stride - 1, run.stride * 3.0});
        if (upTo(9) == 0)
            run.stride = pick({-run.stride, 0.0, run.stride + 0.5});
        if (upTo(9) == 0)
            run.top += 0.25;
        if (upTo(9) == 0)
            run.height = -run.height;
        run.count = 1 + std::size_t(upTo(upTo(1) ? 300 : 40));
        const int missingFrom = upTo(3) == 0 ? upTo(int(run.count)) : int(run.count);
        colours.colours.clear();
        for (int k = 0; k < int(run.count); ++k) {
            const int kind = upTo(29);
            if (k >= missingFrom || kind < 2)
                colours.colours.push_back(std::nullopt);
            else if (kind == 2)
                colours.colours.push_back(upTo(1) ? ButtonFace : vb::OleColor{0x800000FFu});
            else
                colours.colours.push_back(colour() & 0xffffffu);
        }
        return run;
    }

    std::mt19937 random_;
    bool fewColours_;
};

// What painting the run box by box paints: bands without a colour, and with a
// system colour that is not known, are skipped.
void paintBoxByBox(NaiveCanvas& naive, const vb::BandRun& run, const ScriptedColours& colours) {
    for (std::size_t k = 0; k < run.count; ++k) {
        vb::OleColor colour = 0;
        if (!colours.colour(k, colour))
            continue;
        const std::optional<QColor> resolved = fromOleColor(colour);
        if (resolved)
            naive.box(run.x1, run.y1(k), run.x2, run.y2(k), resolved->rgb());
    }
}

void compare(RasterCanvas& canvas, const NaiveCanvas& naive, const std::string& where) {
    ASSERT_EQ(canvas.image(), naive.retained()) << where;
    ASSERT_EQ(canvas.shownImage(), naive.shown()) << where;
    ASSERT_EQ(canvas.currentX(), naive.currentX()) << where;
    ASSERT_EQ(canvas.currentY(), naive.currentY()) << where;
}

void paintAndCompare(bool fewColours) {
    for (unsigned seed = 1; seed <= 60; ++seed) {
        RandomPainting random(seed, fewColours);
        const QSize logical(1 + random.upTo(120), 1 + random.upTo(90));
        const double ratio = random.pick({1.0, 1.0, 1.5, 2.0});
        RasterCanvas canvas(15.0, ratio);
        canvas.resize(logical);
        canvas.setBackColor(QColor(background));
        NaiveCanvas naive(canvas.image().size(), ratio / 15.0);
        const double w = canvas.scaleWidth();
        const double h = canvas.scaleHeight();
        auto paint = [&](double x1, double y1, double x2, double y2, QRgb c) {
            canvas.fillBox(x1, y1, x2, y2, c);
            naive.box(x1, y1, x2, y2, c);
        };
        for (int step = 0; step < 60; ++step) {
            const int what = random.upTo(99);
            if (what < 30) {
                random.gradient(w, h, paint);
            } else if (what < 55) {
                ScriptedColours colours;
                const vb::BandRun run = random.bandRun(w, h, colours);
                canvas.lineBands(run, colours);
                paintBoxByBox(naive, run, colours);
            } else if (what < 80) {
                paint(random.upTo(int(w) + 400) - 200.0, random.upTo(int(h) + 400) - 200.0,
                      random.upTo(int(w) + 400) - 200.0, random.upTo(int(h) + 400) - 200.0,
                      random.colour());
            } else if (what < 88) {
                const bool on = random.upTo(1) == 1;
                canvas.setAutoRedraw(on);
                naive.setAutoRedraw(on);
            } else if (what < 93) {
                canvas.cls();
                naive.cls();
            } else {
                compare(canvas, naive, "seed " + std::to_string(seed));
            }
        }
        compare(canvas, naive, "end of seed " + std::to_string(seed));
    }
}

TEST(MergedPainting, PaintsExactlyWhatBoxByBoxPaintingPaints) {
    paintAndCompare(false);
}

TEST(MergedPainting, BoxesOfTheSameColourPaintExactlyWhatBoxByBoxPaintingPaints) {
    paintAndCompare(true);
}

} // namespace
} // namespace platform
