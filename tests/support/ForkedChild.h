#pragma once
// Part of a test run in a forked child: to kill it in the middle of a save, to
// run two savers side by side, or to save with a file-size limit or as a user
// without root's rights. And a scratch folder where a thousand synced saves
// take memory's time, not the disk's.

#include <QDir>
#include <QFileInfo>
#include <QString>
#include <csignal>
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

// The child's exit status, or -1 when a SIGKILL ended it.
inline int waitFor(pid_t child)
{
    int status = 0;
    if (child <= 0 || ::waitpid(child, &status, 0) != child)
        return -2;
    return WIFSIGNALED(status) ? (WTERMSIG(status) == SIGKILL ? -1 : -2) : WEXITSTATUS(status);
}

// A memory file system when there is one (fsync costs nothing there).
inline QString scratchParent()
{
    const QFileInfo shm(QStringLiteral("/dev/shm"));
    return shm.isDir() && shm.isWritable() ? shm.filePath() : QDir::tempPath();
}

} // namespace testsupport
