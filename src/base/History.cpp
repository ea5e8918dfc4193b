#include "base/History.h"

#include "base/FileError.h"
#include "base/Platform.h"
#include "base/StoredFile.h"
#include "base/TextFile.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QCoreApplication>
#include <algorithm>

namespace tarnby::history {
namespace {

const QString kTimeFormat = QStringLiteral("yyyy-MM-dd HH:mm:ss");
constexpr int kFieldCount = 9;
// Versions beyond the kept ones wait for this many more before they go, so
// that the log is rewritten once per ten saves of a file, not at every save.
constexpr int kPruneSlack = 10;

// yyyyMMdd-HHmmss-<sequence>-<first 12 hex digits of the SHA-1>: the time it
// was kept, its place in the file's order, and what it holds. Nothing else is
// ever read as a version (QSaveFile's leftovers of a killed save are not).
// Checked without a regular expression: a file's hundred versions are listed
// at every save.
std::optional<qint64> sequenceOf(QStringView id)
{
    auto digits = [](QStringView text) {
        return !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) { return c.isDigit(); });
    };
    const qsizetype last = id.lastIndexOf(u'-');
    if (id.size() < 30 || id.size() > 38 || last != id.size() - 13 || id.at(8) != u'-' || id.at(15) != u'-'
        || !digits(id.first(8)) || !digits(id.sliced(9, 6)))
        return std::nullopt;
    const QStringView digest = id.sliced(last + 1);
    if (!std::all_of(digest.begin(), digest.end(), [](QChar c) { return c.isDigit() || (c >= u'a' && c <= u'f'); }))
        return std::nullopt;
    const QStringView sequence = id.sliced(16, last - 16);
    if (sequence.size() > 9 || !digits(sequence))
        return std::nullopt;
    return sequence.toLongLong();
}

bool isId(QStringView id)
{
    return sequenceOf(id).has_value();
}

QString digestOf(const QByteArray& content)
{
    return QString::fromLatin1(QCryptographicHash::hash(content, QCryptographicHash::Sha1).toHex().left(12));
}

// A file name from the log is used as a path under History/ and the program
// folder: nothing that climbs out of them.
bool isSafeName(const QString& file)
{
    if (file.isEmpty() || file.startsWith(u'/') || file.contains(u'\\'))
        return false;
    const QStringList parts = file.split(u'/');
    return std::none_of(parts.begin(), parts.end(),
                        [](const QString& p) { return p.isEmpty() || p == u"." || p == u".."; });
}

QString versionsPath(const QString& programDir, const QString& file)
{
    return QDir(folderPath(programDir)).filePath(file);
}

// The file's versions, oldest first.
QStringList versionIds(const QString& dirPath)
{
    QList<std::pair<qint64, QString>> found;
    for (const QString& name : QDir(dirPath).entryList(QDir::Files, QDir::Unsorted)) {
        if (const std::optional<qint64> sequence = sequenceOf(name))
            found.append({*sequence, name});
    }
    std::sort(found.begin(), found.end());
    QStringList ids;
    for (const auto& version : found)
        ids.append(version.second);
    return ids;
}

QString clean(const QString& field)
{
    QString out = field;
    for (QChar& c : out) {
        if (c == u'\t' || c == u'\r' || c == u'\n')
            c = u' ';
    }
    return out;
}

bool parseCount(const QString& text, QChar sign, int* count)
{
    if (text.size() < 2 || text.at(0) != sign)
        return false;
    bool ok = false;
    *count = text.mid(1).toInt(&ok);
    return ok && *count >= 0;
}

bool isIdField(const QString& text)
{
    return text.isEmpty() || text == kNoLongerKept || isId(text);
}

QString shown(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

} // namespace

Place placeOf(const QString& filePath)
{
    const QFileInfo info(QDir::cleanPath(QFileInfo(filePath).absoluteFilePath()));
    const QDir folder = info.dir();
    if (folder.dirName() == QLatin1String("SrDate")) {
        const QString programDir = QFileInfo(folder.absolutePath()).path();
        return {programDir, QStringLiteral("SrDate/") + info.fileName()};
    }
    return {folder.absolutePath(), info.fileName()};
}

QString writeWhole(const QString& path, const QByteArray& content)
{
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly))
        return fileErrorReason(out.errorString());
    // The last bytes go down here: commit() writes what is still buffered
    // without noticing a failure, and would put a cut-short file (a full disk)
    // in the old one's place.
    if (out.write(content) != content.size() || !out.flush()) {
        // A write the system cut short sets no text of its own.
        const QString why = out.error() == QFileDevice::NoError || out.errorString() == QLatin1String("Unknown error")
                                ? QCoreApplication::translate("History", "只写入了一部分，磁盘可能已满")
                                : fileErrorReason(out.errorString());
        out.cancelWriting();
        return why;
    }
    if (!out.commit())
        return fileErrorReason(out.errorString());
    return {};
}

