#include "logic/userfiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <cerrno>
#include <unistd.h>

namespace designer {

namespace {

const QString kStarterName = QStringLiteral("Draw.ini");

// Folders of programs that belong to the system whatever is beside them.
const QStringList kSystemProgramFolders = {QStringLiteral("/bin"),
                                           QStringLiteral("/sbin"),
                                           QStringLiteral("/usr/bin"),
                                           QStringLiteral("/usr/sbin"),
                                           QStringLiteral("/usr/games"),
                                           QStringLiteral("/usr/local/bin"),
                                           QStringLiteral("/usr/local/sbin"),
                                           QStringLiteral("/usr/local/games")};

bool pathExists(const QString& path) {
    // A dangling link counts: writing through it would create its target.
    return QFileInfo(path).exists() || QFileInfo(path).isSymLink();
}

// Links the finished copy under the profile's name: atomic, and refused when
// the name is taken.
SeedOutcome publish(const QString& finished, const QString& profilePath) {
    if (::link(QFile::encodeName(finished).constData(),
               QFile::encodeName(profilePath).constData()) == 0)
        return SeedOutcome::Seeded;
    return errno == EEXIST ? SeedOutcome::UserHasFile : SeedOutcome::Failed;
}

} // namespace

QString installedDataFolder(const QString& programFolder) {
    return QDir::cleanPath(QDir(programFolder).filePath(QStringLiteral(OMBRELO_DATA_FROM_BIN)));
}

bool isSystemProgramFolder(const QString& programFolder) {
    if (programFolder.isEmpty())
        return false;
    const QString canonical = QFileInfo(programFolder).canonicalFilePath();
    const QString folder = canonical.isEmpty() ? QDir::cleanPath(programFolder) : canonical;
    if (kSystemProgramFolders.contains(folder))
        return true;
    return QFileInfo(installedDataFolder(folder)).isDir();
}

QString findStarterStyles(const QStringList& folders) {
    for (const QString& folder : folders) {
        const QString candidate = QDir(folder).filePath(kStarterName);
        if (QFileInfo(candidate).isFile())
            return candidate;
    }
    return {};
}

SeedOutcome seedStarterStyles(const QString& starterPath, const QString& profilePath) {
    if (pathExists(profilePath))
        return SeedOutcome::UserHasFile;
    QFile starter(starterPath);
    if (starterPath.isEmpty() || !starter.open(QIODevice::ReadOnly))
        return SeedOutcome::NoStarter;
    const QByteArray content = starter.readAll();

    const QString folder = QFileInfo(profilePath).absolutePath();
    if (!QDir().mkpath(folder))
        return SeedOutcome::Failed;
    QTemporaryFile copy(QDir(folder).filePath(QStringLiteral(".Draw.ini.XXXXXX")));
    if (!copy.open() || copy.write(content) != content.size() || !copy.flush() ||
        ::fsync(copy.handle()) != 0)
        return SeedOutcome::Failed;
    return publish(copy.fileName(), profilePath);
}

} // namespace designer
