#pragma once
// How the profile functions reach the file system: read a whole file, and
// replace a whole file so that it is either fully written or left exactly
// as it was; and keep the other writers of a file out while an update of
// it runs. An interface, so that tests and the fuzzer can put the file
// anywhere and make writing fail at will.

#include "profile/profilelock.h"

#include <QByteArray>
#include <QString>

namespace platform::profile {

struct FileContents {
    enum class Status {
        Read,
        Missing,    // nothing at that path: reads as an empty file
        Unreadable, // there, but not readable as a file: never overwritten
    };
    Status status = Status::Missing;
    QByteArray bytes;
};

class FileAccess {
public:
    virtual ~FileAccess() = default;
    virtual FileContents read(const QString& path) = 0;
    // True only when the file now holds contents.
    virtual bool replace(const QString& path, const QByteArray& contents) = 0;
    // Held by an update from before its read to after its replace. Takes
    // no lock unless the access says otherwise.
    virtual ProfileLock lockForUpdate(const QString& path);
};

// The real file system. A replacement goes to a new file in the same folder,
// is flushed to disk and renamed over the old one, which keeps its
// permissions; where the folder allows no new file but the file itself is
// writable, the file is written in place. A file that is marked read-only
// (no write permission for anyone) is never written, even by the superuser.
// Updates hold the lock of profilelock.h, waiting for it at most lockWait.
class SystemFileAccess final : public FileAccess {
public:
    explicit SystemFileAccess(std::chrono::milliseconds lockWait = defaultLockWait)
        : m_lockWait(lockWait) {}
    FileContents read(const QString& path) override;
    bool replace(const QString& path, const QByteArray& contents) override;
    ProfileLock lockForUpdate(const QString& path) override;

private:
    std::chrono::milliseconds m_lockWait;
};

// The one the program uses, with the usual wait.
FileAccess& systemFileAccess();

} // namespace platform::profile
