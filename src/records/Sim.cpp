#include "records/Sim.h"

#include "records/Bounds.h"

Sim::Sim(QString name, int age, int gender, int aspiration, int secondaryAspiration, bool alive,
         int flags, QString notes, QString imageFile)
    : QObject(nullptr)
{
    m_name = name;
    m_gender = gender;
    m_alive = alive;
    m_notes = notes;
    m_imageFile = imageFile;
    m_aspirations = {aspiration};
    m_secondaryAspirations = {secondaryAspiration};
    // An age of -1 is a young adult entering college.
    if (age == -1) {
        m_age = 30;
        m_inCollege = true;
        m_major = QStringLiteral("Undeclared");
        m_semester = 1;
    } else {
        m_age = age;
    }
    setFlags(flags);
    m_witchAlignment = Alignment::Neutral;
    m_species = Species::fromFlags(flags);
}

Sim::Sim(QObject *parent)
    : QObject(parent)
{
}

Sim::~Sim() = default;

// ---------------------------------------------------------------------------
// Hold, species, life states, death and college

bool Sim::decrementHold()
{
    if (m_hold > 0) {
        --m_hold;
        return true;
    }
    // A negative hold from a damaged list file would otherwise count down for
    // ever and freeze the sim; treat it as no hold.
    m_hold = 0;
    return false;
}

void Sim::setSpecies(const QString &exportWord)
{
    const int code = Species::fromExportWord(exportWord);
    if (code >= 0)
        m_species = code;
}

bool Sim::hasFlag(int bit) const
{
    switch (bit) {
    case SimTypeFlags::None:
        return !(m_alien || m_zombie || m_vampire || m_servo || m_werewolf || m_plantsim
                 || m_bigfoot || m_witch);
    case SimTypeFlags::Alien:
        return m_alien;
    case SimTypeFlags::Zombie:
        return m_zombie;
    case SimTypeFlags::Vampire:
        return m_vampire;
    case SimTypeFlags::Servo:
        return m_servo;
    case SimTypeFlags::Werewolf:
        return m_werewolf;
    case SimTypeFlags::Plantsim:
        return m_plantsim;
    case SimTypeFlags::Bigfoot:
        return m_bigfoot;
    case SimTypeFlags::Witch:
        return m_witch;
    default:
        return false;
    }
}

// Only the states an update sentence can give or take away are handled here;
// the plantsim age moves between the two age scales on every call.
void Sim::setFlag(int bit)
{
    switch (bit) {
    case SimTypeFlags::Vampire:
        m_vampire = true;
        break;
    case SimTypeFlags::Werewolf:
        m_werewolf = true;
        break;
    case SimTypeFlags::Plantsim:
        m_plantsim = true;
        m_age = addSaturated(m_age, -25);
        break;
    case SimTypeFlags::Witch:
        m_witch = true;
        m_witchAlignment = Alignment::Neutral;
        break;
    default:
        break;
    }
}

void Sim::clearFlag(int bit)
{
    switch (bit) {
    case SimTypeFlags::Vampire:
        m_vampire = false;
        break;
    case SimTypeFlags::Werewolf:
        m_werewolf = false;
        break;
    case SimTypeFlags::Plantsim:
        m_plantsim = false;
        m_age = addSaturated(m_age, 25);
        break;
    case SimTypeFlags::Witch:
        m_witch = false;
        break;
    default:
        break;
    }
}

void Sim::setLifeState(int bit, bool on)
{
    switch (bit) {
    case SimTypeFlags::Alien:
        m_alien = on;
        break;
    case SimTypeFlags::Zombie:
        m_zombie = on;
        break;
    case SimTypeFlags::Vampire:
        m_vampire = on;
        break;
    case SimTypeFlags::Servo:
        m_servo = on;
        break;
    case SimTypeFlags::Werewolf:
        m_werewolf = on;
        break;
    case SimTypeFlags::Plantsim:
        m_plantsim = on;
        break;
    case SimTypeFlags::Bigfoot:
        m_bigfoot = on;
        break;
    case SimTypeFlags::Witch:
        m_witch = on;
        break;
    default:
        break;
    }
}

