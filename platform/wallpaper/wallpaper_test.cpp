// The wallpaper strategies: which desktop the environment names, and what
// each strategy asks of the desktop (command lines, D-Bus messages), recorded
// without running or sending anything.

#include "wallpaper/desktopwallpaper.h"
#include "wallpaper/strategies.h"
#include "wallpaper/tests/scriptedwallpaper.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace platform;

namespace {

const QString kPath =
    QStringLiteral("/home/ana/.local/share/ombrelo/Brantel Ombrelo WallPaper.bmp");
const QString kUri =
    QStringLiteral("file:///home/ana/.local/share/ombrelo/Brantel%20Ombrelo%20WallPaper.bmp");

QProcessEnvironment environment(std::initializer_list<std::pair<const char*, const char*>> vars) {
    QProcessEnvironment env;
    for (const auto& [name, value] : vars)
        env.insert(QString::fromLatin1(name), QString::fromUtf8(value));
    return env;
}

struct Session {
    explicit Session(const QProcessEnvironment& env)
        : service(env, commands, bus, [this](const QString& line) { reported.append(line); }) {}
    RecordingCommandRunner commands;
    RecordingDBusCaller bus;
    QStringList reported;
    DesktopWallpaper service;
};

QStringList gsettings(const char* schema, const char* key, const QString& value) {
    return {QStringLiteral("gsettings"), QStringLiteral("set"), QString::fromLatin1(schema),
            QString::fromLatin1(key), value};
}

} // namespace

TEST(WallpaperDesktopChoice, FollowsTheFirstKnownNameOfTheCurrentDesktop) {
    const struct {
        const char* current;
        WallpaperDesktop expected;
    } cases[] = {
        {"GNOME", WallpaperDesktop::Gnome},
        {"ubuntu:GNOME", WallpaperDesktop::Gnome},
        {"Unity", WallpaperDesktop::Gnome},
        {"Budgie:GNOME", WallpaperDesktop::Gnome},
        {"X-Cinnamon", WallpaperDesktop::Cinnamon},
        {"MATE", WallpaperDesktop::Mate},
        {"KDE", WallpaperDesktop::Plasma},
        {"XFCE", WallpaperDesktop::Xfce},
        {"sway", WallpaperDesktop::Sway},
        {"Hyprland", WallpaperDesktop::Wlroots},
        {"i3", WallpaperDesktop::X11},
        {"Vendor:KDE", WallpaperDesktop::Plasma}, // unknown names are passed over
        {"Deepin", WallpaperDesktop::Portal},     // named but unknown: its portal
    };
    for (const auto& c : cases)
        EXPECT_EQ(chooseDesktop(environment({{"XDG_CURRENT_DESKTOP", c.current},
                                             {"DISPLAY", ":0"},
                                             {"WAYLAND_DISPLAY", "wayland-0"}})),
                  c.expected)
            << c.current;
}

TEST(WallpaperDesktopChoice, FallsBackOnTheSessionThenTheDisplay) {
    EXPECT_EQ(chooseDesktop(environment({{"DESKTOP_SESSION", "plasmawayland"}})),
              WallpaperDesktop::Plasma);
    EXPECT_EQ(chooseDesktop(environment({{"DESKTOP_SESSION", "/usr/share/xsessions/xfce"}})),
              WallpaperDesktop::Xfce);
    EXPECT_EQ(chooseDesktop(environment({{"KDE_FULL_SESSION", "true"}, {"DISPLAY", ":0"}})),
              WallpaperDesktop::Plasma);
    EXPECT_EQ(chooseDesktop(environment({{"SWAYSOCK", "/run/user/1000/sway-ipc.sock"},
                                         {"WAYLAND_DISPLAY", "wayland-1"}})),
              WallpaperDesktop::Sway);
    EXPECT_EQ(chooseDesktop(environment({{"WAYLAND_DISPLAY", "wayland-1"}, {"DISPLAY", ":0"}})),
              WallpaperDesktop::Wlroots);
    EXPECT_EQ(chooseDesktop(environment({{"DESKTOP_SESSION", "default"}, {"DISPLAY", ":0"}})),
              WallpaperDesktop::X11);
    EXPECT_EQ(chooseDesktop(environment({})), WallpaperDesktop::Portal);
}

TEST(WallpaperStrategies, GnomeSetsBothStylesAsAnEncodedUriAndStretches) {
    Session session(environment({{"XDG_CURRENT_DESKTOP", "ubuntu:GNOME"}}));
    session.service.setWallpaper(kPath);
    const QString uri = QLatin1Char('\'') + kUri + QLatin1Char('\'');
    EXPECT_EQ(session.commands.commands,
              (QList<QStringList>{
                  gsettings("org.gnome.desktop.background", "picture-uri", uri),
                  gsettings("org.gnome.desktop.background", "picture-uri-dark", uri),
                  gsettings("org.gnome.desktop.background", "picture-options", "'stretched'")}));
    EXPECT_TRUE(session.reported.isEmpty());
}

