// The sim editor's export: no bytes may crash or hang the reader, and every
// record it hands on has all its fields. Every record imported gives a sim
// whose texts its list line holds, so the line is one line that reads back
// to itself, and whose household keeps its households line one line.
// Imported into a sheet, once whole and then again in part, the sims keep
// every link held by both sides, and no sim becomes its own ancestor.
#include "FuzzCheck.h"

#include "dialogs/ExportReader.h"
#include "dialogs/ImportBatch.h"
#include "records/HouseholdLine.h"
#include "records/ListFileText.h"
#include "records/Sim.h"
#include "sheet/ModelRows.h"
#include "sheet/SheetSims.h"
#include "sheet/SimCreation.h"
#include "support/LinkCheck.h"

namespace {

// Every `step`-th record of the export made into sims and linked, as the
// import dialog does with the records ticked.
QList<Sim *> importBatch(ExportRead &read, int step)
{
    ImportBatch batch;
    int at = 0;
    for (int category = 0; category < ImportCategory::Count; ++category) {
        for (ImportRecord &record : read.lists[category]) {
            if (at++ % step == 0)
                batch.add(record, category);
        }
    }
    for (int i = 0; i < batch.size(); ++i)
        batch.link(i);
    return batch.take();
}

// The sims handed to the sheet and the rebuild that ends an import.
void importInto(SheetSims &sheet, const QList<Sim *> &sims)
{
    ImportMerge merge;
    for (Sim *sim : sims)
        merge.add(sheet, sim);
    merge.finish();
    const ModelRows::SimRows rows = ModelRows::simRows(sheet.sims(), FilterMasks(), 1, 0);
    sheet.setRows(rows.rowToSim, ModelRows::nidSorted(sheet.sims()));
}

} // namespace

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

    SheetSims sheet;
    for (int step : {1, 1, 2, 3}) {
        importInto(sheet, importBatch(read, step));
        const QStringList faults = familyLinkFaults(sheet.sims());
        if (!faults.isEmpty())
            std::fprintf(stderr, "%s\n", qPrintable(faults.join(QLatin1Char(' '))));
        FUZZ_CHECK(faults.isEmpty(), "an import left a family link the list file cannot keep");
    }
    return 0;
}