void Sim::setFlags(int flags)
{
    m_alien = flags & SimTypeFlags::Alien;
    m_zombie = flags & SimTypeFlags::Zombie;
    m_vampire = flags & SimTypeFlags::Vampire;
    m_servo = flags & SimTypeFlags::Servo;
    m_werewolf = flags & SimTypeFlags::Werewolf;
    m_plantsim = flags & SimTypeFlags::Plantsim;
    m_bigfoot = flags & SimTypeFlags::Bigfoot;
    m_witch = flags & SimTypeFlags::Witch;
}

int Sim::flagsWord() const
{
    int word = 0;
    if (m_alien)
        word += SimTypeFlags::Alien;
    if (m_zombie)
        word += SimTypeFlags::Zombie;
    if (m_vampire)
        word += SimTypeFlags::Vampire;
    if (m_servo)
        word += SimTypeFlags::Servo;
    if (m_werewolf)
        word += SimTypeFlags::Werewolf;
    if (m_plantsim)
        word += SimTypeFlags::Plantsim;
    if (m_bigfoot)
        word += SimTypeFlags::Bigfoot;
    if (m_species == Species::LargeDog)
        word += SimTypeFlags::LargeDog;
    if (m_species == Species::SmallDog)
        word += SimTypeFlags::SmallDog;
    if (m_species == Species::Cat)
        word += SimTypeFlags::Cat;
    if (m_witch)
        word += SimTypeFlags::Witch;
    return word;
}

void Sim::die(int ghostColor)
{
    m_alive = false;
    m_ghostColor = ghostColor;
}

void Sim::resurrect(bool successfully)
{
    m_alive = true;
    if (!successfully)
        m_zombie = true;
}

void Sim::setInCollege(bool inCollege)
{
    m_inCollege = inCollege;
    m_age = 30;
    if (inCollege) {
        m_major = QStringLiteral("Undeclared");
        m_semester = 1;
    } else {
        m_hold = 1;
    }
}

void Sim::setMajor(const QString &major)
{
    if (!major.isEmpty())
        m_major = major;
}

bool Sim::isNonPlayable() const
{
    return SpecialHousehold::contains(m_household);
}

bool Sim::isTownieOrNPC() const
{
    return SpecialHousehold::contains(m_household) && m_household != QLatin1String("Runaways")
        && m_household != QLatin1String("Adoption Queue");
}

// ---------------------------------------------------------------------------
// Life stages and aging

QString Sim::lifeStageText() const
{
    QString text;
    if (m_servo) {
        text = QStringLiteral("Servo");
    } else if (m_inCollege) {
        static const char *const years[] = {"Freshman", "Freshman", "Sophomore", "Sophomore",
                                            "Junior",   "Junior",   "Senior",    "Senior"};
        const QString year = (m_semester >= 1 && m_semester <= 8)
            ? QString::fromLatin1(years[m_semester - 1])
            : QStringLiteral("Bugged");
        text = year + QLatin1String(" (") + m_major + QLatin1String(" Major)");
    } else if (!m_alive) {
        // A ghost shows its colour in place of a stage.
    } else if (m_plantsim) {
        if (m_age > 32)
            text = QStringLiteral("Plantsim Elder");
        else if (m_age > 3)
            text = QStringLiteral("Plantsim Adult");
        else
            text = QStringLiteral("Plantsim Toddler");
    } else if (m_species == Species::LargeDog) {
        if (m_age > 25)
            text = QStringLiteral("Elder Large Dog");
        else if (m_age > 3)
            text = QStringLiteral("Large Dog");
        else
            text = QStringLiteral("Puppy");
    } else if (m_species == Species::SmallDog) {
        if (m_age > 29)
            text = QStringLiteral("Elder Small Dog");
        else if (m_age > 3)
            text = QStringLiteral("Small Dog");
        else
            text = QStringLiteral("Puppy");
    } else if (m_species == Species::Cat) {
        if (m_age > 30)
            text = QStringLiteral("Elder Cat");
        else if (m_age > 4)
            text = QStringLiteral("Cat");
        else
            text = QStringLiteral("Kitten");
    } else if (m_age > 58) {
        text = QStringLiteral("Elder");
    } else if (m_age > 29) {
        text = QStringLiteral("Adult");
    } else if (m_age > 14) {
        text = QStringLiteral("Teen");
    } else if (m_age > 6) {
        text = QStringLiteral("Child");
    } else if (m_age > 2) {
        text = QStringLiteral("Toddler");
    } else {
        text = QStringLiteral("Baby");
    }

    if (!m_alive)
        text += GhostColor::word(m_ghostColor) + QLatin1String(" Ghost");
    if (m_alien)
        text += QLatin1String(" Alien");
    if (m_zombie)
        text += QLatin1String(" Zombie");
    if (m_vampire)
        text += QLatin1String(" Vampire");
    if (m_werewolf)
        text += QLatin1String(" Werewolf");
    if (m_witch)
        text += Alignment::witchSuffix(m_witchAlignment);
    return text;
}

