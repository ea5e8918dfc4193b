// The save helper under faults and load: killed at every step, two processes
// through the lock, a full disk and read-only folders; and the line diff the
// history shows.

#include "base/FolderLock.h"
#include "base/History.h"
#include "base/StoredFile.h"
#include "base/TextFile.h"
#include "support/ForkedChild.h"

#include <QCryptographicHash>
#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <csignal>
#include <random>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace tarnby;
using testsupport::forkChild;
using testsupport::waitFor;

namespace {

struct Folder {
    QTemporaryDir dir{testsupport::scratchParent() + QStringLiteral("/tarnby-history-XXXXXX")};
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
// looked up again.
QString logFault(const QString& programDir, QSet<QString>* whole)
{
    const Result<history::Log> log = history::readLog(programDir);
    if (!log || !log->unreadLines.isEmpty())
        return QStringLiteral("unreadable log");
    QHash<QString, QSet<QString>> kept;
    for (const history::Change& c : log->changes) {
        if (!kept.contains(c.file)) {
            const QStringList names = QDir(history::folderPath(programDir) + u'/' + c.file).entryList(QDir::Files);
            kept.insert(c.file, QSet<QString>(names.begin(), names.end()));
        }
        for (const QString& id : {c.before, c.after}) {
            if (id.isEmpty() || id == history::kNoLongerKept)
                continue;
            if (!kept.value(c.file).contains(id))
                return c.file + u' ' + id + QStringLiteral(" is not kept");
            if (whole->contains(c.file + id))
                continue;
            const Result<QByteArray> bytes = history::version(programDir, c.file, id);
            if (!bytes)
                return c.file + u' ' + id + QStringLiteral(" is not kept");
            if (!id.endsWith(QString::fromLatin1(QCryptographicHash::hash(*bytes, QCryptographicHash::Sha1).toHex().left(12))))
                return c.file + u' ' + id + QStringLiteral(" is not whole");
            whole->insert(c.file + id);
        }
    }
    return {};
}

QStringList numbered(int count, const QString& prefix)
{
    QStringList lines;
    for (int i = 0; i < count; ++i)
        lines.append(prefix + QString::number(i));
    return lines;
}

} // namespace

TEST(LineDiff, FindsTheAddedAndRemovedLinesBetweenKeptOnes)
{
    struct Row { const char* name; QStringList before, after; int added, removed; };
    const Row rows[] = {
        {"the same text", {"a", "b"}, {"a", "b"}, 0, 0},
        {"a line added in the middle", {"a", "c"}, {"a", "b", "c"}, 1, 0},
        {"the last line removed", {"a", "b"}, {"a"}, 0, 1},
        {"a line changed", {"a", "b", "c"}, {"a", "x", "c"}, 1, 1},
        {"a line moved to the end", {"a", "b", "c"}, {"b", "c", "a"}, 1, 1},
        {"a new file", {}, {"a", "b"}, 2, 0},
        {"beyond the search: replaced whole", numbered(900, "x"), numbered(900, "y"), 900, 900},
    };
    for (const Row& row : rows) {
        const QList<linediff::Line> lines = linediff::compare(row.before, row.after);
        const linediff::Counts counts = linediff::count(lines);
        EXPECT_EQ(counts.added, row.added) << row.name;
        EXPECT_EQ(counts.removed, row.removed) << row.name;
        QStringList before, after; // the script gives both texts back
        for (const linediff::Line& line : lines) {
            if (line.kind != linediff::Kind::Added)
                before.append(line.text);
            if (line.kind != linediff::Kind::Removed)
                after.append(line.text);
        }
        EXPECT_EQ(before, row.before) << row.name;
        EXPECT_EQ(after, row.after) << row.name;
    }
}

TEST(StoredFile, KilledAtAnyStepOfAThousandSavesFilesStayWholeAndTheLogNamesOnlyKeptVersions)
{
    Folder folder;
    const QStringList files{"Init.ini", "SrDate/202603.ydj", "SrDate/202603.zra", "SrDate/202603.rest"};
    auto fileOf = [&](int i) { return folder.path(files.at(i % files.size())); };
    auto contentOf = [](int i) { // saves differ in length and in every line
        QByteArray bytes;
        for (int k = 0; k < i % 7 + 3; ++k)
            bytes += QByteArray::number(i * 31 + k) + "\r\n";
        return bytes;
    };
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
        const testsupport::Ended ended = waitFor(child);
        // a save made again after a kill that came after its file was replaced changes nothing, so has no steps
        ASSERT_TRUE(ended.killed || ended.status == 0) << "save " << victim << " ended " << ended.status;
        const int done = ended.killed ? victim : end;
        for (int i = next; i < done; ++i)
            expected.insert(fileOf(i), contentOf(i));
        for (const QString& name : files) {
            const QByteArray now = bytesOf(folder.path(name));
            if (ended.killed && folder.path(name) == fileOf(victim))
                ASSERT_TRUE(now == expected.value(fileOf(victim)) || now == contentOf(victim)) << "save " << victim;
            else
                ASSERT_EQ(now, expected.value(folder.path(name))) << name.toStdString();
        }
        ASSERT_EQ(logFault(folder.path(), &whole), QString()) << "save " << victim << " step " << int(step);
        next = done;
    }
    for (const QString& name : files) {
        const int versions = int(QDir(history::folderPath(folder.path()) + u'/' + name).entryList(QDir::Files).size());
        EXPECT_GE(versions, history::kKeptVersions) << name.toStdString();
        EXPECT_LE(versions, history::kKeptVersions + 10) << name.toStdString();
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
                while (!lock->held()) {
                    lock.reset();
                    ::usleep(1000);
                    lock = std::make_unique<FolderLock>(folder.path());
                }
                QStringList lines;
                if (textfile::exists(month)) {
                    const Result<QStringList> read = textfile::readLines(month);
                    if (!read)
                        return 1;
                    lines = read.value();
                }
                lines.append(who + QString::number(i));
                if (!textfile::writeLines(month, lines).ok())
                    return 2;
            }
            return 0;
        });
    };
    const pid_t first = saver(QStringLiteral("A"));
    const pid_t second = saver(QStringLiteral("B"));
    EXPECT_EQ(waitFor(first).status, 0);
    EXPECT_EQ(waitFor(second).status, 0);
    const Result<QStringList> lines = textfile::readLines(month);
    ASSERT_TRUE(lines.ok());
    const QStringList entries = numbered(kEach, QStringLiteral("A")) + numbered(kEach, QStringLiteral("B"));
    EXPECT_EQ(QSet<QString>(lines->begin(), lines->end()), QSet<QString>(entries.begin(), entries.end()));
    EXPECT_EQ(lines->size(), 2 * kEach);
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
        if (root) {
            for (QDirIterator it(folder.path(), QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                                 QDirIterator::Subdirectories);
                 it.hasNext();)
                ASSERT_EQ(::lchown(QFile::encodeName(it.next()).constData(), 65534, 65534), 0);
            ASSERT_EQ(::chown(QFile::encodeName(folder.path()).constData(), 65534, 65534), 0);
        }
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
        EXPECT_EQ(waitFor(child).status, 0) << row.name;
        if (row.readOnly)
            ::chmod(QFile::encodeName(folder.path(row.readOnly)).constData(), 0755);
        EXPECT_EQ(snapshot(folder.path()), before) << row.name;
    }
}

