#include "logic/profilelocation.h"

#include "logic/userfiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace designer {

namespace {
const QString kProfileName = QStringLiteral("Draw.ini");
} // namespace

QString chooseProfilePath(const QString& programFolder, const QString& dataHome) {
    const QFileInfo folder(programFolder);
    if (!programFolder.isEmpty() && folder.isDir() && folder.isWritable() &&
        !isSystemProgramFolder(programFolder))
        return QDir(programFolder).filePath(kProfileName);
    const QString ownData = QDir(dataHome).filePath(kDataSubfolder);
    QDir().mkpath(ownData);
    return QDir(ownData).filePath(kProfileName);
}

QString defaultProfilePath() {
    const QString programFolder = QCoreApplication::applicationDirPath();
    const QString dataHome = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    const QString profile = chooseProfilePath(programFolder, dataHome);
    // The shipped styles: the installed layout's, else the system's data
    // folders' (never the user's own folder, which is where they would go).
    QStringList starters{installedDataFolder(programFolder)};
    for (const QString& folder :
         QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
        if (QDir::cleanPath(folder) != QDir::cleanPath(dataHome))
            starters.append(QDir(folder).filePath(kDataSubfolder));
    seedStarterStyles(findStarterStyles(starters), profile);
    return profile;
}

} // namespace designer
