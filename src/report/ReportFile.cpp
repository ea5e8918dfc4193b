#include "report/ReportFile.h"

#include "base/FileError.h"

#include "base/Platform.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>

namespace tarnby::report {
namespace {

QString native(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

Outcome failed(const QString& target, const QString& reason)
{
    return Outcome::error(
        QCoreApplication::translate("ReportFile", "无法写入文件“%1”：%2。原有文件保持不变。").arg(native(target), reason));
}

// Another program holds the file: an office suite's lock file beside it, or a
// lock of the system's own.
bool isHeldByAnotherProgram(const QFileInfo& target)
{
    return QFileInfo::exists(target.dir().filePath(QStringLiteral(".~lock.%1#").arg(target.fileName())))
        || platform::isLockedByAnotherProgram(target.absoluteFilePath());
}

// Why the target cannot be replaced now, or an empty text.
QString targetRefusal(const QFileInfo& target)
{
    if (!target.dir().exists())
        return QCoreApplication::translate("ReportFile", "文件夹“%1”不存在").arg(native(target.absolutePath()));
    if (target.isDir())
        return QCoreApplication::translate("ReportFile", "已有同名的文件夹");
    if (target.exists() && !target.isWritable())
        return QCoreApplication::translate("ReportFile", "原文件是只读的");
    if (target.exists() && isHeldByAnotherProgram(target))
        return QCoreApplication::translate("ReportFile", "文件正被其他程序打开，请先关闭它");
    return {};
}

// The system's own error when the failing call has just returned, else what
// the file kept of it.
QString reasonOf(const QFileDevice& file, int error)
{
    if (error != 0)
        return failureReason(error);
    if (file.error() == QFileDevice::ResourceError)
        return failureReason(ENOSPC);
    return fileErrorReason(file.errorString());
}

} // namespace

QString failureReason(int error)
{
    switch (error) {
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
        return QCoreApplication::translate("ReportFile", "磁盘空间不足");
    case EFBIG:
        return QCoreApplication::translate("ReportFile", "文件超出了允许的大小");
    case EACCES:
    case EPERM:
        return QCoreApplication::translate("ReportFile", "没有写入权限");
    case EROFS:
        return QCoreApplication::translate("ReportFile", "磁盘是只读的");
    case EIO:
        return QCoreApplication::translate("ReportFile", "磁盘读写出错");
    case ENOENT:
        return QCoreApplication::translate("ReportFile", "文件夹不存在");
    case 0:
        return QCoreApplication::translate("ReportFile", "写入出错");
    default:
        return fileErrorReason(QString::fromLocal8Bit(std::strerror(error)));
    }
}

Outcome saveReportFile(const QString& target, const ContentWriter& write)
{
    QFileInfo info(QDir::current().absoluteFilePath(target));
    // A link is followed, so the file it names is replaced and the link stays.
    if (info.isSymLink() && !info.symLinkTarget().isEmpty())
        info = QFileInfo(info.symLinkTarget());
    const QString path = info.absoluteFilePath();
    if (const QString refusal = targetRefusal(info); !refusal.isEmpty())
        return failed(path, refusal);

    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly)) {
        const int error = errno;
        return failed(path, QCoreApplication::translate("ReportFile", "无法在文件夹中新建文件（%1）").arg(reasonOf(file, error)));
    }
    const QString reason = write(file);
    // The last bytes are written here, not in commit(), so that a full disk
    // is seen before the new file takes the old one's place.
    errno = 0;
    const bool flushed = file.flush();
    const int flushError = flushed ? 0 : errno;
    if (!flushed || file.error() != QFileDevice::NoError) {
        file.cancelWriting();
        return failed(path, reasonOf(file, flushError));
    }
    if (!reason.isEmpty() || file.size() == 0) {
        file.cancelWriting();
        return failed(path, reason.isEmpty() ? failureReason(0) : reason);
    }
    errno = 0;
    if (!file.commit()) {
        const int error = errno;
        return failed(path, reasonOf(file, error));
    }
    return Outcome::quiet();
}

} // namespace tarnby::report
