// The fade-text control's property set: the set-up of a new control, and
// reading and writing the host's property bag, each in its fixed key order.

#include "velmira.h"

#include "hosting/fontrecord.h"
#include "hosting/propertybag.h"
#include "picturebox/olecolor.h"
#include "picturebox/picturebox.h"

namespace {

const QString enabledKey = QStringLiteral("Enabled");
const QString backColorKey = QStringLiteral("BackColor");
const QString color1Key = QStringLiteral("Color1");
const QString color2Key = QStringLiteral("Color2");
const QString fontBoldKey = QStringLiteral("FontBold");
const QString fontItalicKey = QStringLiteral("FontItalic");
const QString fontKey = QStringLiteral("Font");
const QString captionKey = QStringLiteral("Caption");
const QString fontUnderlineKey = QStringLiteral("FontUnderline");
const QString alignKey = QStringLiteral("Align");
const QString borderStyleKey = QStringLiteral("BorderStyle");

constexpr bool defaultEnabled = true;
constexpr vb::OleColor defaultBackColor = platform::ButtonFace;
constexpr vb::OleColor defaultColor1 = 0x0000FF; // red
constexpr vb::OleColor defaultColor2 = 0x000000; // black
const QString defaultCaption = QStringLiteral("Dev Fade");
constexpr vb::Integer defaultAlign = 0;
constexpr vb::Integer defaultBorderStyle = 0;

// A stored font is named "Arial" by default; the rest is the design-time font.
platform::FontRecord defaultFont() {
    return platform::FontRecord::named(QStringLiteral("Arial"), 9.75);
}

// Docking values: none, top, bottom, left, right.
constexpr vb::Integer lastAlign = 4;

} // namespace

void Velmira::initProperties() {
    storeCaption(QStringLiteral("Brantel Quintaro"));
    color1_ = 0x000000; // black
    color2_ = 0xFF0000; // blue
}

void Velmira::setPictureFontFlag(void (QFont::*setter)(bool), bool on) {
    QFont font = pic1_->font();
    (font.*setter)(on);
    pic1_->setFont(font);
}

void Velmira::setAlign(vb::Integer align) {
    if (align < 0 || align > lastAlign)
        vb::raiseError(vb::err::InvalidPropertyValue);
    align_ = align;
}

// No error handling of its own: the first value that does not convert or
// apply ends the load with its error, and the entries after it are not read.
void Velmira::readProperties(platform::PropertyBag& bag) {
    setEnabled(bag.readBoolean(enabledKey, defaultEnabled));
    pic1_->setBackColor(bag.readColor(backColorKey, defaultBackColor));
    const vb::OleColor first = bag.readColor(color1Key, defaultColor1);
    currentRgb(first);
    color1_ = first;
    const vb::OleColor second = bag.readColor(color2Key, defaultColor2);
    currentRgb(second);
    color2_ = second;
    setPictureFontFlag(&QFont::setBold, bag.readBoolean(fontBoldKey, false));
    setPictureFontFlag(&QFont::setItalic, bag.readBoolean(fontItalicKey, false));
    readFontProperties(bag);
}

// The font, then what follows it in the set.
void Velmira::readFontProperties(platform::PropertyBag& bag) {
    const platform::FontRecord font = bag.readFont(fontKey, defaultFont());
    pic1_->setFont(font.toQFont());
    fontCharset_ = font.charset;
    // Stored as read: the length test of the Caption property is not applied.
    storeCaption(bag.readString(captionKey, defaultCaption));
    setPictureFontFlag(&QFont::setUnderline, bag.readBoolean(fontUnderlineKey, false));
    setAlign(bag.readInteger(alignKey, defaultAlign));
    pic1_->setBorderStyle(bag.readInteger(borderStyleKey, defaultBorderStyle));
}

void Velmira::writeProperties(platform::PropertyBag& bag) {
    const platform::FontRecord font = platform::FontRecord::fromQFont(pic1_->font(), fontCharset_);
    bag.writeBoolean(enabledKey, isControlEnabled(), defaultEnabled);
    bag.writeColor(color1Key, color1_, defaultColor1);
    bag.writeColor(color2Key, color2_, defaultColor2);
    bag.writeColor(backColorKey, pic1_->backColor(), defaultBackColor);
    bag.writeBoolean(fontBoldKey, font.bold, false);
    bag.writeBoolean(fontItalicKey, font.italic, false);
    bag.writeBoolean(fontUnderlineKey, font.underline, false);
    bag.writeFont(fontKey, font, defaultFont());
    bag.writeString(captionKey, caption_, defaultCaption);
    bag.writeInteger(alignKey, align_, defaultAlign);
    bag.writeInteger(borderStyleKey, borderStyle(), defaultBorderStyle);
}
