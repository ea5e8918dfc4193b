#pragma once
// Runs a check as a user who cannot write where permissions forbid it. Tests
// (and CI) may run as root, for whom a read-only folder is still writable, so
// there the check runs in a child process that has given up root first.

#include <functional>
#include <sys/wait.h>
#include <unistd.h>

namespace testsupport {

inline bool asUnprivilegedUser(const std::function<bool()>& check)
{
    if (::geteuid() != 0)
        return check();
    const pid_t child = ::fork();
    if (child < 0)
        return false;
    if (child == 0) {
        const uid_t nobody = 65534;
        if (::setgid(nobody) != 0 || ::setuid(nobody) != 0)
            ::_exit(2);
        ::_exit(check() ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

} // namespace testsupport
