#include "module1/profilevalue.h"

#include "profile/profile.h"

namespace module1 {

QString ReadProfileValue(const QString& section, const QString& key, const QString& file) {
    return platform::profile::readString(file, section, key, QString());
}

} // namespace module1
