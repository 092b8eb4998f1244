#include "wallpaper/strategies.h"

#include <QFile>
#include <QSaveFile>

namespace platform {

namespace {

// sway joins swaymsg's arguments into one command and splits it again at
// blanks, commas and semicolons outside quotes: the path goes in quotes.
// It then expands the path as a shell word would ($VAR, `...`, quotes): a
// path with such characters cannot be passed safely and is refused.
QString swayQuoted(const QString& text) {
    return QLatin1Char('"') + text + QLatin1Char('"');
}

bool swayWouldExpand(const QString& path) {
    for (const QChar c : path)
        if (QStringLiteral("$`\\\"'\n").contains(c))
            return true;
    return false;
}

std::optional<qint64> readPid(const QString& stateFile) {
    QFile file(stateFile);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    bool ok = false;
    const qint64 pid = file.readAll().trimmed().toLongLong(&ok);
    if (!ok || pid <= 0)
        return std::nullopt;
    return pid;
}

void writePid(const QString& stateFile, qint64 pid) {
    QSaveFile file(stateFile);
    if (!file.open(QIODevice::WriteOnly))
        return;
    file.write(QByteArray::number(pid) + '\n');
    file.commit();
}

} // namespace

QString setSwayWallpaper(CommandRunner& commands, const QString& path) {
    if (swayWouldExpand(path))
        return QStringLiteral("the path %1 holds characters that sway would expand").arg(path);
    return commands
        .run({QStringLiteral("swaymsg"), QStringLiteral("output"), QStringLiteral("*"),
              QStringLiteral("bg"), swayQuoted(path), QStringLiteral("fill")})
        .problem;
}

// The new swaybg is started before the old one is ended, so that the
// desktop is never without a background in between.
QString setSwaybgWallpaper(CommandRunner& commands, const QString& path, const QString& stateFile) {
    const QString program = QStringLiteral("swaybg");
    const std::optional<qint64> started = commands.startDetached(
        {program, QStringLiteral("-o"), QStringLiteral("*"), QStringLiteral("-i"), path,
         QStringLiteral("-m"), QStringLiteral("fill")});
    if (!started)
        return QStringLiteral("swaybg could not be started (is it installed?)");
    if (stateFile.isEmpty())
        return {};
    if (const std::optional<qint64> previous = readPid(stateFile);
        previous && *previous != *started)
        commands.stopDetached(*previous, program);
    writePid(stateFile, *started);
    return {};
}

} // namespace platform