void Sim::addDays(int days)
{
    if (m_inCollege && days > 0) {
        m_semester = addSaturated(m_semester, days);
        if (m_semester > 8)
            m_inCollege = false;
    } else if (days >= 0) {
        m_age = addSaturated(m_age, days);
    } else {
        // Going back stops at the first day of the stage the sim is past,
        // so that it does not fall a whole stage.
        const int before = m_age;
        const int target = addSaturated(m_age, days);
        QList<int> firstDays;
        if (m_plantsim)
            firstDays << 33 << 4;
        else
            firstDays << 59 << 30 << 15 << 7;
        if (m_species == Species::LargeDog)
            firstDays << 26;
        else if (m_species == Species::SmallDog)
            firstDays << 30;
        if (m_species == Species::LargeDog || m_species == Species::SmallDog)
            firstDays << 4;
        if (m_species == Species::Cat)
            firstDays << 31 << 5;

        int result = target < 0 ? 0 : target;
        for (int first : firstDays) {
            if (before > first && target < first) {
                result = first;
                break;
            }
        }
        m_age = result;
    }

    // Babies have no aspiration and young sims want to grow up.
    if (!m_aspirations.isEmpty()) {
        if (m_age <= 2)
            m_aspirations[0] = Aspiration::None;
        else if (m_age <= 14)
            m_aspirations[0] = Aspiration::GrowUp;
    }
}

bool Sim::canAge() const
{
    if (!m_alive)
        return false;
    if (SpecialHousehold::contains(m_household) && m_household != QLatin1String("Runaways")
        && m_household != QLatin1String("Hobby Mavens"))
        return false;
    return m_inCollege || !(m_vampire || m_zombie || m_servo);
}

// ---------------------------------------------------------------------------
// Aspiration periods and lifetime wants

namespace {

// A period index with -1 standing for the last entry of a list of `size`.
int resolvePeriod(int period, qsizetype size)
{
    return period == -1 ? int(size) - 1 : period;
}

// Sets entry `index` of `list`, or appends when the index is not within it.
template <typename T>
void setOrAppend(QList<T> &list, int index, const T &value)
{
    if (inRange(index, list.size()))
        list[index] = value;
    else
        list.append(value);
}

} // namespace

int Sim::aspiration(int period) const
{
    const int p = resolvePeriod(period, m_aspirations.size());
    return inRange(p, m_aspirations.size()) ? m_aspirations.at(p) : -1;
}

int Sim::secondaryAspiration(int period) const
{
    const int p = resolvePeriod(period, m_secondaryAspirations.size());
    return inRange(p, m_secondaryAspirations.size()) ? m_secondaryAspirations.at(p) : 0;
}

