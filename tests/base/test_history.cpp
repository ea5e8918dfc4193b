// The save helper under faults and load: killed at every step, two processes
// through the lock, a full disk and read-only folders; and the folder lock.

#include "base/FolderLock.h"
#include "base/History.h"
#include "base/StoredFile.h"
#include "base/TextFile.h"

#include <QCryptographicHash>
#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <random>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>

using namespace tarnby;

namespace {

// Part of a test in a forked child: killed in the middle of a save, two savers
// side by side, a file-size limit, a user without root's rights.
pid_t forkChild(const std::function<int()>& body)
{
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(body());
    return child;
}

// The child's exit status, or -1 when a SIGKILL ended it.
int waitFor(pid_t child)
{
    int status = 0;
    if (child <= 0 || ::waitpid(child, &status, 0) != child || (WIFSIGNALED(status) && WTERMSIG(status) != SIGKILL))
        return -2;
    return WIFSIGNALED(status) ? -1 : WEXITSTATUS(status);
}

// A program folder on a memory file system when there is one: a thousand
// synced saves take memory's time there, not the disk's.
struct Folder {
    QTemporaryDir dir{(QFileInfo(QStringLiteral("/dev/shm")).isWritable() ? QStringLiteral("/dev/shm") : QDir::tempPath())
                      + QStringLiteral("/tarnby-history-XXXXXX")};
    Folder() { QDir(dir.path()).mkdir(QStringLiteral("SrDate")); }
    QString path(const QString& name = {}) const { return name.isEmpty() ? dir.path() : dir.filePath(name); }
};

QByteArray bytesOf(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Every file under the folder with its bytes.
QMap<QString, QByteArray> snapshot(const QString& dir)
{
    QMap<QString, QByteArray> files;
    for (QDirIterator it(dir, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories); it.hasNext();)
        files.insert(it.next(), bytesOf(it.filePath()));
    return files;
}

// Empty when every version the log names is kept and whole (its bytes hash
// to its id); else what is wrong. A version found whole before is only
// looked for.
QString logFault(const QString& programDir, QSet<QString>* whole)
{
    const Result<history::Log> log = history::readLog(programDir);
    if (!log || !log->unreadLines.isEmpty())
        return QStringLiteral("unreadable log");
    for (const history::Change& c : log->changes) {
        for (const QString& id : {c.before, c.after}) {
            const QString path = history::folderPath(programDir) + u'/' + c.file + u'/' + id;
            if (id.isEmpty() || id == history::kNoLongerKept || (whole->contains(path) && QFileInfo::exists(path)))
                continue;
            const QByteArray sha1 = QCryptographicHash::hash(bytesOf(path), QCryptographicHash::Sha1).toHex();
            if (!QFileInfo::exists(path) || !id.endsWith(QString::fromLatin1(sha1.left(12))))
                return path + QStringLiteral(" is not kept whole");
            whole->insert(path);
        }
    }
    return {};
}

} // namespace

TEST(StoredFile, KilledAtAnyStepOfAThousandSavesFilesStayWholeAndTheLogNamesOnlyKeptVersions)
{
    Folder folder;
    const QStringList files{"Init.ini", "SrDate/202603.ydj", "SrDate/202603.zra", "SrDate/202603.rest"};
    auto fileOf = [&](int i) { return folder.path(files.at(i % files.size())); };
    // saves differ in length and in every line
    auto contentOf = [](int i) { return (QByteArray::number(i) + "\r\n").repeated(i % 7 + 3); };
    constexpr int kSaves = 1000;
    constexpr int kBatch = 40;
    QMap<QString, QByteArray> expected; // each file after its last finished save
    QSet<QString> whole;
    std::mt19937 random(26);
    int next = 0;
    while (next < kSaves) {
        const int end = std::min(kSaves, next + kBatch);
        const int victim = next + int(random() % unsigned(end - next));
        const auto step = storedfile::Step(random() % 6);
        const pid_t child = forkChild([&] {
            int current = next;
            storedfile::setStepHook([&](storedfile::Step s) {
                if (current == victim && s == step)
                    ::raise(SIGKILL);
            });
            for (; current < end; ++current) {
                if (textfile::exists(fileOf(current)) && !textfile::readBytes(fileOf(current)))
                    return 1;
                if (!storedfile::write(fileOf(current), contentOf(current)).ok())
                    return 2;
            }
            return 0;
        });
        const int ended = waitFor(child);
        const bool killed = ended == -1;
        // a save made again after a kill that came after its file was replaced changes nothing, so has no steps
        ASSERT_TRUE(killed || ended == 0) << "save " << victim << " ended " << ended;
        for (int i = next; i < (killed ? victim : end); ++i)
            expected.insert(fileOf(i), contentOf(i));
        for (const QString& name : files) {
            const QByteArray now = bytesOf(folder.path(name));
            const bool newOne = killed && folder.path(name) == fileOf(victim) && now == contentOf(victim);
            ASSERT_TRUE(newOne || now == expected.value(folder.path(name))) << "save " << victim << ' ' << int(step);
        }
        ASSERT_EQ(logFault(folder.path(), &whole), QString()) << "save " << victim << " step " << int(step);
        next = killed ? victim : end;
    }
    for (const QString& name : files) { // the oldest versions went, a few at a time
        const qsizetype versions = QDir(history::folderPath(folder.path()) + u'/' + name).entryList(QDir::Files).size();
        EXPECT_TRUE(versions >= history::kKeptVersions && versions <= history::kKeptVersions + 10) << versions;
    }
}

TEST(StoredFile, TwoProcessesSavingTheSameMonthThroughTheLockLoseNoEntry)
{
    Folder folder;
    const QString month = folder.path(QStringLiteral("SrDate/202603.ydj"));
    constexpr int kEach = 500;
    auto saver = [&](const QString& who) {
        return forkChild([&, who] {
            for (int i = 0; i < kEach; ++i) {
                auto lock = std::make_unique<FolderLock>(folder.path());
                for (; !lock->held(); lock = std::make_unique<FolderLock>(folder.path())) {
                    lock.reset();
                    ::usleep(1000);
                }
                const Result<QStringList> read =
                    textfile::exists(month) ? textfile::readLines(month) : Result<QStringList>(QStringList());
                if (!read || !textfile::writeLines(month, read.value() + QStringList{who + QString::number(i)}).ok())
                    return 1;
            }
            return 0;
        });
    };
    const pid_t first = saver(QStringLiteral("A"));
    const pid_t second = saver(QStringLiteral("B"));
    EXPECT_EQ(waitFor(first), 0);
    EXPECT_EQ(waitFor(second), 0);
    const Result<QStringList> lines = textfile::readLines(month);
    ASSERT_TRUE(lines.ok());
    const QSet<QString> saved(lines->begin(), lines->end());
    EXPECT_EQ(lines->size(), 2 * kEach);
    for (int i = 0; i < kEach; ++i)
        EXPECT_TRUE(saved.contains(QStringLiteral("A%1").arg(i)) && saved.contains(QStringLiteral("B%1").arg(i))) << i;
    EXPECT_EQ(history::readLog(folder.path())->changes.size(), 2 * kEach);
    QSet<QString> whole;
    EXPECT_EQ(logFault(folder.path(), &whole), QString());
}

TEST(StoredFile, ASaveThatCannotBeWrittenLeavesTheFileAndItsHistoryAsTheyWere)
{
    // As root the permissions would not hold: the child saves as nobody, who owns the folder.
    const bool root = ::geteuid() == 0;
    constexpr rlim_t kFileSizeLimit = 1500;
    struct Row { const char* name; QByteArray content; const char* readOnly; const char* says; };
    const Row rows[] = {
        {"the disk is full for the new version", QByteArray(2000, 'x'), nullptr, "History"},
        {"the disk is full for the log line", "new\r\n", nullptr, "changes.log"},
        {"SrDate cannot be written", "new\r\n", "SrDate", "无法保存文件"},
        {"History cannot be written", "new\r\n", "History/SrDate/202603.ydj", "History"},
    };
    for (const Row& row : rows) {
        Folder folder;
        const QString file = folder.path(QStringLiteral("SrDate/202603.ydj"));
        for (int i = 0; i < 30; ++i) // a log longer than the limit
            ASSERT_TRUE(storedfile::write(file, QByteArray::number(i) + "\r\n").ok());
        const QMap<QString, QByteArray> before = snapshot(folder.path());
        for (QDirIterator it(folder.path(), QDir::AllEntries | QDir::NoDotDot | QDir::Hidden, QDirIterator::Subdirectories);
             root && it.hasNext();)
            ASSERT_EQ(::lchown(QFile::encodeName(it.next()).constData(), 65534, 65534), 0);
        const pid_t child = forkChild([&] {
            if (root && (::setgid(65534) != 0 || ::setuid(65534) != 0))
                return 3;
            if (row.readOnly) {
                ::chmod(QFile::encodeName(folder.path(row.readOnly)).constData(), 0555);
            } else {
                ::signal(SIGXFSZ, SIG_IGN);
                const rlimit limit{kFileSizeLimit, kFileSizeLimit};
                ::setrlimit(RLIMIT_FSIZE, &limit);
            }
            const Outcome out = storedfile::write(file, row.content);
            return !out.ok() && out.text.contains(QStringLiteral("202603.ydj")) && out.text.contains(row.says) ? 0 : 1;
        });
        EXPECT_EQ(waitFor(child), 0) << row.name;
        if (row.readOnly)
            ::chmod(QFile::encodeName(folder.path(row.readOnly)).constData(), 0755);
        EXPECT_EQ(snapshot(folder.path()), before) << row.name;
    }
}

TEST(FolderLock, ALockWhoseOwnerIsGoneIsTakenOverElseEverySaveSaysWhoHoldsTheFolder)
{
    const pid_t ended = forkChild([] { return 0; });
    waitFor(ended);
    const QByteArray app = QFileInfo(QFile::symLinkTarget(QStringLiteral("/proc/self/exe"))).fileName().toUtf8();
    const QByteArray host = QSysInfo::machineHostName().toUtf8();
    const QByteArray here = host + '\n' + QSysInfo::machineUniqueId() + '\n' + QSysInfo::bootUniqueId() + '\n';
    const QByteArray running = QByteArray::number(::getpid());
    struct Row { const char* name; QByteArray lock, owner; int minutesUntouched; const char* refusal; };
    const Row rows[] = {
        {"this machine, its process running", running + '\n' + app + '\n' + here, running + '\n' + host, 60,
         "zhangli（电脑 %1）自 2026-03-09 09:41 起"},
        {"this machine, its process ended", QByteArray::number(ended) + '\n' + app + '\n' + here, "", 0, nullptr},
        {"another machine, touched a minute ago", "4242\ntarnby\nOFFICE-PC2\nid\nboot\n", "4242\nOFFICE-PC2", 1,
         "zhangli（电脑 OFFICE-PC2）自 2026-03-09 09:41 起"},
        {"another machine, untouched for eleven minutes", "4242\ntarnby\nOFFICE-PC2\nid\nboot\n", "", 11, nullptr},
    };
    for (const Row& row : rows) {
        Folder folder;
        QFile lock(FolderLock::lockPath(folder.path()));
        ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
        lock.write(row.lock);
        lock.flush();
        lock.setFileTime(QDateTime::currentDateTime().addSecs(-60 * row.minutesUntouched), QFileDevice::FileModificationTime);
        lock.close();
        QFile owner(FolderLock::ownerPath(folder.path())); // user, machine, since, process
        ASSERT_TRUE(owner.open(QIODevice::WriteOnly));
        const QList<QByteArray> pidAndMachine = row.owner.split('\n');
        owner.write("zhangli\n" + pidAndMachine.value(1) + "\n2026-03-09T09:41:00\n" + pidAndMachine.value(0) + '\n');
        owner.close();
        const FolderLock taken(folder.path());
        EXPECT_EQ(taken.held(), !row.refusal) << row.name;
        const Outcome saved = textfile::writeLines(folder.path(QStringLiteral("Init.ini")), {QStringLiteral("x")});
        EXPECT_EQ(saved.ok(), !row.refusal) << row.name;
        const QString refusal = row.refusal ? QString::fromUtf8(row.refusal).arg(QString::fromUtf8(host)) : QString();
        EXPECT_TRUE(saved.text.contains(refusal)) << row.name << ": " << saved.text.toStdString();
    }
}
