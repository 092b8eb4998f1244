// The bands of a gradient on the canvas: runs of bands painted as box by box
// painting would paint them, with the rows of a downward run resolved one by
// one (see Speed in rastercanvas.h).

#include "picturebox/olecolor.h"
#include "picturebox/rastercanvas.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace platform {

void RasterCanvas::lineBands(const vb::BandRun& run, const vb::BandColours& colours) noexcept {
    fillBands(run, colours, nullptr);
}

namespace {

// The pixel values of a run's bands, each formed once when first asked for
// (the rows of one band ask one after the other). Empty for a band without a
// colour, or with a system colour that the palette does not know: as its Line
// call would fail, that band is skipped.
class BandValues {
public:
    BandValues(const vb::BandColours& colours, const QPalette* palette)
        : colours_(colours)
        , palette_(palette) {}

    bool value(std::size_t k, QRgb& value) {
        if (k != asked_) {
            asked_ = k;
            known_ = form(k, value_);
        }
        value = value_;
        return known_;
    }

private:
    bool form(std::size_t k, QRgb& value) const {
        vb::OleColor colour = 0;
        if (!colours_.colour(k, colour))
            return false;
        if (!isSystemColour(colour)) {
            value = plainOleToRgb(colour);
            return true;
        }
        const std::optional<QColor> resolved =
            palette_ ? fromOleColor(colour, *palette_) : fromOleColor(colour);
        if (resolved)
            value = resolved->rgb() | 0xff000000u;
        return resolved.has_value();
    }

    const vb::BandColours& colours_;
    const QPalette* palette_;
    std::size_t asked_ = SIZE_MAX;
    QRgb value_ = 0;
    bool known_ = false;
};

// Bands moving down in whole twips, each box from its top down: the bands
// over a row are then consecutive, the last of them the one that shows.
bool runsDownwardInWholeTwips(const vb::BandRun& run) {
    constexpr double exact = 4503599627370496.0; // 2^52: whole numbers stay exact
    const auto whole = [](double v) { return std::trunc(v) == v; };
    return run.count > 0 && run.stride > 0 && run.height >= 0 && std::isfinite(run.x1) &&
           std::isfinite(run.x2) && whole(run.top) && whole(run.stride) && whole(run.height) &&
           std::fabs(run.top) < exact && std::fabs(run.y2(run.count - 1)) < exact;
}

// The bands of such a run against the rows, with the rows' starting twips:
// band k starts by row r when its top lies before starts[r + 1], and reaches
// row r when its bottom lies at or after starts[r]. Integer comparisons only.
class BandRows {
public:
    BandRows(const vb::BandRun& run, std::size_t end, const long long* starts)
        : top_(static_cast<long long>(run.top))
        , stride_(static_cast<long long>(run.stride))
        , height_(static_cast<long long>(run.height))
        , end_(static_cast<long long>(end))
        , bandsPerTwip_(1.0 / run.stride)
        , starts_(starts) {}

    bool reaches(long long k, int row) const { return y1(k) + height_ >= starts_[row]; }

    // The last band starting by the row, -1 when none does; rows are asked in
    // increasing order. A first guess, then the comparisons decide.
    long long lastStartingBy(int row) {
        const long long before = starts_[row + 1];
        const double guess = static_cast<double>(before - 1 - top_) * bandsPerTwip_;
        long long k = guess <= static_cast<double>(last_)  ? last_
                      : guess >= static_cast<double>(end_) ? end_ - 1
                                                           : static_cast<long long>(guess);
        while (k + 1 < end_ && y1(k + 1) < before)
            ++k;
        while (k > last_ && y1(k) >= before)
            --k;
        last_ = k;
        return k;
    }

private:
    long long y1(long long k) const { return top_ + k * stride_; }

    long long top_;
    long long stride_;
    long long height_;
    long long end_;
    double bandsPerTwip_;
    const long long* starts_;
    long long last_ = -1;
};

} // namespace

void RasterCanvas::fillBands(const vb::BandRun& run, const vb::BandColours& colours,
                             const QPalette* palette) noexcept {
    BandValues values(colours, palette);
    try {
        if (runsDownwardInWholeTwips(run) && !retained_.isNull())
            fillBandsDownward(run, values);
        else
            fillEachBand(run, values);
    } catch (...) {
        // out of memory for the row colours: the bands are not painted
    }
}

template <typename Values> void RasterCanvas::fillEachBand(const vb::BandRun& run, Values& values) {
    for (std::size_t k = 0; k < run.count; ++k) {
        QRgb value = 0;
        if (values.value(k, value))
            fillBox(run.x1, run.y1(k), run.x2, run.y2(k), value);
    }
}

// The bands of a downward run resolved row by row: each pixel row gets the
// colour of the last band over it that has one, and nothing else is formed or
// mapped. Everything else as fillBox on each band would do it: the print
// position, the screen layer, the waiting clear.
template <typename Values>
void RasterCanvas::fillBandsDownward(const vb::BandRun& run, Values& values) {
    // The last band with a colour makes the last Line call.
    std::size_t end = run.count;
    QRgb value = 0;
    while (end > 0 && !values.value(end - 1, value))
        --end;
    if (end == 0)
        return;
    currentX_ = run.x2;
    currentY_ = run.y2(end - 1);
    if (autoRedraw_)
        dropScreenLayer();
    const bool toScreen = !autoRedraw_;
    const QSize bounds = retained_.size();
    const auto columns = mapTwipSpan(run.x1, run.x2, pixelsPerTwip(), bounds.width());
    if (!columns)
        return;
    const int height = bounds.height();
    const auto pixel = [&](double c) { return detail::pixelOf(c, pixelsPerTwip(), height); };
    const int firstRow = std::max(0, pixel(run.y1(0)));
    const int lastRow = std::min(height - 1, pixel(run.y2(end - 1)));
    BandRows bands(run, end, pixelStarts(height).data());
    const bool fullWidth = columns->first == 0 && columns->last == bounds.width() - 1;
    const WaitingClear& clear = waitingClear(toScreen);
    QRgb* rows = nullptr;
    int painted = lastRow + 1; // the first row painted
    // Boxes that reach the next band's top leave no row between them: the
    // last band starting by a row is over it.
    const bool abutting = run.height >= run.stride;
    for (int row = firstRow; row <= lastRow; ++row) {
        long long k = bands.lastStartingBy(row);
        bool shown = k >= 0 && (abutting || bands.reaches(k, row)) &&
                     values.value(static_cast<std::size_t>(k), value);
        // Without a colour, an earlier band over the row shows.
        for (--k; !shown && k >= 0 && bands.reaches(k, row); --k)
            shown = values.value(static_cast<std::size_t>(k), value);
        if (!shown)
            continue; // no band over this row, or none with a colour
        if (!rows) {
            if (toScreen)
                beginScreenDrawing();
            rows = pendingRowsFor(toScreen, columns->first, columns->last);
            painted = row;
        }
        if (clear.active)
            noteRowsAfterClear(row, row, fullWidth, toScreen, height);
        rows[row] = value;
    }
    if (rows)
        notePendingRows(painted, lastRow);
}

// The starting twips of the rows of a layer `height` rows high, kept while the
// scale stays (a preview is painted again and again).
const std::vector<long long>& RasterCanvas::pixelStarts(int height) {
    if (pixelStartsHeight_ != height || pixelStartsScale_ != pixelsPerTwip()) {
        pixelStarts_ = wholeTwipPixelStarts(pixelsPerTwip(), height);
        pixelStartsHeight_ = height;
        pixelStartsScale_ = pixelsPerTwip();
    }
    return pixelStarts_;
}

} // namespace platform
