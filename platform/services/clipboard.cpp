#include "services/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace platform {

void SystemClipboard::clear() {
    QGuiApplication::clipboard()->clear();
}

void SystemClipboard::setText(const QString& text) {
    QGuiApplication::clipboard()->setText(text);
}

} // namespace platform
