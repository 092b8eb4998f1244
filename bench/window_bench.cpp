// The main window's two costs that a user feels: one step of a slider drag
// (the nested handlers, the cleared and repainted preview, the statement and
// the time caption) and the start-up up to the first paint. Offscreen, with
// plain labels in place of the hosted controls (argument 0) or with the
// control libraries built beside the benchmark in bin/controls (argument 1).

#include "hosting/controlhost.h"
#include "services/clock.h"
#include "services/scripted.h"
#include "window/frmdegcolor.h"

#include <QApplication>
#include <QFile>
#include <QSlider>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>

namespace {

const char kStyle[] = "[Sunset]\r\nSliderValueR=255\r\nSliderValueG=128\r\nSliderValueB=0\r\n"
                      "SliderValueN=236\r\nSliderValueStart=0\r\nSliderValueStop=4500\r\n"
                      "SliderValueBand=50\r\nOptValue0=True\r\nOptValue1=False\r\n"
                      "ObjName=[OBJECT]\r\nModLine=1\r\nMoreXR=1\r\nMoreXG=1\r\nMoreXB=1\r\n";

struct Bench {
    explicit Bench(bool builtControls = false)
        : host(platform::ControlRegistry(registry.path()),
               builtControls ? QStringList{platform::ControlHost::defaultControlsFolder()}
                             : QStringList{}) {
        QFile file(folder.filePath(QStringLiteral("Draw.ini")));
        if (file.open(QIODevice::WriteOnly))
            file.write(kStyle);
    }
    std::unique_ptr<designer::FrmDegColor> open() {
        designer::WindowServices services{
            boxes,     clock, clipboard, host, folder.filePath(QStringLiteral("Draw.ini")),
            QString(), [] {}, random};
        auto window = std::make_unique<designer::FrmDegColor>(services);
        window->Form_Load();
        window->show();
        window->repaint(); // the first paint, now
        return window;
    }

    QTemporaryDir folder;
    QTemporaryDir registry;
    platform::ScriptedMessageBoxes boxes;
    platform::SteadyClock clock;
    platform::MemoryClipboard clipboard;
    platform::ScriptedRandom random;
    platform::ControlHost host;
};

void SliderDragStep(benchmark::State& state) {
    Bench bench(state.range(0) != 0);
    auto window = bench.open();
    auto* slider = window->findChild<QSlider*>(QStringLiteral("SliderR"));
    int value = 100;
    for (auto _ : state) {
        value = value == 100 ? 101 : 100;
        slider->setValue(value);
    }
}
BENCHMARK(SliderDragStep)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void StartUpToFirstPaint(benchmark::State& state) {
    Bench bench(state.range(0) != 0);
    for (auto _ : state) {
        auto window = bench.open();
        state.PauseTiming();
        window.reset();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(StartUpToFirstPaint)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
