#include "services/urlopener.h"

#include "core/vb.h"

#include <QDesktopServices>
#include <QDir>

namespace platform {

namespace {
UrlOpener* installed = nullptr;
} // namespace

QUrl openableUrl(const QString& address) {
    // A relative name of a file that exists in the current folder is that
    // file, as the shell resolves it; anything else is an address.
    return QUrl::fromUserInput(address.trimmed(), QDir::currentPath());
}

DesktopUrlOpener::DesktopUrlOpener()
    : launcher_([](const QUrl& url) { return QDesktopServices::openUrl(url); }) {}

DesktopUrlOpener::DesktopUrlOpener(Launcher launcher)
    : launcher_(std::move(launcher)) {}

void DesktopUrlOpener::open(const QString& address) {
    const QUrl url = openableUrl(address);
    if (!url.isValid())
        throw vb::RuntimeError(vb::err::InvalidProcedureCall,
                               "This is not an address that can be opened");
    if (!launcher_ || !launcher_(url))
        throw vb::RuntimeError(vb::err::InvalidProcedureCall,
                               "No application is set up to open this address");
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
