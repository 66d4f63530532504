#pragma once

#include "records/Sim.h"

#include <QObject>
#include <QStringList>

// A small neighbourhood for the form tests: the households "Brook" and "Lark"
// with humans of every stage, pets, a sim at college, a plantsim, a vampire,
// a werewolf, a witch and a dead sim, plus a sim "At Large", townies, runaways
// and a child and a cat waiting for adoption.
//
// It also stands in for the sheet: its slots receive what an applied update
// asks of the sheet, create the sims and set the holds the way the sheet
// does, and keep a readable log of every request.
//
// Each sim's objectName is its name at the start, so a sim stays findable
// after an update renames it.
class FixtureSheet : public QObject
{
    Q_OBJECT

public:
    FixtureSheet();
    ~FixtureSheet() override;

    // Appends sims that only the sim-box tests need: a servo, zombies, a
    // Bigfoot, an alien, a sim of no gender, elders, puppies, a kitten, elder
    // pets, a plantsim toddler and elder, an elder vampire, grown runaways and
    // townies of every stage, a student and a dead sim of a group household.
    // Their starting names all end in " Odd" (e.g. "Sal Odd").
    void addOddSims();

    SimList sims() const { return m_sims; }
    // The fixture sim with that starting name; fails the test when missing.
    Sim *sim(const QString &key) const;
    // The starting names, in sheet order.
    QStringList keys() const;

    // Every request received, in order, e.g.
    // "newSim(Nora, 2, 30, 1, 3, Brook, 0, -, -)".
    QStringList requests() const { return m_requests; }
    // Every logged sentence, in order: "sentence | sim1 | sim2".
    QStringList achievements() const { return m_achievements; }

    // How a request names a sim: its objectName, or its name for a sim made
    // during the test, "-" for none.
    static QString label(const Sim *sim);

public slots:
    void newSim(QString name, int gender, int age, int aspiration, int hold,
                QString household, int flags, Sim *parent1, Sim *parent2);
    void newTowniePair(QString parentName, int parentAge, QString babyName, int babyGender,
                       int babyHold, int flags, Sim *otherParent);
    void holdAllBut(Sim *sim, int hold);
    void holdHousehold(QString household, int hold);
    void holdAllHouseholdsBut(QString household, int hold);
    void removeSim(Sim *sim);
    void addToAchievementsPage(QString text, Sim *sim1, Sim *sim2);

signals:
    // The list changed (a sim was made); the sheet would hand it on.
    void simsChanged(const SimList &sims);

private:
    Sim *add(const QString &name, int age, int gender, int aspiration, int flags,
             const QString &household);
    void append(Sim *sim);

    SimList m_sims;
    QList<Sim *> m_owned;
    QStringList m_requests;
    QStringList m_achievements;
};
