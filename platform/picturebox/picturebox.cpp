#include "picturebox/picturebox.h"

#include "picturebox/olecolor.h"

#include <QMouseEvent>
#include <QPainter>
#include <QShowEvent>
#include <cmath>
#include <qdrawutil.h>

namespace platform {

namespace {

constexpr double twipsPerInch = 1440.0;
constexpr int frameWidth = 2;
constexpr int invalidPropertyValue = 380;

QColor resolveOrRaise(vb::OleColor colour, const QPalette& palette) {
    if (!isSystemColour(colour))
        return QColor::fromRgb(plainOleToRgb(colour));
    const std::optional<QColor> resolved = fromOleColor(colour, palette);
    if (!resolved)
        throw vb::RuntimeError(invalidPropertyValue, "Invalid property value");
    return *resolved;
}

short buttonBits(Qt::MouseButtons buttons) {
    short bits = 0;
    if (buttons & Qt::LeftButton)
        bits |= 1;
    if (buttons & Qt::RightButton)
        bits |= 2;
    if (buttons & Qt::MiddleButton)
        bits |= 4;
    return bits;
}

short shiftBits(Qt::KeyboardModifiers modifiers) {
    short bits = 0;
    if (modifiers & Qt::ShiftModifier)
        bits |= 1;
    if (modifiers & Qt::ControlModifier)
        bits |= 2;
    if (modifiers & Qt::AltModifier)
        bits |= 4;
    return bits;
}

} // namespace

PictureBox::PictureBox(QWidget* parent)
    : QWidget(parent)
    , backColor_(ButtonFace)
    , foreColor_(ButtonText) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    syncScreen();
    canvas_.setFont(font());
    canvas_.setForeColor(resolveOrRaise(foreColor_, palette()));
    canvas_.setBackColor(resolveOrRaise(backColor_, palette()));
    syncSize();
}

// ------------------------------------------------------------- geometry

int PictureBox::borderWidth() const {
    return borderStyle_ == 1 ? frameWidth : 0;
}

QSize PictureBox::innerSize() const {
    const int border = 2 * borderWidth();
    return QSize(std::max(0, width() - border), std::max(0, height() - border));
}

// A hidden widget gets its resize event only when shown; drawing on it
// before that must already see the new size.
void PictureBox::syncSize() {
    const QSize inner = innerSize();
    if (canvas_.size() != inner)
        canvas_.resize(inner);
}

void PictureBox::syncScreen() {
    const int dpi = logicalDpiY();
    if (dpi > 0)
        canvas_.setTwipsPerPixel(twipsPerInch / dpi);
    canvas_.setPixelRatio(pixelRatioOverride_ > 0 ? pixelRatioOverride_ : devicePixelRatioF());
}

void PictureBox::setWidthTwips(double twips) {
    resize(static_cast<int>(std::lround(std::max(0.0, twips) / twipsPerPixel())), height());
    syncSize();
}

void PictureBox::setHeightTwips(double twips) {
    resize(width(), static_cast<int>(std::lround(std::max(0.0, twips) / twipsPerPixel())));
    syncSize();
}

void PictureBox::setPixelRatioOverride(double ratio) {
    pixelRatioOverride_ = ratio > 0 ? ratio : 0;
    syncScreen();
    scheduleUpdate();
}

double PictureBox::scaleHeight() {
    syncSize();
    return canvas_.scaleHeight();
}

double PictureBox::scaleWidth() {
    syncSize();
    return canvas_.scaleWidth();
}

// ------------------------------------------------------------- drawing

void PictureBox::setAutoRedraw(bool on) {
    canvas_.setAutoRedraw(on);
}

void PictureBox::lineBox(double x1, double y1, double x2, double y2, vb::OleColor colour) {
    syncSize();
    const QRgb rgb =
        isSystemColour(colour) ? resolveOrRaise(colour, palette()).rgb() : plainOleToRgb(colour);
    canvas_.fillBox(x1, y1, x2, y2, rgb);
    scheduleUpdate();
}

