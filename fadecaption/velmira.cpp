#include "velmira.h"

#include "canvasadapters.h"
#include "fadetext.h"
#include "hosting/valueconversion.h"
#include "picturebox/olecolor.h"
#include "picturebox/picturebox.h"
#include "services/messagebox.h"

#include <QResizeEvent>
#include <QShowEvent>

#include <cmath>

namespace {

// Where the caption starts on Pic1, in twips inside its border.
constexpr vb::Single captionX = 20;
constexpr vb::Single captionY = 20;

// Sizes the control and Pic1 have when placed, in twips.
constexpr double designWidth = 2460;
constexpr double designHeight = 330;
constexpr double designPictureWidth = 2295;
constexpr double designPictureHeight = 255;

[[noreturn]] void invalidValue() {
    vb::raiseError(vb::err::InvalidPropertyValue);
}

using MouseSignal = void (Velmira::*)(vb::Integer&, vb::Integer&, vb::Single&, vb::Single&);
using PictureMouseSignal = void (platform::PictureBox::*)(short, short, float, float);

} // namespace

Velmira::Velmira(QWidget* parent)
    : QWidget(parent)
    , pic1_(new platform::PictureBox(this)) {
    pic1_->setObjectName(QStringLiteral("Pic1"));
    pic1_->setAutoRedraw(true);
    QFont designFont(QStringLiteral("Arial"));
    designFont.setPointSizeF(9.75);
    pic1_->setFont(designFont);
    const double twips = pic1_->twipsPerPixel();
    pic1_->setGeometry(0, 0, static_cast<int>(std::lround(designPictureWidth / twips)),
                       static_cast<int>(std::lround(designPictureHeight / twips)));
    resize(static_cast<int>(std::lround(designWidth / twips)),
           static_cast<int>(std::lround(designHeight / twips)));
    connectPictureEvents();
}

// ------------------------------------------------------------- events

void Velmira::connectPictureEvents() {
    const auto forward = [this](PictureMouseSignal from, MouseSignal to) {
        connect(pic1_, from, this, [this, to](short button, short shift, float x, float y) {
            vb::Integer buttonArg = button;
            vb::Integer shiftArg = shift;
            vb::Single xArg = x;
            vb::Single yArg = y;
            emit(this->*to)(buttonArg, shiftArg, xArg, yArg);
        });
    };
    forward(&platform::PictureBox::mouseDown, &Velmira::MouseDown);
    forward(&platform::PictureBox::mouseMove, &Velmira::MouseMove);
    forward(&platform::PictureBox::mouseUp, &Velmira::MouseUp);
    connect(pic1_, &platform::PictureBox::click, this, &Velmira::Click);
    connect(pic1_, &platform::PictureBox::dblClick, this, &Velmira::DblClick);
}

void Velmira::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    pic1_->setGeometry(0, 0, width(), height());
    try {
        clearAndPaint();
    } catch (const vb::RuntimeError& error) {
        reportError(error);
    }
}

void Velmira::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // Onto a cleared picture: smoothed text printed over itself grows
    // bolder at every show. Printed once, the picture is what it was.
    try {
        clearAndPaint();
    } catch (const vb::RuntimeError& error) {
        reportError(error);
    }
}

// ------------------------------------------------------------- painting

vb::OleColor Velmira::currentRgb(vb::OleColor colour) const {
    const std::optional<QColor> resolved = platform::fromOleColor(colour, pic1_->palette());
    if (!resolved)
        invalidValue();
    return platform::toOleColor(*resolved);
}

void Velmira::FadeTxT(QObject* canvas, float start_x, float start_y, const QString& txt) {
    const vb::OleColor first = currentRgb(color1_);
    const vb::OleColor second = currentRgb(color2_);
    const std::unique_ptr<fadecaption::TextCanvas> target = fadecaption::canvasFor(canvas);
    fadecaption::fadeText(*target, start_x, start_y, txt, first, second);
}

void Velmira::paintCaption() {
    FadeTxT(pic1_, captionX, captionY, caption_);
}

// The caption is also the control's name for screen readers, whatever the
// host: the painted text is not otherwise readable.
void Velmira::storeCaption(const QString& caption) {
    caption_ = caption;
    setAccessibleName(caption.simplified());
}

void Velmira::clearAndPaint() {
    pic1_->cls();
    paintCaption();
}

void Velmira::Refresh() {
    clearAndPaint();
    pic1_->refresh();
}

// ------------------------------------------------------------- properties

bool Velmira::isControlEnabled() const {
    // The control's own state, whatever its host window's.
    return !testAttribute(Qt::WA_ForceDisabled);
}

void Velmira::setControlEnabled(bool enabled) {
    setEnabled(enabled);
    pic1_->setEnabled(enabled);
    propertyChanged(QStringLiteral("Enabled"));
}

void Velmira::setColor1(vb::OleColor colour) {
    currentRgb(colour);
    color1_ = colour;
    Refresh();
}

void Velmira::setColor2(vb::OleColor colour) {
    currentRgb(colour);
    color2_ = colour;
    Refresh();
}

QFont Velmira::captionFont() const {
    return pic1_->font();
}

void Velmira::setCaptionFont(const QFont& font) {
    pic1_->setFont(font);
    propertyChanged(QStringLiteral("Font"));
    clearAndPaint();
}

namespace {
bool isBold(const QFont& font) {
    return font.weight() >= QFont::DemiBold;
}
} // namespace

// Reading a font flag repaints the caption before the flag is returned.
bool Velmira::fontBold() {
    const bool bold = isBold(pic1_->font());
    Refresh();
    return bold;
}

bool Velmira::fontItalic() {
    const bool italic = pic1_->font().italic();
    Refresh();
    return italic;
}

bool Velmira::fontUnderline() {
    const bool underline = pic1_->font().underline();
    Refresh();
    return underline;
}

void Velmira::setCaption(const QVariant& caption) {
    // Null has no text at all; anything else its text form (a number's digits).
    const bool isNull = caption.metaType().id() == QMetaType::Nullptr;
    const QString text =
        isNull ? QString()
               : platform::convertValue(caption, QMetaType::fromType<QString>()).toString();
    if (isNull || fadecaption::fadeCharacters(text).size() < 2) {
        msgBox(QStringLiteral("Caption must contain 2 or more characters."),
               platform::msgbox::OkOnly | platform::msgbox::Critical, QStringLiteral("Error"));
        return;
    }
    storeCaption(text);
    clearAndPaint();
}

vb::Integer Velmira::borderStyle() const {
    return static_cast<vb::Integer>(pic1_->borderStyle());
}

void Velmira::setBorderStyle(vb::Integer style) {
    pic1_->setBorderStyle(style);
    propertyChanged(QStringLiteral("BorderStyle"));
}

vb::OleColor Velmira::backColor() const {
    return pic1_->backColor();
}

void Velmira::setBackColor(vb::OleColor colour) {
    pic1_->setBackColor(colour);
    propertyChanged(QStringLiteral("BackColor"));
}
