// The profile operations of the designer on a Draw.ini of 10,000 styles,
// each beside the cost of reading the file's bytes into memory, which no
// operation on the file can avoid: the profile calls alone, a save beside
// the same save without the lock on the file, and the style list's save and
// delete as the main window runs them (offscreen).

#include "hosting/controlhost.h"
#include "logic/storedstyle.h"
#include "profile/profile.h"
#include "services/clock.h"
#include "services/tests/scripted.h"
#include "widgetmain.h"
#include "window/frmdegcolor.h"
#include "window/stylecombo.h"
#include "window/stylelibrary.h"

#include <QFile>
#include <QSaveFile>
#include <QSlider>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace platform::profile;

namespace {

constexpr int styleCount = 10000;

// A style whose values follow from the seed, each within its slider's range.
designer::StyleRecord style(int seed) {
    using designer::StyleKey;
    designer::StyleRecord record;
    const std::pair<StyleKey, int> ranges[] = {{StyleKey::SliderValueR, 513},
                                               {StyleKey::SliderValueG, 511},
                                               {StyleKey::SliderValueB, 509},
                                               {StyleKey::SliderValueN, 503},
                                               {StyleKey::SliderValueStart, 15000},
                                               {StyleKey::SliderValueStop, 14999},
                                               {StyleKey::SliderValueBand, 251},
                                               {StyleKey::ModLine, 50},
                                               {StyleKey::MoreXR, 20},
                                               {StyleKey::MoreXG, 19},
                                               {StyleKey::MoreXB, 17}};
    for (const auto& [key, range] : ranges)
        record.setInteger(key, seed * 7919 % range);
    record.setYesNo(StyleKey::OptValue0, seed % 2 != 0);
    record.setYesNo(StyleKey::OptValue1, seed % 2 == 0);
    record.setText(StyleKey::ObjName, QStringLiteral("[OBJECT]"));
    return record;
}

QString styleName(int index) {
    return QStringLiteral("Style %1").arg(index, 5, 10, QChar('0'));
}

// A library as the designer writes it: CRLF lines, the keys in save order.
const QString& drawIni() {
    static QTemporaryDir dir;
    static const QString path = [] {
        const QString file = dir.filePath("Draw.ini");
        QByteArray bytes;
        for (int i = 0; i < styleCount; ++i)
            bytes += style(i).sectionText(styleName(i));
        QFile out(file);
        if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size())
            qFatal("cannot write the benchmark's Draw.ini");
        return file;
    }();
    return path;
}

const QString nearTheEnd = styleName(styleCount - 10);

void ReadFileBytes(benchmark::State& state) {
    for (auto _ : state) {
        QFile file(drawIni());
        file.open(QIODevice::ReadOnly);
        benchmark::DoNotOptimize(file.readAll());
    }
}

// The least any save costs: the same bytes written to a new file, flushed
// to disk and renamed over the library.
void WriteFileAtomically(benchmark::State& state) {
    QFile file(drawIni());
    file.open(QIODevice::ReadOnly);
    const QByteArray bytes = file.readAll();
    for (auto _ : state) {
        QSaveFile out(drawIni());
        out.open(QIODevice::WriteOnly);
        out.write(bytes);
        if (!out.commit())
            state.SkipWithError("the write failed");
    }
}

void ListSections(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(sectionNames(drawIni()));
}

void ReadOneValue(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(
            readString(drawIni(), nearTheEnd, designer::styleKeyName(designer::StyleKey::MoreXB)));
}

void LoadOneStyle(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(designer::readStoredStyle(drawIni(), nearTheEnd));
}

void SaveOneStyle(benchmark::State& state) {
    int seed = 0;
    for (auto _ : state) {
        if (!writeKeys(drawIni(), nearTheEnd, style(++seed).entries()))
            state.SkipWithError("the save failed");
    }
}

