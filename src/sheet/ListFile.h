#pragma once

#include "records/Sim.h"
#include "sheet/SimStore.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

class QIODevice;

// A list file holds one whole sheet: the sims, the pending updates, the
// achievements log, the settings line, the households' played flags and the
// family links, in that order. It is read in the format the user names
// (index 0 to 4 for versions 0.1 to 0.5) and always written in 0.5, as
// UTF-8 with CR LF line ends.
namespace ListFile {

QString fileName(const QString &listName);   // listName + ".sls"
QString backupName(const QString &listName); // listName + ".bak"
QString readFailedMessage();                 // "Cannot read file."
QString writeFailedMessage();                // "Cannot write file."

// The sections the tabs and the settings dialog write for a save, each as
// its part returns it.
struct Sections
{
    QString updates;      // lines, each ended by CR LF
    QString achievements; // lines, each ended by CR LF
    QString settingsLine; // one line, no line end
    QString households;   // rows joined by CR LF, no line end after the last
};

// The sections of a list file, in file order.
enum class Section { Sims, Updates, Achievements, SettingsLine, Households, FamilyLinks };
constexpr int kSectionCount = 6;

// What a read could not take from a file: a file cut short by a crash or a
// full disk, or lines no writer of the program would write. Whatever the
// reader reports, the player is asked before such a sheet replaces the one
// in hand, and its backup is not written over.
struct Damage
{
    // The section in which the file ended before the last section its
    // format reads was complete; none when the file is whole.
    bool endedEarly = false;
    Section endedIn = Section::Sims;
    // For versions 0.4 and 0.5: how many family-link lines the file holds
    // for how many sims. Fewer lines leave sims without links; more mean a
    // sim line or a link line was lost or repeated, and the links, read by
    // position, may join the wrong sims.
    int linkLines = 0;
    int sims = 0;
    // The line in the settings line's place is not one: an empty line or a
    // line of another section, as a line lost or repeated before it leaves
    // it. What follows it is not read, as if the file ended there, since it
    // would be read into the wrong sections.
    bool settingsLineMisplaced = false;
    // Lines of each section that could not be read: skipped, except for a
    // sim line, which keeps its place (and what could be read of it) so that
    // the positions the other sections name still lead to the right sims.
    int unreadable[kSectionCount] = {};
    // The names of the sims whose lines could not be read whole, in list
    // order, so that the player knows whom to look at.
    QStringList unreadableSims;
    // The sims whose family-link lines could not be read whole, in list
    // order: what could be read of each is applied.
    QStringList unreadableLinkLinesOf;
    // Household lines whose played mark could not be read, in file order:
    // the household (the whole line when it has no comma), the mark as it
    // stands (null when there is none), and whether a sim of the list lives
    // in that playable household, which then opens not played.
    struct UnreadableMark
    {
        QString household;
        QString mark;
        bool opensNotPlayed = false;
    };
    QList<UnreadableMark> unreadableMarks;
    // For versions 0.2 and 0.3, whose households end the file: lines after
    // the households' empty line, where such a list ends. A later version
    // writes its family links there, so such a list is of another version.
    int linesAfterTheEnd = 0;
    // The file ends inside a family-link line, without the line end every
    // such line is written with: the last position on it may be cut short
    // ("10" to "1"), so it is not taken. The sim the line belongs to.
    QString cutLinkLineOf;
    // The cut came right after a comma: the whole child position that
    // followed it is lost, and the link before the comma is whole.
    bool cutAfterComma = false;
    // What goes with that position. When it was the spouse: the sims whose
    // lines name that sim as their spouse, whose marriage is let go, since
    // the list keeps only links both sides hold. When it was a child: the
    // sims it may have named, when there are few enough to name.
    QStringList cutMarriedTo;
    QStringList cutChildOneOf; // the first few, when there are more
    int cutChildCandidates = 0;
    // A family-link line naming its own sim as spouse or among the children,
    // as a line swapped with its spouse's leaves it: that part is left out.
    // A marriage to a sim whose line names this one goes with it.
    struct SelfLink
    {
        QString sim;
        bool asSpouse = false;
        QStringList marriedTo;
    };
    QList<SelfLink> selfLinks;
    // A family-link line naming, as spouse or among the children, a
    // position the list does not hold, as a changed digit or a hand edit
    // leaves it: the writer names only sims of the list. Those parts are
    // left out; a marriage to a sim whose line names this one goes with the
    // spouse part.
    struct StrayLink
    {
        QString sim;
        bool asSpouse = false;
        QStringList positions; // as they stand on the line
        QStringList marriedTo;
    };
    QList<StrayLink> strayLinks;
    // Parent links of the family-link lines that would make a sim its own
    // ancestor, not taken: the parent's name and the child's.
    QList<QPair<QString, QString>> loopLinks;
    // Marriages that a family-link line read holds with a sim whose line is
    // missing: the list keeps only links both sides hold, so they are let
    // go. The sim of the line read, then its spouse.
    QList<QPair<QString, QString>> marriagesOfMissingLines;
    // Households a sim of the list lives in that have no household line,
    // in list order, as a lost line or a list cut after a whole line leaves
    // them: the writer writes a line for each, and they open not played.
    // Special households, which are never marked, lose nothing.
    QStringList householdsWithoutLine;
    // A file written in UTF-8 that holds bytes that are not UTF-8, as one
    // changed byte leaves it: those bytes are read as Windows-1252, all else
    // as UTF-8. Each such line that a section reads, in file order:
    // its section and, for a sim, family-link or household line, its sim
    // or household.
    struct NotUtf8Line
    {
        Section section;
        QString of;
    };
    QList<NotUtf8Line> notUtf8Lines;
    // All such lines, also those no section reads.
    int notUtf8 = 0;
    // The other format indexes in which the same file reads whole, as it
    // does when the player chose the wrong version; not damage itself.
    QList<int> wholeAs;

