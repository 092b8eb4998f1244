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

} // namespace platform
