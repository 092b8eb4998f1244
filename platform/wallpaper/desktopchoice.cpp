#include "wallpaper/desktopchoice.h"

#include <QHash>

#include <optional>

namespace platform {

namespace {

using enum WallpaperDesktop;

const QHash<QString, WallpaperDesktop>& knownNames() {
    static const QHash<QString, WallpaperDesktop> names{
        {QStringLiteral("gnome"), Gnome},
        {QStringLiteral("gnome-classic"), Gnome},
        {QStringLiteral("gnome-flashback"), Gnome},
        {QStringLiteral("ubuntu"), Gnome},
        {QStringLiteral("unity"), Gnome},
        {QStringLiteral("budgie"), Gnome},
        {QStringLiteral("budgie-desktop"), Gnome},
        {QStringLiteral("x-cinnamon"), Cinnamon},
        {QStringLiteral("cinnamon"), Cinnamon},
        {QStringLiteral("cinnamon2d"), Cinnamon},
        {QStringLiteral("mate"), Mate},
        {QStringLiteral("kde"), Plasma},
        {QStringLiteral("plasma"), Plasma},
        {QStringLiteral("plasmawayland"), Plasma},
        {QStringLiteral("plasmax11"), Plasma},
        {QStringLiteral("xfce"), Xfce},
        {QStringLiteral("xfce4"), Xfce},
        {QStringLiteral("xubuntu"), Xfce},
        {QStringLiteral("sway"), Sway},
        {QStringLiteral("hyprland"), Wlroots},
        {QStringLiteral("river"), Wlroots},
        {QStringLiteral("wayfire"), Wlroots},
        {QStringLiteral("labwc"), Wlroots},
        {QStringLiteral("niri"), Wlroots},
        {QStringLiteral("dwl"), Wlroots},
        {QStringLiteral("hikari"), Wlroots},
        {QStringLiteral("i3"), X11},
        {QStringLiteral("openbox"), X11},
        {QStringLiteral("fluxbox"), X11},
        {QStringLiteral("blackbox"), X11},
        {QStringLiteral("bspwm"), X11},
        {QStringLiteral("awesome"), X11},
        {QStringLiteral("dwm"), X11},
        {QStringLiteral("herbstluftwm"), X11},
        {QStringLiteral("xmonad"), X11},
        {QStringLiteral("icewm"), X11},
        {QStringLiteral("jwm"), X11},
        {QStringLiteral("fvwm"), X11},
        {QStringLiteral("fvwm3"), X11},
        {QStringLiteral("windowmaker"), X11},
        {QStringLiteral("spectrwm"), X11},
        {QStringLiteral("cwm"), X11},
        {QStringLiteral("evilwm"), X11},
        {QStringLiteral("twm"), X11},
    };
    return names;
}

std::optional<WallpaperDesktop> known(const QString& name) {
    const auto found = knownNames().constFind(name.trimmed().toLower());
    if (found == knownNames().constEnd())
        return std::nullopt;
    return *found;
}

} // namespace

QString desktopName(WallpaperDesktop desktop) {
    switch (desktop) {
    case Gnome:
        return QStringLiteral("GNOME");
    case Cinnamon:
        return QStringLiteral("Cinnamon");
    case Mate:
        return QStringLiteral("MATE");
    case Plasma:
        return QStringLiteral("KDE Plasma");
    case Xfce:
        return QStringLiteral("Xfce");
    case Sway:
        return QStringLiteral("sway");
    case Wlroots:
        return QStringLiteral("swaybg");
    case X11:
        return QStringLiteral("X11 root window");
    case Portal:
        return QStringLiteral("desktop portal");
    }
    return {};
}

WallpaperDesktop chooseDesktop(const QProcessEnvironment& environment) {
    const auto value = [&](const char* name) {
        return environment.value(QString::fromLatin1(name)).trimmed();
    };
    const QString current = value("XDG_CURRENT_DESKTOP");
    for (const QString& name : current.split(QLatin1Char(':'), Qt::SkipEmptyParts))
        if (const auto desktop = known(name))
            return *desktop;
    // A display manager may give the session file's path.
    if (const auto desktop = known(value("DESKTOP_SESSION").section(QLatin1Char('/'), -1)))
        return *desktop;
    if (!value("KDE_FULL_SESSION").isEmpty())
        return Plasma;
    if (!value("GNOME_DESKTOP_SESSION_ID").isEmpty())
        return Gnome;
    if (!value("MATE_DESKTOP_SESSION_ID").isEmpty())
        return Mate;
    if (!current.isEmpty())
        return Portal;
    if (!value("SWAYSOCK").isEmpty())
        return Sway;
    if (!value("WAYLAND_DISPLAY").isEmpty())
        return Wlroots;
    if (!value("DISPLAY").isEmpty())
        return X11;
    return Portal;
}

} // namespace platform