TEST(FolderLock, ASecondProcessOnlyReadsAndEverySaveSaysWhoHoldsTheFolder)
{
    Folder folder;
    int held[2];
    int done[2];
    ASSERT_EQ(::pipe(held), 0);
    ASSERT_EQ(::pipe(done), 0);
    const pid_t holder = forkChild([&] {
        FolderLock lock(folder.path());
        const char answer = lock.held() ? '1' : '0';
        char go = 0;
        return ::write(held[1], &answer, 1) == 1 && ::read(done[0], &go, 1) == 1 ? 0 : 1;
    });
    char answer = 0;
    ASSERT_EQ(::read(held[0], &answer, 1), 1);
    EXPECT_EQ(answer, '1');
    {
        FolderLock second(folder.path());
        EXPECT_FALSE(second.held());
        const FolderLock::Holder who = second.holder();
        EXPECT_EQ(who.user, storedfile::identity().user);
        EXPECT_EQ(who.machine, storedfile::identity().machine);
        EXPECT_TRUE(who.since.isValid());
        const Outcome refused = textfile::writeLines(folder.path(QStringLiteral("Init.ini")), {QStringLiteral("x")});
        EXPECT_FALSE(refused.ok());
        EXPECT_TRUE(refused.text.contains(who.user) && refused.text.contains(who.machine)
                    && refused.text.contains(who.since.toString(QStringLiteral("yyyy-MM-dd HH:mm"))))
            << refused.text.toStdString();
        EXPECT_FALSE(QFile::exists(folder.path(QStringLiteral("Init.ini"))));
    }
    ASSERT_EQ(::write(done[1], "x", 1), 1);
    EXPECT_EQ(waitFor(holder).status, 0);
    const FolderLock after(folder.path());
    EXPECT_TRUE(after.held());
    EXPECT_TRUE(textfile::writeLines(folder.path(QStringLiteral("Init.ini")), {QStringLiteral("x")}).ok());
}

