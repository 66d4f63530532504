// The line of the updates and achievements sections: no input may crash the
// reader, and a line it accepts is written back as a line that reads to the
// same sentence and positions.
#include "FuzzCheck.h"

#include "records/EntryLine.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    for (const QString &line : Fuzz::lines(data, size)) {
        EntryLine::Fields fields;
        if (!EntryLine::parse(line, &fields))
            continue;
        const QString written = EntryLine::format(fields.text, fields.pos1, fields.pos2);
        EntryLine::Fields again;
        FUZZ_CHECK(EntryLine::parse(written, &again), "a written entry line does not read");
        FUZZ_CHECK(again.text == fields.text && again.pos1 == fields.pos1
                       && again.pos2 == fields.pos2,
                   "a written entry line reads back to other fields");
    }
    return 0;
}
