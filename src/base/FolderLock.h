#pragma once
// One writer per program folder: the window that holds tarnby.lock in the
// folder (a QLockFile) saves; a second window on the same folder, on this
// machine or another one on a shared drive, only reads, and each of its saves
// says who holds the folder. tarnby-cli never takes the lock.
//
// A lock whose owner is gone is taken over: on this machine Qt sees that its
// process has ended; for another machine, whose processes cannot be seen, the
// holder touches the lock file every kHeartbeat, and a lock left untouched for
// kStaleAfter is taken to be left over from a machine that went down. (The
// office's clocks must agree to within a few minutes for that.)

#include "base/Outcome.h"

#include <QDateTime>
#include <QString>
#include <chrono>
#include <memory>

namespace tarnby {

class FolderLock {
public:
    static constexpr std::chrono::seconds kHeartbeat{60};
    static constexpr std::chrono::minutes kStaleAfter{10};

    // Who holds the folder, as far as the lock and the owner's note tell.
    struct Holder {
        QString user;    // empty when unknown
        QString machine;
        QDateTime since; // invalid when unknown
    };

    // Takes the lock if it can, at once; never waits. A process is one writer:
    // a second FolderLock of the same folder in the same process shares the
    // first one's. While one lives, saves into the folder are checked against
    // it (StoredFile).
    explicit FolderLock(const QString& programDir);
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    bool held() const;
    // Who has it when this process does not; when nobody does (the folder
    // cannot be written at all) the holder is empty.
    Holder holder() const;
    // Quiet when a save may be made now; else the error that refuses it,
    // naming who holds the folder.
    Outcome mayWrite() const;

    static QString lockPath(const QString& programDir);
    static QString ownerPath(const QString& programDir);

    class Lease;

private:
    std::shared_ptr<Lease> lease_;
};

} // namespace tarnby
