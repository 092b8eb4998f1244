#include "wallpaper/strategies.h"

namespace platform {

namespace {
const QString kXfconf = QStringLiteral("xfconf-query");
const QString kChannel = QStringLiteral("xfce4-desktop");
} // namespace

// xfdesktop keeps one backdrop per monitor and workspace
// (/backdrop/screen0/monitorHDMI-1/workspace0/last-image, ...); their names
// depend on the hardware, so they are taken from the channel's listing.
QString setXfceWallpaper(CommandRunner& commands, const QString& path) {
    const CommandResult listing =
        commands.run({kXfconf, QStringLiteral("-c"), kChannel, QStringLiteral("-l")});
    if (!listing.ok())
        return listing.problem;
    QStringList properties;
    for (const QByteArray& line : listing.output.split('\n')) {
        const QString property = QString::fromUtf8(line).trimmed();
        if (property.startsWith(QLatin1String("/backdrop/")) &&
            property.endsWith(QLatin1String("/last-image")))
            properties.append(property);
    }
    if (properties.isEmpty())
        return QStringLiteral("xfconf-query lists no backdrop of xfce4-desktop");
    QString firstProblem;
    for (const QString& property : properties) {
        const CommandResult result =
            commands.run({kXfconf, QStringLiteral("-c"), kChannel, QStringLiteral("-p"), property,
                          QStringLiteral("-s"), path});
        if (!result.ok() && firstProblem.isEmpty())
            firstProblem = property + QStringLiteral(": ") + result.problem;
    }
    return firstProblem;
}

} // namespace platform
