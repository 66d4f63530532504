// The record's two lines in the list file: the sim line, written in format
// 0.5 and read in every format, and the family-link line.
#include "records/Sim.h"

#include "records/ListFileText.h"
#include "records/PartReader.h"
#include "records/Bounds.h"

#include <QHash>
#include <QSet>

namespace {

QString notesToLine(QString notes)
{
    notes.replace(QLatin1String("\r\n"), QLatin1String(";;"));
    notes.replace(QLatin1Char('\n'), QLatin1String(";;"));
    // A lone carriage return (an imported description may hold one) is a
    // line break too; written as it stands, the list reader would drop it.
    notes.replace(QLatin1Char('\r'), QLatin1String(";;"));
    return notes;
}

QString notesFromLine(QString text)
{
    return text.replace(QLatin1String(";;"), QLatin1String("\r\n"));
}

} // namespace

QString Sim::toString() const
{
    const QLatin1Char comma(',');
    QString line = QLatin1Char('"') + ListFileText::singleLine(m_name) + QLatin1String("\",")
        + QString::number(m_nid) + comma + QString::number(m_age) + comma + QString::number(m_gender);
    for (int i = 0; i < m_aspirations.size(); ++i) {
        line += QLatin1String(",(") + QString::number(m_aspirations.at(i)) + comma
            + QString::number(secondaryAspiration(i));
        const int wants = inRange(i, m_lifetimeWants.size()) ? int(m_lifetimeWants.at(i).size()) : 0;
        for (int j = 0; j < wants; ++j) {
            line += QLatin1String(",(\"") + ListFileText::singleLine(m_lifetimeWants.at(i).at(j))
                + QLatin1String("\",") + QString::number(lifetimeWantSteps(i, j)) + comma
                + QString::number(lifetimeWantStepsDone(i, j)) + QLatin1Char(')');
        }
        line += QLatin1Char(')');
    }
    line += QLatin1String(",\"") + ListFileText::singleLine(m_household) + QLatin1String("\",")
        + QString::number(m_inCollege ? 1 : 0) + QLatin1String(",\"") + ListFileText::singleLine(m_major)
        + QLatin1String("\",") + QString::number(m_semester) + comma
        + QString::number(m_alive ? 1 : 0) + comma + QString::number(m_ghostColor) + comma
        + QString::number(m_hold) + comma + QString::number(flagsWord()) + comma
        + QString::number(m_witchAlignment) + comma + ListFileText::singleLine(m_imageFile) + comma
        + notesToLine(m_notes);
    return line;
}

namespace {

// The aspiration periods read from a line, kept apart until the line has
// been read so that they replace the record's periods as a whole.
struct Periods
{
    QList<int> primary;
    QList<int> secondary;
    QList<QStringList> wants;
    QList<QList<int>> steps;
    QList<QList<int>> done;

    void open(int code)
    {
        primary.append(code);
        secondary.append(0);
        wants.append(QStringList());
        steps.append(QList<int>());
        done.append(QList<int>());
    }
    bool isEmpty() const { return primary.isEmpty(); }
};

// Reads the periods of a 0.5 line: "(primary,secondary" then wants
// ("(\"text\",total,done)") up to the part that closes the period.
// False when the line ends inside a period.
bool readPeriods(PartReader &reader, Periods *periods)
{
    while (!reader.atEnd() && reader.peek().startsWith(QLatin1Char('('))) {
        QString part;
        reader.takePart(&part);
        periods->open(reader.number(QStringView(part).mid(1)));
        if (!reader.takePart(&part))
            return false;
        if (part.endsWith(QLatin1Char(')'))) {
            part.chop(1);
            periods->secondary.last() = reader.number(part);
            continue;
        }
        periods->secondary.last() = reader.number(part);
        for (;;) {
            // The want text is quoted after its opening parenthesis.
            QString text;
            if (!reader.takeQuoted(&text, QLatin1String("(\"")))
                return false;
            periods->wants.last().append(text);
            periods->steps.last().append(0);
            periods->done.last().append(0);
            if (!reader.takeInt(&periods->steps.last().last()))
                return false;
            if (!reader.takePart(&part))
                return false;
            const bool periodEnds = part.endsWith(QLatin1String("))"));
            part.chop(periodEnds ? 2 : 1);
            periods->done.last().last() = reader.number(part);
            if (periodEnds)
                break;
        }
    }
    return true;
}

} // namespace

// Reads the fields every format shares after its aspiration part, stopping at
// the first one the line does not hold; those keep what the record had.
// `household` and `ghostColor` are null for formats without them. True when
// every field up to the flags word was there.
static bool readCommonTail(PartReader &reader, QString *household, bool *inCollege,
                           QString *major, int *semester, bool *alive, int *ghostColor, int *hold,
                           int *flags)
{
    if (household && !reader.takeQuoted(household))
        return false;
    if (!reader.takeBool(inCollege) || !reader.takeQuoted(major) || !reader.takeInt(semester)
        || !reader.takeBool(alive))
        return false;
    if (ghostColor && !reader.takeInt(ghostColor))
        return false;
    return reader.takeInt(hold) && reader.takeInt(flags);
}

