#include "support/LiteralKinWalk.h"

#include <QStringList>

namespace {

using KinWalk::ordinalWord;
using KinWalk::timesWord;

const QString Great = QStringLiteral("Great-");

struct Literal
{
    Sim *focus;
    bool livingOnly;
    bool playableOnly;
    QList<KinRow> rows;

    void addRelative(Sim *relative, const QString &term)
    {
        if (livingOnly && !relative->isAlive())
            return;
        if (playableOnly && relative->household() == QLatin1String("At Large"))
            return;
        if (relative == focus)
            return;
        for (KinRow &row : rows) {
            if (row.sim == relative) {
                if (!row.terms.split(QStringLiteral("; ")).contains(term))
                    row.terms += QStringLiteral("; ") + term;
                return;
            }
        }
        rows.append(KinRow{relative, term});
    }

    void list(Sim *relative, const QString &male, const QString &female)
    {
        addRelative(relative, relative->gender() == Gender::Male ? male : female);
    }

    static QList<Sim *> children(const Sim *sim)
    {
        QList<Sim *> result;
        for (int i = 0; sim->child(i); ++i)
            result.append(sim->child(i).data());
        return result;
    }

    bool fullSibling(const Sim *sibling) const
    {
        const Sim *a = focus->parent1().data();
        const Sim *b = focus->parent2().data();
        const Sim *c = sibling->parent1().data();
        const Sim *d = sibling->parent2().data();
        return a && b && ((c == a && d == b) || (c == b && d == a));
    }

    void descendantLine(Sim *sim, const QString &male, const QString &female, const QString &prefix)
    {
        list(sim, male, female);
        for (Sim *child : children(sim))
            descendantLine(child, prefix + male, prefix + female, prefix);
    }

    void cousinLine(Sim *sim, const QString &ordinal, int removal)
    {
        QString term = ordinal + QStringLiteral(" Cousin");
        if (removal > 0)
            term += QStringLiteral(", ") + timesWord(removal) + QStringLiteral(" Removed");
        list(sim, term, term);
        for (Sim *child : children(sim))
            cousinLine(child, ordinal, removal + 1);
    }

    void removedCousins(Sim *sim, int degree, int depth)
    {
        const QString term = ordinalWord(degree) + QStringLiteral(" Cousin, ")
            + timesWord(depth - 2) + QStringLiteral(" Removed");
        list(sim, term, term);
        for (Sim *child : children(sim)) {
            if (depth == 3)
                cousinLine(child, ordinalWord(degree + 1), 0);
            else
                removedCousins(child, degree + 1, depth - 1);
        }
    }

    void ancestorLine(Sim *ancestor, const QString &male, const QString &maleSide,
                      const QString &female, const QString &femaleSide, int depth, Sim *cameFrom)
    {
        list(ancestor, Great + male, Great + female);
        for (Sim *uncle : children(ancestor)) {
            if (uncle == cameFrom)
                continue;
            list(uncle, Great + maleSide, Great + femaleSide);
            for (Sim *cousin : children(uncle))
                removedCousins(cousin, 1, depth);
        }
        for (Sim *parent : {ancestor->parent1().data(), ancestor->parent2().data()}) {
            if (parent)
                ancestorLine(parent, Great + male, Great + maleSide, Great + female,
                             Great + femaleSide, depth + 1, ancestor);
        }
    }

    void parentSide(Sim *parent)
    {
        list(parent, "Father", "Mother");
        Sim *partner = parent->spouse().data();
        if (partner && partner != focus->parent1() && partner != focus->parent2())
            list(partner, "Step-Father", "Step-Mother");
        for (Sim *sibling : children(parent)) {
            if (sibling == focus)
                continue;
            if (fullSibling(sibling))
                list(sibling, "Brother", "Sister");
            else
                list(sibling, "Half-Brother", "Half-Sister");
            if (sibling->spouse())
                list(sibling->spouse(), "Brother-in-Law", "Sister-in-Law");
            for (Sim *nephew : children(sibling)) {
                list(nephew, "Nephew", "Niece");
                for (Sim *grandnephew : children(nephew))
                    descendantLine(grandnephew, "Grandnephew", "Grandniece", Great);
            }
        }
    }

    void run()
    {
        if (Sim *spouse = focus->spouse().data()) {
            list(spouse, "Husband", "Wife");
            for (Sim *inLaw : {spouse->parent1().data(), spouse->parent2().data()}) {
                if (!inLaw)
                    continue;
                list(inLaw, "Father-in-Law", "Mother-in-Law");
                for (Sim *child : children(inLaw)) {
                    if (child != spouse)
                        list(child, "Brother-in-Law", "Sister-in-Law");
                }
            }
            for (Sim *child : children(spouse)) {
                if (!child->hasParent(focus))
                    list(child, "Step-Son", "Step-Daughter");
            }
        }
        for (Sim *child : children(focus)) {
            list(child, "Son", "Daughter");
            if (child->spouse())
                list(child->spouse(), "Son-in-Law", "Daughter-in-Law");
            for (Sim *grandchild : children(child))
                descendantLine(grandchild, "Grandson", "Granddaughter", Great);
        }
        if (focus->parent1())
            parentSide(focus->parent1());
        if (focus->parent2())
            parentSide(focus->parent2());
        QList<Sim *> grandparents;
        for (Sim *parent : {focus->parent1().data(), focus->parent2().data()}) {
            if (!parent)
                continue;
            for (Sim *grandparent : {parent->parent1().data(), parent->parent2().data()}) {
                if (grandparent)
                    grandparents.append(grandparent);
            }
        }
        for (Sim *grandparent : grandparents) {
            list(grandparent, "Grandfather", "Grandmother");
            for (Sim *uncle : children(grandparent)) {
                if (uncle == focus->parent1() || uncle == focus->parent2())
                    continue;
                list(uncle, "Uncle", "Aunt");
                if (uncle->spouse())
                    list(uncle->spouse(), "Uncle", "Aunt");
                for (Sim *cousin : children(uncle))
                    cousinLine(cousin, "First", 0);
            }
            for (Sim *ancestor : {grandparent->parent1().data(), grandparent->parent2().data()}) {
                if (ancestor)
                    ancestorLine(ancestor, "Grandfather", "Uncle", "Grandmother", "Aunt", 3,
                                 grandparent);
            }
        }
    }
};

} // namespace

QList<KinRow> literalFamilyOf(Sim *focus, bool livingOnly, bool playableOnly)
{
    if (!focus)
        return {};
    Literal walk{focus, livingOnly, playableOnly, {}};
    walk.run();
    return walk.rows;
}
