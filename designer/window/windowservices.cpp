#include "window/windowservices.h"

#include "services/appinfo.h"
#include "window/userfiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringDecoder>

namespace designer {

namespace {
const QString kProfileName = QStringLiteral("Draw.ini");
const QString kProcedureName = QStringLiteral("Function Ombrelo.fnc");
const QString kAppSubfolder = QStringLiteral("ombrelo");
} // namespace

QString chooseProfilePath(const QString& programFolder, const QString& dataHome) {
    const QFileInfo folder(programFolder);
    if (!programFolder.isEmpty() && folder.isDir() && folder.isWritable() &&
        !isSystemProgramFolder(programFolder))
        return QDir(programFolder).filePath(kProfileName);
    const QString ownData = QDir(dataHome).filePath(kAppSubfolder);
    QDir().mkpath(ownData);
    return QDir(ownData).filePath(kProfileName);
}

QString findProcedureSource(const QString& programFolder, const QStringList& dataFolders) {
    QStringList candidates{QDir(programFolder).filePath(kProcedureName)};
    for (const QString& folder : dataFolders)
        candidates.append(QDir(folder).filePath(kAppSubfolder + QLatin1Char('/') + kProcedureName));
    for (const QString& candidate : candidates)
        if (QFileInfo(candidate).isFile())
            return candidate;
    return {};
}

QString defaultProfilePath() {
    const QString dataHome = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    const QString profile = chooseProfilePath(platform::appFolder(), dataHome);
    // The shipped styles: the installed layout's, else the system's data
    // folders' (never the user's own folder, which is where they would go).
    QStringList starters{installedDataFolder(platform::appFolder())};
    for (const QString& folder :
         QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
        if (QDir::cleanPath(folder) != QDir::cleanPath(dataHome))
            starters.append(QDir(folder).filePath(kAppSubfolder));
    seedStarterStyles(findStarterStyles(starters), profile);
    return profile;
}

QString defaultProcedureSourcePath() {
    QStringList dataFolders =
        QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation);
    // The installed layout: the data folder beside the program's.
    dataFolders.prepend(QFileInfo(installedDataFolder(platform::appFolder())).path());
    return findProcedureSource(platform::appFolder(), dataFolders);
}

QString readProcedureSource(const QString& path) {
    if (path.isEmpty())
        return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(bytes);
    if (utf8.hasError()) {
        QStringDecoder windows("windows-1252");
        text = windows.isValid() ? windows.decode(bytes) : QString::fromLatin1(bytes);
    }
    return text;
}

} // namespace designer
