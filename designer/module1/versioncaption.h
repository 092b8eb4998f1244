#pragma once
// The version caption of the main window: "Vertion : 3.0 Build #17".

#include <QString>

namespace module1 {

// The program's own version numbers, from the build.
struct ProgramVersion {
    int major;
    int minor;
    int revision;
};
ProgramVersion programVersion();

// "Vertion : " + major + "." + minor + " Build #" + revision, plain decimal.
QString VersionCaption(const ProgramVersion& version);

} // namespace module1
