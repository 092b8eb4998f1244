#include "picturebox/pixelbox.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace platform {

namespace {

// Writes n copies of value with wide stores only (a fill must not read back
// what it wrote). Rows of a box start anywhere: the first and the last eight
// pixels are written with unaligned stores, everything between with stores
// aligned to 32 bytes, so that no other store splits a cache line. On x86-64
// a second copy uses the 32-byte stores of AVX2 where the processor has them,
// as Qt's own fill does.
#if defined(__x86_64__) && defined(__GNUC__)
__attribute__((target_clones("avx2", "default")))
#endif
void fillRun(QRgb* out, qsizetype n, QRgb value) {
    using Pixels8 = QRgb __attribute__((vector_size(8 * sizeof(QRgb))));
    constexpr std::uintptr_t alignment = sizeof(Pixels8);
    if (n < 8) {
        for (qsizetype i = 0; i < n; ++i)
            out[i] = value;
        return;
    }
    const Pixels8 eight = {value, value, value, value, value, value, value, value};
    QRgb* const end = out + n;
    std::memcpy(out, &eight, sizeof eight);
    auto* wide = reinterpret_cast<Pixels8*>((reinterpret_cast<std::uintptr_t>(out) + alignment) &
                                            ~(alignment - 1));
    auto* const wideEnd =
        reinterpret_cast<Pixels8*>(reinterpret_cast<std::uintptr_t>(end) & ~(alignment - 1));
    for (; wideEnd - wide >= 4; wide += 4) {
        wide[0] = eight;
        wide[1] = eight;
        wide[2] = eight;
        wide[3] = eight;
    }
    for (; wide < wideEnd; ++wide)
        *wide = eight;
    std::memcpy(end - 8, &eight, sizeof eight);
}

} // namespace

std::optional<PixelBox> mapTwipBox(double x1, double y1, double x2, double y2, double pixelsPerTwip,
                                   QSize bounds) {
    if (bounds.isEmpty())
        return std::nullopt;
    const auto columns = mapTwipSpan(x1, x2, pixelsPerTwip, bounds.width());
    if (!columns)
        return std::nullopt;
    const auto rows = mapTwipSpan(y1, y2, pixelsPerTwip, bounds.height());
    if (!rows)
        return std::nullopt;
    return PixelBox{columns->first, rows->first, columns->last, rows->last};
}

std::vector<long long> wholeTwipPixelStarts(double pixelsPerTwip, int limit) {
    std::vector<long long> starts(static_cast<std::size_t>(std::max(limit, 0)) + 1);
    const auto pixel = [&](long long y) {
        return detail::pixelOf(static_cast<double>(y), pixelsPerTwip, limit);
    };
    for (int i = 0; i <= limit; ++i) {
        // A first guess, then the mapping itself decides.
        auto y = static_cast<long long>(std::ceil(i / pixelsPerTwip));
        while (pixel(y - 1) >= i)
            --y;
        while (pixel(y) < i)
            ++y;
        starts[static_cast<std::size_t>(i)] = y;
    }
    return starts;
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

void fillPixelRows(QImage& image, int left, int right, const QRgb* rowValues, int first, int last) {
    if (first > last || left > right)
        return;
    const qsizetype stride = image.bytesPerLine();
    uchar* const bits = image.bits();
    const qsizetype width = right - left + 1;
    const bool wholeRows = width * qsizetype(sizeof(QRgb)) == stride;
    for (int row = first; row <= last;) {
        const QRgb value = rowValues[row];
        int end = row + 1;
        while (end <= last && rowValues[end] == value)
            ++end;
        if (value != 0) {
            uchar* const start = bits + row * stride + left * qsizetype(sizeof(QRgb));
            if (wholeRows)
                fillRun(reinterpret_cast<QRgb*>(start), width * (end - row), value);
            else
                for (int r = row; r < end; ++r)
                    fillRun(reinterpret_cast<QRgb*>(start + (r - row) * stride), width, value);
        }
        row = end;
    }
}

} // namespace platform
