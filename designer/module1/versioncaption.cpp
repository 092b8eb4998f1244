#include "module1/versioncaption.h"

namespace module1 {

ProgramVersion programVersion() {
    return {OMBRELO_VERSION_MAJOR, OMBRELO_VERSION_MINOR, OMBRELO_VERSION_REVISION};
}

QString VersionCaption(const ProgramVersion& version) {
    return QStringLiteral("Vertion : %1.%2 Build #%3")
        .arg(version.major)
        .arg(version.minor)
        .arg(version.revision);
}

} // namespace module1
