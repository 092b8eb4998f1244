#include "picturebox/rastercanvas.h"

#include "picturebox/olecolor.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainter>
#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>

namespace platform {

namespace {

constexpr double twipsPerInch = 1440.0;
constexpr double metresPerInch = 0.0254;

QImage::Format retainedFormat() {
    return QImage::Format_RGB32;
}
QImage::Format screenFormat() {
    return QImage::Format_ARGB32_Premultiplied;
}

} // namespace

RasterCanvas::RasterCanvas(double twipsPerPixel, double pixelRatio)
    : twipsPerPixel_(twipsPerPixel > 0 ? twipsPerPixel : 15.0)
    , pixelRatio_(pixelRatio > 0 ? pixelRatio : 1.0) {}

QColor RasterCanvas::opaque(QColor colour) {
    if (!colour.isValid())
        return QColor(0, 0, 0);
    colour.setAlpha(255);
    return colour;
}

QSize RasterCanvas::deviceSize() const {
    return QSize(static_cast<int>(std::ceil(size_.width() * pixelRatio_ - 1e-9)),
                 static_cast<int>(std::ceil(size_.height() * pixelRatio_ - 1e-9)));
}

// Fonts in points come out at the screen's logical size.
int RasterCanvas::dotsPerMetreForFonts() const {
    return static_cast<int>(std::lround(twipsPerInch / twipsPerPixel_ / metresPerInch));
}

QImage RasterCanvas::blankRetained(QSize devicePixels) const {
    QImage blank(devicePixels, retainedFormat());
    if (blank.isNull())
        return blank;
    const int dotsPerMetre = dotsPerMetreForFonts();
    blank.setDotsPerMeterX(dotsPerMetre);
    blank.setDotsPerMeterY(dotsPerMetre);
    blank.setDevicePixelRatio(pixelRatio_);
    blank.fill(backColor_.rgb());
    return blank;
}

// ------------------------------------------------------------- geometry

void RasterCanvas::resize(QSize logicalPixels) {
    flush();
    size_ = logicalPixels.expandedTo(QSize(0, 0));
    QImage resized = blankRetained(deviceSize());
    if (!resized.isNull() && !retained_.isNull()) {
        const int rows = std::min(resized.height(), retained_.height());
        const int rowBytes = std::min(resized.width(), retained_.width()) * int(sizeof(QRgb));
        for (int y = 0; y < rows; ++y)
            std::memcpy(resized.scanLine(y), retained_.constScanLine(y), size_t(rowBytes));
    }
    retained_ = resized;
    dropScreenLayer();
}

void RasterCanvas::setTwipsPerPixel(double twipsPerPixel) {
    if (twipsPerPixel <= 0 || twipsPerPixel == twipsPerPixel_)
        return;
    flush();
    twipsPerPixel_ = twipsPerPixel;
    const int dotsPerMetre = dotsPerMetreForFonts();
    retained_.setDotsPerMeterX(dotsPerMetre);
    retained_.setDotsPerMeterY(dotsPerMetre);
}

void RasterCanvas::setPixelRatio(double pixelRatio) {
    if (pixelRatio <= 0 || pixelRatio == pixelRatio_)
        return;
    flush();
    pixelRatio_ = pixelRatio;
    QImage rescaled = blankRetained(deviceSize());
    if (!rescaled.isNull() && !retained_.isNull()) {
        QPainter painter(&rescaled);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(QRectF(QPointF(0, 0), QSizeF(size_)), retained_);
    }
    retained_ = rescaled;
    dropScreenLayer();
}

double RasterCanvas::scaleHeight() {
    return size_.height() * twipsPerPixel_;
}
double RasterCanvas::scaleWidth() {
    return size_.width() * twipsPerPixel_;
}

// ------------------------------------------------------------- drawing

// Setting the value it already has changes nothing: what waits keeps waiting
// (the drawing procedure sets it before every gradient, right after a clear).
void RasterCanvas::setAutoRedraw(bool on) {
    if (on == autoRedraw_)
        return;
    flush();
    autoRedraw_ = on;
}

void RasterCanvas::lineBox(double x1, double y1, double x2, double y2, vb::OleColor colour) {
    if (!isSystemColour(colour)) {
        fillBox(x1, y1, x2, y2, plainOleToRgb(colour));
        return;
    }
    const std::optional<QColor> resolved = fromOleColor(colour);
    if (!resolved)
        vb::raiseError(vb::err::InvalidProcedureCall);
    fillBox(x1, y1, x2, y2, resolved->rgb());
}

void RasterCanvas::fillBox(double x1, double y1, double x2, double y2, QRgb colour) {
    currentX_ = x2;
    currentY_ = y2;
    const QRgb value = colour | 0xff000000u;
    if (autoRedraw_)
        dropScreenLayer();
    if (const auto box = mapTwipBox(x1, y1, x2, y2, pixelsPerTwip(), retained_.size()))
        queueBox(*box, value, !autoRedraw_);
}

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

void RasterCanvas::queueBox(const PixelBox& box, QRgb value, bool toScreen) {
    if (toScreen)
        beginScreenDrawing();
    QRgb* rows = pendingRowsFor(toScreen, box.left, box.right);
    const QImage& target = layer(toScreen);
    const bool fullWidth = box.left == 0 && box.right == target.width() - 1;
    noteRowsAfterClear(box.top, box.bottom, fullWidth, toScreen, target.height());
    notePendingRows(box.top, box.bottom);
    std::fill(rows + box.top, rows + box.bottom + 1, value);
}

// The row colours for boxes of these columns on this layer; boxes of other
// columns or of the other layer are painted first.
QRgb* RasterCanvas::pendingRowsFor(bool toScreen, int left, int right) {
    if (pending_.active &&
        (pending_.toScreen != toScreen || pending_.left != left || pending_.right != right))
        flushPendingRows();
    if (!pending_.active) {
        const auto height = static_cast<std::size_t>(layer(toScreen).height());
        if (rowValues_.size() < height)
            rowValues_.resize(height, 0);
        pending_ = PendingRows{true, toScreen, left, right, 0, -1};
    }
    return rowValues_.data();
}

inline void RasterCanvas::notePendingRows(int first, int last) {
    if (pending_.first > pending_.last) {
        pending_.first = first;
        pending_.last = last;
        return;
    }
    pending_.first = std::min(pending_.first, first);
    pending_.last = std::max(pending_.last, last);
}

// A full-width box that joins the painted rows at the top extends them; any
// other box needs the clear done first where it paints.
inline void RasterCanvas::noteRowsAfterClear(int top, int bottom, bool fullWidth, bool toScreen,
                                             int layerHeight) {
    WaitingClear& clear = waitingClear(toScreen);
    if (!clear.active)
        return;
    if (fullWidth && top <= clear.paintedTo) {
        clear.paintedTo = std::max(clear.paintedTo, bottom + 1);
        if (clear.paintedTo >= layerHeight)
            clear.active = false;
        return;
    }
    finishClear(toScreen);
}

// Clears the rows that no box has painted since the clear. The boxes since
// lie above them, so doing it now gives the same pixels as doing it first.
void RasterCanvas::finishClear(bool toScreen) {
    WaitingClear& clear = waitingClear(toScreen);
    if (!clear.active)
        return;
    clear.active = false;
    QImage& target = layer(toScreen);
    if (clear.paintedTo < target.height())
        fillPixelBox(target, PixelBox{0, clear.paintedTo, target.width() - 1, target.height() - 1},
                     clear.value);
}

// Each row once, in the colour of the last box over it.
void RasterCanvas::flushPendingRows() {
    if (!pending_.active)
        return;
    const PendingRows pending = pending_;
    pending_.active = false;
    if (pending.first > pending.last)
        return;
    fillPixelRows(layer(pending.toScreen), pending.left, pending.right, rowValues_.data(),
                  pending.first, pending.last);
    std::fill(rowValues_.begin() + pending.first, rowValues_.begin() + pending.last + 1, 0);
}

void RasterCanvas::flush() {
    flushPendingRows();
    finishClear(false);
    if (!screenEmpty_)
        finishClear(true);
}

// What was drawn on the screen alone is gone, with what waited to be.
void RasterCanvas::dropScreenLayer() {
    if (pending_.active && pending_.toScreen) {
        std::fill(rowValues_.begin() + pending_.first, rowValues_.begin() + pending_.last + 1, 0);
        pending_.active = false;
    }
    screenEmpty_ = true;
}

// The first drawing on the screen since it was last repainted starts from a
// transparent layer.
void RasterCanvas::beginScreenDrawing() {
    if (!screenEmpty_)
        return;
    if (screen_.size() != retained_.size() || screen_.devicePixelRatio() != pixelRatio_) {
        screen_ = QImage(retained_.size(), screenFormat());
        screen_.setDevicePixelRatio(pixelRatio_);
    }
    screen_.setDotsPerMeterX(retained_.dotsPerMeterX());
    screen_.setDotsPerMeterY(retained_.dotsPerMeterY());
    screenClear_ = WaitingClear{!screen_.isNull(), qRgba(0, 0, 0, 0), 0};
    screenEmpty_ = false;
}

void RasterCanvas::setBackColor(const QColor& colour) {
    flush();
    backColor_ = opaque(colour);
    if (!retained_.isNull())
        retained_.fill(backColor_.rgb());
    dropScreenLayer();
    currentX_ = 0;
    currentY_ = 0;
}

void RasterCanvas::cls() {
    flush();
    if (autoRedraw_ && !retained_.isNull())
        retainedClear_ = WaitingClear{true, backColor_.rgb(), 0};
    dropScreenLayer();
    currentX_ = 0;
    currentY_ = 0;
}

void RasterCanvas::print(const QString& text) {
    flush();
    // Text needs the font database, which exists only with an application.
    if (text.isEmpty() || qGuiApp == nullptr)
        return;
    if (autoRedraw_) {
        dropScreenLayer();
    } else {
        beginScreenDrawing();
        finishClear(true);
    }
    QImage& target = layer(!autoRedraw_);
    // An empty box still measures the text at the box's resolution.
    const QImage probe = target.isNull() ? blankRetained(QSize(1, 1)) : QImage();
    const QFontMetricsF metrics(font_, target.isNull() ? &probe : &target);
    const QPointF topLeft(currentX_ / twipsPerPixel_, currentY_ / twipsPerPixel_);
    if (!target.isNull()) {
        QPainter painter(&target);
        painter.setFont(font_);
        painter.setPen(foreColor_);
        painter.drawText(topLeft + QPointF(0, metrics.ascent()), text);
    }
    currentX_ += metrics.horizontalAdvance(text) * twipsPerPixel_;
}

void RasterCanvas::refresh() {
    flush();
    dropScreenLayer();
}

// ------------------------------------------------------------- observation

const QImage& RasterCanvas::image() {
    flush();
    return retained_;
}

QImage RasterCanvas::shownImage() {
    flush();
    QImage shown = retained_.copy();
    if (!screenEmpty_ && !shown.isNull()) {
        QPainter painter(&shown);
        painter.drawImage(QPointF(0, 0), screen_);
    }
    return shown;
}

void RasterCanvas::paint(QPainter& painter, QPointF topLeft) {
    flush();
    painter.drawImage(topLeft, retained_);
    if (!screenEmpty_)
        painter.drawImage(topLeft, screen_);
}

bool RasterCanvas::saveBmp(const QString& path) {
    flush();
    if (retained_.isNull())
        return false;
    return retained_.convertToFormat(QImage::Format_RGB888).save(path, "BMP");
}

} // namespace platform
