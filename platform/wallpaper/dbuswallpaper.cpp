#include "wallpaper/strategies.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QVariantMap>

namespace platform {

namespace {

// A text as a JavaScript string literal (JSON's is one): the path cannot
// end the literal or add code to the script.
QString scriptString(const QString& text) {
    const QByteArray array = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(array.mid(1, array.size() - 2));
}

} // namespace

// Every desktop (each screen and activity has its own) is switched to the
// image plugin and shows the picture stretched (fill mode 0), as on the
// desktops configured through their settings.
QDBusMessage plasmaWallpaperCall(const QString& path) {
    const QString script =
        QStringLiteral(
            "var image = %1;\n"
            "var all = desktops();\n"
            "for (var i = 0; i < all.length; i++) {\n"
            "    var d = all[i];\n"
            "    d.wallpaperPlugin = \"org.kde.image\";\n"
            "    d.currentConfigGroup = [\"Wallpaper\", \"org.kde.image\", \"General\"];\n"
            "    d.writeConfig(\"Image\", image);\n"
            "    d.writeConfig(\"FillMode\", 0);\n"
            "}\n")
            .arg(scriptString(wallpaperFileUri(path)));
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.kde.plasmashell"), QStringLiteral("/PlasmaShell"),
        QStringLiteral("org.kde.PlasmaShell"), QStringLiteral("evaluateScript"));
    call << script;
    return call;
}

QString setPlasmaWallpaper(DBusCaller& bus, const QString& path) {
    return bus.call(plasmaWallpaperCall(path));
}

// The answer is a request handle; whether the back-end then sets the picture
// arrives later as a signal, which nobody waits for.
QDBusMessage portalWallpaperCall(const QString& path) {
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.portal.Desktop"),
        QStringLiteral("/org/freedesktop/portal/desktop"),
        QStringLiteral("org.freedesktop.portal.Wallpaper"), QStringLiteral("SetWallpaperURI"));
    const QVariantMap options{{QStringLiteral("show-preview"), false},
                              {QStringLiteral("set-on"), QStringLiteral("both")}};
    call << QString() << wallpaperFileUri(path) << options;
    return call;
}

QString setPortalWallpaper(DBusCaller& bus, const QString& path) {
    return bus.call(portalWallpaperCall(path));
}

} // namespace platform
