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
#include <optional>

namespace platform {

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

// Sets every pixel of `box` (which must lie inside the image) to `value`,
// writing the 32-bit image memory directly. The image must have a 32-bit
// format and must not be shared (the caller detaches it first).
void fillPixelBox(QImage& image, const PixelBox& box, QRgb value);

} // namespace platform