bool Sim::fromString(const QString &line, int format)
{
    switch (format) {
    case 0:
        m_household.clear();
        return readVersion01(line);
    case 1:
        return readVersion02(line);
    case 2:
    case 3:
        return readVersion03(line);
    default:
        break;
    }

    PartReader reader(line, PartReader::Numbers::Written);
    if (!reader.takeQuoted(&m_name) || !reader.takeInt(&m_nid) || !reader.takeInt(&m_age)
        || !reader.takeInt(&m_gender))
        return false;

    // The line's periods replace the record's: adding them after the default
    // period would put one more (0,0) period in front on every save and open.
    Periods periods;
    const bool complete = readPeriods(reader, &periods);
    if (!periods.isEmpty()) {
        m_aspirations = periods.primary;
        m_secondaryAspirations = periods.secondary;
        m_lifetimeWants = periods.wants;
        m_wantSteps = periods.steps;
        m_wantStepsDone = periods.done;
    }
    if (!complete)
        return false;

    int flags = 0;
    if (!readCommonTail(reader, &m_household, &m_inCollege, &m_major, &m_semester, &m_alive,
                        &m_ghostColor, &m_hold, &flags))
        return false;
    setFlags(flags);
    m_species = Species::fromFlags(flags);
    if (!reader.takeInt(&m_witchAlignment) || !reader.takePart(&m_imageFile))
        return false;
    m_notes += notesFromLine(reader.takeRest());
    return reader.wholeNumbers();
}

bool Sim::readVersion01(const QString &line)
{
    return readOlderFormat(line, 1);
}

bool Sim::readVersion02(const QString &line)
{
    return readOlderFormat(line, 2);
}

bool Sim::readVersion03(const QString &line)
{
    return readOlderFormat(line, 3);
}

// Formats 0.1 (1), 0.2 (2) and 0.3/0.4 (3): one aspiration period without
// wants; 0.1 has no household and no ghost colour, only 0.3 a secondary
// aspiration.
bool Sim::readOlderFormat(const QString &line, int version)
{
    PartReader reader(line, PartReader::Numbers::Written);
    int code = 0;
    if (!reader.takeQuoted(&m_name) || !reader.takeInt(&m_age) || !reader.takeInt(&m_gender)
        || !reader.takeInt(&code))
        return false;
    // 0.2 coded Grow Up as 1 and the other aspirations one higher.
    if (version == 2)
        code = code == 1 ? int(Aspiration::GrowUp) : addSaturated(code, -1);
    int secondary = 0;
    const bool haveSecondary = version != 3 || reader.takeInt(&secondary);
    m_aspirations = {code};
    m_secondaryAspirations = {secondary};
    m_lifetimeWants = {QStringList()};
    m_wantSteps = {QList<int>()};
    m_wantStepsDone = {QList<int>()};
    if (!haveSecondary)
        return false;

    const bool hasHousehold = version != 1;
    int flags = 0;
    if (!readCommonTail(reader, hasHousehold ? &m_household : nullptr, &m_inCollege, &m_major,
                        &m_semester, &m_alive, hasHousehold ? &m_ghostColor : nullptr, &m_hold,
                        &flags))
        return false;
    // These formats store no witch; 0.1 stores no species either.
    setLifeState(SimTypeFlags::Alien, flags & SimTypeFlags::Alien);
    setLifeState(SimTypeFlags::Zombie, flags & SimTypeFlags::Zombie);
    setLifeState(SimTypeFlags::Vampire, flags & SimTypeFlags::Vampire);
    setLifeState(SimTypeFlags::Servo, flags & SimTypeFlags::Servo);
    setLifeState(SimTypeFlags::Werewolf, flags & SimTypeFlags::Werewolf);
    setLifeState(SimTypeFlags::Plantsim, flags & SimTypeFlags::Plantsim);
    setLifeState(SimTypeFlags::Bigfoot, flags & SimTypeFlags::Bigfoot);
    if (version != 1)
        m_species = Species::fromFlags(flags);
    if (!reader.takePart(&m_imageFile))
        return false;
    m_notes += notesFromLine(reader.takeRest());
    return reader.wholeNumbers();
}

// ---------------------------------------------------------------------------
// The family-link line

