// The sim editor's export: no bytes may crash or hang the reader, and every
// record it hands on has all its fields.
#include "FuzzCheck.h"

#include "dialogs/ExportReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const ExportRead read = ExportReader::read(Fuzz::bytes(data, size));
    for (const QList<ImportRecord> &list : read.lists) {
        for (const ImportRecord &record : list)
            FUZZ_CHECK(record.size() == ImportColumn::Count, "a record lacks fields");
    }
    FUZZ_CHECK(read.error.isEmpty() || read.recordCount() == 0,
               "an export that cannot be used still gave records");
    ExportReader::rowsOf(Fuzz::bytes(data, size));
    return 0;
}
