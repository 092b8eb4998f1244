#include "linklabel.h"

#include "picturebox/olecolor.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPalette>
#include <QStringList>

#include <algorithm>

namespace linklabel {

namespace {

int buttonValue(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton:
        return 1;
    case Qt::RightButton:
        return 2;
    case Qt::MiddleButton:
        return 4;
    default:
        return 0;
    }
}

Qt::Alignment qtAlignment(vb::Integer alignment) {
    switch (alignment) {
    case 1:
        return Qt::AlignRight | Qt::AlignTop;
    case 2:
        return Qt::AlignHCenter | Qt::AlignTop;
    default:
        return Qt::AlignLeft | Qt::AlignTop;
    }
}

} // namespace

QSize textExtent(const QFont& font, const QString& text) {
    const QFontMetrics metrics(font);
    const QStringList lines = text.split(QLatin1Char('\n'));
    int width = 0;
    for (const QString& line : lines)
        width = std::max(width, metrics.horizontalAdvance(line));
    return {width, metrics.height() * static_cast<int>(lines.size())};
}

LinkLabel::LinkLabel(QWidget* parent)
    : QLabel(parent) {
    // The caption is shown as written, tags and all, as it is measured.
    setTextFormat(Qt::PlainText);
    setAlignment(qtAlignment(textAlignment_));
    setForeColor(foreColor_);
}

void LinkLabel::setCaption(const QString& caption) {
    setText(caption);
    if (autoSize_)
        fitToCaption();
}

void LinkLabel::setForeColor(vb::OleColor colour) {
    foreColor_ = colour;
    // A system colour index we do not know paints as plain black.
    const QColor shown = platform::fromOleColor(colour, palette()).value_or(QColor(Qt::black));
    QPalette colours = palette();
    colours.setColor(QPalette::Active, QPalette::WindowText, shown);
    colours.setColor(QPalette::Inactive, QPalette::WindowText, shown);
    setPalette(colours);
}

void LinkLabel::setTextAlignment(vb::Integer alignment) {
    if (alignment < 0 || alignment > 2)
        vb::raiseError(vb::err::InvalidPropertyValue);
    textAlignment_ = alignment;
    setAlignment(qtAlignment(alignment));
}

void LinkLabel::setAutoSize(bool autoSize) {
    autoSize_ = autoSize;
    if (autoSize_)
        fitToCaption();
}

void LinkLabel::fitToCaption() {
    const QSize extent = textExtent(font(), text());
    if (size() != extent)
        resize(extent);
}

// An auto-sized label keeps fitting its caption whatever sizes it, so that a
// control that follows its label is not held at the size its host gave it.
void LinkLabel::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    if (autoSize_)
        fitToCaption();
}

void LinkLabel::mousePressEvent(QMouseEvent* event) {
    event->accept();
    emit pressed(buttonValue(event->button()));
}

// The second press of a double-click is the double-click, not a new press:
// a double-click opens the link once. Other buttons press as usual.
void LinkLabel::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        mousePressEvent(event);
        return;
    }
    event->accept();
}

} // namespace linklabel
