#include "sheet/ListFile.h"

#include "dialogs/SettingsLine.h"
#include "records/Codes.h"
#include "records/Console.h"
#include "records/EntryLine.h"
#include "records/FamilyLoop.h"
#include "records/HouseholdLine.h"
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

namespace {

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

// A name or a mark as the damaged-list box shows it: a long one, as a
// garbled line may give, is cut short, so that the box still fits the screen.
QString shown(const QString &text)
{
    constexpr qsizetype kAtMost = 40;
    if (text.size() <= kAtMost)
        return text;
    qsizetype keep = kAtMost - 1;
    if (text.at(keep - 1).isHighSurrogate())
        --keep;
    return text.left(keep) + QChar(0x2026);
}

// A sim as the damaged-list box names it: by its name, or by the line of the
// sims section that holds it (`position` counts from 0) when it has none.
QString simCalled(const Sim &sim, int position)
{
    if (!sim.name().trimmed().isEmpty())
        return shown(sim.name());
    return QStringLiteral("the unnamed sim on line %1").arg(position + 1);
}

} // namespace

namespace {

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

QString sectionName(Section section)
{
    switch (section) {
    case Section::Sims:
        return QStringLiteral("the sims");
    case Section::Updates:
        return QStringLiteral("the pending updates");
    case Section::Achievements:
        return QStringLiteral("the achievements log");
    case Section::SettingsLine:
        return QStringLiteral("the settings line");
    case Section::Households:
        return QStringLiteral("the households' played marks");
    case Section::FamilyLinks:
        return QStringLiteral("the family links");
    }
    return QString();
}

// "a", "a and b", "a, b and c".
QString joined(const QStringList &items, QLatin1String last = QLatin1String(" and "))
{
    if (items.size() < 2)
        return items.join(QString());
    return QStringList(items.mid(0, items.size() - 1)).join(QLatin1String(", ")) + last
        + items.last();
}

QString counted(int count, const char *what)
{
    return QString::number(count) + QLatin1Char(' ') + QLatin1String(what)
        + (count == 1 ? QLatin1String(" line") : QLatin1String(" lines"));
}

// How many items the box names in one list; the rest are counted, so that a
// badly damaged list still gives a box that fits on the screen.
constexpr qsizetype kNamedAtMost = 5;

// "a", "a and b", ..., "a, b, c, d, e and 2 other sims": `others` is what
// follows the count of the rest, in the plural, and `other` for one.
QString namedFew(const QStringList &names, const char *other = " other sim",
                 const char *others = " other sims", QLatin1String last = QLatin1String(" and "))
{
    if (names.size() <= kNamedAtMost)
        return joined(names, last);
    const qsizetype more = names.size() - kNamedAtMost;
    return QStringList(names.mid(0, kNamedAtMost)).join(QLatin1String(", ")) + last
        + QString::number(more) + QLatin1String(more == 1 ? other : others);
}

// "the marriage of A and B", "the marriages of A and B and of C and D", the
// first few named and the rest counted.
QString marriages(const QList<QPair<QString, QString>> &couples)
{
    QStringList pairs;
    for (qsizetype i = 0; i < couples.size() && i < kNamedAtMost; ++i)
        pairs << couples.at(i).first + QLatin1String(" and ") + couples.at(i).second;
    QString text = (couples.size() == 1 ? QLatin1String("the marriage of ")
                                        : QLatin1String("the marriages of "))
        + pairs.join(QLatin1String(" and of "));
    if (couples.size() > kNamedAtMost)
        text += QStringLiteral(", and %1 more").arg(couples.size() - kNamedAtMost);
    return text;
}

QString marriages(const QString &sim, const QStringList &partners)
{
    QList<QPair<QString, QString>> couples;
    for (const QString &partner : partners)
        couples.append({sim, partner});
    return marriages(couples);
}

QString simsCounted(int count)
{
    return QString::number(count) + (count == 1 ? QLatin1String(" sim") : QLatin1String(" sims"));
}

// One paragraph of the box, and how many damaged lines or links it tells
// of, for the count of those that do not fit.
struct Paragraph
{
    QString text;
    int weight = 1;
};

// The first few paragraphs of `items`, then how many more there are.
void appendFew(QList<Paragraph> *paragraphs, const QStringList &items, const char *oneMore,
               const char *manyMore)
{
    for (qsizetype i = 0; i < items.size() && i < kNamedAtMost; ++i)
        paragraphs->append({items.at(i)});
    const qsizetype more = items.size() - kNamedAtMost;
    if (more > 0) {
        paragraphs->append({more == 1 ? QString::fromLatin1(oneMore)
                                      : QString::fromLatin1(manyMore).arg(more),
                            int(more)});
    }
}

// The characters of paragraphs the box shows at most: with the first and
// last lines around them, a box of about 2,000 characters still fits a
// screen 800 pixels high.
constexpr qsizetype kParagraphsAtMost = 1400;

} // namespace

