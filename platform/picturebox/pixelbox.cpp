#include "picturebox/pixelbox.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace platform {

namespace {

// Twips of the form n * twipsPerPixel land on a pixel edge; a product such as
// 0.1 * 3 must not fall just below it and lose that pixel.
constexpr double edgeTolerance = 1e-9;

// The pixel that holds coordinate c, limited to -1..limit so that it fits an
// int whatever c is.
int pixelOf(double c, double pixelsPerTwip, int limit) {
    const double p = std::floor(c * pixelsPerTwip + edgeTolerance);
    return static_cast<int>(std::clamp(p, -1.0, static_cast<double>(limit)));
}

// Writes n copies of value; doubling copies let memcpy's wide stores do the
// bulk of a long run.
void fillRun(QRgb* out, qsizetype n, QRgb value) {
    constexpr qsizetype seed = 16;
    if (n <= seed) {
        std::fill_n(out, n, value);
        return;
    }
    std::fill_n(out, seed, value);
    qsizetype done = seed;
    while (done < n) {
        const qsizetype chunk = std::min(done, n - done);
        std::memcpy(out + done, out, static_cast<size_t>(chunk) * sizeof(QRgb));
        done += chunk;
    }
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
    fillRun(reinterpret_cast<QRgb*>(first), box.width(), value);
    for (int row = 1; row < box.height(); ++row)
        std::memcpy(first + row * stride, first, static_cast<size_t>(rowBytes));
}

} // namespace platform
