#include "wallpaper/strategies.h"

#include <QUrl>

namespace platform {

namespace {

// The picture is a vertical gradient painted at the size of the screen:
// stretched, every monitor shows it whole from top to bottom, and a stretch
// along the bands changes nothing.
const QString kStretched = QStringLiteral("'stretched'");

// Runs every setting, so that one key that an older version lacks does not
// keep the others from being set; reports the first failure.
QString setAll(CommandRunner& commands, const QString& schema,
               const QList<std::pair<QString, QString>>& keyValues) {
    QString firstProblem;
    for (const auto& [key, value] : keyValues) {
        const CommandResult result =
            commands.run({QStringLiteral("gsettings"), QStringLiteral("set"), schema, key, value});
        if (!result.ok() && firstProblem.isEmpty())
            firstProblem = key + QStringLiteral(": ") + result.problem;
    }
    return firstProblem;
}

} // namespace

QString wallpaperFileUri(const QString& path) {
    return QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded);
}

QString gvariantString(const QString& text) {
    QString quoted = text;
    quoted.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    quoted.replace(QLatin1Char('\''), QStringLiteral("\\'"));
    return QLatin1Char('\'') + quoted + QLatin1Char('\'');
}

QString setGnomeWallpaper(CommandRunner& commands, const QString& path) {
    const QString uri = gvariantString(wallpaperFileUri(path));
    return setAll(commands, QStringLiteral("org.gnome.desktop.background"),
                  {{QStringLiteral("picture-uri"), uri},
                   {QStringLiteral("picture-uri-dark"), uri},
                   {QStringLiteral("picture-options"), kStretched}});
}

QString setCinnamonWallpaper(CommandRunner& commands, const QString& path) {
    return setAll(commands, QStringLiteral("org.cinnamon.desktop.background"),
                  {{QStringLiteral("picture-uri"), gvariantString(wallpaperFileUri(path))},
                   {QStringLiteral("picture-options"), kStretched}});
}

QString setMateWallpaper(CommandRunner& commands, const QString& path) {
    return setAll(commands, QStringLiteral("org.mate.background"),
                  {{QStringLiteral("picture-filename"), gvariantString(path)},
                   {QStringLiteral("picture-options"), kStretched}});
}

} // namespace platform
