#pragma once
// The lock that makes an update of a profile file (its read, the change in
// memory and the replace) one step for every other writer, also in other
// programs: a lock file beside the file, "Draw.ini.lock" beside "Draw.ini",
// held with the system's file lock (flock) while the update runs and
// removed when it ends. A symbolic link is followed first, so that every
// writer of the same real file, by whichever name, takes the same lock. The
// file itself is not locked: the replace puts a new file in its place.
//
// The system lets go of the lock of a process that ends, killed or not, so
// a holder that died blocks no one: its lock file is taken over at once and
// removed by the next writer. No time has to pass first, and no process id
// has to be guessed at.

#include <QString>

#include <chrono>
#include <utility>

namespace platform::profile {

// How long a write waits for another writer before it fails.
inline constexpr std::chrono::milliseconds defaultLockWait{5000};

// The lock file of a profile file.
QString lockFilePath(const QString& file);

// Held from its making to its end; movable, so that it can be handed back.
class ProfileLock {
public:
    // Waits for the lock of file for at most wait.
    static ProfileLock take(const QString& file, std::chrono::milliseconds wait = defaultLockWait);
    // Holds nothing and lets the write go on: for files that are not files
    // of this machine (tests, memory).
    static ProfileLock none() { return ProfileLock(-1, {}, true); }

    ProfileLock(ProfileLock&& other) noexcept;
    ProfileLock& operator=(ProfileLock&& other) noexcept;
    ~ProfileLock();

    // False only when another writer held the lock for longer than the
    // wait. Where no lock file can be made or locked (a folder that allows
    // no new file, a file system without locks), nothing is held and the
    // write goes on as it would without the lock.
    bool allowsWrite() const { return m_allowsWrite; }
    bool held() const { return m_fd >= 0; }

private:
    ProfileLock(int fd, QString path, bool allowsWrite)
        : m_fd(fd)
        , m_path(std::move(path))
        , m_allowsWrite(allowsWrite) {}
    void release();

    int m_fd;
    QString m_path;
    bool m_allowsWrite;
};

} // namespace platform::profile
