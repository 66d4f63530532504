#include "dialogs/ExportReader.h"

#include "records/SimSort.h"
#include "sheet/FileText.h"

#include <csv.h>

#include <cstring>

namespace ImportColumn {

QString headerName(int position)
{
    static const char *const names[ExportCount] = {
        "hood",           "HoodName",       "NID",          "FirstName",
        "LastName",       "SimDescription", "FamilyInstance", "HouseholdName",
        "ParentA",        "ParentB",        "Spouse",       "Gender",
        "LifeSection",    "AgeDaysLeft",    "IsAtUniversity", "UniSemester",
        "UniMajor",       "Species",        "PrimaryAspiration", "SecondaryAspiration",
        "LifetimeWant"};
    if (position < 0 || position >= ExportCount)
        return QString();
    return QString::fromLatin1(names[position]);
}

QString defaultValue(int position)
{
    switch (position) {
    // A row too short to hold its NID has none: a made-up 0 would let later
    // imports merge unrelated sims into one.
    case NID:
        return QString();
    case FamilyInstance:
    case AgeDaysLeft:
    case UniSemester:
    case TypeFlags:
    case Alignment:
        return QStringLiteral("0");
    case Selected:
        return QStringLiteral("N");
    default:
        return QString();
    }
}

} // namespace ImportColumn

int importNumber(const QString &text, int fallback)
{
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    return ok ? value : fallback;
}

int ExportRead::recordCount() const
{
    int count = 0;
    for (const QList<ImportRecord> &list : lists)
        count += int(list.size());
    return count;
}

namespace ExportReader {

namespace {

const QByteArray utf8Bom("\xEF\xBB\xBF", 3);

QByteArray withoutBom(const QByteArray &bytes)
{
    return bytes.startsWith(utf8Bom) ? bytes.mid(utf8Bom.size()) : bytes;
}

// The rows as libcsv delivers them: every field goes into the row that the
// previous row end opened. The fields' bytes are kept end to end in one
// array, with where each field and each row starts, since an array of its
// own for each of a large export's fields made the read slow down more than
// the export grew.
struct RawRows
{
    QByteArray bytes;
    QList<qsizetype> fieldStarts; // and, last, the end of the last field
    QList<qsizetype> rowStarts;   // the index of each row's first field

