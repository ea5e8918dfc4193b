#include "report/AtomicFile.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tarnby::report {
namespace {

QString native(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

Outcome failed(const QString& target, const QString& reason)
{
    return Outcome::error(
        QStringLiteral("无法写入文件“%1”：%2。原有文件保持不变。").arg(native(target), reason));
}

// Another program holds the file under a lock: an office suite's lock file
// beside it, a whole-file lock, or a write lock on a range.
bool isLockedByOthers(const QFileInfo& target)
{
    if (QFileInfo::exists(target.dir().filePath(QStringLiteral(".~lock.%1#").arg(target.fileName()))))
        return true;
    const QByteArray name = QFile::encodeName(target.absoluteFilePath());
    const int fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return false;
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
}

bool syncPath(const QString& path, bool directory)
{
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), (directory ? O_RDONLY | O_DIRECTORY : O_RDONLY) | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool ok = ::fsync(fd) == 0 || (directory && errno == EINVAL);
    const int saved = errno;
    ::close(fd);
    errno = saved;
    return ok;
}

mode_t currentUmask()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

} // namespace

QString failureReason(int error)
{
    switch (error) {
    case ENOSPC:
    case EDQUOT:
        return QStringLiteral("磁盘空间不足");
    case EFBIG:
        return QStringLiteral("文件超出了允许的大小");
    case EACCES:
    case EPERM:
        return QStringLiteral("没有写入权限");
    case EROFS:
        return QStringLiteral("磁盘是只读的");
    case EIO:
        return QStringLiteral("磁盘读写出错");
    case ENOENT:
        return QStringLiteral("文件夹不存在");
    case 0:
        return QStringLiteral("写入出错");
    default:
        return QString::fromLocal8Bit(std::strerror(error));
    }
}

QString targetRefusal(const QString& target)
{
    const QFileInfo info(target);
    if (!info.dir().exists())
        return QStringLiteral("文件夹“%1”不存在").arg(native(info.absolutePath()));
    if (info.isDir())
        return QStringLiteral("已有同名的文件夹");
    if (info.exists() && !info.isWritable())
        return QStringLiteral("原文件是只读的");
    if (info.exists() && isLockedByOthers(info))
        return QStringLiteral("文件正被其他程序打开，请先关闭它");
    return {};
}

Outcome writeAtomically(const QString& target, const ContentWriter& write)
{
    QFileInfo info(QDir::current().absoluteFilePath(target));
    // A link is followed, so the file it names is replaced and the link stays.
    if (info.isSymLink() && !info.symLinkTarget().isEmpty())
        info = QFileInfo(info.symLinkTarget());
    const QString path = info.absoluteFilePath();
    if (const QString refusal = targetRefusal(path); !refusal.isEmpty())
        return failed(path, refusal);

    // Hidden, in the same folder (so the rename never crosses file systems).
    QTemporaryFile temp(info.dir().filePath(QStringLiteral(".%1.XXXXXX").arg(info.fileName())));
    temp.setAutoRemove(false);
    errno = 0;
    if (!temp.open())
        return failed(path, QStringLiteral("无法在文件夹中新建文件（%1）").arg(failureReason(errno ? errno : EACCES)));
    const QString tempPath = temp.fileName();
    temp.close();
    const QByteArray tempName = QFile::encodeName(tempPath);
    auto discard = [&tempName] { ::unlink(tempName.constData()); };

    errno = 0;
    const QString reason = write(tempPath);
    if (!reason.isEmpty()) {
        discard();
        return failed(path, reason);
    }
    struct stat written {};
    if (::stat(tempName.constData(), &written) != 0 || written.st_size == 0) {
        const int error = errno;
        discard();
        return failed(path, failureReason(error));
    }
    if (!syncPath(tempPath, false)) {
        const int error = errno;
        discard();
        return failed(path, failureReason(error));
    }
    // The new file gets the old one's permissions, or the usual ones.
    struct stat old {};
    const QByteArray targetName = QFile::encodeName(path);
    const mode_t mode = ::stat(targetName.constData(), &old) == 0 ? (old.st_mode & 07777) : (0666 & ~currentUmask());
    ::chmod(tempName.constData(), mode);
    if (::rename(tempName.constData(), targetName.constData()) != 0) {
        const int error = errno;
        discard();
        return failed(path, failureReason(error));
    }
    syncPath(info.absolutePath(), true);
    return Outcome::quiet();
}

} // namespace tarnby::report
