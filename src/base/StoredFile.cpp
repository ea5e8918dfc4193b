#include "base/StoredFile.h"

#include "base/FileError.h"

#include "base/History.h"
#include "base/LineDiff.h"
#include "base/Platform.h"
#include "base/TextFile.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QSysInfo>
#include <QCoreApplication>

namespace tarnby::storedfile {
namespace {

// What the process knows about its files, shared by every page (and by
// reads on worker threads).
struct Registry {
    QMutex mutex;
    QHash<QString, Version> loaded;
    QHash<QString, Conflict> conflicts;
    QHash<QString, WriteCheck> checks;
    std::optional<Identity> identity;
    std::function<QDateTime()> clock;
    std::function<void(Step)> hook;
};

Registry& registry()
{
    static Registry r;
    return r;
}

thread_local int saveDepth = 0;

QString keyOf(const QString& path)
{
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

void noteLoaded(const QString& key, const Version& version)
{
    Registry& r = registry();
    const QMutexLocker lock(&r.mutex);
    r.loaded.insert(key, version);
    r.conflicts.remove(key);
}

void noteRead(const QString& path, const Version& version)
{
    if (saveDepth == 0)
        noteLoaded(keyOf(path), version);
}

void step(Step s)
{
    std::function<void(Step)> hook;
    {
        Registry& r = registry();
        const QMutexLocker lock(&r.mutex);
        hook = r.hook;
    }
    if (hook)
        hook(s);
}

// The file's bytes now, nullopt when there is none.
Result<std::optional<QByteArray>> readNow(const QString& path)
{
    using Now = std::optional<QByteArray>;
    QFile file(path);
    if (!file.exists())
        return Now{};
    if (!file.open(QIODevice::ReadOnly))
        return Result<Now>::failure(fileErrorReason(file.errorString()));
    return Now{file.readAll()};
}

Outcome saveBytes(const QString& path, const QByteArray& bytes)
{
    if (const QString why = history::writeWhole(path, bytes); !why.isEmpty())
        return Outcome::error(QCoreApplication::translate("StoredFile", "无法保存文件：%1（%2）").arg(QFileInfo(path).absoluteFilePath(), why));
    return Outcome::quiet();
}

Outcome removeFile(const QString& path)
{
    QFile file(path);
    if (file.exists() && !file.remove())
        return Outcome::error(
            QCoreApplication::translate("StoredFile", "无法删除文件：%1（%2）").arg(QFileInfo(path).absoluteFilePath(), fileErrorReason(file.errorString())));
    return Outcome::quiet();
}

Outcome put(const QString& path, const std::optional<QByteArray>& content)
{
    return content ? saveBytes(path, *content) : removeFile(path);
}

// The lines a save adds and removes. Only the part between the lines both
// versions start and end with is split and compared: a month file of a
// thousand lines gains one line at a time.
linediff::Counts lineCounts(const QByteArray& before, const QByteArray& after)
{
    const qsizetype shorter = std::min(before.size(), after.size());
    qsizetype head = 0;
    while (head < shorter && before.at(head) == after.at(head))
        ++head;
    while (head > 0 && before.at(head - 1) != '\n')
        --head;
    qsizetype tail = 0;
    while (tail < shorter - head && before.at(before.size() - 1 - tail) == after.at(after.size() - 1 - tail))
        ++tail;
    auto lineStart = [head](const QByteArray& text, qsizetype at) { return at == head || text.at(at - 1) == '\n'; };
    while (tail > 0 && !(lineStart(before, before.size() - tail) && lineStart(after, after.size() - tail)))
        --tail;
    const QByteArray from = before.mid(head, before.size() - head - tail);
    const QByteArray to = after.mid(head, after.size() - head - tail);
    return linediff::count(linediff::compare(textfile::linesOf(from), textfile::linesOf(to)));
}

QString systemUser()
{
    const QString name = platform::userName();
    return name.isEmpty() ? qEnvironmentVariable("USER") : name;
}

// One save, `content` nullopt for a removal: the steps the header lists.
Outcome replace(const QString& path, const std::optional<QByteArray>& content, const SaveOptions& options)
{
    const QString key = keyOf(path);
    const QString shown = QFileInfo(key).absoluteFilePath();
    const history::Place place = history::placeOf(key);
    auto failed = [&shown, removing = !content](const QString& why) {
        return Outcome::error((removing ? QCoreApplication::translate("StoredFile", "无法删除文件：%1（%2）") : QCoreApplication::translate("StoredFile", "无法保存文件：%1（%2）"))
                                  .arg(shown, why));
    };

    WriteCheck check;
    {
        Registry& r = registry();
        const QMutexLocker lock(&r.mutex);
        check = r.checks.value(keyOf(place.programDir));
    }
    if (check) {
        if (const Outcome allowed = check(); !allowed.ok())
            return allowed;
    }

    const Result<std::optional<QByteArray>> disk = readNow(key);
    if (!disk)
        return failed(disk.error());
    const std::optional<QByteArray>& before = disk.value();
    const Version onDisk = before ? Version::of(*before) : Version::absent();
    if (options.checkLoaded) {
        Registry& r = registry();
        const QMutexLocker lock(&r.mutex);
        if (const auto loaded = r.loaded.constFind(key); loaded != r.loaded.constEnd() && *loaded != onDisk) {
            r.conflicts.insert(key, Conflict{content, before});
            return Outcome::conflict(
                QCoreApplication::translate("StoredFile", "文件 %1 在本窗口载入之后已被其他程序修改，本次未保存。").arg(shown), key);
        }
    }
    if (before == content) {
        if (options.noteLoaded)
            noteLoaded(key, onDisk);
        return Outcome::quiet();
    }
    step(Step::Checked);

    const QDateTime when = now();
    const QString historyFolder = QDir::toNativeSeparators(history::folderPath(place.programDir));
    history::Versions versions(place);
    history::Kept old;
    if (before) {
        const Result<history::Kept> kept = versions.keep(*before, when);
        if (!kept)
            return failed(QCoreApplication::translate("StoredFile", "未能在 %1 中保留原来的版本：%2").arg(historyFolder, kept.error()));
        old = kept.value();
    }
    step(Step::BeforeKept);
    history::Kept written;
    if (content) {
        const Result<history::Kept> kept = versions.keep(*content, when);
        if (!kept)
            return failed(QCoreApplication::translate("StoredFile", "未能在 %1 中保留新的版本：%2").arg(historyFolder, kept.error()));
        written = kept.value();
    }
    step(Step::AfterKept);

    if (const Outcome replaced = put(key, content); !replaced.ok()) {
        if (written.created)
            versions.discard(written.id);
        return replaced;
    }
    step(Step::Replaced);

    const linediff::Counts counts = lineCounts(before.value_or(QByteArray()), content.value_or(QByteArray()));
    const Identity who = identity();
    const history::Change change{when, who.user, who.machine, place.name, counts.added, counts.removed,
                                 old.id, written.id, options.note};
    if (const Outcome logged = history::append(place.programDir, change); !logged.ok()) {
        // A change the log cannot name is taken back: every change is in the history.
        if (!put(key, before).ok())
            return Outcome::error(QCoreApplication::translate("StoredFile", "文件 %1 已保存，但未能记入变更记录（%2）。").arg(shown, logged.text));
        if (written.created)
            versions.discard(written.id);
        return failed(QCoreApplication::translate("StoredFile", "未能写入变更记录 %1").arg(logged.text));
    }
    step(Step::Logged);
    versions.prune();
    step(Step::Pruned);
    if (options.noteLoaded)
        noteLoaded(key, content ? Version::of(*content) : Version::absent());
    return Outcome::quiet();
}

} // namespace

Version Version::of(const QByteArray& content)
{
    return {true, QCryptographicHash::hash(content, QCryptographicHash::Sha1)};
}

Result<Version> current(const QString& path)
{
    const Result<std::optional<QByteArray>> bytes = readNow(path);
    if (!bytes)
        return Result<Version>::failure(
            QCoreApplication::translate("StoredFile", "无法读取文件：%1（%2）").arg(QFileInfo(path).absoluteFilePath(), bytes.error()));
    return bytes.value() ? Version::of(*bytes.value()) : Version::absent();
}

Result<QByteArray> read(const QString& path)
{
    QFile file(path);
    if (!file.exists()) {
        noteRead(path, Version::absent());
        return Result<QByteArray>::failure(QCoreApplication::translate("StoredFile", "找不到文件：%1").arg(QFileInfo(path).absoluteFilePath()));
    }
    if (!file.open(QIODevice::ReadOnly))
        return Result<QByteArray>::failure(
            QCoreApplication::translate("StoredFile", "无法读取文件：%1（%2）").arg(QFileInfo(path).absoluteFilePath(), fileErrorReason(file.errorString())));
    const QByteArray bytes = file.readAll();
    noteRead(path, Version::of(bytes));
    return bytes;
}

bool exists(const QString& path)
{
    if (QFileInfo(path).isFile())
        return true;
    noteRead(path, Version::absent());
    return false;
}

Outcome write(const QString& path, const QByteArray& content, const SaveOptions& options)
{
    return replace(path, content, options);
}

Outcome remove(const QString& path, const SaveOptions& options)
{
    return replace(path, std::nullopt, options);
}

SaveScope::SaveScope()
{
    ++saveDepth;
}

SaveScope::~SaveScope()
{
    --saveDepth;
}

std::optional<Conflict> conflict(const QString& path)
{
    Registry& r = registry();
    const QMutexLocker lock(&r.mutex);
    const auto it = r.conflicts.constFind(keyOf(path));
    if (it == r.conflicts.constEnd())
        return std::nullopt;
    return *it;
}

void takeAsLoaded(const QString& path)
{
    const Result<Version> now = current(path);
    if (now)
        noteLoaded(keyOf(path), now.value());
}

Identity identity()
{
    {
        Registry& r = registry();
        const QMutexLocker lock(&r.mutex);
        if (r.identity)
            return *r.identity;
    }
    return {systemUser(), QSysInfo::machineHostName()};
}

void setIdentity(const Identity& who)
{
    Registry& r = registry();
    const QMutexLocker lock(&r.mutex);
    if (who.user.isEmpty() && who.machine.isEmpty())
        r.identity.reset();
    else
        r.identity = who;
}

QDateTime now()
{
    std::function<QDateTime()> clock;
    {
        Registry& r = registry();
        const QMutexLocker lock(&r.mutex);
        clock = r.clock;
    }
    return clock ? clock() : QDateTime::currentDateTime();
}

void setClock(std::function<QDateTime()> clock)
{
    Registry& r = registry();
    const QMutexLocker lock(&r.mutex);
    r.clock = std::move(clock);
}

void setWriteCheck(const QString& programDir, WriteCheck check)
{
    Registry& r = registry();
    const QMutexLocker lock(&r.mutex);
    if (check)
        r.checks.insert(keyOf(programDir), std::move(check));
    else
        r.checks.remove(keyOf(programDir));
}

void setStepHook(std::function<void(Step)> hook)
{
    Registry& r = registry();
    const QMutexLocker lock(&r.mutex);
    r.hook = std::move(hook);
}

bool Notices::firstTime(const QString& path)
{
    const Result<Version> now = current(path);
    const Version version = now ? now.value() : Version::absent();
    const QString key = keyOf(path);
    if (const auto said = said_.constFind(key); said != said_.constEnd() && *said == version)
        return false;
    said_.insert(key, version);
    return true;
}

void Notices::clear(const QString& path)
{
    said_.remove(keyOf(path));
}

} // namespace tarnby::storedfile
