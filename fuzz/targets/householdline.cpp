// The households line: no input may crash the reader, and a line it accepts
// is written back as a line that reads to the same name and mark.
#include "FuzzCheck.h"

#include "records/HouseholdLine.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    for (const QString &line : Fuzz::lines(data, size)) {
        HouseholdLine::Fields fields;
        if (!HouseholdLine::parse(line, &fields))
            continue;
        HouseholdLine::Fields again;
        FUZZ_CHECK(HouseholdLine::parse(HouseholdLine::format(fields.name, fields.mark), &again),
                   "a written households line does not read");
        FUZZ_CHECK(again.name == fields.name && again.mark == fields.mark,
                   "a written households line reads back to another household");
    }
    return 0;
}
