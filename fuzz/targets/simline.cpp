// The sim line, read in one format index (TOLVANE_FUZZ_FORMAT): no input may
// crash the reader, and what the program writes it reads back to the same
// text, so a line read and written again is stable after one round.
#include "FuzzCheck.h"

#include "records/Sim.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    for (const QString &line : Fuzz::lines(data, size)) {
        Sim read;
        read.fromString(line, TOLVANE_FUZZ_FORMAT);
        const QString once = read.toString();
        Sim again;
        again.fromString(once, 4);
        FUZZ_CHECK(again.toString() == once, "a written sim line reads back to another line");
    }
    return 0;
}
