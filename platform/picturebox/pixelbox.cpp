#include "picturebox/pixelbox.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace platform {

namespace {

// Twips of the form n * twipsPerPixel land on a pixel edge; a product such as
// 0.1 * 3 must not fall just below it and lose that pixel.
constexpr double edgeTolerance = 1e-9;

// The pixel that holds coordinate c, limited to -1..limit so that it fits an
// int whatever c is. Floors by truncating and stepping down: no library call
// (every band of a gradient maps four coordinates), exact inside the limits.
int pixelOf(double c, double pixelsPerTwip, int limit) {
    const double p = c * pixelsPerTwip + edgeTolerance;
    if (p < -1.0)
        return -1;
    if (p >= static_cast<double>(limit))
        return limit;
    const int truncated = static_cast<int>(p);
    return static_cast<double>(truncated) > p ? truncated - 1 : truncated;
}

// Writes n copies of value with wide stores only (a fill must not read back
// what it wrote). Single pixels up to a 32-byte boundary first, so that no
// wide store splits a cache line: rows of a box start anywhere. On x86-64 a
// second copy uses the 32-byte stores of AVX2 where the processor has them,
// as Qt's own fill does.
#if defined(__x86_64__) && defined(__GNUC__)
__attribute__((target_clones("avx2", "default")))
#endif
void fillRun(QRgb* out, qsizetype n, QRgb value) {
    using Pixels8 = QRgb __attribute__((vector_size(8 * sizeof(QRgb))));
    constexpr auto alignment = sizeof(Pixels8);
    while (n > 0 && reinterpret_cast<std::uintptr_t>(out) % alignment != 0) {
        *out++ = value;
        --n;
    }
    const Pixels8 eight = {value, value, value, value, value, value, value, value};
    auto* wide = reinterpret_cast<Pixels8*>(out);
    const qsizetype blocks = n / 32;
    for (qsizetype b = 0; b < blocks; ++b, wide += 4) {
        wide[0] = eight;
        wide[1] = eight;
        wide[2] = eight;
        wide[3] = eight;
    }
    for (qsizetype i = blocks * 4; i < n / 8; ++i)
        reinterpret_cast<Pixels8*>(out)[i] = eight;
    for (qsizetype i = n / 8 * 8; i < n; ++i)
        out[i] = value;
}

} // namespace

std::optional<PixelBox> mapTwipBox(double x1, double y1, double x2, double y2, double pixelsPerTwip,
                                   QSize bounds) {
    if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2))
        return std::nullopt;
    if (bounds.isEmpty())
        return std::nullopt;
    const int w = bounds.width();
    const int h = bounds.height();
    PixelBox box;
    box.left = std::max(0, pixelOf(std::min(x1, x2), pixelsPerTwip, w));
    box.right = std::min(w - 1, pixelOf(std::max(x1, x2), pixelsPerTwip, w));
    box.top = std::max(0, pixelOf(std::min(y1, y2), pixelsPerTwip, h));
    box.bottom = std::min(h - 1, pixelOf(std::max(y1, y2), pixelsPerTwip, h));
    if (box.left > box.right || box.top > box.bottom)
        return std::nullopt;
    return box;
}

void fillPixelBox(QImage& image, const PixelBox& box, QRgb value) {
    const qsizetype stride = image.bytesPerLine();
    uchar* first = image.bits() + box.top * stride + box.left * qsizetype(sizeof(QRgb));
    const qsizetype rowBytes = qsizetype(box.width()) * qsizetype(sizeof(QRgb));
    if (rowBytes == stride) {
        // Whole rows of an unpadded image are one run.
        fillRun(reinterpret_cast<QRgb*>(first), qsizetype(box.width()) * box.height(), value);
        return;
    }
    for (int row = 0; row < box.height(); ++row)
        fillRun(reinterpret_cast<QRgb*>(first + row * stride), box.width(), value);
}

} // namespace platform
