#include "support/CapturedStdout.h"

#include <cstdio>
#include <unistd.h>

CapturedStdout::CapturedStdout()
{
    if (!m_file.open())
        return;
    std::fflush(stdout);
    m_savedFd = ::dup(STDOUT_FILENO);
    ::dup2(m_file.handle(), STDOUT_FILENO);
}

CapturedStdout::~CapturedStdout()
{
    restore();
}

void CapturedStdout::restore()
{
    if (m_savedFd < 0)
        return;
    std::fflush(stdout);
    ::dup2(m_savedFd, STDOUT_FILENO);
    ::close(m_savedFd);
    m_savedFd = -1;
    m_file.seek(0);
    m_captured = QString::fromUtf8(m_file.readAll());
}

QString CapturedStdout::text()
{
    restore();
    return m_captured;
}