QString damageText(const QString &listName, int format, const Damage &damage, bool backupExists)
{
    QList<Paragraph> paragraphs;
    const auto add = [&](const QString &text, int weight = 1) {
        paragraphs.append({text, weight});
    };
    // The sections a format reads after `section`, but the settings line,
    // which is never read back, so its loss loses nothing, and the family
    // links of a list that holds no sims.
    const auto missingAfter = [&](Section section) {
        QStringList missing;
        const QList<Section> sections = sectionsRead(format);
        const bool noLinks = section != Section::Sims && damage.sims == 0;
        for (qsizetype i = sections.indexOf(section) + 1; i < sections.size(); ++i) {
            if (sections.at(i) != Section::SettingsLine
                && !(sections.at(i) == Section::FamilyLinks && noLinks))
                missing << sectionName(sections.at(i));
        }
        return missing;
    };
    if (damage.endedEarly && damage.endedIn == Section::FamilyLinks) {
        add(QStringLiteral("Only %1 of its %2 sims %3 their family links: the links of the other "
                           "sims are missing, and if a line was lost from the middle, the links "
                           "after it join the wrong sims.")
                .arg(damage.linkLines)
                .arg(damage.sims)
                .arg(damage.linkLines == 1 ? QLatin1String("has") : QLatin1String("have")));
    } else if (damage.endedEarly) {
        QStringList missing = missingAfter(damage.endedIn);
        if (damage.endedIn == Section::SettingsLine) {
            add(QStringLiteral("It ends early, before ") + joined(missing)
                + QStringLiteral(", which are missing."));
        } else {
            missing.prepend(QStringLiteral("the rest of ") + sectionName(damage.endedIn));
            add(QStringLiteral("It ends early, inside ") + sectionName(damage.endedIn)
                + QStringLiteral(": ") + joined(missing)
                + (missing.size() == 1 ? QStringLiteral(" is missing.")
                                       : QStringLiteral(" are missing.")));
        }
    }
    if (!damage.marriagesOfMissingLines.isEmpty()) {
        const auto &couples = damage.marriagesOfMissingLines;
        add(QStringLiteral("With the missing lines, ") + marriages(couples)
                + (couples.size() == 1 ? QStringLiteral(" is let go.")
                                       : QStringLiteral(" are let go.")),
            int(couples.size()));
    }
    if (damage.settingsLineMisplaced) {
        const QStringList missing = missingAfter(Section::SettingsLine);
        add(QStringLiteral("Its settings line is missing or out of place, as a lost or repeated "
                           "line leaves it: the pending updates and the achievements log may be "
                           "mixed up")
            + (missing.isEmpty() ? QStringLiteral(".")
                                 : QStringLiteral(", and ") + joined(missing)
                                       + QStringLiteral(" after it are left out.")));
    }
    if (damage.linesAfterTheEnd > 0) {
        add(QStringLiteral("It goes on after its households, where a ") + versionName(format)
                + QStringLiteral(" list ends: ")
                + (damage.linesAfterTheEnd == 1
                       ? QStringLiteral("the line there is not read.")
                       : QString::number(damage.linesAfterTheEnd)
                           + QStringLiteral(" lines there are not read.")),
            damage.linesAfterTheEnd);
    }
    if (!damage.cutLinkLineOf.isEmpty()) {
        const QString &sim = damage.cutLinkLineOf;
        QString line = QStringLiteral("It may end inside the family-link line of ") + sim
            + QStringLiteral(", so the last link on it is left out");
        // The comma was written, so the link before it is whole; what the
        // cut took is the child named after it.
        if (damage.cutAfterComma) {
            line = QStringLiteral("It ends inside the family-link line of ") + sim
                + QStringLiteral(", right after a comma: the child of ") + sim
                + QStringLiteral(" named after it is missing");
        } else if (!damage.cutMarriedTo.isEmpty()) {
            line += QStringLiteral(", and with it ") + marriages(sim, damage.cutMarriedTo);
        } else if (!damage.cutChildOneOf.isEmpty()) {
            QStringList candidates = damage.cutChildOneOf;
            for (qsizetype i = candidates.size(); i < damage.cutChildCandidates; ++i)
                candidates << QString(); // counted, not named
            line += QStringLiteral(", and with it ") + sim + QStringLiteral(" as a parent of ")
                + namedFew(candidates, " other sim", " other sims", QLatin1String(" or "));
        }
        add(line + QLatin1Char('.'));
    }
    if (damage.linkLines > damage.sims) {
        add(QStringLiteral("It has ") + counted(damage.linkLines, "family-link")
            + QStringLiteral(" for its ") + simsCounted(damage.sims)
            + QStringLiteral(": a line was lost or repeated, so the links may join the wrong "
                             "sims."));
    }
    // A sim or family-link line keeps what could be read of it; the other
    // sections' lines are skipped whole.
    if (!damage.unreadableSims.isEmpty()) {
        const QStringList &names = damage.unreadableSims;
        add((names.size() == 1 ? QStringLiteral("The line of ") : QStringLiteral("The lines of "))
                + namedFew(names) + QStringLiteral(" could not be read whole."),
            int(names.size()));
    }
    static const struct
    {
        Section section;
        const char *line;
        const char *fate;
    } kUnreadable[] = {
        {Section::Updates, "update", " could not be read and will be left out."},
        {Section::Achievements, "achievement", " could not be read and will be left out."},
        {Section::FamilyLinks, "family-link", " could not be read whole."},
    };
    for (const auto &kind : kUnreadable) {
        if (const int count = damage.unreadable[int(kind.section)])
            add(counted(count, kind.line) + QLatin1String(kind.fate), count);
    }
    // A household line is named with what could not be read of it, so that
    // the player knows which mark to set again.
    QStringList marks;
    for (const Damage::UnreadableMark &mark : damage.unreadableMarks) {
        QString line = QStringLiteral("The household line of ") + mark.household
            + QStringLiteral(" could not be read: ");
        line += mark.mark.isEmpty()
            ? QStringLiteral("it has no played mark")
            : QStringLiteral("its played mark \"") + mark.mark
                + QStringLiteral("\" is neither \"Yes\" nor \"No\"");
        line += mark.opensNotPlayed
            ? QStringLiteral(", so ") + mark.household + QStringLiteral(" opens not played.")
            : QStringLiteral(", so it is left out.");
        marks << line;
    }
    appendFew(&paragraphs, marks, "1 more household line could not be read and is left out.",
              "%1 more household lines could not be read and are left out.");
    QStringList withoutLine;
    for (const QString &household : damage.householdsWithoutLine) {
        withoutLine << QStringLiteral("The household line of ") + household
                + QStringLiteral(" is missing, so ") + household
                + QStringLiteral(" opens not played.");
    }
    appendFew(&paragraphs, withoutLine,
              "1 more household has no household line and opens not played.",
              "%1 more households have no household line and open not played.");
    QStringList selfLinks;
    for (const Damage::SelfLink &link : damage.selfLinks) {
        QString line = QStringLiteral("The family-link line of ") + link.sim
            + QStringLiteral(" names ") + link.sim;
        if (!link.asSpouse)
            line += QStringLiteral(" among the children, so that link is left out.");
        else if (link.marriedTo.isEmpty())
            line += QStringLiteral(" as spouse, so that link is left out and ") + link.sim
                + QStringLiteral(" opens unmarried.");
        else
            line += QStringLiteral(" as spouse, so that link is left out, and with it ")
                + marriages(link.sim, link.marriedTo) + QLatin1Char('.');
        selfLinks << line;
    }
    appendFew(&paragraphs, selfLinks,
              "1 more link names its own sim and is left out the same way.",
              "%1 more links name their own sim and are left out the same way.");
    QStringList strayLinks;
    for (const Damage::StrayLink &link : damage.strayLinks) {
        const bool one = link.positions.size() == 1;
        QString line = QStringLiteral("The family-link line of ") + link.sim
            + (one ? QStringLiteral(" names position ") : QStringLiteral(" names positions "))
            + namedFew(link.positions, " more", " more")
            + (link.asSpouse ? QStringLiteral(" as spouse") : QStringLiteral(" among the children"))
            + (one ? QStringLiteral(", where the list holds no sim, so that link is left out")
                   : QStringLiteral(", where the list holds no sims, so those links are left out"));
        if (!link.asSpouse)
            line += QLatin1Char('.');
        else if (link.marriedTo.isEmpty())
            line += QStringLiteral(" and ") + link.sim + QStringLiteral(" opens unmarried.");
        else
            line += QStringLiteral(", and with it ") + marriages(link.sim, link.marriedTo)
                + QLatin1Char('.');
        strayLinks << line;
    }
    appendFew(&paragraphs, strayLinks,
              "1 more link names a position where the list holds no sim and is left out the "
              "same way.",
              "%1 more links name positions where the list holds no sim and are left out the "
              "same way.");
    QStringList loopLinks;
    for (const auto &[parent, child] : damage.loopLinks) {
        loopLinks << parent + QStringLiteral(" is not made a parent of ") + child
                + QStringLiteral(": that would make a sim its own ancestor.");
    }
    appendFew(&paragraphs, loopLinks, "1 more parent link is not taken for the same reason.",
              "%1 more parent links are not taken for the same reason.");
    if (damage.notUtf8 > 0) {
        // Sim, family-link and household lines are named; the lines of
        // other sections are counted.
        QStringList named;
        int counts[kSectionCount] = {};
        for (const Damage::NotUtf8Line &line : damage.notUtf8Lines) {
            switch (line.section) {
            case Section::Sims:
                named << QStringLiteral("the line of ") + line.of;
                break;
            case Section::FamilyLinks:
                named << QStringLiteral("the family-link line of ") + line.of;
                break;
            case Section::Households:
                named << QStringLiteral("the household line of ") + line.of;
                break;
            default:
                ++counts[int(line.section)];
            }
        }
        QStringList items = named.mid(0, kNamedAtMost);
        const qsizetype moreNamed = named.size() - items.size();
        if (moreNamed > 0)
            items << QStringLiteral("%1 more sim, family-link or household %2")
                         .arg(moreNamed)
                         .arg(moreNamed == 1 ? QLatin1String("line") : QLatin1String("lines"));
        if (counts[int(Section::Updates)])
            items << counted(counts[int(Section::Updates)], "update");
        if (counts[int(Section::Achievements)])
            items << counted(counts[int(Section::Achievements)], "achievement");
        if (counts[int(Section::SettingsLine)])
            items << QStringLiteral("the settings line");
        const int others = damage.notUtf8 - int(damage.notUtf8Lines.size());
        if (others > 0)
            items << QString::number(others)
                    + (others == 1 ? QLatin1String(" line no section reads")
                                   : QLatin1String(" lines no section reads"));
        const bool one = damage.notUtf8 == 1;
        add(QStringLiteral("It is written in UTF-8, but ") + joined(items)
                + (one ? QStringLiteral(" is not: it is read as Windows-1252, so its accented "
                                        "letters may be wrong.")
                       : QStringLiteral(" are not: they are read as Windows-1252, so their "
                                        "accented letters may be wrong.")),
            damage.notUtf8);
    }

    QStringList lines;
    lines << QStringLiteral("The list file ") + fileName(listName)
            + QStringLiteral(" is damaged or incomplete.");
    qsizetype used = 0;
    int notShown = 0;
    for (const Paragraph &paragraph : std::as_const(paragraphs)) {
        used += paragraph.text.size();
        if (notShown > 0 || (used > kParagraphsAtMost && lines.size() > 1))
            notShown += paragraph.weight;
        else
            lines << paragraph.text;
    }
    if (notShown > 0) {
        lines << (notShown == 1
                      ? QStringLiteral("1 more damaged line or link does not fit here.")
                      : QStringLiteral("%1 more damaged lines or links do not fit here.")
                            .arg(notShown));
    }
    if (!damage.wholeAs.isEmpty()) {
        QStringList versions;
        for (int format : damage.wholeAs)
            versions << versionName(format);
        lines << QStringLiteral("It reads whole as a ") + versions.join(QLatin1String(" or "))
                + QStringLiteral(" list.");
    }
    lines << QString();
    if (backupExists) {
        lines << QStringLiteral("Open what could be read? No backup is written, so ")
                + fileName(backupName(listName)) + QStringLiteral(" stays as it is.");
    } else {
        // The box must not promise a backup that was never written: the
        // list file may be the only copy of what could not be read.
        lines << QStringLiteral("Open what could be read? ") + fileName(listName)
                + QStringLiteral(" stays as it is. It has no backup yet, so it may be the only "
                                 "copy of what could not be read.");
    }
    return lines.join(QLatin1Char('\n'));
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
                && !sims.at(i)->familyLinksFromString(line, sims, &skipped))
                ++unreadable(damage, Section::FamilyLinks);
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