QString folderPath(const QString& programDir)
{
    return QDir(programDir).filePath(kFolderName);
}

QString logPath(const QString& programDir)
{
    return QDir(folderPath(programDir)).filePath(kLogName);
}

QString lineOf(const Change& c)
{
    return QStringList{c.time.toString(kTimeFormat), clean(c.user), clean(c.machine), clean(c.file),
                       QStringLiteral("+%1").arg(c.added), QStringLiteral("-%1").arg(c.removed),
                       c.before, c.after, clean(c.note)}
        .join(u'\t');
}

std::optional<Change> parseLine(const QString& line)
{
    const QStringList f = line.split(u'\t');
    if (f.size() != kFieldCount)
        return std::nullopt;
    Change c;
    c.time = QDateTime::fromString(f.at(0), kTimeFormat);
    c.user = f.at(1);
    c.machine = f.at(2);
    c.file = f.at(3);
    c.before = f.at(6);
    c.after = f.at(7);
    c.note = f.at(8);
    if (!c.time.isValid() || !isSafeName(c.file) || !parseCount(f.at(4), u'+', &c.added)
        || !parseCount(f.at(5), u'-', &c.removed) || !isIdField(c.before) || !isIdField(c.after))
        return std::nullopt;
    return c;
}

Result<Log> readLog(const QString& programDir)
{
    QFile file(logPath(programDir));
    if (!file.exists())
        return Log{};
    if (!file.open(QIODevice::ReadOnly))
        return Result<Log>::failure(
            QCoreApplication::translate("History", "无法读取变更记录 %1（%2）").arg(shown(file.fileName()), fileErrorReason(file.errorString())));
    QByteArray bytes = file.readAll();
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    Log log;
    const QStringList lines = QString::fromUtf8(bytes).split(u'\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QString line = lines.at(i);
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (line.isEmpty())
            continue;
        if (const std::optional<Change> change = parseLine(line))
            log.changes.append(*change);
        else
            log.unreadLines.append(int(i + 1));
    }
    return log;
}

bool isOfMonth(const Change& change, int year, int month)
{
    const QString prefix = QStringLiteral("SrDate/%1%2.")
                               .arg(year, 4, 10, QLatin1Char('0'))
                               .arg(month, 2, 10, QLatin1Char('0'));
    return change.file.startsWith(prefix);
}

bool isKept(const QString& programDir, const QString& file, const QString& id)
{
    return isSafeName(file) && isId(id)
           && QFileInfo(QDir(versionsPath(programDir, file)).filePath(id)).isFile();
}

Result<QByteArray> version(const QString& programDir, const QString& file, const QString& id)
{
    if (!isKept(programDir, file, id))
        return Result<QByteArray>::failure(
            QCoreApplication::translate("History", "%1 的这个版本已不在变更记录中（每个文件只保留最近 %2 个版本）。").arg(file).arg(kKeptVersions));
    QFile in(QDir(versionsPath(programDir, file)).filePath(id));
    if (!in.open(QIODevice::ReadOnly))
        return Result<QByteArray>::failure(
            QCoreApplication::translate("History", "无法读取文件：%1（%2）").arg(shown(in.fileName()), fileErrorReason(in.errorString())));
    return in.readAll();
}

Result<QList<linediff::Line>> linesOf(const QString& programDir, const Change& change)
{
    QStringList sides[2];
    const QString ids[2] = {change.before, change.after};
    for (int i = 0; i < 2; ++i) {
        if (ids[i].isEmpty())
            continue;
        const Result<QByteArray> bytes = version(programDir, change.file, ids[i]);
        if (!bytes)
            return Result<QList<linediff::Line>>::failure(bytes.error());
        sides[i] = textfile::linesOf(bytes.value());
    }
    return linediff::compare(sides[0], sides[1]);
}

Outcome restore(const QString& programDir, const QString& file, const QString& id)
{
    const Result<QByteArray> bytes = version(programDir, file, id);
    if (!bytes)
        return bytes.outcome();
    const QDateTime kept = QDateTime::fromString(id.left(15), QStringLiteral("yyyyMMdd-HHmmss"));
    const QString path = QDir(programDir).filePath(file);
    if (const Result<storedfile::Version> now = storedfile::current(path); now && now.value() == storedfile::Version::of(bytes.value()))
        return Outcome::success(QCoreApplication::translate("History", "%1 现在就是 %2 的版本，无需恢复。").arg(file, kept.toString(kTimeFormat)));
    storedfile::SaveOptions options;
    options.note = QCoreApplication::translate("History", "恢复为 %1 的版本").arg(kept.toString(kTimeFormat));
    // The user chose this version over whatever the file holds; the pages
    // reload afterwards, and a view that did not is asked at its next save.
    options.checkLoaded = false;
    options.noteLoaded = false;
    const Outcome saved = storedfile::write(path, bytes.value(), options);
    if (!saved.ok())
        return saved;
    return Outcome::success(QCoreApplication::translate("History", "%1 已恢复为 %2 的版本。").arg(file, kept.toString(kTimeFormat)));
}

