// The sim editor's export: no bytes may crash or hang the reader, and every
// record it hands on has all its fields. Every record imported gives a sim
// whose texts its list line holds, so the line is one line that reads back
// to itself, and whose household keeps its households line one line.
// Imported into a sheet, once whole and then again in part, the sims keep
// every link held by both sides, and no sim becomes its own ancestor. An
// input holding a NUL byte is two exports: the part before it is imported
// first, so that the sheet holds links of its own that the second export
// may contradict, as an export taken after the player edited the family.
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

namespace {

// Every record of an export makes a sim whose line the list file keeps.
void checkRecords(ExportRead &read)
{
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
}

void checkLinks(const SheetSims &sheet)
{
    const QStringList faults = familyLinkFaults(sheet.sims());
    if (!faults.isEmpty())
        std::fprintf(stderr, "%s\n", qPrintable(faults.join(QLatin1Char(' '))));
    FUZZ_CHECK(faults.isEmpty(), "an import left a family link the list file cannot keep");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input = Fuzz::bytes(data, size);
    const qsizetype cut = input.indexOf('\0');
    const QByteArray second = cut < 0 ? input : input.mid(cut + 1);
    ExportRead read = ExportReader::read(second);
    checkRecords(read);
    FUZZ_CHECK(read.error.isEmpty() || read.recordCount() == 0,
               "an export that cannot be used still gave records");
    ExportReader::rowsOf(second);

    SheetSims sheet;
    if (cut >= 0) {
        ExportRead first = ExportReader::read(input.left(cut));
        importInto(sheet, importBatch(first, 1));
        checkLinks(sheet);
    }
    for (int step : {1, 1, 2, 3}) {
        importInto(sheet, importBatch(read, step));
        checkLinks(sheet);
    }
    return 0;
}
