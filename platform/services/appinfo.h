#pragma once
// The application's folder and version numbers, as the program and the
// control libraries ask for them.

#include <QString>

namespace platform {

// The folder that holds the running program (the build tree's bin/ or the
// installed program folder).
QString appFolder();

// A file beside the running program.
QString besideProgram(const QString& fileName);

} // namespace platform
