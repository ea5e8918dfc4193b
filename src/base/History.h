#pragma once
// The change history of the program folder's stored files, kept in History/:
// the earlier versions of every file (History/<file>/<version>, the last
// kKeptVersions of each) and History/changes.log, one line per save: time,
// user, machine, file, lines added and removed, the version replaced and the
// version written. The save helper (StoredFile) fills it; the window's
// "变更记录" and `tarnby-cli history` read it.
//
// A log line only ever names versions that are kept: a version is written
// whole before the line that names it, and when old versions go, the lines
// that name them are rewritten first to say so ("-").

#include "base/LineDiff.h"
#include "base/Outcome.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <optional>

namespace tarnby::history {

inline const QString kFolderName = QStringLiteral("History");
inline const QString kLogName = QStringLiteral("changes.log");
inline constexpr int kKeptVersions = 100;
// A version id in a log line for a version that was kept but no longer is.
inline const QString kNoLongerKept = QStringLiteral("-");

// Where a stored file's history goes: its program folder (the file's folder,
// or the folder above SrDate/) and its name there, "/" separated
// ("Init.ini", "SrDate/202603.ydj").
struct Place {
    QString programDir;
    QString name;
};
Place placeOf(const QString& filePath);

// Writes `content` as the file at `path`, atomically: the old file or the new
// one whole. Empty when done, else why not.
QString writeWhole(const QString& path, const QByteArray& content);

QString folderPath(const QString& programDir);
QString logPath(const QString& programDir);

// One line of the log.
struct Change {
    QDateTime time;
    QString user;
    QString machine;
    QString file; // as Place::name
    int added = 0;
    int removed = 0;
    QString before; // the version replaced; empty when there was no file
    QString after;  // the version written; empty when the file was removed
    QString note;   // empty for a save; what was restored for a restore

    friend bool operator==(const Change&, const Change&) = default;
};

// The log line (without its line end) and back; nullopt for a line that is
// not one.
QString lineOf(const Change& change);
std::optional<Change> parseLine(const QString& line);

struct Log {
    QList<Change> changes;  // oldest first
    QList<int> unreadLines; // 1-based numbers of lines that are no change
};
// The whole log; no History/ yet is an empty log.
Result<Log> readLog(const QString& programDir);

// The months a change belongs to: the month files of SrDate/ (yyyymm.*).
bool isOfMonth(const Change& change, int year, int month);

// A kept version's bytes; an error when it is not (or no longer) kept.
Result<QByteArray> version(const QString& programDir, const QString& file, const QString& id);
bool isKept(const QString& programDir, const QString& file, const QString& id);

// What a change added and removed, from its two kept versions (a side without
// a file counts as empty).
Result<QList<linediff::Line>> linesOf(const QString& programDir, const Change& change);

// Puts the version back as the file's content, itself a recorded change.
// Refused like any save while another window holds the folder.
Outcome restore(const QString& programDir, const QString& file, const QString& id);

// For the save helper, in this order: keep the version replaced and the one
// written, log the change, then let the oldest versions go.
struct Kept {
    QString id;
    bool created = false; // false: the newest version already held it
};

// One file's kept versions, listed once for the save that adds to them.
class Versions {
public:
    explicit Versions(const Place& place);
    // Keeps the content as the newest version, unless the newest is it already.
    Result<Kept> keep(const QByteArray& content, const QDateTime& when);
    void discard(const QString& id);
    // Lets the oldest go beyond kKeptVersions, a few at a time; the log lines
    // naming them are rewritten first.
    void prune();

private:
    Place place_;
    QString dirPath_;
    QStringList ids_; // oldest first
};

Outcome append(const QString& programDir, const Change& change);

} // namespace tarnby::history
