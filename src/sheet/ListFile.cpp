#include "sheet/ListFile.h"

#include "dialogs/SettingsLine.h"
#include "records/Console.h"
#include "records/EntryLine.h"
#include "records/FamilyLoop.h"
#include "records/HouseholdLine.h"
#include "sheet/FileText.h"
#include "sheet/SafeFile.h"

#include <QFile>
#include <QIODevice>

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

// A sim as the damaged-list box names it: by its name, or by the line of the
// sims section that holds it (`position` counts from 0) when it has none.
QString simCalled(const Sim &sim, int position)
{
    if (!sim.name().trimmed().isEmpty())
        return sim.name();
    return QStringLiteral("the unnamed sim on line %1").arg(position + 1);
}

} // namespace

bool Damage::isEmpty() const
{
    if (endedEarly || linkLines > sims || settingsLineMisplaced || !cutLinkLineOf.isEmpty()
        || !loopLinks.isEmpty())
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
QString joined(const QStringList &items)
{
    if (items.size() < 2)
        return items.join(QString());
    return QStringList(items.mid(0, items.size() - 1)).join(QLatin1String(", "))
        + QLatin1String(" and ") + items.last();
}

QString counted(int count, const char *what)
{
    return QString::number(count) + QLatin1Char(' ') + QLatin1String(what)
        + (count == 1 ? QLatin1String(" line") : QLatin1String(" lines"));
}

// How many sims the box names in one line; the rest are counted, so that a
// badly damaged list still gives a box that fits on the screen.
constexpr qsizetype kNamedAtMost = 5;

// "a", "a and b", ..., "a, b, c, d, e and 2 other sims".
QString namedFew(const QStringList &names)
{
    if (names.size() <= kNamedAtMost)
        return joined(names);
    return QStringList(names.mid(0, kNamedAtMost)).join(QLatin1String(", "))
        + QLatin1String(" and ") + QString::number(names.size() - kNamedAtMost)
        + QLatin1String(" other sims");
}

QString simsCounted(int count)
{
    return QString::number(count) + (count == 1 ? QLatin1String(" sim") : QLatin1String(" sims"));
}

} // namespace

QString damageText(const QString &listName, int format, const Damage &damage)
{
    QStringList lines;
    lines << QStringLiteral("The list file ") + fileName(listName)
            + QStringLiteral(" is damaged or incomplete.");
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
        lines << QStringLiteral("Only %1 of its %2 sims have their family links: the links of "
                                "the other sims are missing, and if a line was lost from the "
                                "middle, the links after it join the wrong sims.")
                     .arg(damage.linkLines)
                     .arg(damage.sims);
    } else if (damage.endedEarly) {
        QStringList missing = missingAfter(damage.endedIn);
        if (damage.endedIn == Section::SettingsLine) {
            lines << QStringLiteral("It ends early, before ") + joined(missing)
                    + QStringLiteral(", which are missing.");
        } else {
            missing.prepend(QStringLiteral("the rest of ") + sectionName(damage.endedIn));
            lines << QStringLiteral("It ends early, inside ") + sectionName(damage.endedIn)
                    + QStringLiteral(": ") + joined(missing) + QStringLiteral(" are missing.");
        }
    }
    if (damage.settingsLineMisplaced) {
        const QStringList missing = missingAfter(Section::SettingsLine);
        lines << QStringLiteral("Its settings line is missing or out of place, as a lost or "
                                "repeated line leaves it: the pending updates and the achievements "
                                "log may be mixed up")
                + (missing.isEmpty() ? QStringLiteral(".")
                                     : QStringLiteral(", and ") + joined(missing)
                                           + QStringLiteral(" after it are left out."));
    }
    if (!damage.cutLinkLineOf.isEmpty()) {
        lines << QStringLiteral("It may end inside the last sim's family links, so the last link "
                                "on the line of ")
                + damage.cutLinkLineOf + QStringLiteral(" is left out.");
    }
    if (damage.linkLines > damage.sims) {
        lines << QStringLiteral("It has ") + counted(damage.linkLines, "family-link")
                + QStringLiteral(" for its ") + simsCounted(damage.sims)
                + QStringLiteral(": a line was lost or repeated, so the links may join the "
                                 "wrong sims.");
    }
    // A sim or family-link line keeps what could be read of it; the other
    // sections' lines are skipped whole.
    if (!damage.unreadableSims.isEmpty()) {
        const QStringList &names = damage.unreadableSims;
        lines << (names.size() == 1 ? QStringLiteral("The line of ")
                                    : QStringLiteral("The lines of "))
                + namedFew(names) + QStringLiteral(" could not be read whole.");
    }
    static const struct
    {
        Section section;
        const char *line;
        const char *fate;
    } kUnreadable[] = {
        {Section::Updates, "update", " could not be read and will be left out."},
        {Section::Achievements, "achievement", " could not be read and will be left out."},
        {Section::Households, "household", " could not be read and will be left out."},
        {Section::FamilyLinks, "family-link", " could not be read whole."},
    };
    for (const auto &kind : kUnreadable) {
        if (const int count = damage.unreadable[int(kind.section)])
            lines << counted(count, kind.line) + QLatin1String(kind.fate);
    }
    for (qsizetype i = 0; i < damage.loopLinks.size() && i < kNamedAtMost; ++i) {
        lines << damage.loopLinks.at(i).first + QStringLiteral(" is not made a parent of ")
                + damage.loopLinks.at(i).second
                + QStringLiteral(": that would make a sim its own ancestor.");
    }
    if (damage.loopLinks.size() > kNamedAtMost) {
        const qsizetype more = damage.loopLinks.size() - kNamedAtMost;
        lines << QString::number(more)
                + (more == 1 ? QStringLiteral(" more parent link is")
                             : QStringLiteral(" more parent links are"))
                + QStringLiteral(" not taken for the same reason.");
    }
    lines << QString()
          << QStringLiteral("Open what could be read? No backup is written, so ")
            + fileName(backupName(listName)) + QStringLiteral(" stays as it is.");
    return lines.join(QLatin1Char('\n'));
}

