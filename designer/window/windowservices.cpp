#include "window/windowservices.h"

#include "logic/userfiles.h"
#include "services/appinfo.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringDecoder>

namespace designer {

namespace {
const QString kProcedureName = QStringLiteral("Function Ombrelo.fnc");
} // namespace

QString findProcedureSource(const QString& programFolder, const QStringList& dataFolders) {
    QStringList candidates{QDir(programFolder).filePath(kProcedureName)};
    for (const QString& folder : dataFolders)
        candidates.append(
            QDir(folder).filePath(kDataSubfolder + QLatin1Char('/') + kProcedureName));
    for (const QString& candidate : candidates)
        if (QFileInfo(candidate).isFile())
            return candidate;
    return {};
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
