#include "services/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace platform {

namespace {

QClipboard* systemClipboard() {
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return nullptr;
    return QGuiApplication::clipboard();
}

} // namespace

void SystemClipboard::clear() {
    if (QClipboard* clipboard = systemClipboard())
        clipboard->clear(QClipboard::Clipboard);
}

void SystemClipboard::setText(const QString& text) {
    if (QClipboard* clipboard = systemClipboard())
        clipboard->setText(text, QClipboard::Clipboard);
}

void SystemClipboard::setImage(const QImage& image) {
    if (QClipboard* clipboard = systemClipboard())
        clipboard->setImage(image, QClipboard::Clipboard);
}

} // namespace platform
