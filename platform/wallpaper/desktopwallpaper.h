#pragma once
// The wallpaper service of the running session: the strategy of the desktop
// that the environment names (desktopchoice.h), with the desktop's tools run
// through a command runner and its D-Bus calls through a caller, both given
// from outside. Nothing is shown to the user; a strategy that fails leaves
// one line naming it on standard error, for the developer.

#include "wallpaper/commandrunner.h"
#include "wallpaper/dbuscaller.h"
#include "wallpaper/desktopchoice.h"
#include "wallpaper/wallpaperservice.h"

#include <QProcessEnvironment>

#include <functional>

namespace platform {

// Writes the line and a line break to standard error.
void reportOnStandardError(const QString& line);

class DesktopWallpaper final : public WallpaperService {
public:
    using Report = std::function<void(const QString& line)>;

    DesktopWallpaper(const QProcessEnvironment& environment, CommandRunner& commands,
                     DBusCaller& bus, Report report = reportOnStandardError);

    WallpaperDesktop desktop() const { return desktop_; }
    void setWallpaper(const QString& path) override;

private:
    QString apply(const QString& path);

    WallpaperDesktop desktop_;
    QString display_;         // X11: the display to set the root of
    QString swaybgStateFile_; // swaybg: where the running one's id is kept
    CommandRunner& commands_;
    DBusCaller& bus_;
    Report report_;
};

// The service the program uses: the process's environment, the real tools
// and the session bus.
class SystemWallpaper final : public WallpaperService {
public:
    SystemWallpaper();
    void setWallpaper(const QString& path) override { desktop_.setWallpaper(path); }

private:
    ProcessCommandRunner commands_;
    SessionBusCaller bus_;
    DesktopWallpaper desktop_;
};

} // namespace platform
