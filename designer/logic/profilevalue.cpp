#include "logic/profilevalue.h"

#include "profile/profile.h"

namespace designer {

QString ReadProfileValue(const QString& section, const QString& key, const QString& file) {
    return platform::profile::readString(file, section, key, QString());
}

} // namespace designer