    RawRows() { fieldStarts.append(0); }
    qsizetype rowCount() const { return rowStarts.size(); }
    qsizetype fieldCount(qsizetype row) const
    {
        const qsizetype end = row + 1 < rowStarts.size() ? rowStarts.at(row + 1)
                                                         : fieldStarts.size() - 1;
        return end - rowStarts.at(row);
    }
    QByteArrayView field(qsizetype row, qsizetype column) const
    {
        const qsizetype at = rowStarts.at(row) + column;
        return QByteArrayView(bytes.constData() + fieldStarts.at(at),
                              fieldStarts.at(at + 1) - fieldStarts.at(at));
    }
};

void csvFieldCallback(void *bytes, size_t length, void *data)
{
    auto *raw = static_cast<RawRows *>(data);
    const char *text = static_cast<const char *>(bytes);
    // A field ends before a zero byte, as the editor's own reader would.
    if (text && length > 0) {
        if (const void *zero = std::memchr(text, 0, length))
            length = size_t(static_cast<const char *>(zero) - text);
    }
    if (raw->rowStarts.isEmpty())
        raw->rowStarts.append(0);
    if (text)
        raw->bytes.append(text, qsizetype(length));
    raw->fieldStarts.append(raw->bytes.size());
}

void csvRowCallback(int, void *data)
{
    auto *raw = static_cast<RawRows *>(data);
    raw->rowStarts.append(raw->fieldStarts.size() - 1);
}

// The household that a townie group's family instance stands for; empty
// when the exported name stays.
QString townieHousehold(int v)
{
    switch (v) {
    case 32735:
        return QStringLiteral("Socialites");
    case 32736:
        return QStringLiteral("Techies");
    case 32737:
        return QStringLiteral("Jocks");
    case 32738:
        return QStringLiteral("Bohemians");
    case 32739:
        return QStringLiteral("Gearheads");
    case 32740:
        return QStringLiteral("Hobby Mavens");
    case 32753:
        return QStringLiteral("Island Locals");
    case 32754:
        return QStringLiteral("Mountain Locals");
    case 32755:
        return QStringLiteral("Asian Locals");
    case 32758:
        return QStringLiteral("Garden Club");
    case 32759:
    case 32760:
    case 32761:
    case 32765:
        return QStringLiteral("Adoption Queue");
    case 32762:
    case 32766:
        return QStringLiteral("Townies and Dormies");
    case 32764:
        return QStringLiteral("Downtown");
    default:
        break;
    }
    if (v > 32740 && v < 32753)
        return QStringLiteral("Tourists");
    return QString();
}

// Files a record by its family instance; -1 drops it.
int categoryOf(ImportRecord &record)
{
    const int v = importNumber(record.at(ImportColumn::FamilyInstance));
    if (v == 32767) {
        record[ImportColumn::HouseholdName] = QStringLiteral("Service NPCs");
        return ImportCategory::NPCs;
    }
    if (v >= 32512 && v <= 32766) {
        const QString household = townieHousehold(v);
        if (!household.isEmpty())
            record[ImportColumn::HouseholdName] = household;
        return ImportCategory::Townies;
    }
    if (v == 0 && record.at(ImportColumn::LastName).contains(QLatin1String("(NPC)")))
        return -1;
    return ImportCategory::Playables;
}

bool isUnnamed(const ImportRecord &record)
{
    const QString &first = record.at(ImportColumn::FirstName);
    return first.isEmpty() || first == QLatin1String("Unknown");
}

// By first name and description in the user's collation; records of equal
// keys end up in the order this sort has always given.
void sortByName(QList<ImportRecord> &list)
{
    QStringList keys;
    keys.reserve(list.size());
    for (const ImportRecord &record : list)
        keys.append(record.at(ImportColumn::FirstName) + QLatin1Char(' ')
                    + record.at(ImportColumn::SimDescription));
    sortByLocaleAwareKeys(list, keys);
}

} // namespace

QByteArray rowsOf(const QByteArray &bytes)
{
    const qsizetype end = bytes.indexOf('\n');
    return end < 0 ? QByteArray() : bytes.mid(end + 1);
}

ExportRead read(const QByteArray &exportBytes)
{
    ExportRead result;
    const QByteArray bytes = withoutBom(exportBytes);
    // Texts of the export are UTF-8 when the bytes are valid UTF-8, else
    // Windows-1252, the code page the editor writes on an English system.
    const bool utf8 = FileText::isValidUtf8(bytes);
    auto decode = [utf8](QByteArrayView field) {
        return utf8 ? QString::fromUtf8(field) : FileText::fromWindows1252(field);
    };

    // The header is split at every comma, with no quotes and no trimming: a
    // column is found only under its exact name.
    const qsizetype headerEnd = bytes.indexOf('\n');
    QByteArray header = headerEnd < 0 ? bytes : bytes.left(headerEnd);
    if (header.endsWith('\r'))
        header.chop(1);
    const QStringList names = decode(header).split(QLatin1Char(','));
    int columns[ImportColumn::ExportCount];
    for (int position = 0; position < ImportColumn::ExportCount; ++position)
        columns[position] = int(names.lastIndexOf(ImportColumn::headerName(position)));

    // Without its sim ids an export cannot be linked or merged; importing it
    // anyway would give every sim the same made-up id.
    if (columns[ImportColumn::NID] < 0) {
        result.error = QStringLiteral("Cannot read SimPE output: it has no NID column.");
        return result;
    }

    const QByteArray rows = rowsOf(bytes);
    RawRows raw;
    csv_parser parser;
    csv_init(&parser, 0);
    constexpr qsizetype chunk = 1024;
    for (qsizetype at = 0; at < rows.size(); at += chunk) {
        const size_t length = size_t(qMin(chunk, rows.size() - at));
        if (csv_parse(&parser, rows.constData() + at, length, csvFieldCallback, csvRowCallback,
                      &raw)
            != length) {
            result.warning = QStringLiteral("Error parsing file: ")
                + QString::fromLatin1(csv_strerror(csv_error(&parser)));
            break;
        }
    }
    csv_fini(&parser, csvFieldCallback, csvRowCallback, &raw);
    csv_free(&parser);

    for (qsizetype row = 0; row < raw.rowCount(); ++row) {
        const qsizetype fields = raw.fieldCount(row);
        ImportRecord record;
        // Room for the columns added after the sort, so that no record is
        // copied to grow.
        record.reserve(ImportColumn::Count);
        for (int position = 0; position < ImportColumn::ExportCount; ++position) {
            const int column = columns[position];
            record.append(column >= 0 && column < fields ? decode(raw.field(row, column))
                                                         : ImportColumn::defaultValue(position));
        }
        const int category = categoryOf(record);
        if (category >= 0)
            result.lists[category].append(record);
    }

    if (!result.lists[ImportCategory::Playables].isEmpty()) {
        const ImportRecord &first = result.lists[ImportCategory::Playables].first();
        result.caption = first.at(ImportColumn::Hood) + QStringLiteral(": ")
            + first.at(ImportColumn::HoodName);
        result.captionSet = true;
    }

    for (QList<ImportRecord> &list : result.lists) {
        list.removeIf(isUnnamed);
        sortByName(list);
        for (ImportRecord &record : list) {
            for (int position = ImportColumn::ExportCount; position < ImportColumn::Count; ++position)
                record.append(ImportColumn::defaultValue(position));
        }
    }
    return result;
}

} // namespace ExportReader