TEST(WallpaperStrategies, CinnamonAndMateUseTheirOwnKeys) {
    RecordingCommandRunner commands;
    EXPECT_TRUE(setCinnamonWallpaper(commands, kPath).isEmpty());
    EXPECT_EQ(commands.commands.value(0),
              gsettings("org.cinnamon.desktop.background", "picture-uri", "'" + kUri + "'"));
    commands.commands.clear();
    // MATE takes the plain path; quotes in it stay inside the value.
    EXPECT_TRUE(setMateWallpaper(commands, QStringLiteral("/home/o'neil/a\\b.bmp")).isEmpty());
    EXPECT_EQ(
        commands.commands,
        (QList<QStringList>{
            gsettings("org.mate.background", "picture-filename", "'/home/o\\'neil/a\\\\b.bmp'"),
            gsettings("org.mate.background", "picture-options", "'stretched'")}));
}

TEST(WallpaperStrategies, AFailingCommandLeavesOneLineNamingTheStrategy) {
    Session session(environment({{"XDG_CURRENT_DESKTOP", "GNOME"}}));
    // An older GNOME without the dark style: the other keys are still set.
    session.commands.failWhenGiven(QStringLiteral("picture-uri-dark"));
    session.service.setWallpaper(kPath);
    EXPECT_EQ(session.commands.commands.size(), 3);
    ASSERT_EQ(session.reported.size(), 1);
    EXPECT_TRUE(session.reported.first().contains(QLatin1String("GNOME")));
    EXPECT_TRUE(session.reported.first().contains(QLatin1String("picture-uri-dark")));
    EXPECT_FALSE(session.reported.first().contains(QLatin1Char('\n')));
}

TEST(WallpaperStrategies, XfceSetsEveryListedBackdrop) {
    Session session(environment({{"XDG_CURRENT_DESKTOP", "XFCE"}}));
    session.commands.answer(QStringLiteral("xfconf-query"),
                            "/backdrop/screen0/monitorHDMI-1/workspace0/last-image\n"
                            "/backdrop/screen0/monitorHDMI-1/workspace0/image-style\n"
                            "/backdrop/screen0/monitoreDP-1/workspace1/last-image\n"
                            "/desktop-icons/style\n");
    session.service.setWallpaper(kPath);
    const auto set = [](const char* property) {
        return QStringList{QStringLiteral("xfconf-query"),
                           QStringLiteral("-c"),
                           QStringLiteral("xfce4-desktop"),
                           QStringLiteral("-p"),
                           QString::fromLatin1(property),
                           QStringLiteral("-s"),
                           kPath};
    };
    EXPECT_EQ(session.commands.commands,
              (QList<QStringList>{{QStringLiteral("xfconf-query"), QStringLiteral("-c"),
                                   QStringLiteral("xfce4-desktop"), QStringLiteral("-l")},
                                  set("/backdrop/screen0/monitorHDMI-1/workspace0/last-image"),
                                  set("/backdrop/screen0/monitoreDP-1/workspace1/last-image")}));
    EXPECT_TRUE(session.reported.isEmpty());

    // A desktop without backdrops says so instead of setting nothing silently.
    Session bare(environment({{"XDG_CURRENT_DESKTOP", "XFCE"}}));
    bare.service.setWallpaper(kPath);
    EXPECT_EQ(bare.commands.commands.size(), 1);
    EXPECT_EQ(bare.reported.size(), 1);
}

TEST(WallpaperStrategies, SwayQuotesThePathForItsCommandParser) {
    Session session(environment({{"XDG_CURRENT_DESKTOP", "sway"}}));
    session.service.setWallpaper(QStringLiteral("/home/ana/a b,c;d.bmp"));
    EXPECT_EQ(session.commands.commands,
              (QList<QStringList>{{QStringLiteral("swaymsg"), QStringLiteral("output"),
                                   QStringLiteral("*"), QStringLiteral("bg"),
                                   QStringLiteral("\"/home/ana/a b,c;d.bmp\""),
                                   QStringLiteral("fill")}}));
    EXPECT_TRUE(session.reported.isEmpty());

    // sway would expand $HOME or `...` in the path: such a path is refused.
    session.commands.commands.clear();
    session.service.setWallpaper(QStringLiteral("/home/$(touch x)/a.bmp"));
    EXPECT_TRUE(session.commands.commands.isEmpty());
    ASSERT_EQ(session.reported.size(), 1);
    EXPECT_TRUE(session.reported.first().contains(QLatin1String("sway")));
}