QString Sim::familyLinksToString(const SimList &list) const
{
    int spousePos = -1;
    if (m_spouse) {
        for (int i = 0; i < list.size(); ++i) {
            if (list.at(i) == m_spouse)
                spousePos = i;
        }
    }
    QString line = QString::number(spousePos);
    for (const QPointer<Sim> &child : m_children) {
        if (!child)
            continue;
        for (int j = 0; j < list.size(); ++j) {
            if (list.at(j) == child)
                line += QLatin1Char(',') + QString::number(j);
        }
    }
    return line;
}

bool Sim::familyLinksFromString(const QString &line, const SimList &list, SkippedLinks *skipped)
{
    // A part that is no position in the list, or that names this sim, is
    // skipped: a damaged line must not link a sim to itself or to the first
    // sim of the list by accident.
    bool allNumbers = true;
    SkippedLinks named;
    // The writer names only sims of the list, so a position past it, or
    // below -1, is what a changed digit or a hand edit leaves.
    enum class Part { Sim, Own, NoSim, NotANumber };
    // A part in another form than the written one ("-0", "01") is no number
    // either: as toInt reads them, "-0" would name the first sim and "01"
    // the second.
    auto simAt = [&](const QString &part, QPointer<Sim> *sim) {
        bool ok = false;
        const int pos = ListFileText::writtenNumber(part, &ok);
        allNumbers = allNumbers && ok;
        if (!ok)
            return Part::NotANumber;
        if (!inRange(pos, list.size()))
            return pos == -1 ? Part::Sim : Part::NoSim;
        if (list.at(pos) == this)
            return Part::Own;
        *sim = list.at(pos);
        return Part::Sim;
    };
    // The line is read as it stands, this sim's own links and no other's:
    // guessing more (the spouse as a child's other parent, the spouse's link
    // back) would change the family at every save and reopen, giving a
    // stepchild a second parent or a remarried sim back its former spouse.
    const QStringList parts = line.split(QLatin1Char(','));
    QPointer<Sim> spouse;
    switch (simAt(parts.first(), &spouse)) {
    case Part::Own:
        named.ownSpouse = true;
        break;
    case Part::NoSim:
        named.spouseNamingNoSim = parts.first();
        break;
    default:
        break;
    }
    if (spouse)
        m_spouse = spouse;
    // The children listed so far, for a look-up in constant time: searching
    // the list for every part made a crafted line of 100,000 children take
    // half a minute.
    QSet<const Sim *> listed;
    listed.reserve(m_children.size() + parts.size() - 1);
    for (const QPointer<Sim> &child : std::as_const(m_children))
        listed.insert(child.data());
    for (int i = 1; i < parts.size(); ++i) {
        QPointer<Sim> child;
        switch (simAt(parts.at(i), &child)) {
        case Part::Own:
            named.ownChild = true;
            break;
        case Part::NoSim:
            named.childrenNamingNoSim.append(parts.at(i));
            break;
        default:
            break;
        }
        if (!child || listed.contains(child.data()))
            continue;
        listed.insert(child.data());
        m_children.append(child);
        // Parents are stored only through children: the first two sims
        // that list a child, in list order, are its parents.
        if (child->hasParent(this))
            continue;
        if (!child->m_parent1)
            child->m_parent1 = this;
        else if (!child->m_parent2)
            child->m_parent2 = this;
    }
    if (skipped)
        *skipped = std::move(named);
    return allNumbers;
}

void Sim::dropOneSidedLinks(const SimList &list)
{
    // Whether a parent lists a child now. A long children list is looked up
    // in a set of it, made once: searching the list of a parent of n children
    // for each of them took time in n squared (2 s for 40,000). A parent's
    // list changes only in the parent's own turn below, which drops its set,
    // so a set always holds the list as it stands.
    constexpr qsizetype kSearchedAtMost = 16;
    QHash<const Sim *, QSet<const Sim *>> listedBy;
    const auto lists = [&](const Sim *parent, const QPointer<Sim> &child) {
        if (parent->m_children.size() <= kSearchedAtMost)
            return parent->m_children.contains(child);
        auto found = listedBy.find(parent);
        if (found == listedBy.end()) {
            QSet<const Sim *> listed;
            listed.reserve(parent->m_children.size());
            for (const QPointer<Sim> &listedChild : parent->m_children)
                listed.insert(listedChild.data());
            found = listedBy.insert(parent, std::move(listed));
        }
        return found->contains(child.data());
    };
    for (const QPointer<Sim> &sim : list) {
        if (!sim)
            continue;
        if (sim->m_spouse && sim->m_spouse->m_spouse != sim)
            sim->m_spouse = nullptr;
        sim->m_children.removeIf([&](const QPointer<Sim> &child) {
            return !child || !child->hasParent(sim);
        });
        listedBy.remove(sim.data());
        for (QPointer<Sim> *parent : {&sim->m_parent1, &sim->m_parent2}) {
            if (*parent && !lists(parent->data(), sim))
                *parent = nullptr;
        }
    }
}
