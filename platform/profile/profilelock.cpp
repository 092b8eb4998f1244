#include "profile/profilelock.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <thread>
#include <utility>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform::profile {

namespace {

// The file a path names in the end, as the replace finds it: links are
// followed also when their target does not exist yet. A loop of links is
// given up after as many steps as the system itself allows.
QString resolvedTarget(const QString& file) {
    QFileInfo info(file);
    for (int step = 0; step < 40 && info.isSymLink(); ++step)
        info.setFile(info.symLinkTarget());
    return info.filePath();
}

enum class Attempt { Held, Busy, Impossible };

// One try: open (or make) the lock file and lock it without waiting. The
// lock counts only while the file locked is still the one at the path: a
// holder that ends removes its file, and one who opened it just before
// must then start again on the new one.
Attempt tryOnce(const QByteArray& path, int& fd) {
    fd = ::open(path.constData(), O_RDONLY | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0)
        return errno == EINTR ? Attempt::Busy : Attempt::Impossible;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        ::close(fd);
        return error == EWOULDBLOCK || error == EINTR ? Attempt::Busy : Attempt::Impossible;
    }
    struct stat locked {};
    struct stat atPath {};
    if (::fstat(fd, &locked) == 0 && ::stat(path.constData(), &atPath) == 0 &&
        locked.st_dev == atPath.st_dev && locked.st_ino == atPath.st_ino)
        return Attempt::Held;
    ::close(fd);
    return Attempt::Busy;
}

} // namespace

QString lockFilePath(const QString& file) {
    return resolvedTarget(file) + QStringLiteral(".lock");
}

ProfileLock ProfileLock::take(const QString& file, std::chrono::milliseconds wait) {
    const QString path = lockFilePath(file);
    const QByteArray nativePath = QFile::encodeName(path);
    const QDeadlineTimer deadline(wait);
    // Short pauses: another writer holds the lock for milliseconds only.
    std::chrono::milliseconds pause{1};
    for (;;) {
        int fd = -1;
        switch (tryOnce(nativePath, fd)) {
        case Attempt::Held:
            return ProfileLock(fd, path, true);
        case Attempt::Impossible:
            return none();
        case Attempt::Busy:
            break;
        }
        const auto left = deadline.remainingTimeAsDuration();
        if (left <= std::chrono::nanoseconds::zero())
            return ProfileLock(-1, {}, false);
        std::this_thread::sleep_for(std::min<std::chrono::nanoseconds>(pause, left));
        pause = std::min(pause * 2, std::chrono::milliseconds(20));
    }
}

ProfileLock::ProfileLock(ProfileLock&& other) noexcept
    : m_fd(std::exchange(other.m_fd, -1))
    , m_path(std::move(other.m_path))
    , m_allowsWrite(other.m_allowsWrite) {}

ProfileLock& ProfileLock::operator=(ProfileLock&& other) noexcept {
    if (this != &other) {
        release();
        m_fd = std::exchange(other.m_fd, -1);
        m_path = std::move(other.m_path);
        m_allowsWrite = other.m_allowsWrite;
    }
    return *this;
}

ProfileLock::~ProfileLock() {
    release();
}

// The file goes before the lock: whoever waits on it then sees that it is
// no longer the lock file and starts again.
void ProfileLock::release() {
    if (m_fd < 0)
        return;
    ::unlink(QFile::encodeName(m_path).constData());
    ::close(m_fd);
    m_fd = -1;
}

} // namespace platform::profile
