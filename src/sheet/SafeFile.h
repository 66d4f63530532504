#pragma once

#include <QByteArray>
#include <QString>

class QIODevice;

// Whole-file reads and writes that report every failure. A write goes to a
// temporary file next to the target, which replaces the target only when
// every byte reached the disk; on any failure the old file stays as it was.
namespace SafeFile {

// Writes every byte to the device and flushes it; false, with the device's
// error text in `error`, at the first write that falls short.
bool writeAll(QIODevice *device, const QByteArray &bytes, QString *error = nullptr);

// Replaces the file at `path` with the bytes, atomically.
bool write(const QString &path, const QByteArray &bytes, QString *error = nullptr);

// Reads the whole device; false when it cannot be read to its end.
bool readAll(QIODevice *device, QByteArray *bytes, QString *error = nullptr);

// Reads the whole file at `path`; false when it is missing or unreadable.
bool read(const QString &path, QByteArray *bytes, QString *error = nullptr);

} // namespace SafeFile
