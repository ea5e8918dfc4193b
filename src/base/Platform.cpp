#include "base/Platform.h"

#include <QDateTime>
#include <QFile>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

#ifdef __GLIBC__
#include <malloc.h>
#endif

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <pwd.h>
#include <sys/mman.h>
#include <sys/stat.h>
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

bool syncToDisk(QFileDevice& file)
{
#ifdef Q_OS_UNIX
    return file.flush() && ::fsync(file.handle()) == 0;
#else
    return file.flush();
#endif
}

void touch(const QString& path)
{
#ifdef Q_OS_UNIX
    ::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), nullptr, 0);
#else
    QFile file(path);
    if (file.open(QIODevice::ReadWrite | QIODevice::ExistingOnly))
        file.setFileTime(QDateTime::currentDateTime(), QFileDevice::FileModificationTime);
#endif
}

QString userName()
{
#ifdef Q_OS_UNIX
    if (const passwd* entry = ::getpwuid(::geteuid()); entry && entry->pw_name)
        return QString::fromLocal8Bit(entry->pw_name);
#endif
    return {};
}

void keepFreedMemory()
{
#ifdef __GLIBC__
    // A table of a hundred thousand punches is built from buffers of some
    // megabytes each; left to the defaults, each is mapped afresh and given
    // back when freed, and the next one faults in every page again.
    mallopt(M_MMAP_THRESHOLD, 32 * 1024 * 1024);
    mallopt(M_TRIM_THRESHOLD, 256 * 1024 * 1024);
#ifdef MADV_HUGEPAGE
    // Even so the batch touches some thirty megabytes page by page, and a
    // fault per 4 KiB page costs more than the reading itself. The heap is
    // grown once to its full size, and the system is asked to back it with
    // large pages where it can (a request it may ignore), the worker threads'
    // memory included since they share this heap: taking turns at one
    // allocator costs them less than their own heaps' faults did.
    constexpr std::size_t kHeap = 128 * 1024 * 1024;
    constexpr std::uintptr_t kLargePage = 2 * 1024 * 1024;
    mallopt(M_ARENA_MAX, 1);
    mallopt(M_TOP_PAD, int(kHeap));
    void* const first = std::malloc(kLargePage);
    const auto at = reinterpret_cast<std::uintptr_t>(first);
    std::free(first);
    const auto end = reinterpret_cast<std::uintptr_t>(::sbrk(0));
    mallopt(M_TOP_PAD, 128 * 1024); // the default again
    // Only when the block came from the heap just grown: under a checking
    // allocator (a sanitised build) it did not.
    const std::uintptr_t from = (at + kLargePage - 1) & ~(kLargePage - 1);
    const std::uintptr_t to = end & ~(kLargePage - 1);
    if (first && at < end && end - at <= kHeap + 2 * kLargePage && to > from)
        ::madvise(reinterpret_cast<void*>(from), to - from, MADV_HUGEPAGE);
#endif
#endif
}

} // namespace tarnby::platform
