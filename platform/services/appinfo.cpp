#include "services/appinfo.h"

#include <QCoreApplication>
#include <QDir>

namespace platform {

QString appFolder() {
    return QCoreApplication::applicationDirPath();
}

QString besideProgram(const QString& fileName) {
    return QDir(appFolder()).filePath(fileName);
}

} // namespace platform
