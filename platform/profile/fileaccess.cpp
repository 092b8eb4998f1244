#include "profile/fileaccess.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <unistd.h>

namespace platform::profile {

namespace {

constexpr QFile::Permissions anyWrite = QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;

// For a writable file in a folder that allows no new file. Not atomic: a
// write that fails puts the old contents back as well as it can.
bool replaceInPlace(const QString& path, const QByteArray& contents) {
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite))
        return false;
    const QByteArray old = file.readAll();
    const auto writeWhole = [&file](const QByteArray& bytes) {
        return file.seek(0) && file.write(bytes) == bytes.size() && file.flush() &&
               file.resize(bytes.size()) && ::fsync(file.handle()) == 0;
    };
    if (file.error() == QFileDevice::NoError && writeWhole(contents))
        return true;
    writeWhole(old);
    return false;
}

} // namespace

ProfileLock FileAccess::lockForUpdate(const QString&) {
    return ProfileLock::none();
}

FileContents SystemFileAccess::read(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists())
        return {FileContents::Status::Missing, {}};
    QFile file(path);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly))
        return {FileContents::Status::Unreadable, {}};
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return {FileContents::Status::Unreadable, {}};
    return {FileContents::Status::Read, std::move(bytes)};
}

bool SystemFileAccess::replace(const QString& path, const QByteArray& contents) {
    const QFileInfo info(path);
    if (info.exists() && (!info.isFile() || !info.isWritable() || !(info.permissions() & anyWrite)))
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return info.exists() && replaceInPlace(path, contents);
    // commit() does not notice every failed write (a full disk seen
    // only when the buffer is flushed), so flush and check first.
    if (file.write(contents) != contents.size() || !file.flush()) {
        file.cancelWriting();
        file.commit();
        return false;
    }
    return file.commit();
}

ProfileLock SystemFileAccess::lockForUpdate(const QString& path) {
    return ProfileLock::take(path, m_lockWait);
}

FileAccess& systemFileAccess() {
    static SystemFileAccess access;
    return access;
}

} // namespace platform::profile