Contents read(const QByteArray &bytes, int format)
{
    Contents contents;
    Damage &damage = contents.damage;
    FileText::LineCursor lines(FileText::decode(bytes));
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
            if (!sim->fromString(line, format)) {
                ++unreadable(damage, Section::Sims);
                damage.unreadableSims << simCalled(*sim, int(contents.sims.size()));
            }
            contents.sims.append(sim);
        }))
        endedIn(Section::Sims);
    // Without sims the family links hold no line, and the households are
    // the last section the file has.
    if (last == Section::FamilyLinks && contents.sims.isEmpty())
        last = Section::Households;
    // The lines of a later section are kept as they are; the tab that takes
    // them skips those that cannot be read.
    auto readLines = [&](Section section, QStringList *out, auto readable) {
        if (!readSection(lines, [&](const QString &line) {
                if (!readable(line))
                    ++unreadable(damage, section);
                out->append(line);
            }))
            endedIn(section);
    };
    const auto isEntryLine = [](const QString &line) {
        EntryLine::Fields fields;
        return EntryLine::parse(line, &fields);
    };
    readLines(Section::Updates, &contents.updateLines, isEntryLine);
    readLines(Section::Achievements, &contents.achievementLines, isEntryLine);
    // Nothing of the settings line is used: the settings come from
    // "tolvane.conf".
    const bool settingsLineThere = !lines.atEnd();
    if (!settingsLineThere)
        endedIn(Section::SettingsLine);
    contents.settingsLine = lines.next();
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
        readLines(Section::Households, &contents.householdLines, [](const QString &line) {
            HouseholdLine::Fields fields;
            return HouseholdLine::parse(line, &fields);
        });
    }
    if (format > 2) {
        // Line i belongs to the i-th sim; surplus lines are not applied, only
        // counted.
        int i = 0;
        for (; i < contents.sims.size() && !lines.atEnd(); ++i) {
            QString line = lines.next();
            if (line.isEmpty())
                break;
            // Every family-link line is written with its line end: a file
            // that ends inside one may have lost the end of its last
            // position, which would then name another sim ("10" cut to "1").
            if (!lines.lineEnded()) {
                damage.cutLinkLineOf = simCalled(*contents.sims.at(i), i);
                line.truncate(qMax(qsizetype(0), line.lastIndexOf(QLatin1Char(','))));
                if (line.isEmpty())
                    continue;
            }
            if (!contents.sims.at(i)->familyLinksFromString(line, contents.sims))
                ++unreadable(damage, Section::FamilyLinks);
        }
        const auto called = [&](const QPointer<Sim> &sim) {
            return simCalled(*sim, int(contents.sims.indexOf(sim)));
        };
        for (const ParentLink &link : settleReadLinks(contents.sims))
            damage.loopLinks.append({called(link.parent), called(link.child)});
        damage.linkLines = i;
        damage.sims = int(contents.sims.size());
        while (i == contents.sims.size() && !lines.atEnd() && !lines.next().isEmpty())
            ++damage.linkLines;
        // Sims without a line of their own lose their links: the section is
        // the last, but a whole file has a line for every sim.
        if (i < contents.sims.size() && !damage.endedEarly) {
            damage.endedEarly = true;
            damage.endedIn = Section::FamilyLinks;
        }
    }
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
        for (const QString &line : qAsConst(contents.householdLines))
            receiver.loadHousehold(line);
    }
}

} // namespace ListFile
