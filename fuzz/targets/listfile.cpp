// A whole list file read by the sheet's reader in one format version
// (TOLVANE_FUZZ_FORMAT): no file may crash or hang it, and the file written
// for what was read reads back, in version 0.5, whole (no section cut short,
// no sim or family-link line that cannot be read), to a sheet that is
// written to the same bytes.
#include "FuzzCheck.h"

#include "sheet/ListFile.h"

namespace {

QString lines(const QStringList &list)
{
    QString text;
    for (const QString &line : list)
        text += line + QLatin1String("\r\n");
    return text;
}

// The sections as the tabs write back what they loaded.
ListFile::Sections sectionsOf(const ListFile::Contents &contents)
{
    ListFile::Sections sections;
    sections.updates = lines(contents.updateLines);
    sections.achievements = lines(contents.achievementLines);
    sections.settingsLine = contents.settingsLine;
    sections.households = contents.householdLines.join(QLatin1String("\r\n"));
    return sections;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const ListFile::Contents read = ListFile::read(Fuzz::bytes(data, size), TOLVANE_FUZZ_FORMAT);
    const QByteArray once = ListFile::write(read.sims, sectionsOf(read));
    const ListFile::Contents again = ListFile::read(once, 4);
    FUZZ_CHECK(again.sims.size() == read.sims.size(), "a written list reads back to other sims");
    const ListFile::Damage &damage = again.damage;
    FUZZ_CHECK(!damage.endedEarly, "a written list reads back cut short");
    FUZZ_CHECK(damage.unreadable[int(ListFile::Section::Sims)] == 0
                   && damage.unreadable[int(ListFile::Section::FamilyLinks)] == 0,
               "a written list reads back with lines that cannot be read");
    FUZZ_CHECK(ListFile::write(again.sims, sectionsOf(again)) == once,
               "a written list file reads back to another file");
    return 0;
}
