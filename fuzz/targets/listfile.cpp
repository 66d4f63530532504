// A whole list file read by the sheet's reader in one format version
// (TOLVANE_FUZZ_FORMAT): no file may crash or hang it, and the file written
// for what was read reads back, in version 0.5, whole (no box would ask about
// it: no section cut short, no line that cannot be read, a family-link line
// for every sim and no more, a household line for every household of a sim),
// to a sheet that is written to the same bytes. The file's text keeps its
// lines where their bytes are: every LF of the file stays one, so no bad byte
// joins or splits lines, and a line named as not UTF-8 is one of them.
#include "FuzzCheck.h"

#include "dialogs/SettingsLine.h"
#include "records/Codes.h"
#include "records/EntryLine.h"
#include "records/HouseholdLine.h"
#include "sheet/FileText.h"
#include "sheet/Households.h"
#include "sheet/ListFile.h"

#include <QHash>

namespace {

// The update or achievement lines as their tab writes back what it loaded:
// lines it cannot read are left out, and a position that names no sim of
// the list is written as none.
QString entries(const QStringList &list, int sims)
{
    QString text;
    for (const QString &line : list) {
        EntryLine::Fields fields;
        if (!EntryLine::parse(line, &fields))
            continue;
        const auto position = [sims](int pos) { return pos >= 0 && pos < sims ? pos : -1; };
        text += EntryLine::format(fields.text, position(fields.pos1), position(fields.pos2))
            + QLatin1String("\r\n");
    }
    return text;
}

// The household lines as the tab writes them: a row for every household a
// sim lives in, not played unless a line that can be read marks it.
QString households(const SimList &sims, const QStringList &list)
{
    QStringList names = Households::names(sims);
    names.removeAll(QString());
    QHash<QString, QString> marks;
    for (const QString &name : names)
        marks.insert(name, SpecialHousehold::contains(name) ? QString() : QStringLiteral("No"));
    for (const QString &line : list) {
        HouseholdLine::Fields fields;
        if (HouseholdLine::parse(line, &fields) && marks.contains(fields.name))
            marks[fields.name] = fields.mark;
    }
    QStringList rows;
    for (const QString &name : names)
        rows << HouseholdLine::format(name, marks.value(name));
    return rows.join(QLatin1String("\r\n"));
}

// The sections as the tabs write back what they loaded.
ListFile::Sections sectionsOf(const ListFile::Contents &contents)
{
    const int sims = int(contents.sims.size());
    ListFile::Sections sections;
    sections.updates = entries(contents.updateLines, sims);
    sections.achievements = entries(contents.achievementLines, sims);
    // The sheet writes its own settings, never the line it read.
    sections.settingsLine = SettingsLine::format(Settings());
    sections.households = households(contents.sims, contents.householdLines);
    return sections;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = Fuzz::bytes(data, size);
    const FileText::Lines text = FileText::decodeLines(bytes);
    const qsizetype lineEnds = bytes.count('\n');
    FUZZ_CHECK(text.text.count(QLatin1Char('\n')) == lineEnds, "decoding joins or splits lines");
    for (qsizetype i = 0; i < text.notUtf8.size(); ++i) {
        FUZZ_CHECK(text.notUtf8.at(i) <= lineEnds && (i == 0 || text.notUtf8.at(i - 1) < text.notUtf8.at(i)),
                   "a line not UTF-8 is out of order or past the last");
    }
    const ListFile::Contents read = ListFile::read(bytes, TOLVANE_FUZZ_FORMAT);
    const QByteArray once = ListFile::write(read.sims, sectionsOf(read));
    const ListFile::Contents again = ListFile::read(once, 4);
    FUZZ_CHECK(again.sims.size() == read.sims.size(), "a written list reads back to other sims");
    const ListFile::Damage &damage = again.damage;
    FUZZ_CHECK(!damage.endedEarly, "a written list reads back cut short");
    FUZZ_CHECK(damage.linkLines == damage.sims,
               "a written list reads back with another number of family-link lines than sims");
    FUZZ_CHECK(damage.isEmpty(), "a written list reads back with lines that cannot be read");
    FUZZ_CHECK(ListFile::write(again.sims, sectionsOf(again)) == once,
               "a written list file reads back to another file");
    return 0;
}
