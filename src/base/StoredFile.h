#pragma once
// Every stored file of the program folder is read and saved through here
// (TextFile on top of it gives lines and encodings). A save:
//   1. is refused when another window holds the program folder (FolderLock);
//   2. is refused as a conflict when the file is no longer what this process
//      loaded: another program changed it meanwhile, and the window asks the
//      user whether to reload, overwrite or cancel;
//   3. keeps the version it replaces and the version it writes in History/;
//   4. replaces the file atomically (a temporary file renamed over it);
//   5. logs the change in History/changes.log; a log that cannot be written
//      takes the save back;
//   6. lets the file's oldest versions go.
// Killed at any point, the file is the old or the new version whole and the
// log names only versions that are kept.
//
// "What this process loaded" is the version its last read outside a save saw
// (the pages reload whenever they are shown, so that is what they show) or
// its own last save; a file never read is not checked.

#include "base/Outcome.h"

#include <QByteArray>
#include <QDateTime>
#include <QHash>
#include <QString>
#include <functional>
#include <optional>

namespace tarnby::storedfile {

// A file's content as a token: whether it is there and the digest of its bytes.
struct Version {
    bool exists = false;
    QByteArray digest;
    static Version of(const QByteArray& content);
    static Version absent() { return {}; }
    friend bool operator==(const Version&, const Version&) = default;
};

// The version on disk now; an error when the file is there but unreadable.
Result<Version> current(const QString& path);

// Reads the file, noting what was read as loaded. A missing file is an error
// naming it (and noted as loaded absent).
Result<QByteArray> read(const QString& path);
// Whether the file is there; a missing file is noted as loaded absent, so that
// one created meanwhile by another program is not overwritten unasked.
bool exists(const QString& path);

struct SaveOptions {
    QString note;             // written to the log line (a restore says what it restored)
    bool checkLoaded = true;  // refuse when the file is not what was loaded
    bool noteLoaded = true;   // what is saved counts as loaded afterwards
};

// Saves the content as the file, or removes the file (a month left empty).
// Errors name the file and the reason; a conflict is Outcome::Kind::Conflict
// with the file in Outcome::file.
Outcome write(const QString& path, const QByteArray& content, const SaveOptions& options = {});
Outcome remove(const QString& path, const SaveOptions& options = {});

// Reads made while one of these lives (a save reading the file it is about to
// replace) do not change what counts as loaded.
class SaveScope {
public:
    SaveScope();
    ~SaveScope();
    SaveScope(const SaveScope&) = delete;
    SaveScope& operator=(const SaveScope&) = delete;
};

// The last conflict a save ran into for the file: what the save wanted to
// write and what the file holds now (nullopt: no file).
struct Conflict {
    std::optional<QByteArray> mine;
    std::optional<QByteArray> theirs;
};
std::optional<Conflict> conflict(const QString& path);

// The user's answer "overwrite": what the file holds now counts as loaded,
// so that the save can be made again.
void takeAsLoaded(const QString& path);

// Who saves: shown in the log and to the other windows. A test or the
// documentation's pictures may fix them.
struct Identity {
    QString user;
    QString machine;
};
Identity identity();
void setIdentity(const Identity& who); // {} for the process's own
QDateTime now();
void setClock(std::function<QDateTime()> clock); // {} for the system clock

// Whether saves into a program folder may be made now: an error (the text the
// user reads) refuses them. Set by the FolderLock of the folder; {} clears.
using WriteCheck = std::function<Outcome()>;
void setWriteCheck(const QString& programDir, WriteCheck check);

// The points of a save between which it may be killed, for the tests that
// kill it there.
enum class Step { Checked, BeforeKept, AfterKept, Replaced, Logged, Pruned };
void setStepHook(std::function<void(Step)> hook);

// A file error said once: true the first time for a file's content, false
// again until the file changes (or was read fine in between and broke again).
class Notices {
public:
    bool firstTime(const QString& path);
    void clear(const QString& path);

private:
    QHash<QString, Version> said_;
};

} // namespace tarnby::storedfile
