#include "wallpaper/dbuscaller.h"

#include <QDBusConnection>

namespace platform {

QString SessionBusCaller::call(const QDBusMessage& message) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return QStringLiteral("no session bus");
    const QDBusMessage reply = bus.call(message, QDBus::Block, timeoutMs_);
    if (reply.type() == QDBusMessage::ErrorMessage)
        return (reply.errorName() + QStringLiteral(": ") + reply.errorMessage()).simplified();
    return {};
}

} // namespace platform