QString Sim::aspirationName(int period) const
{
    if (m_species != Species::Human)
        return QStringLiteral("None");
    const int p = resolvePeriod(period, m_aspirations.size());
    if (!inRange(p, m_aspirations.size()))
        return QStringLiteral("None");
    const QString name = Aspiration::name(m_aspirations.at(p));
    if (!name.isEmpty())
        return name;
    return m_age <= 3 ? QStringLiteral("None") : QStringLiteral("Unknown");
}

QString Sim::secondaryAspirationName(int period) const
{
    if (m_species != Species::Human)
        return QStringLiteral("None");
    const int p = resolvePeriod(period, m_secondaryAspirations.size());
    if (!inRange(p, m_secondaryAspirations.size()))
        return QStringLiteral("None");
    const int code = m_secondaryAspirations.at(p);
    if (code != Aspiration::GrowUp) {
        const QString name = Aspiration::name(code);
        if (!name.isEmpty())
            return name;
    }
    return m_age <= 15 ? QStringLiteral("None") : QStringLiteral("Unknown");
}

void Sim::setAspiration(int primary, int secondary, int period)
{
    const int p = resolvePeriod(period, m_aspirations.size());
    if (!inRange(p, m_aspirations.size()))
        return;
    if (primary != 0)
        m_aspirations[p] = primary;
    if (secondary != 0 && inRange(p, m_secondaryAspirations.size()))
        m_secondaryAspirations[p] = secondary;
}

void Sim::addAspiration(int primary, int secondary)
{
    if (primary == 0)
        return;
    m_aspirations.append(primary);
    m_secondaryAspirations.append(secondary);
    m_lifetimeWants.append(QStringList());
    m_wantSteps.append(QList<int>());
    m_wantStepsDone.append(QList<int>());
}

void Sim::removeAspiration(int period)
{
    if (!inRange(period, m_aspirations.size()))
        return;
    // All five lists lose the entry, so later wants stay with their period.
    m_aspirations.removeAt(period);
    if (inRange(period, m_secondaryAspirations.size()))
        m_secondaryAspirations.removeAt(period);
    if (inRange(period, m_lifetimeWants.size()))
        m_lifetimeWants.removeAt(period);
    if (inRange(period, m_wantSteps.size()))
        m_wantSteps.removeAt(period);
    if (inRange(period, m_wantStepsDone.size()))
        m_wantStepsDone.removeAt(period);
}

void Sim::setExportAspirations(const QString &primary, const QString &secondary)
{
    const int p = int(m_aspirations.size()) - 1;
    if (p < 0)
        return;
    const int primaryCode = Aspiration::fromExportWord(primary);
    if (primaryCode > 0)
        m_aspirations[p] = primaryCode;
    const int secondaryCode = Aspiration::fromExportWord(secondary);
    if (secondaryCode > 0 && secondaryCode != Aspiration::GrowUp
        && inRange(p, m_secondaryAspirations.size()))
        m_secondaryAspirations[p] = secondaryCode;
}

void Sim::addLifetimeWant(const QString &text, int period)
{
    const int p = resolvePeriod(period, m_lifetimeWants.size());
    if (inRange(p, m_lifetimeWants.size()))
        m_lifetimeWants[p].append(text);
}

namespace {

// Makes sure a want list has an entry for `period`, padding it with empty
// entries up to there. Only a period the sim has is written: wants stored
// past the last period would not be saved, and the next period opened would
// take them over. False, with nothing changed, for any other index.
template <typename T>
bool ensurePeriod(QList<QList<T>> &lists, int period, qsizetype periodCount)
{
    if (period < 0 || period >= periodCount)
        return false;
    while (lists.size() <= period)
        lists.append(QList<T>());
    return true;
}

} // namespace

