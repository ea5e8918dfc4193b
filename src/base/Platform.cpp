#include "base/Platform.h"

#include <QFile>

#include <cstdio>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#endif

namespace tarnby::platform {

bool isLockedByAnotherProgram(const QString& path)
{
#ifdef Q_OS_UNIX
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return false;
    // The two kinds of lock do not see each other: BSD locks on the whole file,
    // POSIX locks on a range.
    bool locked = false;
    if (::flock(fd, LOCK_SH | LOCK_NB) != 0 && errno == EWOULDBLOCK)
        locked = true;
    else
        ::flock(fd, LOCK_UN);
    struct flock probe {};
    probe.l_type = F_RDLCK;
    probe.l_whence = SEEK_SET;
    if (!locked && ::fcntl(fd, F_GETLK, &probe) == 0 && probe.l_type != F_UNLCK)
        locked = true;
    ::close(fd);
    return locked;
#else
    Q_UNUSED(path);
    return false;
#endif
}

void withoutStandardError(const std::function<void()>& call)
{
#ifdef Q_OS_UNIX
    std::fflush(stderr);
    const int saved = ::dup(STDERR_FILENO);
    const int sink = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
    const bool swapped = saved >= 0 && sink >= 0 && ::dup2(sink, STDERR_FILENO) >= 0;
    call();
    if (swapped) {
        std::fflush(stderr);
        ::dup2(saved, STDERR_FILENO);
    }
    if (sink >= 0)
        ::close(sink);
    if (saved >= 0)
        ::close(saved);
#else
    call();
#endif
}

} // namespace tarnby::platform
