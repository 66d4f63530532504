#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// One sim of the sim editor's export: 24 texts by ImportColumn position.
// Positions 0 to 20 come from the export, 21 to 23 hold the player's
// choices. Numbers are kept as decimal texts.
using ImportRecord = QStringList;

namespace ImportColumn {
enum : int {
    Hood = 0,
    HoodName = 1,
    NID = 2,
    FirstName = 3,
    LastName = 4,
    SimDescription = 5,
    FamilyInstance = 6,
    HouseholdName = 7,
    ParentA = 8,
    ParentB = 9,
    Spouse = 10,
    Gender = 11,
    LifeSection = 12,
    AgeDaysLeft = 13,
    IsAtUniversity = 14,
    UniSemester = 15,
    UniMajor = 16,
    Species = 17,
    PrimaryAspiration = 18,
    SecondaryAspiration = 19,
    LifetimeWant = 20,
    Selected = 21,
    TypeFlags = 22,
    Alignment = 23,
    ExportCount = 21,
    Count = 24
};
// The export's header name of positions 0 to 20; empty for any other.
QString headerName(int position);
// What a position holds when the export has no field for it.
QString defaultValue(int position);
} // namespace ImportColumn

// The three record lists of an import, always handled in this order.
namespace ImportCategory {
enum : int { Playables = 0, Townies = 1, NPCs = 2, Count = 3 };
}

// A decimal text as an int; `fallback` for any text that is not one.
int importNumber(const QString &text, int fallback = 0);

// What the reader made of one export.
struct ExportRead
{
    // The records of each ImportCategory, filed, named and sorted.
    QList<ImportRecord> lists[ImportCategory::Count];
    // The neighbourhood's id and name ("hood: HoodName") of the first
    // playable row; captionSet is false when the export has none.
    QString caption;
    bool captionSet = false;
    // Set when the export cannot be used at all: no record is read.
    QString error;
    // Set when the parse stopped early: the records read before it stay.
    QString warning;

    int recordCount() const;
};

// Reads the sim editor's CSV export: a header line naming the columns, then
// one row per sim, fields quoted as CSV. Everything comes from the bytes
// given, so a stale or half-written copy elsewhere can never stand in for
// them.
namespace ExportReader {

ExportRead read(const QByteArray &bytes);

// The rows after the header line, as they stand in the export: the copy the
// import leaves in the working folder for the player.
QByteArray rowsOf(const QByteArray &bytes);

} // namespace ExportReader
