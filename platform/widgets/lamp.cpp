#include "widgets/lamp.h"

#include <QPainter>

namespace platform {

Lamp::Lamp(QWidget* parent)
    : QWidget(parent) {
    setAttribute(Qt::WA_TranslucentBackground);
}

void Lamp::setFillColor(const QColor& colour) {
    if (fill_ == colour)
        return;
    fill_ = colour;
    update();
}

void Lamp::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(fill_);
    const int side = qMin(width(), height()) - 1;
    p.drawEllipse(QRectF(0.5, 0.5, side, side));
}

} // namespace platform
