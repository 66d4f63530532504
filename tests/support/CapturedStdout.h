#pragma once

#include <QString>
#include <QTemporaryFile>

// Collects what the code under test writes to standard output between
// construction and text().
class CapturedStdout
{
public:
    CapturedStdout();
    ~CapturedStdout();

    // Stops capturing (on the first call) and returns what was written.
    QString text();

private:
    void restore();

    QTemporaryFile m_file;
    int m_savedFd = -1;
    QString m_captured;
};
