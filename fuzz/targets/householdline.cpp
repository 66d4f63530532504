// The households line: no input may crash the reader, and a line it accepts
// is written back as a line that reads to the same name and mark. Whatever
// a household is called, line breaks included, its line stays one line.
#include "FuzzCheck.h"

#include "records/HouseholdLine.h"
#include "records/ListFileText.h"

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

    const QString name = QString::fromUtf8(Fuzz::bytes(data, size));
    const QString written = HouseholdLine::format(name, QStringLiteral("Yes"));
    FUZZ_CHECK(!ListFileText::hasLineBreak(written), "a households line holds a line break");
    HouseholdLine::Fields read;
    FUZZ_CHECK(HouseholdLine::parse(written, &read) && read.mark == QLatin1String("Yes")
                   && read.name == ListFileText::singleLine(name),
               "a households line does not read back to the name the sim line keeps");
    return 0;
}
