#include "sheet/SafeFile.h"

#include <QFile>
#include <QFileDevice>
#include <QSaveFile>

namespace SafeFile {

namespace {

void setError(QString *error, const QString &text)
{
    if (error)
        *error = text;
}

} // namespace

bool writeAll(QIODevice *device, const QByteArray &bytes, QString *error)
{
    qint64 done = 0;
    while (done < bytes.size()) {
        const qint64 written = device->write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0) {
            setError(error, device->errorString());
            return false;
        }
        done += written;
    }
    // A file device buffers: only the flush shows whether the bytes fit.
    if (auto *file = qobject_cast<QFileDevice *>(device)) {
        if (!file->flush() || file->error() != QFileDevice::NoError) {
            setError(error, file->errorString());
            return false;
        }
    }
    return true;
}

bool write(const QString &path, const QByteArray &bytes, QString *error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        setError(error, file.errorString());
        return false;
    }
    // QSaveFile can commit a file cut short by a failed write; it must be
    // cancelled explicitly so that the old file stays.
    if (!writeAll(&file, bytes, error)) {
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        setError(error, file.errorString());
        return false;
    }
    return true;
}

bool readAll(QIODevice *device, QByteArray *bytes, QString *error)
{
    QByteArray data;
    char buffer[65536];
    for (;;) {
        const qint64 got = device->read(buffer, sizeof buffer);
        if (got < 0) {
            setError(error, device->errorString());
            return false;
        }
        if (got == 0)
            break;
        data.append(buffer, got);
    }
    if (auto *file = qobject_cast<QFileDevice *>(device)) {
        if (file->error() != QFileDevice::NoError) {
            setError(error, file->errorString());
            return false;
        }
    }
    *bytes = data;
    return true;
}

bool read(const QString &path, QByteArray *bytes, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        setError(error, file.errorString());
        return false;
    }
    return readAll(&file, bytes, error);
}

} // namespace SafeFile
