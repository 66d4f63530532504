#include "support/FixtureSheet.h"

#include <QtTest>

namespace {
const QString Brook = QStringLiteral("Brook");
const QString Lark = QStringLiteral("Lark");
const QString Townies = QStringLiteral("Townies and Dormies");
const QString Runaways = QStringLiteral("Runaways");
const QString Queue = QStringLiteral("Adoption Queue");
} // namespace

FixtureSheet::FixtureSheet()
{
    using namespace SimTypeFlags;
    const int M = Gender::Male;
    const int F = Gender::Female;

    Sim *adam = add("Adam Brook", 40, M, Aspiration::Fortune, None, Brook);
    Sim *beth = add("Beth Brook", 38, F, Aspiration::Family, None, Brook);
    adam->setSpouse(beth);
    add("Cody Brook", 20, M, Aspiration::Popularity, None, Brook);
    add("Dana Brook", 10, F, Aspiration::GrowUp, None, Brook);
    add("Eli Brook", 4, M, Aspiration::None, None, Brook);
    add("Fay Brook", 1, F, Aspiration::None, None, Brook);
    add("Gus Brook", 65, M, Aspiration::Knowledge, None, Brook);
    Sim *ivy = add("Ivy Brook", 30, F, Aspiration::Knowledge, None, Brook);
    ivy->setInCollegeFlag(true);
    ivy->setSemester(3);
    ivy->setMajorText("Biology");
    add("Rex Brook", 10, M, Aspiration::None, LargeDog, Brook);
    add("Mia Brook", 10, F, Aspiration::None, Cat, Brook);

    add("Hal Lark", 35, M, Aspiration::Romance, None, Lark);
    add("Iris Lark", 32, F, Aspiration::Knowledge, None, Lark);
    add("Tess Lark", 18, F, Aspiration::Popularity, None, Lark);
    add("Petra Lark", 10, F, Aspiration::Fortune, Plantsim, Lark);
    add("Vince Lark", 45, M, Aspiration::Romance, Vampire, Lark);
    add("Wolf Lark", 40, M, Aspiration::Pleasure, Werewolf, Lark);
    Sim *wanda = add("Wanda Lark", 36, F, Aspiration::Knowledge, Witch, Lark);
    wanda->setWitchAlignment(Alignment::Nice);
    add("Sky Lark", 8, F, Aspiration::None, SmallDog, Lark);
    add("Buster Lark", 12, M, Aspiration::None, SmallDog, Lark);
    Sim *otto = add("Otto Lark", 70, M, Aspiration::Family, None, Lark);
    otto->setAlive(false);
    otto->setGhostColor(GhostColor::White);

    add("Lou Large", 33, M, Aspiration::None, None, QStringLiteral("At Large"));
    add("Tom Townie", 31, M, Aspiration::Fortune, None, Townies);
    add("Tabby", 6, F, Aspiration::None, Cat, Townies);
    add("Rory Runaway", 16, M, Aspiration::Popularity, None, Runaways);
    add("Pip", 6, M, Aspiration::None, SmallDog, Runaways);
    add("Quinn", 8, F, Aspiration::GrowUp, None, Queue);
    add("Nibbles", 6, F, Aspiration::None, Cat, Queue);
}

FixtureSheet::~FixtureSheet()
{
    qDeleteAll(m_owned);
}

Sim *FixtureSheet::add(const QString &name, int age, int gender, int aspiration, int flags,
                       const QString &household)
{
    Sim *sim = new Sim(name, age, gender, aspiration, Aspiration::None, true, flags, QString(),
                       QString());
    sim->setObjectName(name);
    sim->setSpeciesCode(flags & (SimTypeFlags::SmallDog | SimTypeFlags::LargeDog
                                 | SimTypeFlags::Cat));
    sim->setHousehold(household);
    append(sim);
    return sim;
}

void FixtureSheet::append(Sim *sim)
{
    m_owned.append(sim);
    m_sims.append(sim);
}

