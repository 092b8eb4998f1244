// The profile operations of the designer on a Draw.ini of 10,000 styles,
// each beside the cost of reading the file's bytes into memory, which no
// operation on the file can avoid.

#include "profile/profile.h"

#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace platform::profile;

namespace {

constexpr int styleCount = 10000;

KeyValueList styleKeys(int seed) {
    const auto number = [seed](int modulus) { return QString::number(seed * 7919 % modulus); };
    return {{"SliderValueR", number(513)},
            {"SliderValueG", number(511)},
            {"SliderValueB", number(509)},
            {"SliderValueN", number(503)},
            {"SliderValueStart", number(15000)},
            {"SliderValueStop", number(14999)},
            {"SliderValueBand", number(251)},
            {"OptValue0", seed % 2 ? "True" : "False"},
            {"OptValue1", seed % 2 ? "False" : "True"},
            {"ObjName", "[OBJECT]"},
            {"ModLine", number(50)},
            {"MoreXR", number(20)},
            {"MoreXG", number(19)},
            {"MoreXB", number(17)}};
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
        for (int i = 0; i < styleCount; ++i) {
            bytes += '[' + styleName(i).toLatin1() + "]\r\n";
            for (const KeyValue& entry : styleKeys(i))
                bytes += entry.key.toLatin1() + '=' + entry.value.toLatin1() + "\r\n";
        }
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
        benchmark::DoNotOptimize(readString(drawIni(), nearTheEnd, "MoreXB"));
}

void LoadOneStyle(benchmark::State& state) {
    const KeyValueList keys = styleKeys(0);
    for (auto _ : state) {
        for (const KeyValue& entry : keys)
            benchmark::DoNotOptimize(readString(drawIni(), nearTheEnd, entry.key));
    }
}

void SaveOneStyle(benchmark::State& state) {
    int seed = 0;
    for (auto _ : state) {
        if (!writeKeys(drawIni(), nearTheEnd, styleKeys(++seed)))
            state.SkipWithError("the save failed");
    }
}

} // namespace

BENCHMARK(ReadFileBytes)->Unit(benchmark::kMicrosecond);
BENCHMARK(WriteFileAtomically)->Unit(benchmark::kMicrosecond);
BENCHMARK(ListSections)->Unit(benchmark::kMicrosecond);
BENCHMARK(ReadOneValue)->Unit(benchmark::kMicrosecond);
BENCHMARK(LoadOneStyle)->Unit(benchmark::kMicrosecond);
BENCHMARK(SaveOneStyle)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
