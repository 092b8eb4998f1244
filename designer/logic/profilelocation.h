#pragma once
// Where the style library Draw.ini lies, for the designer and for the
// programs that read its styles.

#include <QString>

namespace designer {

// Draw.ini beside the program when its folder is writable and no system
// folder (a build tree, a portable copy), else in <dataHome>/ombrelo, which
// is created when needed.
QString chooseProfilePath(const QString& programFolder, const QString& dataHome);

// The same for the running program, with the user's data folders. A user
// without a style library gets the starter styles that ship with the
// designer.
QString defaultProfilePath();

} // namespace designer
