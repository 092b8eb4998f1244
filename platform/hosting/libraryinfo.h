#pragma once
// A control library's description, read from its plugin metadata without
// loading the library.

#include <QList>
#include <QString>

#include <optional>

namespace platform {

struct ControlClassInfo {
    QString progId;
    QString className;
    QString toolboxBitmap; // as the metadata names it
};

struct ControlLibraryInfo {
    QString libraryPath; // absolute
    QString typeLibrary;
    QString helpString;
    QString version;
    QList<ControlClassInfo> classes;

    // The class of progId (compared without regard to case), or null.
    const ControlClassInfo* findClass(const QString& progId) const;
    // The toolbox bitmap of a class as a path QPixmap can open: a resource
    // path as it is, a relative file name resolved beside the library.
    QString toolboxBitmapPath(const ControlClassInfo& cls) const;
};

enum class LibraryInfoStatus {
    Ok,
    Unreadable,     // no such file, or not a plugin library at all
    WrongInterface, // a Qt plugin of another kind
    BadMetadata,    // a control library whose description is unusable
};

struct LibraryInfoResult {
    LibraryInfoStatus status = LibraryInfoStatus::Unreadable;
    ControlLibraryInfo info;
    QString problem; // why, when status is not Ok
};

LibraryInfoResult readLibraryInfo(const QString& libraryPath);

// The absolute path of the loaded file (program or library) that holds the
// given address, as it was loaded; empty when none does.
QString loadedFileOf(const void* address);
template <typename Function> QString loadedFileOf(Function* function) {
    return loadedFileOf(reinterpret_cast<const void*>(function));
}

// A ProgID as the registry accepts it: "Library.Class" (one or more dots),
// letters, digits and underscores, starting with a letter, at most 39
// characters. Anything else could name a file outside the registry.
bool isValidProgId(const QString& progId);

} // namespace platform
