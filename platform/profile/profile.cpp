#include "profile/profile.h"

#include "profile/profilesyntax.h"

namespace platform::profile {

namespace {

// Cut to the buffer, without leaving half of a surrogate pair at the end.
QString cutToValueBuffer(QString value) {
    qsizetype length = ValueBufferSize - 1;
    if (value.size() <= length)
        return value;
    if (value[length - 1].isHighSurrogate())
        --length;
    value.truncate(length);
    return value;
}

} // namespace

bool isWritableSectionName(QStringView section) {
    // An empty name would end the designer's listing of the styles after it.
    return fitsOnOneLine(section) && !trimBlanks(section).isEmpty() &&
           section.size() <= MaxSectionNameLength;
}

bool isWritableKeyName(QStringView key) {
    // A key must read back as itself: not a comment, not a section line,
    // and the first "=" of its line must be the one after it.
    const QStringView name = trimBlanks(key);
    return fitsOnOneLine(key) && !name.isEmpty() && !name.startsWith(u';') &&
           !name.startsWith(u'[') && !key.contains(u'=');
}

bool isWritableValue(QStringView value) {
    return fitsOnOneLine(value);
}

QString readString(const QString& file, const QString& section, const QString& key,
                   const QString& defaultValue, FileAccess& access) {
    FileContents contents = access.read(file);
    if (contents.status != FileContents::Status::Read)
        return cutToValueBuffer(defaultValue);
    const ProfileDocument document(std::move(contents.bytes));
    return cutToValueBuffer(document.value(section, key).value_or(defaultValue));
}

bool writeString(const QString& file, const QString& section, const QString& key,
                 const QString& value, FileAccess& access) {
    return writeKeys(file, section, {KeyValue{key, value}}, access);
}

bool writeKeys(const QString& file, const QString& section, const KeyValueList& entries,
               FileAccess& access) {
    if (!isWritableSectionName(section))
        return false;
    for (const KeyValue& entry : entries) {
        if (!isWritableKeyName(entry.key) || !isWritableValue(entry.value))
            return false;
    }
    if (entries.isEmpty())
        return true;
    const ProfileLock lock = access.lockForUpdate(file);
    if (!lock.allowsWrite())
        return false;
    FileContents contents = access.read(file);
    if (contents.status == FileContents::Status::Unreadable)
        return false;
    ProfileDocument document(std::move(contents.bytes));
    if (!document.canRewrite())
        return false;
    document.setValues(section, entries);
    return access.replace(file, document.bytes());
}

bool deleteSection(const QString& file, const QString& section, FileAccess& access) {
    const ProfileLock lock = access.lockForUpdate(file);
    if (!lock.allowsWrite())
        return false;
    FileContents contents = access.read(file);
    if (contents.status == FileContents::Status::Missing)
        return true;
    if (contents.status == FileContents::Status::Unreadable)
        return false;
    ProfileDocument document(std::move(contents.bytes));
    if (!document.removeSection(section))
        return true;
    if (!document.canRewrite())
        return false;
    return access.replace(file, document.bytes());
}

QStringList sectionNames(const QString& file, FileAccess& access) {
    FileContents contents = access.read(file);
    if (contents.status != FileContents::Status::Read)
        return {};
    // Each name takes its length and a NUL; one more NUL ends the list.
    return ProfileDocument(std::move(contents.bytes)).sectionNames(NameListBufferSize - 1);
}

} // namespace platform::profile
