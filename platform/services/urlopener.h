#pragma once
// Opening an address (a web address or a document path) with the desktop's
// default handler. Code that opens addresses asks urlOpener() for the
// process-wide opener, so a test can put a recording one in its place
// (scripted.h) and nothing is ever launched from a test.

#include <QString>
#include <QUrl>

#include <functional>

namespace platform {

class UrlOpener {
public:
    virtual ~UrlOpener() = default;
    // Hands the address to its handler. Whether the handler manages to open
    // it is not reported. May raise vb::RuntimeError when the opening
    // machinery itself cannot be reached.
    virtual void open(const QString& address) = 0;
};

// The address as the user typed it, made into a URL: "www.example.org"
// becomes an http URL, an absolute document path a file URL, and a relative
// path of a file that exists in the current folder ("readme.txt") that
// file's URL. Any other bare word is taken as a host name.
QUrl openableUrl(const QString& address);

// The desktop's handlers through QDesktopServices; never a shell command line.
// When the address cannot be made into a URL, or no handler could be asked
// to open it (no desktop opener such as xdg-open installed), it raises
// vb::RuntimeError 5 saying so.
class DesktopUrlOpener final : public UrlOpener {
public:
    // How a URL is handed over; true when a handler took it. By default
    // QDesktopServices::openUrl.
    using Launcher = std::function<bool(const QUrl&)>;
    DesktopUrlOpener();
    explicit DesktopUrlOpener(Launcher launcher);

    void open(const QString& address) override;

private:
    Launcher launcher_;
};

// The opener in use: the one last installed, or a DesktopUrlOpener.
UrlOpener& urlOpener();
// Installs an opener for the whole process (it must outlive its use);
// nullptr puts the desktop opener back.
void setUrlOpener(UrlOpener* opener);

// Installs an opener for as long as it lives, then puts the previous back.
class ScopedUrlOpener {
public:
    explicit ScopedUrlOpener(UrlOpener& opener);
    ~ScopedUrlOpener();
    ScopedUrlOpener(const ScopedUrlOpener&) = delete;
    ScopedUrlOpener& operator=(const ScopedUrlOpener&) = delete;

private:
    UrlOpener* previous_;
};

} // namespace platform
