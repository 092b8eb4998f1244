#include "window/tests/privatefolders.h"

#include <QDir>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

#include <sys/stat.h>

namespace designer::test {

namespace {

void setFolder(const char* variable, const QString& path) {
    // Qt takes a runtime folder only when no one else may enter it.
    if (!QDir().mkpath(path) || ::chmod(QFile::encodeName(path).constData(), 0700) != 0 ||
        ::setenv(variable, QFile::encodeName(path).constData(), 1) != 0) {
        std::fprintf(stderr, "cannot make the test's private folder %s\n", qPrintable(path));
        std::abort();
    }
}

} // namespace

QString usePrivateUserFolders() {
    static const QString home = [] {
        static QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/ombrelo-test-home-XXXXXX"));
        if (!dir.isValid()) {
            std::fprintf(stderr, "cannot make the test's private home\n");
            std::abort();
        }
        setFolder("HOME", dir.path());
        setFolder("XDG_DATA_HOME", dir.filePath(QStringLiteral(".local/share")));
        setFolder("XDG_CONFIG_HOME", dir.filePath(QStringLiteral(".config")));
        setFolder("XDG_CACHE_HOME", dir.filePath(QStringLiteral(".cache")));
        setFolder("XDG_RUNTIME_DIR", dir.filePath(QStringLiteral("runtime")));
        return dir.path();
    }();
    return home;
}

namespace {

// Before main(), so before the test's QApplication.
const QString privateHome = usePrivateUserFolders();

} // namespace

} // namespace designer::test
