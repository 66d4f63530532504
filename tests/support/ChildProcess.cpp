#include "support/ChildProcess.h"

#include <csignal>

#include <grp.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace ChildProcess {

namespace {

// The ids of "nobody" on Debian.
constexpr uid_t Nobody = 65534;
constexpr gid_t NoGroup = 65534;

} // namespace

pid_t start(const std::function<int()> &work, const Limits &limits)
{
    const pid_t child = ::fork();
    if (child != 0)
        return child;
    if (limits.fileSizeLimit >= 0) {
        // Past the limit a write fails instead of ending the process.
        std::signal(SIGXFSZ, SIG_IGN);
        const rlim_t size = rlim_t(limits.fileSizeLimit);
        const rlimit limit{size, size};
        if (::setrlimit(RLIMIT_FSIZE, &limit) != 0)
            ::_exit(125);
    }
    if (limits.unprivileged && ::geteuid() == 0) {
        if (::setgroups(0, nullptr) != 0 || ::setgid(NoGroup) != 0 || ::setuid(Nobody) != 0)
            ::_exit(126);
    }
    // Leave at once: the child must not run the test process's clean-up.
    ::_exit(work());
}

int wait(pid_t child)
{
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child)
        return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

int run(const std::function<int()> &work, const Limits &limits)
{
    return wait(start(work, limits));
}

} // namespace ChildProcess
