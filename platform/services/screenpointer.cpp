#include "services/screenpointer.h"

#include <QCursor>
#include <QGuiApplication>

namespace platform {

namespace {
int current = pointer::Default;

Qt::CursorShape shapeOf(int pointerValue) {
    return pointerValue == pointer::Hourglass ? Qt::WaitCursor : Qt::ArrowCursor;
}
} // namespace

void setScreenPointer(int pointerValue) {
    if (pointerValue == current)
        return;
    if (current != pointer::Default)
        QGuiApplication::restoreOverrideCursor();
    if (pointerValue != pointer::Default)
        QGuiApplication::setOverrideCursor(QCursor(shapeOf(pointerValue)));
    current = pointerValue;
}

int screenPointer() {
    return current;
}

void setFormPointer(QWidget& form, int pointerValue) {
    if (pointerValue == pointer::Default)
        form.unsetCursor();
    else
        form.setCursor(shapeOf(pointerValue));
}

ScopedFormPointer::ScopedFormPointer(QWidget& form, int pointerValue)
    : form_(&form)
    , hadOwn_(form.testAttribute(Qt::WA_SetCursor))
    , previous_(form.cursor()) {
    setFormPointer(form, pointerValue);
}

ScopedFormPointer::~ScopedFormPointer() {
    if (!form_)
        return;
    if (hadOwn_)
        form_->setCursor(previous_);
    else
        form_->unsetCursor();
}

} // namespace platform
