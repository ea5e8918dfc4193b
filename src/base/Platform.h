#pragma once
// The one place that asks the operating system directly, for what Qt has no
// portable question: everything else in the program goes through Qt's own
// calls. A new system call belongs here, behind a question a caller can ask on
// every platform.

#include <QString>
#include <functional>

class QFileDevice;

namespace tarnby::platform {

// True when another program holds the file under a lock of the system's own:
// a whole-file lock or a lock on a range, as office programs take on the
// document they have open. On a system whose programs lock files by opening
// them exclusively (Windows), replacing such a file fails by itself and this
// answers false.
bool isLockedByAnotherProgram(const QString& path);

// Runs `call` with the process's standard error sent nowhere, for a library
// that prints its failures there besides returning them. It is the whole
// process's stream: only for a program that runs one thread at that time.
void withoutStandardError(const std::function<void()>& call);

// Returns once what was written to the open file is on the disk itself, so
// that a crash or a power cut afterwards cannot take it back.
bool syncToDisk(QFileDevice& file);

// Sets the file's modification time to now without opening it: a lock file
// held by QLockFile says this way that its holder is still alive.
void touch(const QString& path);

// The login name of the user running the program; empty when the system
// knows none.
QString userName();

// For a process that runs one batch and ends (tarnby-cli): memory it frees
// stays with it for its next allocations instead of going back to the system,
// which would hand it over again page by page, a fault for each page; and its
// heap is backed by large pages where the system offers them. To be called
// first thing in main, before any thread starts.
void keepFreedMemory();

} // namespace tarnby::platform