TEST(WallpaperStrategies, SwaybgReplacesTheOneStartedBefore) {
    QTemporaryDir runtime;
    const QString state = runtime.filePath(QStringLiteral("ombrelo-swaybg.pid"));
    RecordingCommandRunner commands;
    EXPECT_TRUE(setSwaybgWallpaper(commands, kPath, state).isEmpty());
    EXPECT_TRUE(commands.stopped.isEmpty());
    EXPECT_TRUE(setSwaybgWallpaper(commands, kPath, state).isEmpty());
    const QStringList swaybg{QStringLiteral("swaybg"),
                             QStringLiteral("-o"),
                             QStringLiteral("*"),
                             QStringLiteral("-i"),
                             kPath,
                             QStringLiteral("-m"),
                             QStringLiteral("fill")};
    EXPECT_EQ(commands.commands, (QList<QStringList>{swaybg, swaybg}));
    // The first one (4242) is ended once the second (4243) runs.
    ASSERT_EQ(commands.stopped.size(), 1);
    EXPECT_EQ(commands.stopped.first().first, 4242);
    EXPECT_EQ(commands.stopped.first().second, QStringLiteral("swaybg"));
}

TEST(WallpaperStrategies, PlasmaRunsAScriptForEveryDesktop) {
    Session session(environment({{"XDG_CURRENT_DESKTOP", "KDE"}}));
    const QString path = QStringLiteral("/home/ana/it's \"here\"\\.bmp");
    session.service.setWallpaper(path);
    ASSERT_EQ(session.bus.calls.size(), 1);
    const QDBusMessage& call = session.bus.calls.first();
    EXPECT_EQ(call.service(), QStringLiteral("org.kde.plasmashell"));
    EXPECT_EQ(call.path(), QStringLiteral("/PlasmaShell"));
    EXPECT_EQ(call.interface(), QStringLiteral("org.kde.PlasmaShell"));
    EXPECT_EQ(call.member(), QStringLiteral("evaluateScript"));
    ASSERT_EQ(call.arguments().size(), 1);
    const QString script = call.arguments().first().toString();

    // The picture's URI is one string literal of the script, whatever the
    // path holds; every desktop gets the image plugin and that image.
    EXPECT_TRUE(script.startsWith(
        QStringLiteral("var image = \"file:///home/ana/it's%20%22here%22%5C.bmp\";\n")))
        << script.toStdString();
    EXPECT_TRUE(script.contains(QLatin1String("desktops()")));
    EXPECT_TRUE(script.contains(QLatin1String("d.wallpaperPlugin = \"org.kde.image\"")));
    EXPECT_TRUE(script.contains(QLatin1String("d.writeConfig(\"Image\", image)")));
    EXPECT_EQ(script.count(QLatin1Char('"')) % 2, 0);

    session.bus.failure =
        QStringLiteral("org.freedesktop.DBus.Error.ServiceUnknown: no plasmashell");
    session.service.setWallpaper(path);
    ASSERT_EQ(session.reported.size(), 1);
    EXPECT_TRUE(session.reported.first().contains(QLatin1String("KDE Plasma")));
}

TEST(WallpaperStrategies, PortalAsksWithoutAPreview) {
    Session session(environment({}));
    session.service.setWallpaper(kPath);
    EXPECT_TRUE(session.commands.commands.isEmpty());
    ASSERT_EQ(session.bus.calls.size(), 1);
    const QDBusMessage& call = session.bus.calls.first();
    EXPECT_EQ(call.service(), QStringLiteral("org.freedesktop.portal.Desktop"));
    EXPECT_EQ(call.path(), QStringLiteral("/org/freedesktop/portal/desktop"));
    EXPECT_EQ(call.interface(), QStringLiteral("org.freedesktop.portal.Wallpaper"));
    EXPECT_EQ(call.member(), QStringLiteral("SetWallpaperURI"));
    const QList<QVariant> arguments = call.arguments();
    ASSERT_EQ(arguments.size(), 3);
    EXPECT_EQ(arguments[0].toString(), QString());
    EXPECT_EQ(arguments[1].toString(), kUri);
    const QVariantMap options = arguments[2].toMap();
    EXPECT_EQ(options.value(QStringLiteral("show-preview")), QVariant(false));
    EXPECT_EQ(options.value(QStringLiteral("set-on")), QVariant(QStringLiteral("both")));
    EXPECT_EQ(arguments[2].metaType(), QMetaType::fromType<QVariantMap>()); // a{sv}
}
