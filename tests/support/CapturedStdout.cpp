#include "support/CapturedStdout.h"

#include <cstdio>
#include <unistd.h>

CapturedStdout::CapturedStdout()
{
    if (!file.open())
        return;
    std::fflush(stdout);
    savedFd = ::dup(STDOUT_FILENO);
    ::dup2(file.handle(), STDOUT_FILENO);
}

CapturedStdout::~CapturedStdout()
{
    restore();
}

void CapturedStdout::restore()
{
    if (savedFd < 0)
        return;
    std::fflush(stdout);
    ::dup2(savedFd, STDOUT_FILENO);
    ::close(savedFd);
    savedFd = -1;
    file.seek(0);
    captured = QString::fromUtf8(file.readAll());
}

QString CapturedStdout::text()
{
    restore();
    return captured;
}
