#include "sheet/ListFile.h"

#include "dialogs/SettingsLine.h"
#include "records/Codes.h"
#include "records/Console.h"
#include "records/EntryLine.h"
#include "records/FamilyLoop.h"
#include "records/HouseholdLine.h"
#include "sheet/DamageText.h"
#include "sheet/FileText.h"
#include "sheet/SafeFile.h"

#include <QFile>
#include <QIODevice>
#include <QSet>

namespace ListFile {

QString fileName(const QString &listName)
{
    return listName + QLatin1String(".sls");
}

QString backupName(const QString &listName)
{
    return listName + QLatin1String(".bak");
}

QString readFailedMessage()
{
    return QStringLiteral("Cannot read file.");
}

QString writeFailedMessage()
{
    return QStringLiteral("Cannot write file.");
}

FamilyLinkWriter::FamilyLinkWriter(const SimList &list)
{
    m_positions.reserve(list.size());
    for (int i = 0; i < list.size(); ++i) {
        if (list.at(i))
            m_positions[list.at(i).data()].append(i);
    }
}

QString FamilyLinkWriter::line(const Sim &sim) const
{
    int spouse = -1;
    if (const Sim *partner = sim.spouse().data()) {
        const auto found = m_positions.constFind(partner);
        if (found != m_positions.constEnd())
            spouse = found->last();
    }
    QString line = QString::number(spouse);
    for (int i = 0; i < sim.childCount(); ++i) {
        const Sim *child = sim.child(i).data();
        if (!child)
            continue;
        const auto found = m_positions.constFind(child);
        if (found == m_positions.constEnd())
            continue;
        for (int position : *found)
            line += QLatin1Char(',') + QString::number(position);
    }
    return line;
}

QByteArray write(const SimList &sims, const Sections &sections, QByteArray *withoutSettingsLine)
{
    const QString crlf = QStringLiteral("\r\n");
    QString text;
    for (const QPointer<Sim> &sim : sims) {
        // The list never holds a gap; should one appear, a default line keeps
        // the positions of the later sims.
        text += (sim ? sim->toString() : Sim().toString()) + crlf;
    }
    text += crlf;
    text += sections.updates + crlf;
    text += sections.achievements + crlf;
    QString tail = crlf;
    tail += sections.households + (sections.households.isEmpty() ? crlf : crlf + crlf);
    const FamilyLinkWriter links(sims);
    for (const QPointer<Sim> &sim : sims)
        tail += (sim ? links.line(*sim) : QStringLiteral("-1")) + crlf;
    if (withoutSettingsLine)
        *withoutSettingsLine = (text + tail).toUtf8();
    return (text + sections.settingsLine + tail).toUtf8();
}

// The sections a format reads, in file order: versions 0.2 and later add the
// households, 0.4 and later the family links.
QList<Section> sectionsRead(int format)
{
    QList<Section> sections = {Section::Sims, Section::Updates, Section::Achievements,
                               Section::SettingsLine};
    if (format > 0)
        sections.append(Section::Households);
    if (format > 2)
        sections.append(Section::FamilyLinks);
    return sections;
}

namespace {

// Hands each line of a section to `take` up to the section's empty line.
// False when the file ended first.
template <typename Take>
bool readSection(FileText::LineCursor &lines, Take take)
{
    while (!lines.atEnd()) {
        const QString line = lines.next();
        if (line.isEmpty())
            return true;
        take(line);
    }
    return false;
}

int &unreadable(Damage &damage, Section section)
{
    return damage.unreadable[int(section)];
}

// The format index a version is read with: every index past 0.4 reads 0.5.
int versionOf(int format)
{
    return format >= 0 && format < 4 ? format : 4;
}

} // namespace

QString versionName(int format)
{
    return QStringLiteral("0.%1").arg(versionOf(format) + 1);
}

bool Damage::isEmpty() const
{
    if (endedEarly || linkLines > sims || settingsLineMisplaced || linesAfterTheEnd > 0
        || !cutLinkLineOf.isEmpty() || !selfLinks.isEmpty() || !strayLinks.isEmpty()
        || !loopLinks.isEmpty() || !marriagesOfMissingLines.isEmpty()
        || !householdsWithoutLine.isEmpty() || notUtf8 > 0)
        return false;
    for (int count : unreadable) {
        if (count != 0)
            return false;
    }
    return true;
}

namespace {

// The sims a cut child position may have named: those whose position starts
// with the digits left of it, but the sim itself and the children its line
// names whole. The first few are named in `names`; all are counted.
int childCandidates(const QString &cutPart, const SimList &sims, int self, QStringList *names)
{
    int count = 0;
    bool digits = !cutPart.isEmpty();
    for (const QChar c : cutPart)
        digits = digits && c.isDigit();
    if (!digits)
        return count;
    const Sim *parent = sims.at(self).data();
    // A set of the children, made once: searching them for every sim whose
    // position starts with the cut digits took seconds for a long line.
    QSet<const Sim *> named;
    named.reserve(parent->childCount());
    for (int c = 0; c < parent->childCount(); ++c)
        named.insert(parent->child(c).data());
    for (int p = 0; p < sims.size(); ++p) {
        if (p == self || !QString::number(p).startsWith(cutPart)
            || named.contains(sims.at(p).data()))
            continue;
        if (++count <= kNamedAtMost)
            names->append(simCalled(*sims.at(p), p));
    }
    return count;
}

Contents readText(const FileText::Lines &file, int format)
{
    Contents contents;
    Damage &damage = contents.damage;
    FileText::LineCursor lines(file.text, file.notUtf8);
    damage.notUtf8 = int(file.notUtf8.size());
    // Each line that is not UTF-8, named by what it holds; the name is
    // made only for such a line.
    const auto notUtf8 = [&](Section section, auto of) {
        if (lines.lineNotUtf8())
            damage.notUtf8Lines.append({section, of()});
    };
    const auto none = [] { return QString(); };
    // Whether each sim's line was read whole: the household of one that was
    // not may be another field's text, or none read at all.
    QList<bool> simWhole;
    const QList<Section> sections = sectionsRead(format);
    // Every section but the last that the format reads ends with an empty
    // line of its own; the last may end with the file.
    Section last = sections.last();
    auto endedIn = [&](Section section) {
        if (!damage.endedEarly && section != last) {
            damage.endedEarly = true;
            damage.endedIn = section;
        }
    };

    if (!readSection(lines, [&](const QString &line) {
            Sim *sim = contents.store.keep(new Sim());
            const bool whole = sim->fromString(line, format);
            simWhole.append(whole);
            if (!whole) {
                ++unreadable(damage, Section::Sims);
                damage.unreadableSims << simCalled(*sim, int(contents.sims.size()));
            }
            notUtf8(Section::Sims, [&] { return simCalled(*sim, int(contents.sims.size())); });
            contents.sims.append(sim);
        }))
        endedIn(Section::Sims);
    // Without sims the family links hold no line, and the households are
    // the last section the file has.
    if (last == Section::FamilyLinks && contents.sims.isEmpty())
        last = Section::Households;
    // The lines of a later section that can be read are kept as they are;
    // the others are counted and left out.
    auto readLines = [&](Section section, QStringList *out, auto readable) {
        if (!readSection(lines, [&](const QString &line) {
                if (readable(line))
                    out->append(line);
                else
                    ++unreadable(damage, section);
                if (section != Section::Households)
                    notUtf8(section, none);
            }))
            endedIn(section);
    };
    const qsizetype simCount = contents.sims.size();
    const auto isEntryLine = [simCount](const QString &line) {
        EntryLine::Fields fields;
        return EntryLine::parse(line, &fields) && EntryLine::namesSimsOf(fields, simCount);
    };
    readLines(Section::Updates, &contents.updateLines, isEntryLine);
    readLines(Section::Achievements, &contents.achievementLines, isEntryLine);
    // Nothing of the settings line is used: the settings come from
    // "tolvane.conf".
    const bool settingsLineThere = !lines.atEnd();
    if (!settingsLineThere)
        endedIn(Section::SettingsLine);
    contents.settingsLine = lines.next();
    if (settingsLineThere)
        notUtf8(Section::SettingsLine, none);
    // Without its line end the settings line was cut short, and so was the
    // file: what the format reads after it is lost. A whole line that is no
    // settings line means a line was lost or repeated before it; the lines
    // after it would be read into the wrong sections, so they are not read.
    if (!lines.lineEnded())
        endedIn(Section::SettingsLine);
    else if (settingsLineThere && !SettingsLine::hasShape(contents.settingsLine))
        damage.settingsLineMisplaced = true;
    if (damage.settingsLineMisplaced) {
        damage.sims = int(contents.sims.size());
        return contents;
    }
    if (format > 0) {
        // The households the sims live in, gathered only for a line that
        // cannot be read.
        QSet<QString> lived;
        bool livedKnown = false;
        // The households the lines name, read or not.
        QSet<QString> named;
        readLines(Section::Households, &contents.householdLines, [&](const QString &line) {
            HouseholdLine::Fields fields;
            if (HouseholdLine::parse(line, &fields)) {
                named.insert(fields.name);
                notUtf8(Section::Households, [&] { return shown(fields.name); });
                return true;
            }
            const qsizetype comma = line.lastIndexOf(QLatin1Char(','));
            const QString household = comma < 0 ? line : line.left(comma);
            named.insert(household);
            notUtf8(Section::Households, [&] { return shown(household); });
            if (!livedKnown) {
                for (const QPointer<Sim> &sim : std::as_const(contents.sims))
                    lived.insert(sim->household());
                livedKnown = true;
            }
            Damage::UnreadableMark mark;
            mark.household = shown(household);
            if (comma >= 0)
                mark.mark = shown(line.mid(comma + 1));
            mark.opensNotPlayed =
                lived.contains(household) && !SpecialHousehold::contains(household);
            damage.unreadableMarks.append(mark);
            return false;
        });
        // The writer writes a line for every household a sim lives in; the
        // loss of a special household's line, which holds no mark, loses
        // nothing. Where the file ended before the households, the box says
        // so already.
        if (!damage.endedEarly || damage.endedIn == Section::Households) {
            QSet<QString> missing;
            for (qsizetype p = 0; p < contents.sims.size(); ++p) {
                const QString &household = contents.sims.at(p)->household();
                if (!simWhole.at(p) || household.isEmpty() || named.contains(household)
                    || SpecialHousehold::contains(household) || missing.contains(household))
                    continue;
                missing.insert(household);
                damage.householdsWithoutLine << shown(household);
            }
        }
    }
    if (format == 1 || format == 2) {
        // Empty lines may follow the households' own; anything else is not
        // of these versions.
        while (!lines.atEnd()) {
            if (!lines.next().isEmpty())
                ++damage.linesAfterTheEnd;
        }
    }
    if (format > 2) {
        const SimList &sims = contents.sims;
        // Line i belongs to the i-th sim; surplus lines are not applied, only
        // counted.
        int i = 0;
        int cutSpouseOf = -1;
        // The sims whose own spouse part was left out, in the order of
        // their entries in selfLinks and strayLinks.
        QList<int> spouseLeftOut;
        QList<int> straySpouse;
        for (; i < sims.size() && !lines.atEnd(); ++i) {
            QString line = lines.next();
            if (line.isEmpty())
                break;
            notUtf8(Section::FamilyLinks, [&] { return simCalled(*sims.at(i), i); });
            // Every family-link line is written with its line end: a file
            // that ends inside one may have lost the end of its last
            // position, which would then name another sim ("10" cut to "1").
            QString cutPart;
            const bool cut = !lines.lineEnded();
            if (cut) {
                damage.cutLinkLineOf = simCalled(*sims.at(i), i);
                const qsizetype comma = line.lastIndexOf(QLatin1Char(','));
                cutPart = line.mid(comma + 1);
                line.truncate(qMax(qsizetype(0), comma));
                if (comma < 0)
                    cutSpouseOf = i;
                damage.cutAfterComma = comma >= 0 && cutPart.isEmpty();
            }
            Sim::SkippedLinks skipped;
            if (!line.isEmpty()
                && !sims.at(i)->familyLinksFromString(line, sims, &skipped)) {
                ++unreadable(damage, Section::FamilyLinks);
                damage.unreadableLinkLinesOf << simCalled(*sims.at(i), i);
            }
            if (cut && cutSpouseOf != i && !damage.cutAfterComma)
                damage.cutChildCandidates =
                    childCandidates(cutPart, sims, i, &damage.cutChildOneOf);
            const QString sim = simCalled(*sims.at(i), i);
            if (skipped.ownSpouse) {
                spouseLeftOut.append(i);
                damage.selfLinks.append({sim, true, {}});
            }
            if (skipped.ownChild)
                damage.selfLinks.append({sim, false, {}});
            if (!skipped.spouseNamingNoSim.isNull()) {
                straySpouse.append(i);
                damage.strayLinks.append({sim, true, {skipped.spouseNamingNoSim}, {}});
            }
            if (!skipped.childrenNamingNoSim.isEmpty())
                damage.strayLinks.append({sim, false, skipped.childrenNamingNoSim, {}});
        }
        QHash<const Sim *, QList<int>> namingAsSpouse;
        // Each line sets its own sim's spouse only: before the links one
        // side holds are let go, a sim's spouse is the one its line names.
        if (cutSpouseOf >= 0 || !spouseLeftOut.isEmpty() || !straySpouse.isEmpty()) {
            for (int p = 0; p < sims.size(); ++p) {
                if (const Sim *spouse = sims.at(p)->spouse().data())
                    namingAsSpouse[spouse].append(p);
            }
        }
        const auto marriedTo = [&](int position) {
            QStringList names;
            for (int p : namingAsSpouse.value(sims.at(position).data()))
                names << simCalled(*sims.at(p), p);
            return names;
        };
        if (cutSpouseOf >= 0)
            damage.cutMarriedTo = marriedTo(cutSpouseOf);
        // `spouseLines` holds the sim of each spouse entry of `links`, in order.
        const auto nameMarriages = [&](auto &links, const QList<int> &spouseLines) {
            for (qsizetype k = 0, next = 0; k < links.size(); ++k) {
                if (links.at(k).asSpouse)
                    links[k].marriedTo = marriedTo(spouseLines.at(next++));
            }
        };
        nameMarriages(damage.selfLinks, spouseLeftOut);
        nameMarriages(damage.strayLinks, straySpouse);
        // A sim whose line is missing holds no link back, so the marriages
        // that the lines read name with it are let go.
        if (i < sims.size()) {
            QHash<const Sim *, int> missing;
            for (int p = i; p < sims.size(); ++p)
                missing.insert(sims.at(p).data(), p);
            for (int p = 0; p < i; ++p) {
                const int q = missing.value(sims.at(p)->spouse().data(), -1);
                if (q >= 0) {
                    damage.marriagesOfMissingLines.append(
                        {simCalled(*sims.at(p), p), simCalled(*sims.at(q), q)});
                }
            }
        }
        const QList<ParentLink> loops = settleReadLinks(sims);
        QHash<const Sim *, int> positions;
        if (!loops.isEmpty()) {
            for (int p = 0; p < sims.size(); ++p)
                positions.insert(sims.at(p).data(), p);
        }
        const auto called = [&](const QPointer<Sim> &sim) {
            return simCalled(*sim, positions.value(sim.data()));
        };
        for (const ParentLink &link : loops)
            damage.loopLinks.append({called(link.parent), called(link.child)});
        damage.linkLines = i;
        damage.sims = int(sims.size());
        while (i == sims.size() && !lines.atEnd() && !lines.next().isEmpty())
            ++damage.linkLines;
        // Sims without a line of their own lose their links: the section is
        // the last, but a whole file has a line for every sim.
        if (i < sims.size() && !damage.endedEarly) {
            damage.endedEarly = true;
            damage.endedIn = Section::FamilyLinks;
        }
    }
    return contents;
}

// The other versions in which a list reads whole. Only its sim lines tell
// the versions apart: a list without sims reads alike in several, and says
// nothing. A wrong version garbles the first sim line already, so a version
// is read whole only when that line reads in it.
QList<int> versionsReadingWhole(const FileText::Lines &file, int format)
{
    const QString firstLine = FileText::LineCursor(file.text).next();
    QList<int> versions;
    if (firstLine.isEmpty())
        return versions;
    for (int other = 0; other <= 4; ++other) {
        if (other == versionOf(format) || !Sim().fromString(firstLine, other))
            continue;
        if (readText(file, other).damage.isEmpty())
            versions.append(other);
    }
    return versions;
}

} // namespace

Contents read(const QByteArray &bytes, int format)
{
    const FileText::Lines file = FileText::decodeLines(bytes);
    Contents contents = readText(file, format);
    if (!contents.damage.isEmpty())
        contents.damage.wholeAs = versionsReadingWhole(file, format);
    return contents;
}

bool read(QIODevice *device, int format, Contents *out)
{
    QByteArray bytes;
    if (!SafeFile::readAll(device, &bytes))
        return false;
    *out = read(bytes, format);
    return true;
}

bool readFile(const QString &path, int format, Contents *out)
{
    QByteArray bytes;
    if (!SafeFile::read(path, &bytes))
        return false;
    *out = read(bytes, format);
    return true;
}

Receiver::~Receiver() = default;

void Receiver::loadUpdates(const QStringList &lines)
{
    for (const QString &line : lines)
        loadUpdate(line);
}

void Receiver::loadAchievements(const QStringList &lines)
{
    for (const QString &line : lines)
        loadAchievement(line);
}

void Receiver::loadHouseholds(const QStringList &lines)
{
    for (const QString &line : lines)
        loadHousehold(line);
}

void apply(Contents &contents, int format, Receiver &receiver)
{
    receiver.clearSheet();
    Console::line(QStringLiteral("Reading sims..."));
    receiver.takeSims(contents.store, contents.sims);
    Console::line(QStringLiteral("Updating various tabs..."));
    receiver.rebuild();
    Console::line(QStringLiteral("Reading updates..."));
    receiver.loadUpdates(contents.updateLines);
    Console::line(QStringLiteral("Reading achievements..."));
    receiver.loadAchievements(contents.achievementLines);
    if (format > 0) {
        Console::line(QStringLiteral("Reading household info..."));
        receiver.loadHouseholds(contents.householdLines);
    }
}

} // namespace ListFile