void PictureBox::lineBands(const vb::BandRun& run, const vb::BandColours& colours) noexcept {
    syncSize();
    canvas_.fillBands(run, colours, &palette());
    scheduleUpdate();
}

void PictureBox::setBackColor(vb::OleColor colour) {
    const QColor resolved = resolveOrRaise(colour, palette());
    backColor_ = colour;
    syncSize();
    canvas_.setBackColor(resolved);
    scheduleUpdate();
}

void PictureBox::setForeColor(vb::OleColor colour) {
    canvas_.setForeColor(resolveOrRaise(colour, palette()));
    foreColor_ = colour;
}

void PictureBox::setBorderStyle(int style) {
    if (style != 0 && style != 1)
        throw vb::RuntimeError(invalidPropertyValue, "Invalid property value");
    borderStyle_ = style;
    syncSize();
    scheduleUpdate();
}

void PictureBox::cls() {
    syncSize();
    canvas_.cls();
    scheduleUpdate();
}

void PictureBox::print(const QString& text) {
    syncSize();
    canvas_.print(text);
    scheduleUpdate();
}

void PictureBox::refresh() {
    syncSize();
    canvas_.refresh();
    updateScheduled_ = false;
    repaint();
}

QImage PictureBox::image() {
    syncSize();
    return canvas_.image();
}

QImage PictureBox::shownImage() {
    syncSize();
    return canvas_.shownImage();
}

bool PictureBox::saveBmp(const QString& path) {
    syncSize();
    return canvas_.saveBmp(path);
}

// Many boxes in one handler make one repaint, after the handler returns.
void PictureBox::scheduleUpdate() {
    if (updateScheduled_)
        return;
    updateScheduled_ = true;
    update();
}

// ------------------------------------------------------------- events

void PictureBox::paintEvent(QPaintEvent*) {
    updateScheduled_ = false;
    syncScreen();
    syncSize();
    QPainter painter(this);
    if (borderWidth() > 0)
        qDrawWinPanel(&painter, rect(), palette(), true);
    canvas_.paint(painter, QPointF(borderWidth(), borderWidth()));
}

void PictureBox::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    syncSize();
}

void PictureBox::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    syncScreen();
    syncSize();
    // Shown again: the screen shows only what the box retained.
    canvas_.refresh();
}

void PictureBox::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        canvas_.setFont(font());
    } else if (event->type() == QEvent::PaletteChange) {
        // System colours follow the desktop: later drawing uses the new ones.
        if (const auto fore = fromOleColor(foreColor_, palette()))
            canvas_.setForeColor(*fore);
        if (const auto back = fromOleColor(backColor_, palette()))
            canvas_.adoptBackColor(*back);
    }
}

void PictureBox::emitMouse(void (PictureBox::*signal)(short, short, float, float), short button,
                           const QMouseEvent* event) {
    const QPointF inner = event->position() - QPointF(borderWidth(), borderWidth());
    const double twips = twipsPerPixel();
    emit(this->*signal)(button, shiftBits(event->modifiers()),
                        static_cast<float>(inner.x() * twips),
                        static_cast<float>(inner.y() * twips));
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        leftPressed_ = true;
    emitMouse(&PictureBox::mouseDown, buttonBits(event->button()), event);
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
    emitMouse(&PictureBox::mouseUp, buttonBits(event->button()), event);
    if (event->button() != Qt::LeftButton)
        return;
    const bool clicked =
        leftPressed_ && !releaseEndsDoubleClick_ && rect().contains(event->position().toPoint());
    leftPressed_ = false;
    releaseEndsDoubleClick_ = false;
    if (clicked)
        emit click();
}

// The second press of a double-click raises DblClick in place of MouseDown,
// and its release raises MouseUp without another Click.
void PictureBox::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        mousePressEvent(event);
        return;
    }
    leftPressed_ = true;
    releaseEndsDoubleClick_ = true;
    emit dblClick();
}

void PictureBox::mouseMoveEvent(QMouseEvent* event) {
    emitMouse(&PictureBox::mouseMove, buttonBits(event->buttons()), event);
}

} // namespace platform