    bool isEmpty() const;
};

// The version a format index reads: "0.1" to "0.5".
QString versionName(int format);

// The sections a format reads, in file order.
QList<Section> sectionsRead(int format);

// A whole sheet as read from a file, not yet on any sheet. Its records
// belong to `store` until a sheet takes them over; if it never does, they
// go with the contents.
struct Contents
{
    SimStore store;
    // In file order, with the family links applied (versions 0.4 and 0.5).
    SimList sims;
    // The lines of the later sections, without line ends.
    QStringList updateLines;
    QStringList achievementLines;
    QString settingsLine;
    // Read only by versions 0.2 and later.
    QStringList householdLines;
    Damage damage;
};

// The file's bytes for a sheet. `withoutSettingsLine`, when given, gets the
// same bytes with an empty settings line, from the same text.
QByteArray write(const SimList &sims, const Sections &sections,
                 QByteArray *withoutSettingsLine = nullptr);

// Reads a file's bytes with a format index. A short file reads as if every
// missing section were empty, and says so in its damage; unreadable update,
// achievement and household lines are left out of the contents, and what
// could not be read of a family-link line is not applied. A damaged file is
// also tried in the other versions. The bytes are taken as UTF-8 when they
// are valid UTF-8, else as Windows-1252, but a file that holds UTF-8 letters
// is read line by line (FileText::decodeLines).
Contents read(const QByteArray &bytes, int format);

// Reads a device or a file to its end first; false, with `out` untouched,
// when it cannot be read completely.
bool read(QIODevice *device, int format, Contents *out);
bool readFile(const QString &path, int format, Contents *out);

// The family-link lines of a list in one pass: positions come from a table
// made once, so a sheet of n sims is written in time linear in n and its
// links. Each line equals Sim::familyLinksToString against the same list.
class FamilyLinkWriter
{
public:
    explicit FamilyLinkWriter(const SimList &list);
    QString line(const Sim &sim) const;

private:
    QHash<const Sim *, QList<int>> m_positions;
};

// The parts of the sheet an open fills, called by apply() in the order the
// sheet shows a list being opened.
class Receiver
{
public:
    virtual ~Receiver();
    // Empties the sheet.
    virtual void clearSheet() = 0;
    // Takes over the read sims and their owner; sorts the sim list view.
    virtual void takeSims(SimStore &store, const SimList &sims) = 0;
    // Hands the new sims to the tabs and rebuilds the models.
    virtual void rebuild() = 0;
    virtual void loadUpdate(const QString &line) = 0;
    virtual void loadAchievement(const QString &line) = 0;
    virtual void loadHousehold(const QString &line) = 0;
    // A section's lines at once, for a receiver that files them faster
    // together; by default one call per line.
    virtual void loadUpdates(const QStringList &lines);
    virtual void loadAchievements(const QStringList &lines);
    virtual void loadHouseholds(const QStringList &lines);
};

// Puts a sheet that was read completely onto the sheet, with the progress
// lines of an open. Household lines are loaded for versions 0.2 and later.
void apply(Contents &contents, int format, Receiver &receiver);

} // namespace ListFile
