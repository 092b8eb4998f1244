#pragma once
// From a box in twips to the pixels it covers, and the raw fill of those
// pixels.
//
// Mapping: a coordinate c (twips) lies in pixel floor(c * pixelsPerTwip),
// where pixelsPerTwip is the image's device pixels per twip. A box covers
// every pixel from the one holding its smaller corner to the one holding its
// larger corner, both included: the right and bottom edges are painted. So at
// 15 twips per pixel the box (0, 0)-(15, 29) covers pixels 0..1 by 0..1, and
// (-1, -1)-(W, H) with W, H the scale size covers the whole image. The result
// is clipped to the image; a box entirely outside covers nothing.

#include <QImage>
#include <QSize>
#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

namespace platform {

// The pixels from the one holding coordinate a to the one holding b (twips,
// either order), both included, clipped to 0..limit - 1. The same mapping on
// one axis as mapTwipBox.
struct PixelSpan {
    int first = 0;
    int last = -1;
};

namespace detail {

// Twips of the form n * twipsPerPixel land on a pixel edge; a product such as
// 0.1 * 3 must not fall just below it and lose that pixel.
inline constexpr double edgeTolerance = 1e-9;

// The pixel that holds coordinate c, limited to -1..limit so that it fits an
// int whatever c is. Floors by truncating and stepping down: no library call
// (every band of a gradient maps its coordinates), exact inside the limits.
inline int pixelOf(double c, double pixelsPerTwip, int limit) {
    const double p = c * pixelsPerTwip + edgeTolerance;
    if (p < -1.0)
        return -1;
    if (p >= static_cast<double>(limit))
        return limit;
    const int truncated = static_cast<int>(p);
    return static_cast<double>(truncated) > p ? truncated - 1 : truncated;
}

} // namespace detail

// Empty when nothing of the span lies inside (or limit is 0), or when a
// coordinate is not a finite number.
inline std::optional<PixelSpan> mapTwipSpan(double a, double b, double pixelsPerTwip, int limit) {
    if (!std::isfinite(a) || !std::isfinite(b))
        return std::nullopt;
    const PixelSpan span{
        std::max(0, detail::pixelOf(std::min(a, b), pixelsPerTwip, limit)),
        std::min(limit - 1, detail::pixelOf(std::max(a, b), pixelsPerTwip, limit))};
    if (span.first > span.last)
        return std::nullopt;
    return span;
}

// A rectangle of pixels, all four edges included.
struct PixelBox {
    int left = 0;
    int top = 0;
    int right = -1;
    int bottom = -1;

    int width() const { return right - left + 1; }
    int height() const { return bottom - top + 1; }
    bool sameColumns(const PixelBox& other) const {
        return left == other.left && right == other.right;
    }
    friend bool operator==(const PixelBox&, const PixelBox&) = default;
};

// The pixels of the box with opposite corners (x1, y1) and (x2, y2), in
// twips, clipped to an image of `bounds` pixels. Empty when nothing of the
// box lies inside, or when a coordinate is not a finite number.
std::optional<PixelBox> mapTwipBox(double x1, double y1, double x2, double y2, double pixelsPerTwip,
                                   QSize bounds);

// For i = 0..limit: the smallest whole twip position that lies in pixel i or
// beyond, as mapTwipSpan maps a coordinate (before clipping). So the whole
// twip position y lies in pixel i exactly when starts[i] <= y < starts[i + 1]:
// comparisons of integers give the mapping of whole twips.
std::vector<long long> wholeTwipPixelStarts(double pixelsPerTwip, int limit);

// Sets every pixel of `box` (which must lie inside the image) to `value`,
// writing the 32-bit image memory directly. The image must have a 32-bit
// format and must not be shared (the caller detaches it first).
void fillPixelBox(QImage& image, const PixelBox& box, QRgb value);

// Fills the columns left..right of rows first..last, each row with its own
// value: rowValues[row]. A row whose value is 0 (transparent, which no box
// paints) is left as it is; neighbouring rows of one value are one fill. Same
// conditions on the image and the rows as fillPixelBox.
void fillPixelRows(QImage& image, int left, int right, const QRgb* rowValues, int first, int last);

} // namespace platform
