#pragma once
// Part of a test run in a forked child: to kill it in the middle of a save, to
// run two savers side by side, or to save with a file-size limit or as a user
// without root's rights. And a scratch folder where a thousand synced saves
// take memory's time, not the disk's.

#include <QDir>
#include <QFileInfo>
#include <QString>
#include <functional>
#include <sys/wait.h>
#include <unistd.h>

namespace testsupport {

// The child runs `body` and exits with what it returns.
inline pid_t forkChild(const std::function<int()>& body)
{
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(body());
    return child;
}

struct Ended {
    bool killed = false; // by SIGKILL
    int status = -1;     // the exit status otherwise
};

inline Ended waitFor(pid_t child)
{
    int status = 0;
    if (child <= 0 || ::waitpid(child, &status, 0) != child)
        return {};
    if (WIFSIGNALED(status))
        return {WTERMSIG(status) == SIGKILL, -1};
    return {false, WIFEXITED(status) ? WEXITSTATUS(status) : -1};
}

// A memory file system when there is one (fsync costs nothing there).
inline QString scratchParent()
{
    const QFileInfo shm(QStringLiteral("/dev/shm"));
    return shm.isDir() && shm.isWritable() ? shm.filePath() : QDir::tempPath();
}

} // namespace testsupport
