// The settings line of a list file, in the form of each list format: no line
// may crash the reader or give a value outside the settings dialog's ranges,
// and the 17-value line written for what was read reads back to the same
// settings (but for a SimPE folder holding a comma, which the line cannot
// carry).
#include "FuzzCheck.h"

#include "dialogs/SettingsLine.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    // The first byte picks the list format whose form is read.
    const int format = data[0] % 5;
    for (const QString &line : Fuzz::lines(data + 1, size - 1)) {
        const SettingsLine::Read read = SettingsLine::read(line, format);
        FUZZ_CHECK(read.values == read.values.clamped(), "a value was read outside its range");
        if (read.values.SimPELocation.contains(QLatin1Char(',')))
            continue;
        const SettingsLine::Read again = SettingsLine::read(SettingsLine::format(read.values), 4);
        FUZZ_CHECK(again.values == read.values,
                   "a written settings line reads back to other settings");
    }
    return 0;
}
