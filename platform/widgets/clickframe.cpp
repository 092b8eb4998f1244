#include "widgets/clickframe.h"

#include <QAbstractButton>
#include <QEnterEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace platform {

// The room around the content: the frame's line and the focus mark.
constexpr int kEdge = 2;

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
    const bool contentTakesFocus = content_ && content_->focusPolicy() != Qt::NoFocus;
    setFocusPolicy(content_ && !contentTakesFocus ? Qt::TabFocus : Qt::NoFocus);
    if (content_)
        content_->installEventFilter(this);
    placeContent();
}

bool ClickFrame::eventFilter(QObject* watched, QEvent* event) {
    if (watched == content_ &&
        (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut))
        update();
    auto* button = qobject_cast<QAbstractButton*>(watched);
    if (button && watched == content_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            if (!key->isAutoRepeat() && button->isEnabled())
                button->click();
            return true;
        }
    }
    return QFrame::eventFilter(watched, event);
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

namespace {
bool isEnter(const QKeyEvent* event) {
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}
} // namespace

void ClickFrame::keyPressEvent(QKeyEvent* event) {
    if (event->isAutoRepeat() && (event->key() == Qt::Key_Space || isEnter(event))) {
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_Space) {
        keyPressed_ = true;
        updateLook();
        event->accept();
    } else if (isEnter(event)) {
        event->accept();
        emit activatedByKey();
    } else {
        QFrame::keyPressEvent(event);
    }
}

void ClickFrame::keyReleaseEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_Space || event->isAutoRepeat() || !keyPressed_) {
        QFrame::keyReleaseEvent(event);
        return;
    }
    keyPressed_ = false;
    updateLook();
    event->accept();
    emit activatedByKey();
}

void ClickFrame::focusInEvent(QFocusEvent* event) {
    QFrame::focusInEvent(event);
    update();
}

void ClickFrame::focusOutEvent(QFocusEvent* event) {
    // Space pressed here and released elsewhere presses nothing.
    keyPressed_ = false;
    updateLook();
    QFrame::focusOutEvent(event);
    update();
}

void ClickFrame::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    if (!hasFocus() && !(content_ && content_->hasFocus()))
        return;
    // The edge around the content, in the highlight colour, whichever of
    // the two has the focus.
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::Highlight), kEdge));
    painter.drawRect(QRectF(rect()).adjusted(kEdge / 2.0, kEdge / 2.0, -kEdge / 2.0, -kEdge / 2.0));
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
    if (pressed_ || keyPressed_)
        setFrameShadow(QFrame::Sunken);
    else if (hovered_ && isEnabled())
        setFrameShadow(QFrame::Raised);
    else
        setFrameShadow(QFrame::Plain);
    setFrameShape(hovered_ || pressed_ || keyPressed_ ? QFrame::Panel : QFrame::NoFrame);
    placeContent();
}

void ClickFrame::placeContent() {
    if (!content_)
        return;
    // The edge takes the same room in every state, so the content never moves.
    content_->setGeometry(rect().adjusted(kEdge, kEdge, -kEdge, -kEdge));
}

} // namespace platform
