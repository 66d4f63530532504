#pragma once

#include "sheet/Settings.h"

#include <QByteArray>
#include <QString>

class QIODevice;

// "tolvane.conf": the ten settings as commented KEY=value blocks. Reading
// starts from the settings it is given and sets each key it finds, the last
// line of a key winning; every value read is held to the settings dialog's
// range. Failures come back as results: the caller shows the message.
namespace SettingsFile {

QString fileName();                // "tolvane.conf"
QString readFailedMessage();       // "Could not read tolvane.conf file."
QString writeFailedMessage();      // "Could not save settings."

// The settings after every line of the text; lines that match no key, or
// whose value has the wrong form, change nothing.
Settings fromText(const QString &text, const Settings &base);

// The file's exact bytes.
QByteArray toBytes(const Settings &settings);

// Reads the device to its end and applies it to `settings`; false, with
// `settings` unchanged, when the device cannot be read.
bool read(QIODevice *device, Settings *settings);

enum class LoadResult { Loaded, Missing, Failed };
// Reads the file at `path`. Missing when there is no file (nothing to
// show); Failed when it exists but cannot be read. `settings` changes only
// when the result is Loaded.
LoadResult load(const QString &path, Settings *settings);

// Replaces the file at `path` atomically; false when any part of the write
// failed, and then the old file is left as it was.
bool save(const QString &path, const Settings &settings);

} // namespace SettingsFile
