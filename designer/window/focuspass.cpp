#include "window/focuspass.h"

#include <QTimer>
#include <QWidget>

namespace designer {

namespace {

bool takesTabFocus(const QWidget* widget, const QWidget* window) {
    return widget->window() == window && widget->isEnabled() && widget->isVisible() &&
           (widget->focusPolicy() & Qt::TabFocus);
}

// The widget that Shift+Tab reaches before box, or null when there is none.
QWidget* previousTabStop(QWidget* box) {
    for (QWidget* w = box->previousInFocusChain(); w && w != box; w = w->previousInFocusChain())
        if (takesTabFocus(w, box->window()))
            return w;
    return nullptr;
}

} // namespace

void passFocusOn(QWidget* box, Qt::FocusReason reason) {
    if (reason == Qt::BacktabFocusReason)
        if (QWidget* previous = previousTabStop(box))
            previous->setFocus(Qt::BacktabFocusReason);
    // Still holding it (any other way in): disabling hands it to the next
    // widget, or clears it where there is none.
    box->setEnabled(false);
    enableAfterFocusChange(box);
}

void enableAfterFocusChange(QWidget* box) {
    QTimer::singleShot(0, box, [box] { box->setEnabled(true); });
}

} // namespace designer
