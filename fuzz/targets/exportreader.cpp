// The sim editor's export: no bytes may crash or hang the reader, and every
// record it hands on has all its fields. Every record imported gives a sim
// whose texts its list line holds, so the line is one line that reads back
// to itself, and whose household keeps its households line one line.
#include "FuzzCheck.h"

#include "dialogs/ExportReader.h"
#include "dialogs/ImportBatch.h"
#include "records/HouseholdLine.h"
#include "records/ListFileText.h"
#include "records/Sim.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    ExportRead read = ExportReader::read(Fuzz::bytes(data, size));
    ImportBatch batch;
    for (int category = 0; category < ImportCategory::Count; ++category) {
        for (ImportRecord &record : read.lists[category]) {
            FUZZ_CHECK(record.size() == ImportColumn::Count, "a record lacks fields");
            const Sim *sim = batch.add(record, category);
            for (const QString &text : {sim->name(), sim->household(), sim->major()})
                FUZZ_CHECK(ListFileText::fieldProblem(QString(), text).isEmpty(),
                           "an imported sim holds a text its list line cannot");
            const QString line = sim->toString();
            FUZZ_CHECK(!ListFileText::hasLineBreak(line), "an imported sim's line breaks");
            Sim again;
            again.fromString(line, 4);
            FUZZ_CHECK(again.toString() == line, "an imported sim's line reads back to another");
            FUZZ_CHECK(!ListFileText::hasLineBreak(HouseholdLine::format(sim->household(), QString())),
                       "an imported household breaks its households line");
        }
    }
    FUZZ_CHECK(read.error.isEmpty() || read.recordCount() == 0,
               "an export that cannot be used still gave records");
    ExportReader::rowsOf(Fuzz::bytes(data, size));
    return 0;
}
