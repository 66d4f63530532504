#include "sheet/DamageText.h"

#include "records/Sim.h"

namespace ListFile {

QString shown(const QString &text)
{
    constexpr qsizetype kAtMost = 40;
    if (text.size() <= kAtMost)
        return text;
    // Both ends are kept: names that share a long start, as a family's do,
    // often differ only at their end ("Ann Smith-Jones 1", "… 2").
    qsizetype head = (kAtMost - 1) / 2;
    qsizetype tail = kAtMost - 1 - head;
    if (text.at(head - 1).isHighSurrogate())
        --head;
    if (text.at(text.size() - tail).isLowSurrogate())
        --tail;
    return text.left(head) + QChar(0x2026) + text.right(tail);
}

QString simCalled(const Sim &sim, int position)
{
    if (!sim.name().trimmed().isEmpty())
        return shown(sim.name());
    return QStringLiteral("the unnamed sim on line %1").arg(position + 1);
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

// "a", "a and b", ..., "a, b, c, d, e and 2 other sims": the first `named`
// names, then the count of the rest, `one` or `many` saying what it counts;
// with none named, the count alone ("7 sims").
QString namedFew(const QStringList &names, qsizetype named, const char *one = "sim",
                 const char *many = "sims", QLatin1String last = QLatin1String(" and "))
{
    if (names.size() <= named)
        return joined(names, last);
    const qsizetype more = names.size() - named;
    const QString count = QString::number(more)
        + (named > 0 ? QLatin1String(" other ") : QLatin1String(" "))
        + QLatin1String(more == 1 ? one : many);
    if (named == 0)
        return count;
    return QStringList(names.mid(0, named)).join(QLatin1String(", ")) + last + count;
}

// "the marriage of A and B", "the marriages of A and B and of C and D", the
// first `named` named and the rest counted; with none named, "3 marriages".
QString marriages(const QList<QPair<QString, QString>> &couples, qsizetype named)
{
    if (named == 0) {
        return QString::number(couples.size())
            + (couples.size() == 1 ? QLatin1String(" marriage") : QLatin1String(" marriages"));
    }
    QStringList pairs;
    for (qsizetype i = 0; i < couples.size() && i < named; ++i)
        pairs << couples.at(i).first + QLatin1String(" and ") + couples.at(i).second;
    QString text = (couples.size() == 1 ? QLatin1String("the marriage of ")
                                        : QLatin1String("the marriages of "))
        + pairs.join(QLatin1String(" and of "));
    const qsizetype more = couples.size() - named;
    if (more > 0) {
        text += QStringLiteral(", and %1 other %2")
                    .arg(more)
                    .arg(more == 1 ? QLatin1String("marriage") : QLatin1String("marriages"));
    }
    return text;
}

QString marriages(const QString &sim, const QStringList &partners, qsizetype named)
{
    QList<QPair<QString, QString>> couples;
    for (const QString &partner : partners)
        couples.append({sim, partner});
    return marriages(couples, named);
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

// How an item is told of when it is counted, not named: what follows its
// count, for one and for more, saying what becomes of it as its own
// paragraph would ("household has no household line and opens not played.").
struct Counted
{
    const char *one;
    const char *many;
};

// The first `named` paragraphs of `items`, then how many lines or links the
// rest tell of, in the unit the texts name: one count for each way
// `countedAs` gives of telling of them, in the order they first come.
void appendFew(QList<Paragraph> *paragraphs, const QList<Paragraph> &items,
               const QList<Counted> &countedAs, qsizetype named)
{
    QList<Counted> ways;
    QList<int> counts;
    for (qsizetype i = 0; i < items.size(); ++i) {
        if (i < named) {
            paragraphs->append(items.at(i));
            continue;
        }
        qsizetype way = 0;
        while (way < ways.size() && qstrcmp(ways.at(way).one, countedAs.at(i).one) != 0)
            ++way;
        if (way == ways.size()) {
            ways.append(countedAs.at(i));
            counts.append(0);
        }
        counts[way] += items.at(i).weight;
    }
    for (qsizetype way = 0; way < ways.size(); ++way) {
        const int count = counts.at(way);
        paragraphs->append({QString::number(count)
                                + (named > 0 ? QLatin1String(" more ") : QLatin1String(" "))
                                + QLatin1String(count == 1 ? ways.at(way).one : ways.at(way).many),
                            count});
    }
}

// The same way of counting for each of `items`.
QList<Counted> alike(const QList<Paragraph> &items, Counted way)
{
    return QList<Counted>(items.size(), way);
}

// A message box lays out each paragraph in the direction of its first
// letter: a paragraph that begins with a right-to-left name takes a
// left-to-right mark in front, so that its English still reads left to
// right and from the left edge. The name keeps its own direction.
QString leftToRight(const QString &paragraph)
{
    return paragraph.isRightToLeft() ? QChar(0x200E) + paragraph : paragraph;
}

// The characters of paragraphs the box shows at most: with the first and
// last lines around them, a box of about 2,000 characters still fits a
// screen 800 pixels high.
constexpr qsizetype kParagraphsAtMost = 1400;

// The paragraphs of the box, naming at most `named` items of each kind and
// in each list and counting the rest; with none named, each kind is
// counted whole.
QList<Paragraph> paragraphsNaming(int format, const Damage &damage, qsizetype named)
{
    // A paragraph that tells of one line names at least one of what goes
    // with it.
    const qsizetype namedWith = qMax(named, qsizetype(1));
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
    if (damage.endedEarly && damage.endedIn == Section::FamilyLinks && damage.linkLines == 0) {
        add(QStringLiteral("It has no family-link lines: the family links of ")
            + (damage.sims == 1 ? QStringLiteral("its sim are missing.")
                                : QStringLiteral("its %1 sims are missing.").arg(damage.sims)));
    } else if (damage.endedEarly && damage.endedIn == Section::FamilyLinks) {
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
        add(QStringLiteral("With the missing lines, ") + marriages(couples, named)
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
            line += QStringLiteral(", and with it ") + marriages(sim, damage.cutMarriedTo, named);
        } else if (!damage.cutChildOneOf.isEmpty()) {
            QStringList candidates = damage.cutChildOneOf;
            for (qsizetype i = candidates.size(); i < damage.cutChildCandidates; ++i)
                candidates << QString(); // counted, not named
            // Counted whole, they are still the sims of which it may be the
            // parent of one: "one of 40 sims".
            const qsizetype namedHere = candidates.size() == 1 ? 1 : named;
            line += QStringLiteral(", and with it ") + sim + QStringLiteral(" as a parent of ")
                + (namedHere == 0 ? QStringLiteral("one of ") : QString())
                + namedFew(candidates, namedHere, "sim", "sims", QLatin1String(" or "));
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
    const auto linesOf = [&](const QStringList &names, const char *one, const char *many) {
        if (!names.isEmpty()) {
            add((names.size() == 1 ? QLatin1String(one) : QLatin1String(many))
                    + namedFew(names, named)
                    + QStringLiteral(" could not be read whole."),
                int(names.size()));
        }
    };
    linesOf(damage.unreadableSims, "The line of ", "The lines of ");
    static const struct
    {
        Section section;
        const char *line;
        const char *fate;
    } kUnreadable[] = {
        {Section::Updates, "update", " could not be read and will be left out."},
        {Section::Achievements, "achievement", " could not be read and will be left out."},
    };
    for (const auto &kind : kUnreadable) {
        if (const int count = damage.unreadable[int(kind.section)])
            add(counted(count, kind.line) + QLatin1String(kind.fate), count);
    }
    linesOf(damage.unreadableLinkLinesOf, "The family-link line of ", "The family-link lines of ");
    // A household line is named with what could not be read of it, so that
    // the player knows which mark to set again.
    QList<Paragraph> marks;
    QList<Counted> marksCounted;
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
        marks.append({line});
        marksCounted.append(
            mark.opensNotPlayed
                ? Counted{"household line could not be read, so its household opens not played.",
                          "household lines could not be read, so their households open not "
                          "played."}
                : Counted{"household line could not be read and is left out.",
                          "household lines could not be read and are left out."});
    }
    appendFew(&paragraphs, marks, marksCounted, named);
    QList<Paragraph> withoutLine;
    for (const QString &household : damage.householdsWithoutLine) {
        withoutLine.append({QStringLiteral("The household line of ") + household
                            + QStringLiteral(" is missing, so ") + household
                            + QStringLiteral(" opens not played.")});
    }
    appendFew(&paragraphs, withoutLine,
              alike(withoutLine, {"household has no household line and opens not played.",
                                  "households have no household line and open not played."}),
              named);
    // Counted after one of them is named, the rest are "left out the same
    // way"; counted whole, each is said to be left out as spouse or as child.
    const auto countedLink = [&](bool asSpouse, Counted sameWay, Counted spouse, Counted child) {
        return named > 0 ? sameWay : asSpouse ? spouse : child;
    };
    QList<Paragraph> selfLinks;
    QList<Counted> selfLinksCounted;
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
                + marriages(link.sim, link.marriedTo, namedWith) + QLatin1Char('.');
        selfLinks.append({line});
        selfLinksCounted.append(countedLink(
            link.asSpouse,
            {"link names its own sim and is left out the same way.",
             "links name their own sim and are left out the same way."},
            {"link names its own sim as spouse and is left out, so that sim opens unmarried.",
             "links name their own sim as spouse and are left out, so those sims open "
             "unmarried."},
            {"link names its own sim among the children and is left out.",
             "links name their own sim among the children and are left out."}));
    }
    appendFew(&paragraphs, selfLinks, selfLinksCounted, named);
    // A line may name many positions: the links are counted, not the lines.
    QList<Paragraph> strayLinks;
    QList<Counted> strayLinksCounted;
    for (const Damage::StrayLink &link : damage.strayLinks) {
        const bool one = link.positions.size() == 1;
        QString line = QStringLiteral("The family-link line of ") + link.sim
            + (one ? QStringLiteral(" names position ") : QStringLiteral(" names positions "))
            + namedFew(link.positions, namedWith, "position", "positions")
            + (link.asSpouse ? QStringLiteral(" as spouse") : QStringLiteral(" among the children"))
            + (one ? QStringLiteral(", where the list holds no sim, so that link is left out")
                   : QStringLiteral(", where the list holds no sims, so those links are left out"));
        if (!link.asSpouse)
            line += QLatin1Char('.');
        else if (link.marriedTo.isEmpty())
            line += QStringLiteral(" and ") + link.sim + QStringLiteral(" opens unmarried.");
        else
            line += QStringLiteral(", and with it ")
                + marriages(link.sim, link.marriedTo, namedWith) + QLatin1Char('.');
        strayLinks.append({line, int(link.positions.size())});
        strayLinksCounted.append(countedLink(
            link.asSpouse,
            {"link names a position where the list holds no sim and is left out the same way.",
             "links name positions where the list holds no sim and are left out the same way."},
            {"link names a spouse where the list holds no sim and is left out, so that sim "
             "opens unmarried.",
             "links name a spouse where the list holds no sim and are left out, so those sims "
             "open unmarried."},
            {"link names a child where the list holds no sim and is left out.",
             "links name children where the list holds no sim and are left out."}));
    }
    appendFew(&paragraphs, strayLinks, strayLinksCounted, named);
    QList<Paragraph> loopLinks;
    for (const auto &[parent, child] : damage.loopLinks) {
        loopLinks.append({parent + QStringLiteral(" is not made a parent of ") + child
                          + QStringLiteral(": that would make a sim its own ancestor.")});
    }
    appendFew(&paragraphs, loopLinks,
              alike(loopLinks,
                    named > 0
                        ? Counted{"parent link is not taken for the same reason.",
                                  "parent links are not taken for the same reason."}
                        : Counted{"parent link is not taken: it would make a sim its own "
                                  "ancestor.",
                                  "parent links are not taken: they would make a sim its own "
                                  "ancestor."}),
              named);
    if (damage.notUtf8 > 0) {
        // Sim, family-link and household lines are named; the lines of
        // other sections are counted, and all of them when none is named.
        QStringList lines;
        int counts[kSectionCount] = {};
        for (const Damage::NotUtf8Line &line : damage.notUtf8Lines) {
            switch (line.section) {
            case Section::Sims:
                lines << QStringLiteral("the line of ") + line.of;
                break;
            case Section::FamilyLinks:
                lines << QStringLiteral("the family-link line of ") + line.of;
                break;
            case Section::Households:
                lines << QStringLiteral("the household line of ") + line.of;
                break;
            default:
                ++counts[int(line.section)];
            }
        }
        QStringList items;
        if (named == 0) {
            items << QStringLiteral("%1 of its lines").arg(damage.notUtf8);
        } else {
            items = lines.mid(0, named);
            const qsizetype moreNamed = lines.size() - items.size();
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
        }
        const bool one = damage.notUtf8 == 1;
        add(QStringLiteral("It is written in UTF-8, but ") + joined(items)
                + (one ? QStringLiteral(" is not UTF-8 throughout: the bytes that are not "
                                        "UTF-8 are read as Windows-1252, so some of its letters "
                                        "may be wrong.")
                       : QStringLiteral(" are not UTF-8 throughout: the bytes that are not "
                                        "UTF-8 are read as Windows-1252, so some of their "
                                        "letters may be wrong.")),
            damage.notUtf8);
    }
    return paragraphs;
}

} // namespace

QString damageText(const QString &listName, int format, const Damage &damage, bool backupExists)
{
    // A box too full names fewer of each kind, down to none, before it
    // leaves a paragraph out, so that it still says every kind of damage the
    // list holds: the bad bytes among them, whose letters may be wrong.
    QList<Paragraph> paragraphs;
    for (qsizetype named = kNamedAtMost; named >= 0; --named) {
        paragraphs = paragraphsNaming(format, damage, named);
        qsizetype size = 0;
        for (const Paragraph &paragraph : std::as_const(paragraphs))
            size += paragraph.text.size();
        if (size <= kParagraphsAtMost)
            break;
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
            lines << leftToRight(paragraph.text);
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

} // namespace ListFile
