// Saving a 3840 x 2160 picture of a statement, beside its parts measured in
// the same run:
//   - paint: the picture painted alone (what Copy Picture costs);
//   - encode: the painted picture encoded into memory alone, per format;
//   - save: painted and written whole to a file, as "Save Picture As…" does.
// save ≈ paint + encode + the file's write; the ratio save / paint says how
// much of a save is the encoder.

#include "picture/picturefile.h"
#include "picture/statementpicture.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImageWriter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

const QSize kSize(3840, 2160);

designer::StatementValues statement() {
    designer::StatementValues values;
    module1::GradientStyle& s = values.style;
    s.R = 400;
    s.G = 10;
    s.B = 300;
    s.N = 0;
    s.Band = 25;
    s.Start = 150;
    s.ModLine = 1;
    s.MoreXR = 2;
    s.MoreXG = 1;
    s.MoreXB = 3;
    values.stopFromHeight = true;
    return values;
}

void paint(benchmark::State& state) {
    for (auto _ : state) {
        QImage picture = designer::paintStatementPicture(statement(), kSize);
        benchmark::DoNotOptimize(picture.constBits());
    }
}

void encode(benchmark::State& state, const char* format) {
    const QImage picture = designer::paintStatementPicture(statement(), kSize);
    qint64 bytes = 0;
    for (auto _ : state) {
        QByteArray data;
        QBuffer buffer(&data);
        buffer.open(QIODevice::WriteOnly);
        QImageWriter writer(&buffer, format);
        writer.write(picture);
        bytes = data.size();
    }
    state.counters["file MB"] = double(bytes) / 1e6;
}

void save(benchmark::State& state, const char* name) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QString::fromLatin1(name));
    for (auto _ : state) {
        const QImage picture = designer::paintStatementPicture(statement(), kSize);
        if (!designer::writePictureFile(picture, path).isEmpty())
            state.SkipWithError("the picture could not be written");
    }
}

} // namespace

BENCHMARK(paint)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(encode, png, "PNG")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(save, png, "picture.png")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(encode, bmp, "BMP")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(save, bmp, "picture.bmp")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(encode, jpeg, "JPEG")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(save, jpeg, "picture.jpg")->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
