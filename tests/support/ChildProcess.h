#pragma once

#include <functional>

#include <sys/types.h>

// Runs part of a test in a process of its own, where the disk can be made
// to fail or the process can lose the rights root has, without touching the
// test process itself.
namespace ChildProcess {

struct Limits
{
    // Writes that would make a file larger than this fail (EFBIG), the way
    // a full disk fails them part-way; -1 for no limit.
    long long fileSizeLimit = -1;
    // Run as the unprivileged user "nobody", so that a read-only folder
    // stops writes even when the tests run as root.
    bool unprivileged = false;
};

// Forks; the child applies the limits, runs `work` and exits with what it
// returns. Returns the child's process id (-1 when the fork failed).
pid_t start(const std::function<int()> &work, const Limits &limits = {});

// Waits for the child; its exit code, or -1 when it did not exit normally.
int wait(pid_t child);

// start and wait.
int run(const std::function<int()> &work, const Limits &limits = {});

} // namespace ChildProcess
