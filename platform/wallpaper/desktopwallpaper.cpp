#include "wallpaper/desktopwallpaper.h"

#include "wallpaper/strategies.h"

#include <QDir>
#include <QFileInfo>

#include <cstdio>

namespace platform {

namespace {

// swaybg lives as long as the session; so does the runtime folder.
QString swaybgStateFile(const QProcessEnvironment& environment) {
    const QString runtime = environment.value(QStringLiteral("XDG_RUNTIME_DIR"));
    if (runtime.isEmpty() || !QFileInfo(runtime).isDir())
        return {};
    return QDir(runtime).filePath(QStringLiteral("ombrelo-swaybg.pid"));
}

} // namespace

void reportOnStandardError(const QString& line) {
    const QByteArray bytes = line.toLocal8Bit() + '\n';
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stderr);
    std::fflush(stderr);
}

DesktopWallpaper::DesktopWallpaper(const QProcessEnvironment& environment, CommandRunner& commands,
                                   DBusCaller& bus, Report report)
    : desktop_(chooseDesktop(environment))
    , display_(environment.value(QStringLiteral("DISPLAY")))
    , swaybgStateFile_(swaybgStateFile(environment))
    , commands_(commands)
    , bus_(bus)
    , report_(std::move(report)) {}

void DesktopWallpaper::setWallpaper(const QString& path) {
    const QString problem = apply(path);
    if (!problem.isEmpty() && report_)
        report_(QStringLiteral("ombrelo: the wallpaper was not set through %1: %2")
                    .arg(desktopName(desktop_), problem.simplified()));
}

QString DesktopWallpaper::apply(const QString& path) {
    switch (desktop_) {
    case WallpaperDesktop::Gnome:
        return setGnomeWallpaper(commands_, path);
    case WallpaperDesktop::Cinnamon:
        return setCinnamonWallpaper(commands_, path);
    case WallpaperDesktop::Mate:
        return setMateWallpaper(commands_, path);
    case WallpaperDesktop::Plasma:
        return setPlasmaWallpaper(bus_, path);
    case WallpaperDesktop::Xfce:
        return setXfceWallpaper(commands_, path);
    case WallpaperDesktop::Sway:
        return setSwayWallpaper(commands_, path);
    case WallpaperDesktop::Wlroots:
        return setSwaybgWallpaper(commands_, path, swaybgStateFile_);
    case WallpaperDesktop::X11:
        return setX11RootWallpaper(display_, path);
    case WallpaperDesktop::Portal:
        return setPortalWallpaper(bus_, path);
    }
    return {};
}

SystemWallpaper::SystemWallpaper()
    : desktop_(QProcessEnvironment::systemEnvironment(), commands_, bus_) {}

} // namespace platform
