#include "support/FailingDevice.h"

#include <cstring>

FailingDevice::FailingDevice(const QByteArray &data, qint64 failAt)
    : m_data(data)
    , m_failAt(failAt)
{
}

qint64 FailingDevice::readData(char *data, qint64 maxSize)
{
    if (m_readPos >= m_failAt) {
        setErrorString(QStringLiteral("Input/output error"));
        return -1;
    }
    const qint64 count = qMin(maxSize, qMin<qint64>(m_failAt, m_data.size()) - m_readPos);
    if (count <= 0)
        return 0;
    std::memcpy(data, m_data.constData() + m_readPos, size_t(count));
    m_readPos += count;
    return count;
}

qint64 FailingDevice::writeData(const char *data, qint64 maxSize)
{
    const qint64 room = m_failAt - m_written.size();
    if (room <= 0) {
        setErrorString(QStringLiteral("No space left on device"));
        return -1;
    }
    const qint64 count = qMin(maxSize, room);
    m_written.append(data, count);
    return count;
}