void Sim::setLifetimeWant(int period, int want, const QString &text, int done, int total)
{
    const int p = resolvePeriod(period, m_aspirations.size());
    if (ensurePeriod(m_lifetimeWants, p, m_aspirations.size()))
        setOrAppend<QString>(m_lifetimeWants[p], want, text);
    if (ensurePeriod(m_wantSteps, p, m_aspirations.size()))
        setOrAppend(m_wantSteps[p], want, total);
    if (ensurePeriod(m_wantStepsDone, p, m_aspirations.size()))
        setOrAppend(m_wantStepsDone[p], want, done);
}

QString Sim::lifetimeWant(int period, int want) const
{
    const int p = resolvePeriod(period, m_aspirations.size());
    if (!inRange(p, m_lifetimeWants.size()) || !inRange(want, m_lifetimeWants.at(p).size()))
        return QString();
    return m_lifetimeWants.at(p).at(want);
}

int Sim::lifetimeWantSteps(int period, int want) const
{
    const int p = resolvePeriod(period, m_aspirations.size());
    if (!inRange(p, m_wantSteps.size()) || !inRange(want, m_wantSteps.at(p).size()))
        return 0;
    return m_wantSteps.at(p).at(want);
}

int Sim::lifetimeWantStepsDone(int period, int want) const
{
    const int p = resolvePeriod(period, m_aspirations.size());
    if (!inRange(p, m_wantStepsDone.size()) || !inRange(want, m_wantStepsDone.at(p).size()))
        return 0;
    return m_wantStepsDone.at(p).at(want);
}

int Sim::lifetimeWantCount(int period) const
{
    const int p = resolvePeriod(period, m_aspirations.size());
    return inRange(p, m_lifetimeWants.size()) ? int(m_lifetimeWants.at(p).size()) : 0;
}

// ---------------------------------------------------------------------------
// Kin links

QPointer<Sim> Sim::child(int index) const
{
    return inRange(index, m_children.size()) ? m_children.at(index) : QPointer<Sim>();
}

bool Sim::hasParent(QPointer<Sim> sim) const
{
    return sim == m_parent1 || sim == m_parent2;
}

void Sim::setSpouse(QPointer<Sim> sim)
{
    // No sim marries itself.
    if (!sim || sim == m_spouse || sim == this)
        return;
    const QPointer<Sim> mine = m_spouse;
    const QPointer<Sim> theirs = sim->m_spouse;
    m_spouse = sim;
    sim->m_spouse = this;
    // The list file keeps a marriage only when both sides name it: a former
    // spouse still naming either sim would marry it again on the next open.
    detachFrom(mine);
    sim->detachFrom(theirs);
}

void Sim::setParents(QPointer<Sim> first, QPointer<Sim> second)
{
    if (first == m_parent1 && second == m_parent2)
        return;
    // No sim becomes its own parent.
    if (first == this)
        first = nullptr;
    if (second == this)
        second = nullptr;
    // Nor is one sim both parents: the list file lists the child once, so
    // the sim would come back as one parent only. Given for both places it
    // takes the first; given for one place it leaves the other.
    if (second == first)
        second = nullptr;
    const QPointer<Sim> formerFirst = m_parent1;
    const QPointer<Sim> formerSecond = m_parent2;
    if (first) {
        if (m_parent2 == first)
            m_parent2 = nullptr;
        m_parent1 = first;
    }
    if (second) {
        if (m_parent1 == second)
            m_parent1 = nullptr;
        m_parent2 = second;
    }
    if (first)
        first->addChild(this);
    if (second)
        second->addChild(this);
    // Parents are stored only through their children lists, so a replaced
    // parent that kept this sim would be its parent again on the next open.
    detachFrom(formerFirst);
    detachFrom(formerSecond);
}

void Sim::detachFrom(const QPointer<Sim> &former)
{
    if (!former || former == this)
        return;
    if (former->m_spouse == this && m_spouse != former)
        former->m_spouse = nullptr;
    if (!hasParent(former))
        former->m_children.removeAll(QPointer<Sim>(this));
}

void Sim::addChild(QPointer<Sim> child)
{
    if (!child || child == this || m_children.contains(child))
        return;
    m_children.append(child);
    if (!child->hasParent(this)) {
        if (child->parent1())
            child->setParents(nullptr, this);
        else
            child->setParents(this, m_spouse);
    }
}

