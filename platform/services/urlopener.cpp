#include "services/urlopener.h"

#include <QDesktopServices>

namespace platform {

namespace {
UrlOpener* installed = nullptr;
} // namespace

QUrl openableUrl(const QString& address) {
    // No working directory: a relative name is never looked up as a file.
    return QUrl::fromUserInput(address.trimmed());
}

void DesktopUrlOpener::open(const QString& address) {
    const QUrl url = openableUrl(address);
    if (url.isValid())
        QDesktopServices::openUrl(url);
}

UrlOpener& urlOpener() {
    static DesktopUrlOpener desktop;
    return installed ? *installed : desktop;
}

void setUrlOpener(UrlOpener* opener) {
    installed = opener;
}

ScopedUrlOpener::ScopedUrlOpener(UrlOpener& opener)
    : previous_(installed) {
    installed = &opener;
}

ScopedUrlOpener::~ScopedUrlOpener() {
    installed = previous_;
}

} // namespace platform
