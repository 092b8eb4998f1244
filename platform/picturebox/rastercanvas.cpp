#include "picturebox/rastercanvas.h"

#include "picturebox/olecolor.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainter>
#include <algorithm>
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
