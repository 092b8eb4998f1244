// The main window's two costs that a user feels: one step of a slider drag
// (the nested handlers, the cleared and repainted preview, the statement and
// the time caption) and the start-up up to the first paint. Offscreen, with
// plain labels in place of the hosted controls (argument 0) or with the
// control libraries built beside the benchmark in bin/controls (argument 1).

#include "hosting/controlhost.h"
#include "logic/stylerecord.h"
#include "services/clock.h"
#include "services/tests/scripted.h"
#include "widgetmain.h"
#include "window/frmdegcolor.h"

#include <QApplication>
#include <QFile>
#include <QSlider>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>

namespace {

// The one style of the library, as the designer saves it.
QByteArray sunset() {
    using designer::StyleKey;
    designer::StyleRecord style;
    const std::pair<StyleKey, int> numbers[] = {{StyleKey::SliderValueR, 255},
                                                {StyleKey::SliderValueG, 128},
                                                {StyleKey::SliderValueB, 0},
                                                {StyleKey::SliderValueN, 236},
                                                {StyleKey::SliderValueStart, 0},
                                                {StyleKey::SliderValueStop, 4500},
                                                {StyleKey::SliderValueBand, 50},
                                                {StyleKey::ModLine, 1},
                                                {StyleKey::MoreXR, 1},
                                                {StyleKey::MoreXG, 1},
                                                {StyleKey::MoreXB, 1}};
    for (const auto& [key, value] : numbers)
        style.setInteger(key, value);
    style.setYesNo(StyleKey::OptValue0, true);
    style.setYesNo(StyleKey::OptValue1, false);
    style.setText(StyleKey::ObjName, QStringLiteral("[OBJECT]"));
    return style.sectionText(QStringLiteral("Sunset"));
}

struct Bench {
    explicit Bench(bool builtControls = false)
        : host(platform::ControlRegistry(registry.path()),
               builtControls ? QStringList{platform::ControlHost::defaultControlsFolder()}
                             : QStringList{}) {
        QFile file(folder.filePath(QStringLiteral("Draw.ini")));
        if (file.open(QIODevice::WriteOnly))
            file.write(sunset());
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
    return runWidgetBenchmarks(argc, argv);
}