Versions::Versions(const Place& place)
    : place_(place)
    , dirPath_(versionsPath(place.programDir, place.name))
    , ids_(versionIds(dirPath_))
{
}

Result<Kept> Versions::keep(const QByteArray& content, const QDateTime& when)
{
    if (!QDir().mkpath(dirPath_))
        return Result<Kept>::failure(QCoreApplication::translate("History", "无法建立文件夹 %1").arg(shown(dirPath_)));
    const QString digest = digestOf(content);
    if (!ids_.isEmpty() && ids_.last().endsWith(digest))
        return Kept{ids_.last(), false};
    const qint64 sequence = ids_.isEmpty() ? 1 : *sequenceOf(ids_.last()) + 1;
    const QString id = QStringLiteral("%1-%2-%3")
                           .arg(when.toString(QStringLiteral("yyyyMMdd-HHmmss")))
                           .arg(sequence, 4, 10, QLatin1Char('0'))
                           .arg(digest);
    const QString path = QDir(dirPath_).filePath(id);
    if (const QString why = writeWhole(path, content); !why.isEmpty())
        return Result<Kept>::failure(QCoreApplication::translate("History", "%1：%2").arg(shown(path), why));
    ids_.append(id);
    return Kept{id, true};
}

void Versions::discard(const QString& id)
{
    if (QFile::remove(QDir(dirPath_).filePath(id)))
        ids_.removeAll(id);
}

Outcome append(const QString& programDir, const Change& change)
{
    QFile log(logPath(programDir));
    auto failed = [&log] {
        return Outcome::error(QCoreApplication::translate("History", "%1：%2").arg(shown(log.fileName()), fileErrorReason(log.errorString())));
    };
    // Unbuffered and appending: the line goes down in one write, whole.
    if (!log.open(QIODevice::ReadWrite | QIODevice::Append | QIODevice::Unbuffered))
        return failed();
    const qint64 size = log.size();
    QByteArray bytes;
    // A line cut short (a disk that filled up mid-line) is ended first, so
    // that it stays one unreadable line and does not spoil this one.
    if (size > 0 && log.seek(size - 1) && log.read(1) != "\n")
        bytes += "\r\n";
    bytes += lineOf(change).toUtf8() + "\r\n";
    if (log.write(bytes) != bytes.size()) {
        const Outcome error = failed();
        log.resize(size);
        return error;
    }
    if (!platform::syncToDisk(log))
        return failed();
    return Outcome::quiet();
}

void Versions::prune()
{
    if (ids_.size() <= kKeptVersions + kPruneSlack)
        return;
    const QStringList gone = ids_.mid(0, ids_.size() - kKeptVersions);
    QFile in(logPath(place_.programDir));
    if (in.exists()) {
        if (!in.open(QIODevice::ReadOnly))
            return;
        const QList<QByteArray> lines = in.readAll().split('\n');
        in.close();
        QByteArray rewritten;
        bool changed = false;
        for (qsizetype i = 0; i < lines.size(); ++i) {
            QByteArray line = lines.at(i);
            if (i == lines.size() - 1 && line.isEmpty())
                break;
            const bool crlf = line.endsWith('\r');
            if (crlf)
                line.chop(1);
            const bool names = std::any_of(gone.begin(), gone.end(),
                                           [&line](const QString& id) { return line.contains(id.toLatin1()); });
            std::optional<Change> change = names ? parseLine(QString::fromUtf8(line)) : std::nullopt;
            if (change && change->file == place_.name && (gone.contains(change->before) || gone.contains(change->after))) {
                if (gone.contains(change->before))
                    change->before = kNoLongerKept;
                if (gone.contains(change->after))
                    change->after = kNoLongerKept;
                line = lineOf(*change).toUtf8();
                changed = true;
            }
            rewritten += line + (crlf ? "\r\n" : "\n");
        }
        if (changed) {
            if (!writeWhole(in.fileName(), rewritten).isEmpty())
                return; // the versions stay until the log can say they are gone
        }
    }
    for (const QString& id : gone)
        discard(id);
}

} // namespace tarnby::history
