// The gradient painted full screen and in the preview box, each beside a
// reference measured in the same run:
//   - full screen (the widened procedure over the screen's height, as the
//     full-screen window paints): filling the same image with one value (the
//     most any painting of every pixel can hope for) and QPainter filling it
//     with a QLinearGradient (the ordinary Qt way);
//   - preview: clearing the box alone, against clearing and painting it.
// Images are allocated once and reused, as the windows keep theirs.

#include "logic/stopheight.h"
#include "module1/ombrelo.h"
#include "picturebox/rastercanvas.h"

#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>

#include <benchmark/benchmark.h>

namespace {

constexpr double twipsPerPixel = 15.0;

module1::GradientStyle gradientStyle(int band) {
    module1::GradientStyle style;
    style.R = 40;
    style.G = 300; // an extended level: saturates first, then falls
    style.B = 128;
    style.N = 10;
    style.Band = static_cast<vb::Integer>(band);
    style.Start = 0;
    style.ModLine = 1;
    style.AutoRedraw = vb::True;
    style.MoreXR = style.MoreXG = style.MoreXB = 1;
    return style;
}

// Device pixels, and device pixels per logical pixel (in hundredths): a 4K
// screen at 200 % has the twips of a 1920 x 1080 one.
QSize screenSize(const benchmark::State& state) {
    return {static_cast<int>(state.range(0)), static_cast<int>(state.range(1))};
}

double pixelRatio(const benchmark::State& state) {
    return static_cast<double>(state.range(2)) / 100.0;
}

// As the full-screen window paints: the widened procedure from 0 to the
// surface's height.
void paintFullHeight(platform::RasterCanvas& canvas, module1::GradientStyle style) {
    vb::Long start = 0;
    vb::Long stop = designer::wideStopFromScaleHeight(canvas.scaleHeight()).value_or(0);
    module1::OmbreloWide(canvas, style, start, stop, style.AutoRedraw);
    canvas.flush();
}

void FullScreenOmbrelo(benchmark::State& state) {
    platform::RasterCanvas canvas(twipsPerPixel, pixelRatio(state));
    canvas.resize(screenSize(state) / pixelRatio(state));
    canvas.setAutoRedraw(true);
    const module1::GradientStyle style = gradientStyle(static_cast<int>(state.range(3)));
    for (auto _ : state) {
        paintFullHeight(canvas, style);
        benchmark::DoNotOptimize(canvas.image().constBits());
    }
    if (canvas.image().size() != screenSize(state))
        state.SkipWithError("the canvas does not have the screen's device pixels");
}

void FullScreenFillLimit(benchmark::State& state) {
    QImage image(screenSize(state), QImage::Format_RGB32);
    for (auto _ : state) {
        image.fill(0xff336699u);
        benchmark::DoNotOptimize(image.constBits());
    }
}

void FullScreenQtLinearGradient(benchmark::State& state) {
    QImage image(screenSize(state), QImage::Format_RGB32);
    QLinearGradient gradient(0, 0, 0, image.height());
    gradient.setColorAt(0, QColor(40, 255, 128));
    gradient.setColorAt(1, QColor(10, 10, 10));
    for (auto _ : state) {
        QPainter painter(&image);
        painter.fillRect(image.rect(), gradient);
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}

// width, height, ratio in hundredths, band (the fill references ignore the
// band). The full-screen window paints at the screen's device pixel ratio.
void screens(benchmark::internal::Benchmark* bench) {
    for (const int band : {50, 5}) {
        bench->Args({1920, 1080, 100, band});
        bench->Args({2560, 1440, 100, band});
        bench->Args({3840, 2160, 100, band});
        bench->Args({3840, 2160, 200, band});
    }
    bench->ArgNames({"w", "h", "ratio", "band"})->Unit(benchmark::kMicrosecond);
}

BENCHMARK(FullScreenFillLimit)->Apply(screens);
BENCHMARK(FullScreenQtLinearGradient)->Apply(screens);
BENCHMARK(FullScreenOmbrelo)->Apply(screens);

constexpr QSize previewSize(333, 193);

void PreviewClear(benchmark::State& state) {
    platform::RasterCanvas canvas(twipsPerPixel);
    canvas.resize(previewSize);
    canvas.setAutoRedraw(true);
    for (auto _ : state) {
        canvas.cls();
        canvas.flush();
        benchmark::DoNotOptimize(canvas.image().constBits());
    }
}

void PreviewClearAndPaint(benchmark::State& state) {
    platform::RasterCanvas canvas(twipsPerPixel);
    canvas.resize(previewSize);
    canvas.setAutoRedraw(true);
    module1::GradientStyle style = gradientStyle(static_cast<int>(state.range(0)));
    style.Stop = static_cast<vb::Integer>(previewSize.height() * twipsPerPixel);
    for (auto _ : state) {
        canvas.cls();
        // As the preview paints: the procedure as the user's code runs it.
        module1::GradientStyle painted = style;
        module1::Ombrelo(canvas, painted);
        canvas.flush();
        benchmark::DoNotOptimize(canvas.image().constBits());
    }
}

BENCHMARK(PreviewClear)->Unit(benchmark::kMicrosecond);
BENCHMARK(PreviewClearAndPaint)->Arg(50)->Arg(5)->ArgName("band")->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    // Fonts and the palette need an application; nothing is shown.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
