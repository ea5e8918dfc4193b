#include "base/FolderLock.h"

#include "base/Platform.h"
#include "base/StoredFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLockFile>
#include <QMutex>
#include <QSaveFile>
#include <QSysInfo>
#include <QTimer>

namespace tarnby {
namespace {

const QString kLockName = QStringLiteral("tarnby.lock");
const QString kOwnerName = QStringLiteral("tarnby.lock.owner");
const QString kShownTime = QStringLiteral("yyyy-MM-dd HH:mm");

QString keyOf(const QString& programDir)
{
    return QDir::cleanPath(QFileInfo(programDir).absoluteFilePath());
}

QByteArray contentOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The first lines QLockFile writes: the process id, its name, the host name
// and the machine's id.
struct LockInfo {
    qint64 pid = 0;
    QString host;
    QByteArray hostId;
};

std::optional<LockInfo> lockInfoOf(const QByteArray& content)
{
    const QList<QByteArray> lines = content.split('\n');
    if (lines.size() < 3)
        return std::nullopt;
    LockInfo info;
    bool ok = false;
    info.pid = lines.at(0).toLongLong(&ok);
    if (!ok || info.pid <= 0)
        return std::nullopt;
    info.host = QString::fromUtf8(lines.at(2));
    if (lines.size() > 3)
        info.hostId = lines.at(3);
    return info;
}

bool isThisMachine(const LockInfo& info)
{
    const QByteArray ourId = QSysInfo::machineUniqueId();
    if (!info.hostId.isEmpty() && !ourId.isEmpty())
        return info.hostId == ourId;
    return info.host.isEmpty() || info.host == QSysInfo::machineHostName();
}

} // namespace

// The lock of one folder in this process, shared by its FolderLocks.
class FolderLock::Lease {
public:
    explicit Lease(const QString& programDir);
    ~Lease();

    bool held() const { return held_; }
    Holder holder() const;
    Outcome mayWrite() const;

private:
    bool takeOverFromOtherMachine();
    bool stillOurs() const { return held_ && contentOf(lock_->fileName()) == ours_; }
    QString folderShown() const { return QDir::toNativeSeparators(programDir_); }

