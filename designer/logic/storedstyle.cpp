#include "logic/storedstyle.h"

#include "logic/profilevalue.h"
#include "profile/profile.h"

namespace designer {

QStringList listStyleNames(const QString& file) {
    QStringList names = platform::profile::sectionNames(file);
    const qsizetype firstEmpty = names.indexOf(QString());
    if (firstEmpty >= 0)
        names.resize(firstEmpty);
    return names;
}

StyleRecord readStoredStyle(const QString& file, const QString& section) {
    StyleRecord record;
    for (const StyleKey key : styleKeysInLoadOrder())
        record.setText(key, ReadProfileValue(section, styleKeyName(key), file));
    return record;
}

bool saveStoredStyle(const QString& file, const QString& section, const StyleRecord& record) {
    return platform::profile::writeKeys(file, section, record.entries());
}

bool deleteStoredStyle(const QString& file, const QString& section) {
    if (!platform::profile::isWritableSectionName(section))
        return false;
    return platform::profile::deleteSection(file, section);
}

} // namespace designer
