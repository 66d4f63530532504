#pragma once

#include <QByteArray>
#include <QIODevice>

// A device that reads from, or writes to, a byte array and fails for good at
// a chosen byte, the way a disk or a network share can fail part-way.
class FailingDevice : public QIODevice
{
public:
    // Reads give `data` up to byte `failAt`, then an error; writes are
    // accepted up to byte `failAt`, then refused.
    FailingDevice(const QByteArray &data, qint64 failAt);

    QByteArray written() const { return m_written; }
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char *data, qint64 maxSize) override;
    qint64 writeData(const char *data, qint64 maxSize) override;

private:
    QByteArray m_data;
    QByteArray m_written;
    qint64 m_failAt;
    qint64 m_readPos = 0;
};