    QString programDir_;
    std::unique_ptr<QLockFile> lock_;
    bool held_ = false;
    QString unwritable_;
    QByteArray ours_;
    QTimer heartbeat_;
};

namespace {

QHash<QString, std::weak_ptr<FolderLock::Lease>>& leases()
{
    static QHash<QString, std::weak_ptr<FolderLock::Lease>> all;
    return all;
}

QMutex& leasesMutex()
{
    static QMutex mutex;
    return mutex;
}

QString describe(const FolderLock::Holder& holder)
{
    QString who = holder.user.isEmpty() ? QCoreApplication::translate("FolderLock", "另一位用户") : holder.user;
    if (!holder.machine.isEmpty())
        who += QCoreApplication::translate("FolderLock", "（电脑 %1）").arg(holder.machine);
    if (holder.since.isValid())
        who = QCoreApplication::translate("FolderLock", "%1自 %2 起").arg(who, holder.since.toString(kShownTime));
    return who;
}

} // namespace

FolderLock::Lease::Lease(const QString& programDir)
    : programDir_(programDir)
    , lock_(std::make_unique<QLockFile>(lockPath(programDir)))
{
    // Never stale by age alone: a window stays open all day.
    lock_->setStaleLockTime(0);
    held_ = lock_->tryLock(0);
    if (!held_ && lock_->error() == QLockFile::LockFailedError)
        held_ = takeOverFromOtherMachine();
    if (held_) {
        ours_ = contentOf(lock_->fileName());
        const storedfile::Identity me = storedfile::identity();
        QSaveFile note(ownerPath(programDir_));
        if (note.open(QIODevice::WriteOnly)) {
            note.write(QStringLiteral("%1\n%2\n%3\n%4\n")
                           .arg(me.user, me.machine, storedfile::now().toString(Qt::ISODate))
                           .arg(QCoreApplication::applicationPid())
                           .toUtf8());
            note.commit();
        }
        QObject::connect(&heartbeat_, &QTimer::timeout, &heartbeat_, [this] {
            if (stillOurs())
                platform::touch(lock_->fileName());
        });
        // A process without an event loop (a test's child) saves and ends
        // long before anyone would call its lock stale.
        if (QCoreApplication::instance())
            heartbeat_.start(kHeartbeat);
    } else if (lock_->error() != QLockFile::LockFailedError) {
        unwritable_ = lock_->error() == QLockFile::PermissionError ? QCoreApplication::translate("FolderLock", "没有写入权限")
                                                                    : QCoreApplication::translate("FolderLock", "无法建立 %1").arg(kLockName);
    }
    storedfile::setWriteCheck(programDir_, [this] { return mayWrite(); });
}

FolderLock::Lease::~Lease()
{
    storedfile::setWriteCheck(programDir_, {});
    if (!held_)
        return;
    if (stillOurs()) {
        QFile::remove(ownerPath(programDir_));
        lock_->unlock();
        return;
    }
    // Taken over meanwhile: unlocking would delete the new holder's lock file,
    // and QLockFile cannot let go of a lock without deleting it.
    (void)lock_.release();
}

bool FolderLock::Lease::takeOverFromOtherMachine()
{
    const QString path = lock_->fileName();
    auto stale = [&path] {
        const std::optional<LockInfo> info = lockInfoOf(contentOf(path));
        if (!info || isThisMachine(*info))
            return false; // this machine's processes are Qt's to judge
        const QDateTime touched = QFileInfo(path).lastModified();
        return touched.isValid()
               && std::chrono::seconds(touched.secsTo(QDateTime::currentDateTime())) > kStaleAfter;
    };
    if (!stale())
        return false;
    // As QLockFile does for its own stale locks: two windows taking over at
    // once must not delete each other's new lock.
    QLockFile removal(path + QStringLiteral(".rmlock"));
    if (!removal.tryLock(0) || !stale() || !lock_->removeStaleLockFile())
        return false;
    return lock_->tryLock(0);
}

FolderLock::Holder FolderLock::Lease::holder() const
{
    const std::optional<LockInfo> info = lockInfoOf(contentOf(lock_->fileName()));
    if (!info)
        return {};
    Holder holder;
    holder.machine = info->host;
    // The owner's note counts only when it is the note of this lock's owner.
    const QStringList note = QString::fromUtf8(contentOf(ownerPath(programDir_))).split(u'\n');
    if (note.size() >= 4 && note.at(1) == info->host && note.at(3).toLongLong() == info->pid) {
        holder.user = note.at(0);
        holder.since = QDateTime::fromString(note.at(2), Qt::ISODate);
    }
    return holder;
}

Outcome FolderLock::Lease::mayWrite() const
{
    if (stillOurs())
        return Outcome::quiet();
    const QString notSaved = QCoreApplication::translate("FolderLock", "本次未保存。");
    if (held_)
        return Outcome::error(QCoreApplication::translate("FolderLock", "本窗口已不再独占程序文件夹 %1：它现由%2使用。%3\n请关闭本窗口后重新打开本程序。")
                                  .arg(folderShown(), describe(holder()), notSaved));
    if (!unwritable_.isEmpty())
        return Outcome::error(
            QCoreApplication::translate("FolderLock", "本窗口为只读：程序文件夹 %1 无法写入（%2）。%3").arg(folderShown(), unwritable_, notSaved));
    const Holder now = holder();
    if (now.machine.isEmpty())
        return Outcome::error(QCoreApplication::translate("FolderLock", "本窗口为只读：打开时程序文件夹 %1 正由另一个窗口使用。%2\n"
                                             "请重新打开本程序后再保存。")
                                  .arg(folderShown(), notSaved));
    return Outcome::error(QCoreApplication::translate("FolderLock", "本窗口为只读：程序文件夹 %1 正由%2使用。%3\n"
                                         "请等对方关闭程序后，重新打开本程序再保存。")
                              .arg(folderShown(), describe(now), notSaved));
}

FolderLock::FolderLock(const QString& programDir)
{
    const QString key = keyOf(programDir);
    const QMutexLocker lock(&leasesMutex());
    lease_ = leases().value(key).lock();
    if (!lease_) {
        lease_ = std::make_shared<Lease>(programDir);
        leases().insert(key, lease_);
    }
}

FolderLock::~FolderLock()
{
    const QMutexLocker lock(&leasesMutex());
    lease_.reset();
}

bool FolderLock::held() const
{
    return lease_->held();
}

FolderLock::Holder FolderLock::holder() const
{
    return lease_->held() ? Holder{} : lease_->holder();
}

Outcome FolderLock::mayWrite() const
{
    return lease_->mayWrite();
}

QString FolderLock::lockPath(const QString& programDir)
{
    return QDir(programDir).filePath(kLockName);
}

QString FolderLock::ownerPath(const QString& programDir)
{
    return QDir(programDir).filePath(kOwnerName);
}

} // namespace tarnby
