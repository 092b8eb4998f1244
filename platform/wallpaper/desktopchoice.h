#pragma once
// Which desktop the user runs, as far as the wallpaper is concerned: the
// desktops that keep their wallpaper in their own settings, the compositors
// that draw it with a helper, a bare X11 window manager (the root window),
// and the desktop portal for everything else.

#include <QProcessEnvironment>
#include <QString>

namespace platform {

enum class WallpaperDesktop {
    Gnome,    // GNOME, Unity, Budgie: org.gnome.desktop.background
    Cinnamon, // org.cinnamon.desktop.background
    Mate,     // org.mate.background
    Plasma,   // KDE Plasma: a plasmashell script
    Xfce,     // xfdesktop's backdrop properties
    Sway,     // swaymsg
    Wlroots,  // other wlroots compositors: swaybg
    X11,      // a window manager alone: the root window's pixmap
    Portal,   // org.freedesktop.portal.Wallpaper
};

// The name that messages give the strategy.
QString desktopName(WallpaperDesktop desktop);

// XDG_CURRENT_DESKTOP first (a colon-separated list, the first name known
// wins), then DESKTOP_SESSION and the desktops' own session markers. A
// desktop named but unknown gets the portal, whose back-end it chooses. With
// no desktop named: sway by its socket, another Wayland compositor, a bare
// X11 display, and the portal when there is no display at all.
WallpaperDesktop chooseDesktop(const QProcessEnvironment& environment);

} // namespace platform
