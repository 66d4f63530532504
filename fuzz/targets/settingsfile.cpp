// "tolvane.conf": no file may crash the reader or leave a setting outside
// the settings dialog's ranges, and the file written for what was read
// reads back to the same settings.
#include "FuzzCheck.h"

#include "sheet/SettingsFile.h"

#include <QBuffer>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray bytes = Fuzz::bytes(data, size);
    QBuffer device(&bytes);
    device.open(QIODevice::ReadOnly);
    Settings read;
    FUZZ_CHECK(SettingsFile::read(&device, &read), "a readable file was refused");
    FUZZ_CHECK(read == read.clamped(), "a setting was read outside its range");

    QByteArray written = SettingsFile::toBytes(read);
    QBuffer again(&written);
    again.open(QIODevice::ReadOnly);
    Settings reread;
    FUZZ_CHECK(SettingsFile::read(&again, &reread), "a written file was refused");
    FUZZ_CHECK(reread == read, "a written settings file reads back to other settings");
    return 0;
}