void Sim::removeChild(int index)
{
    if (inRange(index, m_children.size()))
        m_children.removeAt(index);
}

void Sim::replaceRelative(const Sim *from, const QPointer<Sim> &to)
{
    if (!from || from == to)
        return;
    const QPointer<Sim> target = to == this ? QPointer<Sim>() : to;
    if (m_parent1 == from)
        m_parent1 = target;
    if (m_parent2 == from)
        m_parent2 = target;
    if (m_parent2 == m_parent1)
        m_parent2 = nullptr;
    if (m_spouse == from)
        m_spouse = target;
    for (int i = int(m_children.size()) - 1; i >= 0; --i) {
        if (m_children.at(i) != from)
            continue;
        if (!target || m_children.contains(target))
            m_children.removeAt(i);
        else
            m_children[i] = target;
    }
}

namespace {

// Puts entry `from` of `theirs` (empty when missing) at index `at` of `mine`,
// padding `mine` with empty entries up to there.
template <typename T>
void insertPeriod(QList<T> &mine, int at, const QList<T> &theirs, int from)
{
    while (mine.size() < at)
        mine.append(T());
    mine.insert(at, inRange(from, theirs.size()) ? theirs.at(from) : T());
}

} // namespace

void Sim::copyFrom(QPointer<Sim> other, SimList sims)
{
    if (!other || other == this)
        return;

    // A relative of the imported record stands for the sheet's sim of the
    // same NID. A relative without an NID matches no sheet sim.
    auto mapped = [&](const QPointer<Sim> &relative) -> QPointer<Sim> {
        if (!relative || relative->nid() == -1)
            return relative;
        for (const QPointer<Sim> &sim : sims) {
            if (sim && sim->nid() == relative->nid())
                return sim;
        }
        return relative;
    };
    Relatives relatives{mapped(other->m_spouse), mapped(other->m_parent1),
                        mapped(other->m_parent2), {}};
    for (const QPointer<Sim> &child : other->m_children)
        relatives.children.append(mapped(child));
    takeRelatives(relatives);
    copyDetailsFrom(other);
}

void Sim::takeRelatives(const Relatives &relatives)
{
    // A relative that turns out to be this sim is dropped, so that no sim
    // becomes its own relative; setSpouse and setParents see to that.
    setSpouse(relatives.spouse);
    setParents(relatives.parent1, relatives.parent2);
    // A child that does not name this sim is left to its own parents: taking
    // it here would list it on one side only.
    for (const QPointer<Sim> &child : relatives.children) {
        if (child && child != this && child->hasParent(this) && !m_children.contains(child))
            m_children.append(child);
    }
}

void Sim::copyDetailsFrom(const Sim *other)
{
    if (!other || other == this)
        return;
    m_name = other->m_name;
    m_species = other->m_species;
    m_age = other->m_age;
    m_household = other->m_household;
    m_semester = other->m_semester;
    m_gender = other->m_gender;

    // The imported aspiration opens a new current period that takes the
    // imported wants along; the earlier periods keep their own wants.
    if (!other->m_aspirations.isEmpty()) {
        const int theirs = int(other->m_aspirations.size()) - 1;
        const int mine = int(m_aspirations.size());
        while (m_secondaryAspirations.size() < mine)
            m_secondaryAspirations.append(0);
        m_aspirations.append(other->m_aspirations.at(theirs));
        m_secondaryAspirations.insert(mine, other->secondaryAspiration(theirs));
        insertPeriod(m_lifetimeWants, mine, other->m_lifetimeWants, theirs);
        insertPeriod(m_wantSteps, mine, other->m_wantSteps, theirs);
        insertPeriod(m_wantStepsDone, mine, other->m_wantStepsDone, theirs);
    }

    m_inCollege = other->m_inCollege;
    m_major = other->m_major;
    m_alive = other->m_alive;
}