Sim *FixtureSheet::sim(const QString &key) const
{
    for (const QPointer<Sim> &s : m_sims) {
        if (s && s->objectName() == key)
            return s;
    }
    qWarning("No fixture sim named %s", qPrintable(key));
    return nullptr;
}

QStringList FixtureSheet::keys() const
{
    QStringList out;
    for (const QPointer<Sim> &s : m_sims) {
        if (s && !s->objectName().isEmpty())
            out << s->objectName();
    }
    return out;
}

QString FixtureSheet::label(const Sim *sim)
{
    if (!sim)
        return QStringLiteral("-");
    return sim->objectName().isEmpty() ? sim->name() : sim->objectName();
}

// The sheet makes an updated sim with no secondary aspiration, sets its hold,
// its household unless none is given, and its parents.
void FixtureSheet::newSim(QString name, int gender, int age, int aspiration, int hold,
                          QString household, int flags, Sim *parent1, Sim *parent2)
{
    m_requests << QStringLiteral("newSim(%1, %2, %3, %4, %5, %6, %7, %8, %9)")
                      .arg(name)
                      .arg(gender)
                      .arg(age)
                      .arg(aspiration)
                      .arg(hold)
                      .arg(household)
                      .arg(flags)
                      .arg(label(parent1), label(parent2));
    Sim *sim = new Sim(name, age, gender, aspiration, Aspiration::None, true, flags, QString(),
                       QString());
    append(sim);
    sim->setHold(hold);
    if (!household.isEmpty())
        sim->setHousehold(household);
    sim->setParents(parent1, parent2);
    emit simsChanged(m_sims);
}

// The townie or stray parent is male and at large; the baby joins the other
// parent's household, with the townie as first parent.
void FixtureSheet::newTowniePair(QString parentName, int parentAge, QString babyName,
                                 int babyGender, int babyHold, int flags, Sim *otherParent)
{
    m_requests << QStringLiteral("newTowniePair(%1, %2, %3, %4, %5, %6, %7)")
                      .arg(parentName)
                      .arg(parentAge)
                      .arg(babyName)
                      .arg(babyGender)
                      .arg(babyHold)
                      .arg(flags)
                      .arg(label(otherParent));
    Sim *townie = new Sim(parentName, parentAge, Gender::Male, Aspiration::None, Aspiration::None,
                          true, flags, QString(), QString());
    Sim *baby = new Sim(babyName, 0, babyGender, Aspiration::None, Aspiration::None, true, flags,
                        QString(), QString());
    append(townie);
    append(baby);
    baby->setHold(babyHold);
    townie->setHousehold(QStringLiteral("At Large"));
    if (otherParent)
        baby->setHousehold(otherParent->household());
    baby->setParents(townie, otherParent);
    emit simsChanged(m_sims);
}

void FixtureSheet::holdAllBut(Sim *sim, int hold)
{
    m_requests << QStringLiteral("holdAllBut(%1, %2)").arg(label(sim)).arg(hold);
    for (const QPointer<Sim> &s : m_sims) {
        if (s && s != sim)
            s->setHold(hold);
    }
}

void FixtureSheet::holdHousehold(QString household, int hold)
{
    m_requests << QStringLiteral("holdHousehold(%1, %2)").arg(household).arg(hold);
    for (const QPointer<Sim> &s : m_sims) {
        if (s && s->household() == household)
            s->setHold(hold);
    }
}

void FixtureSheet::holdAllHouseholdsBut(QString household, int hold)
{
    m_requests << QStringLiteral("holdAllHouseholdsBut(%1, %2)").arg(household).arg(hold);
    for (const QPointer<Sim> &s : m_sims) {
        if (s && s->household() != household)
            s->setHold(hold);
    }
}

void FixtureSheet::removeSim(Sim *sim)
{
    m_requests << QStringLiteral("removeSim(%1)").arg(label(sim));
}

void FixtureSheet::addToAchievementsPage(QString text, Sim *sim1, Sim *sim2)
{
    m_achievements << QStringLiteral("%1 | %2 | %3").arg(text, label(sim1), label(sim2));
}
