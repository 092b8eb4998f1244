// The main window's costs that a user feels: one step of a slider drag
// (the nested handlers, the cleared and repainted preview, the statement and
// the time caption), the start-up up to the first paint, and one step of
// undo or redo beside the style load it takes back (a restore sets the
// controls as a load does, so a load is its reference). Offscreen, with
// plain labels in place of the hosted controls (argument 0) or with the
// control libraries built beside the benchmark in bin/controls (argument 1).

#include "hosting/controlhost.h"
#include "logic/stylerecord.h"
#include "services/clock.h"
#include "services/tests/scripted.h"
#include "widgetmain.h"
#include "window/editorundo.h"
#include "window/frmdegcolor.h"
#include "window/stylecombo.h"

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

// A second style that differs from it in every slider and the stop method.
QByteArray marine() {
    QByteArray section = sunset();
    const std::pair<const char*, const char*> changes[] = {
        {"[Sunset]", "[Marine]"},
        {"SliderValueR=255", "SliderValueR=0"},
        {"SliderValueG=128", "SliderValueG=64"},
        {"SliderValueB=0", "SliderValueB=300"},
        {"SliderValueN=236", "SliderValueN=100"},
        {"SliderValueStart=0", "SliderValueStart=150"},
        {"SliderValueStop=4500", "SliderValueStop=1200"},
        {"SliderValueBand=50", "SliderValueBand=20"},
        {"OptValue0=True", "OptValue0=False"},
        {"OptValue1=False", "OptValue1=True"},
        {"ModLine=1", "ModLine=2"},
        {"MoreXR=1", "MoreXR=4"}};
    for (const auto& [from, to] : changes)
        section.replace(from, to);
    return section;
}

struct Bench {
    explicit Bench(bool builtControls = false)
        : host(platform::ControlRegistry(registry.path()),
               builtControls ? QStringList{platform::ControlHost::defaultControlsFolder()}
                             : QStringList{}) {
        QFile file(folder.filePath(QStringLiteral("Draw.ini")));
        if (file.open(QIODevice::WriteOnly))
            file.write(sunset() + marine());
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

// The reference: one style chosen in the list, the two styles in turn.
void StyleLoad(benchmark::State& state) {
    Bench bench;
    auto window = bench.open();
    auto* list = window->findChild<designer::StyleCombo*>(QStringLiteral("lstStyle"));
    int row = 0;
    for (auto _ : state) {
        row = 1 - row;
        list->setCurrentIndex(row);
    }
}
BENCHMARK(StyleLoad)->Unit(benchmark::kMicrosecond);

// One step of undo or redo, taking back and doing again the same change of
// style: undo and redo in turn.
void UndoOrRedoStep(benchmark::State& state) {
    Bench bench;
    auto window = bench.open();
    window->findChild<designer::StyleCombo*>(QStringLiteral("lstStyle"))->setCurrentIndex(1);
    designer::EditorUndo& undo = window->undo();
    undo.gestureEnded();
    if (!undo.canUndo()) {
        state.SkipWithError("the style's choice made no step");
        return;
    }
    bool back = true;
    for (auto _ : state) {
        back ? undo.undo() : undo.redo();
        back = !back;
    }
}
BENCHMARK(UndoOrRedoStep)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    return runWidgetBenchmarks(argc, argv);
}
