#include "widgets/clickframe.h"

#include <QEnterEvent>
#include <QMouseEvent>

namespace platform {

ClickFrame::ClickFrame(QWidget* parent)
    : QFrame(parent) {
    setFrameShape(QFrame::Panel);
    setLineWidth(1);
    setAttribute(Qt::WA_Hover);
    updateLook();
}

void ClickFrame::setContent(QWidget* content) {
    content_ = content;
    if (content_) {
        content_->setParent(this);
        content_->show();
    }
    placeContent();
}

void ClickFrame::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        pressed_ = true;
        updateLook();
    }
    QFrame::mousePressEvent(event);
}

void ClickFrame::mouseReleaseEvent(QMouseEvent* event) {
    const bool wasPressed = pressed_;
    if (event->button() == Qt::LeftButton) {
        pressed_ = false;
        updateLook();
    }
    QFrame::mouseReleaseEvent(event);
    if (wasPressed && event->button() == Qt::LeftButton &&
        rect().contains(event->position().toPoint()))
        emit clicked();
}

void ClickFrame::enterEvent(QEnterEvent* event) {
    hovered_ = true;
    updateLook();
    QFrame::enterEvent(event);
}

void ClickFrame::leaveEvent(QEvent* event) {
    hovered_ = false;
    updateLook();
    QFrame::leaveEvent(event);
}

void ClickFrame::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    placeContent();
}

void ClickFrame::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange)
        updateLook();
    QFrame::changeEvent(event);
}

void ClickFrame::updateLook() {
    // Flat at rest, raised under the mouse, sunken while pressed: the look of
    // a toolbar button.
    if (pressed_)
        setFrameShadow(QFrame::Sunken);
    else if (hovered_ && isEnabled())
        setFrameShadow(QFrame::Raised);
    else
        setFrameShadow(QFrame::Plain);
    setFrameShape(hovered_ || pressed_ ? QFrame::Panel : QFrame::NoFrame);
    placeContent();
}

void ClickFrame::placeContent() {
    if (!content_)
        return;
    // The edge takes the same room in every state, so the content never moves.
    constexpr int edge = 2;
    content_->setGeometry(rect().adjusted(edge, edge, -edge, -edge));
}

} // namespace platform
