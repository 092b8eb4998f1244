#pragma once
// One way per desktop of making a picture file its wallpaper. Each returns
// what went wrong, in one line, or an empty text when the desktop took the
// picture; none shows anything to the user.

#include "wallpaper/commandrunner.h"
#include "wallpaper/dbuscaller.h"

#include <QDBusMessage>
#include <QString>

namespace platform {

// The picture as a file URI, spaces and other unsafe characters encoded.
QString wallpaperFileUri(const QString& path);

// ---- gsettings (gsettingswallpaper.cpp)
// GNOME, Unity, Budgie: picture-uri and picture-uri-dark (the light and dark
// styles) and picture-options in org.gnome.desktop.background.
QString setGnomeWallpaper(CommandRunner& commands, const QString& path);
// Cinnamon: picture-uri and picture-options in org.cinnamon.desktop.background.
QString setCinnamonWallpaper(CommandRunner& commands, const QString& path);
// MATE: picture-filename (a plain path) and picture-options in org.mate.background.
QString setMateWallpaper(CommandRunner& commands, const QString& path);
// A text as a GVariant string literal, as gsettings parses its values.
QString gvariantString(const QString& text);

// ---- Xfce (xfcewallpaper.cpp)
// Every backdrop's last-image property that xfconf-query lists, so that each
// monitor and workspace shows the picture.
QString setXfceWallpaper(CommandRunner& commands, const QString& path);

// ---- wlroots compositors (swaywallpaper.cpp)
// sway: every output's background through swaymsg.
QString setSwayWallpaper(CommandRunner& commands, const QString& path);
// Others: swaybg started to outlive the program. Its process id is kept in
// `stateFile`, so that the next use ends the swaybg started before (when the
// file is empty of a name, nothing is kept and nothing ended).
QString setSwaybgWallpaper(CommandRunner& commands, const QString& path, const QString& stateFile);

// ---- D-Bus (dbuswallpaper.cpp)
// KDE Plasma: a plasmashell script that gives every desktop the image
// wallpaper plugin showing the picture.
QDBusMessage plasmaWallpaperCall(const QString& path);
QString setPlasmaWallpaper(DBusCaller& bus, const QString& path);
// The desktop portal's Wallpaper interface, for the background and the lock
// screen, without a preview dialog.
QDBusMessage portalWallpaperCall(const QString& path);
QString setPortalWallpaper(DBusCaller& bus, const QString& path);

// ---- X11 (x11rootpixmap.cpp)
// The root window's background pixmap on `display` (empty: $DISPLAY), see
// x11rootpixmap.cpp for the conventions it follows.
QString setX11RootWallpaper(const QString& display, const QString& path);

} // namespace platform