TEST(FolderLock, ALockWhoseOwnerIsGoneIsTakenOver)
{
    const pid_t ended = forkChild([] { return 0; });
    waitFor(ended);
    const QByteArray app = QFileInfo(QFile::symLinkTarget(QStringLiteral("/proc/self/exe"))).fileName().toUtf8();
    const QByteArray here = QSysInfo::machineHostName().toUtf8() + '\n' + QSysInfo::machineUniqueId() + '\n'
                            + QSysInfo::bootUniqueId() + '\n';
    const QByteArray elsewhere = "tarnby\nOFFICE-PC2\n0123456789abcdef\nboot\n";
    struct Row { const char* name; QByteArray lock; int minutesUntouched; bool takenOver; };
    const Row rows[] = {
        {"this machine, its process running", QByteArray::number(::getpid()) + '\n' + app + '\n' + here, 60, false},
        {"this machine, its process ended", QByteArray::number(ended) + '\n' + app + '\n' + here, 0, true},
        {"another machine, touched a minute ago", "4242\n" + elsewhere, 1, false},
        {"another machine, untouched for eleven minutes", "4242\n" + elsewhere, 11, true},
    };
    for (const Row& row : rows) {
        Folder folder;
        QFile lock(FolderLock::lockPath(folder.path()));
        ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
        lock.write(row.lock);
        lock.flush();
        lock.setFileTime(QDateTime::currentDateTime().addSecs(-60 * row.minutesUntouched), QFileDevice::FileModificationTime);
        lock.close();
        const FolderLock taken(folder.path());
        EXPECT_EQ(taken.held(), row.takenOver) << row.name;
    }
}

TEST(History, EachSaveIsLoggedWithTheLinesItAddedAndRemoved)
{
    struct Row { const char* name; std::optional<QByteArray> before, after; int added, removed; };
    const Row rows[] = {
        {"a first save", std::nullopt, "a\r\nb\r\n", 2, 0},
        {"a line appended", "a\r\n", "a\r\nb\r\n", 1, 0},
        {"a line put in front", "a\r\n", "x\r\na\r\n", 1, 0},
        {"a line changed whose end stays", "ab\r\nc\r\n", "ab\r\nxc\r\n", 1, 1},
        {"the file removed", "a\r\nb\r\n", std::nullopt, 0, 2},
    };
    for (const Row& row : rows) {
        Folder folder;
        const QString file = folder.path(QStringLiteral("SrDate/202603.ydj"));
        if (row.before) {
            ASSERT_TRUE(storedfile::write(file, *row.before).ok());
        }
        ASSERT_TRUE((row.after ? storedfile::write(file, *row.after) : storedfile::remove(file)).ok()) << row.name;
        const history::Change last = history::readLog(folder.path())->changes.last();
        EXPECT_EQ(last.file, QStringLiteral("SrDate/202603.ydj")) << row.name;
        EXPECT_EQ(last.added, row.added) << row.name;
        EXPECT_EQ(last.removed, row.removed) << row.name;
        const linediff::Counts shown = linediff::count(history::linesOf(folder.path(), last).value());
        EXPECT_EQ(shown.added, row.added) << row.name;
        EXPECT_EQ(shown.removed, row.removed) << row.name;
    }
}