// The same file system without the lock that keeps other writers out: what
// the lock costs a save.
class WithoutTheLock final : public FileAccess {
public:
    FileContents read(const QString& path) override { return system.read(path); }
    bool replace(const QString& path, const QByteArray& contents) override {
        return system.replace(path, contents);
    }

private:
    SystemFileAccess system;
};

// The lock alone: made, taken and removed again.
void TakeAndReleaseTheLock(benchmark::State& state) {
    for (auto _ : state) {
        if (!ProfileLock::take(drawIni()).held())
            state.SkipWithError("the lock was not had");
    }
}

void SaveOneStyleWithoutTheLock(benchmark::State& state) {
    WithoutTheLock access;
    int seed = 0;
    for (auto _ : state) {
        if (!writeKeys(drawIni(), nearTheEnd, style(++seed).entries(), access))
            state.SkipWithError("the save failed");
    }
}

// The main window on the library, with every question answered Yes.
struct LibraryWindow {
    LibraryWindow()
        : boxes(platform::msgbox::Yes)
        , host(platform::ControlRegistry(registry.path()), {}) {
        designer::WindowServices services{boxes,     clock,     clipboard, host,
                                          drawIni(), QString(), [] {},     random};
        window = std::make_unique<designer::FrmDegColor>(services);
        window->Form_Load();
        window->show();
        list = window->findChild<designer::StyleCombo*>(QStringLiteral("lstStyle"));
    }
    QTemporaryDir registry;
    platform::ScriptedMessageBoxes boxes;
    platform::SteadyClock clock;
    platform::MemoryClipboard clipboard;
    platform::ScriptedRandom random;
    platform::ControlHost host;
    std::unique_ptr<designer::FrmDegColor> window;
    designer::StyleCombo* list = nullptr;
};

// "+" with a name of the library typed in: the style written, the list
// refilled, the name put back.
void SaveOneStyleThroughTheWindow(benchmark::State& state) {
    LibraryWindow w;
    auto* red = w.window->findChild<QSlider*>(QStringLiteral("SliderR"));
    int value = 0;
    for (auto _ : state) {
        state.PauseTiming();
        red->setValue(value = value == 100 ? 101 : 100);
        w.list->setText(nearTheEnd);
        state.ResumeTiming();
        w.window->styleLibrary().cmdPlus_Click();
    }
}

// "-" answered Yes: the style deleted, the list refilled and its first style
// loaded. The style is put back between the measured deletions.
void DeleteOneStyleAndRefillTheList(benchmark::State& state) {
    LibraryWindow w;
    int seed = 0;
    for (auto _ : state) {
        state.PauseTiming();
        if (!writeKeys(drawIni(), nearTheEnd, style(++seed).entries()))
            state.SkipWithError("the style could not be put back");
        w.list->setText(nearTheEnd);
        state.ResumeTiming();
        w.window->styleLibrary().cmdmoins_Click();
    }
    writeKeys(drawIni(), nearTheEnd, style(0).entries());
}

} // namespace

BENCHMARK(ReadFileBytes)->Unit(benchmark::kMicrosecond);
BENCHMARK(WriteFileAtomically)->Unit(benchmark::kMicrosecond);
BENCHMARK(ListSections)->Unit(benchmark::kMicrosecond);
BENCHMARK(ReadOneValue)->Unit(benchmark::kMicrosecond);
BENCHMARK(LoadOneStyle)->Unit(benchmark::kMicrosecond);
BENCHMARK(SaveOneStyle)->Unit(benchmark::kMicrosecond);
BENCHMARK(SaveOneStyleWithoutTheLock)->Unit(benchmark::kMicrosecond);
BENCHMARK(TakeAndReleaseTheLock)->Unit(benchmark::kMicrosecond);
BENCHMARK(SaveOneStyleThroughTheWindow)->Unit(benchmark::kMicrosecond);
BENCHMARK(DeleteOneStyleAndRefillTheList)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
    return runWidgetBenchmarks(argc, argv);
}
