#include "window/captionlabel.h"

#include <QMouseEvent>

namespace designer {

CaptionLabel::CaptionLabel(QWidget* parent)
    : QLabel(parent) {
    setAlignment(Qt::AlignCenter);
}

void CaptionLabel::mousePressEvent(QMouseEvent* event) {
    // Taken here, so that a frame around the label does not see the press.
    if (event->button() == Qt::LeftButton)
        pressed_ = true;
    event->accept();
}

void CaptionLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool wasPressed = pressed_;
    pressed_ = false;
    event->accept();
    if (wasPressed && event->button() == Qt::LeftButton &&
        rect().contains(event->position().toPoint()))
        emit clicked();
}

} // namespace designer
