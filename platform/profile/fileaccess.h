#pragma once
// How the profile functions reach the file system: read a whole file, and
// replace a whole file so that it is either fully written or left exactly
// as it was. An interface, so that tests and the fuzzer can put the file
// anywhere and make writing fail at will.

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
};

// The real file system. A replacement goes to a new file in the same folder,
// is flushed to disk and renamed over the old one, which keeps its
// permissions; where the folder allows no new file but the file itself is
// writable, the file is written in place. A file that is marked read-only
// (no write permission for anyone) is never written, even by the superuser.
FileAccess& systemFileAccess();

} // namespace platform::profile
