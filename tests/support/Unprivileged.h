#pragma once
// Runs a piece of a test as a user without privileges, where file
// permissions apply: in this process when it runs as such a user already,
// otherwise in a child process that drops to the user "nobody".

#include <QFile>
#include <QString>

#include <functional>
#include <grp.h>
#include <optional>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

namespace Unprivileged {

constexpr uid_t Nobody = 65534;

inline bool isPrivileged()
{
    return ::geteuid() == 0;
}

// The file becomes the unprivileged user's (a no-op when we are one).
inline bool giveAway(const QString &path)
{
    return !isPrivileged() || ::chown(QFile::encodeName(path).constData(), Nobody, Nobody) == 0;
}

// The result of `work`, or nothing when privileges cannot be dropped.
inline std::optional<bool> run(const std::function<bool()> &work)
{
    if (!isPrivileged())
        return work();
    const pid_t child = ::fork();
    if (child < 0)
        return std::nullopt;
    if (child == 0) {
        if (::setgroups(0, nullptr) != 0 || ::setgid(Nobody) != 0 || ::setuid(Nobody) != 0)
            ::_exit(2);
        ::_exit(work() ? 0 : 1);
    }
    int status = 0;
    if (::waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) == 2)
        return std::nullopt;
    return WEXITSTATUS(status) == 0;
}

} // namespace Unprivileged
