#include "hosting/controlsite.h"

#include <QCoreApplication>

namespace platform {

ControlSite::~ControlSite() = default;

StandardControlSite::StandardControlSite(MessageBoxService& messageBoxes, bool userMode)
    : messageBoxes_(messageBoxes)
    , userMode_(userMode) {}

QStringList StandardControlSite::changedProperties() const {
    QStringList names;
    for (const Notification& n : notifications_)
        names.append(n.propertyName);
    return names;
}

void StandardControlSite::propertyChanged(QWidget* control, const QString& propertyName) {
    notifications_.append({control, propertyName});
    if (onChanged_)
        onChanged_(control, propertyName);
}

int StandardControlSite::messageBox(QWidget*, const QString& prompt, int style,
                                    const QString& title) {
    return messageBoxes_.show(prompt, style, title);
}

void StandardControlSite::unhandledError(QWidget*, const vb::RuntimeError& error) {
    errors_.append(error);
    const QString prompt = QStringLiteral("Run-time error '%1':\n\n%2")
                               .arg(error.number())
                               .arg(QString::fromStdString(error.description()));
    messageBoxes_.show(prompt, msgbox::OkOnly | msgbox::Critical,
                       QCoreApplication::applicationName());
}

} // namespace platform
