#pragma once
// The per-user registry of control libraries: one small file per ProgID,
// "<root>/<ProgID>.control", of key=value lines:
//
//     ProgID=Quintaro.Velmira
//     Library=/home/u/ombrelo/controls/libquintaro.so
//     ClassName=Velmira
//     TypeLibrary=Quintaro
//     HelpString=Brantel Quintaro
//     Version=1.1.32
//
// The root is $XDG_DATA_HOME/ombrelo/controls (QStandardPaths
// GenericDataLocation); the environment variable OMBRELO_CONTROL_REGISTRY
// or setDefaultRoot() moves it (tests).

#include "hosting/libraryinfo.h"

#include <QList>
#include <QString>

#include <optional>

namespace platform {

struct RegistryEntry {
    QString progId;
    QString libraryPath;
    QString className;
    QString typeLibrary;
    QString helpString;
    QString version;
};

class ControlRegistry {
public:
    // The registry at the default root.
    ControlRegistry();
    explicit ControlRegistry(QString root);

    static QString defaultRoot();
    // Overrides the default root for this process (empty: back to normal).
    static void setDefaultRoot(const QString& root);

    const QString& root() const { return root_; }

    // The entry of progId (case-insensitive), or none when it is not
    // registered or its file names no library.
    std::optional<RegistryEntry> find(const QString& progId) const;
    // Every readable entry, ordered by ProgID.
    QList<RegistryEntry> entries() const;

    // Writes (replacing) the entry of each class of the library. False when
    // a file could not be written; problem says which.
    bool add(const ControlLibraryInfo& library, QString* problem = nullptr);
    bool add(const RegistryEntry& entry, QString* problem = nullptr);
    // Removes the entries of the library's classes that name this library
    // (an entry naming another copy stays). False when one could not be
    // removed.
    bool removeLibrary(const ControlLibraryInfo& library, QString* problem = nullptr);

    QString fileOf(const QString& progId) const;

private:
    QString root_;
};

} // namespace platform
