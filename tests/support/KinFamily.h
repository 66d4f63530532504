#pragma once

#include "records/Sim.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

// Families for the Family Ties tests, built link by link through the sim
// record. It owns its sims; each sim's objectName is its name, so that
// SimSnapshot names sims by it.
class KinFamily
{
public:
    KinFamily() = default;
    KinFamily(const KinFamily &) = delete;
    KinFamily &operator=(const KinFamily &) = delete;

    Sim *add(const QString &name, int gender, const QString &household = QStringLiteral("Lark"));
    // A sim with these parents (either may be null), set as the sheet sets them.
    Sim *child(const QString &name, int gender, Sim *first, Sim *second);
    static void marry(Sim *a, Sim *b);

    // The sim of that name; fails the test when there is none.
    Sim *operator[](const QString &name) const;
    SimList sims() const { return m_sims; }

    // Ego's family, with a relative of every kind the Family Ties tab names,
    // up to third cousins and great-great-grandparents. Gramps is dead, Kim
    // lives "At Large" and Ray in "Townies and Dormies"; Gnia has no gender.
    // GUwife (a great-uncle's wife) and Xavier (the father of Ego's
    // step-children) are no relatives of Ego.
    void buildEgoFamily();
    // Names of Ego's relatives in buildEgoFamily, with their kin terms.
    static QList<QPair<QString, QString>> egoRelatives();

    // `generations` couples "Adam 0" + "Eve 0", "Adam 1" + "Eve 1", ...:
    // each couple is a brother and a sister, children of the couple before.
    void buildPedigree(int generations);

    // A family of `size` sims in which every parent was made before its
    // children, so that no sim is its own ancestor, with random genders,
    // deaths, households, spouses and parents (cousins often share a
    // grandparent twice), and now and then a link kept on one side only.
    // The same seed gives the same family.
    void buildRandomFamily(quint32 seed, int size);

private:
    std::vector<std::unique_ptr<Sim>> m_owned;
    SimList m_sims;
};
