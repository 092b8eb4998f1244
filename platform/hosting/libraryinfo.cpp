#include "hosting/libraryinfo.h"

#include "hosting/controllibrary.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>
#include <QPluginLoader>
#include <QRegularExpression>

#include <dlfcn.h>

namespace platform {

const ControlClassInfo* ControlLibraryInfo::findClass(const QString& progId) const {
    for (const ControlClassInfo& cls : classes) {
        if (cls.progId.compare(progId, Qt::CaseInsensitive) == 0)
            return &cls;
    }
    return nullptr;
}

QString ControlLibraryInfo::toolboxBitmapPath(const ControlClassInfo& cls) const {
    if (cls.toolboxBitmap.isEmpty() || cls.toolboxBitmap.startsWith(QLatin1Char(':')))
        return cls.toolboxBitmap;
    return QFileInfo(libraryPath).dir().filePath(cls.toolboxBitmap);
}

bool isValidProgId(const QString& progId) {
    static const QRegularExpression pattern(
        QStringLiteral("^[A-Za-z][A-Za-z0-9_]*(\\.[A-Za-z0-9_]+)+$"));
    return progId.size() <= 39 && pattern.match(progId).hasMatch();
}

namespace {

LibraryInfoResult failure(LibraryInfoStatus status, const QString& problem) {
    LibraryInfoResult result;
    result.status = status;
    result.problem = problem;
    return result;
}

bool readClasses(const QJsonArray& array, QList<ControlClassInfo>& classes, QString& problem) {
    for (const QJsonValue& value : array) {
        const QJsonObject object = value.toObject();
        ControlClassInfo cls;
        cls.progId = object.value(QLatin1String("ProgID")).toString();
        cls.className = object.value(QLatin1String("ClassName")).toString();
        cls.toolboxBitmap = object.value(QLatin1String("ToolboxBitmap")).toString();
        if (!isValidProgId(cls.progId)) {
            problem = QStringLiteral("invalid ProgID \"%1\" in the library's description")
                          .arg(cls.progId);
            return false;
        }
        classes.append(cls);
    }
    if (classes.isEmpty()) {
        problem = QStringLiteral("the library's description lists no classes");
        return false;
    }
    return true;
}

} // namespace

LibraryInfoResult readLibraryInfo(const QString& libraryPath) {
    const QFileInfo file(libraryPath);
    if (!file.isFile())
        return failure(LibraryInfoStatus::Unreadable, QStringLiteral("no such file"));
    const QJsonObject plugin = QPluginLoader(file.absoluteFilePath()).metaData();
    if (plugin.isEmpty())
        return failure(LibraryInfoStatus::Unreadable,
                       QStringLiteral("not a library with a control description"));
    const QString iid = plugin.value(QLatin1String("IID")).toString();
    if (iid != QLatin1String(OMBRELO_CONTROL_LIBRARY_IID))
        return failure(LibraryInfoStatus::WrongInterface,
                       QStringLiteral("a plugin of interface \"%1\", not a control library of "
                                      "interface \"%2\"")
                           .arg(iid, QLatin1String(OMBRELO_CONTROL_LIBRARY_IID)));

    const QJsonObject meta = plugin.value(QLatin1String("MetaData")).toObject();
    LibraryInfoResult result;
    result.status = LibraryInfoStatus::Ok;
    ControlLibraryInfo& info = result.info;
    info.libraryPath = file.absoluteFilePath();
    info.typeLibrary = meta.value(QLatin1String("TypeLibrary")).toString();
    info.helpString = meta.value(QLatin1String("HelpString")).toString();
    info.version = meta.value(QLatin1String("Version")).toString();
    if (!readClasses(meta.value(QLatin1String("Classes")).toArray(), info.classes,
                     result.problem)) {
        result.status = LibraryInfoStatus::BadMetadata;
        result.info = {};
    }
    return result;
}

QString loadedFileOf(const void* address) {
    Dl_info info{};
    if (!dladdr(address, &info) || !info.dli_fname)
        return {};
    return QFileInfo(QString::fromLocal8Bit(info.dli_fname)).absoluteFilePath();
}

} // namespace platform
