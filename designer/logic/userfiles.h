#pragma once
// Where the designer keeps the user's styles and where it finds what it
// ships with, for a program run from a system folder (an installed package)
// and for one run from a folder of its own (a build tree, a portable copy).

#include <QString>
#include <QStringList>

namespace designer {

// The designer's own folder under a data folder (the user's, where the
// styles, the wallpaper bitmap and the like go, or a system one).
inline const QString kDataSubfolder = QStringLiteral("ombrelo");

// A system folder: a standard folder of programs (/usr/bin and the like) or
// the bin/ of an installed layout, which has the designer's read-only data
// in ../share/ombrelo. The user's files never go there, whoever runs it.
bool isSystemProgramFolder(const QString& programFolder);

// The data folder of an installed layout beside the program folder
// ("<program>/../share/ombrelo"), whether or not it exists.
QString installedDataFolder(const QString& programFolder);

// The starter styles that ship with the designer: "Draw.ini" in the first
// of the folders that has it; empty when none has.
QString findStarterStyles(const QStringList& folders);

enum class SeedOutcome {
    Seeded,      // the user had no style library; the starter is theirs now
    UserHasFile, // something is there already: left exactly as it was
    NoStarter,   // nothing to start from
    Failed,      // could not write; nothing half-written is left behind
};

// Gives the user the starter styles when the profile does not exist yet (not
// even as a dangling link). The copy appears whole or not at all, and never
// replaces anything, even when another start races this one.
SeedOutcome seedStarterStyles(const QString& starterPath, const QString& profilePath);

} // namespace designer
