#include "hosting/control.h"

#include "hosting/controlsite.h"
#include "services/messagebox.h"

#include <QWidget>
#include <QtGlobal>

namespace platform {

// Out of line, so that the type information of Control lives once, in this
// library, and a host's dynamic_cast finds the controls of every library.
Control::~Control() = default;

QWidget* Control::widget() {
    return dynamic_cast<QWidget*>(this);
}

void Control::propertyChanged(const QString& propertyName) {
    if (site_)
        site_->propertyChanged(widget(), propertyName);
}

int Control::msgBox(const QString& prompt, int style, const QString& title) {
    if (!site_)
        return msgbox::Ok;
    return site_->messageBox(widget(), prompt, style, title);
}

bool Control::userMode() const {
    return site_ ? site_->userMode() : true;
}

void Control::reportError(const vb::RuntimeError& error) {
    if (site_) {
        site_->unhandledError(widget(), error);
        return;
    }
    qWarning("Run-time error %d: %s", error.number(), error.what());
}

Control* asControl(QWidget* widget) {
    return dynamic_cast<Control*>(widget);
}

} // namespace platform
