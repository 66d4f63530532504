#include "support/KinFamily.h"

#include <QRandomGenerator>
#include <QtTest>

namespace {
const int M = Gender::Male;
const int F = Gender::Female;
} // namespace

Sim *KinFamily::add(const QString &name, int gender, const QString &household)
{
    m_owned.push_back(std::make_unique<Sim>(name, 40, gender, 1, 0, true, 0, QString(), QString()));
    Sim *sim = m_owned.back().get();
    sim->setObjectName(name);
    sim->setHousehold(household);
    m_sims.append(sim);
    return sim;
}

Sim *KinFamily::child(const QString &name, int gender, Sim *first, Sim *second)
{
    Sim *sim = add(name, gender);
    sim->setParents(first, second);
    return sim;
}

void KinFamily::marry(Sim *a, Sim *b)
{
    a->setSpouse(b);
}

Sim *KinFamily::operator[](const QString &name) const
{
    for (const QPointer<Sim> &sim : m_sims) {
        if (sim->objectName() == name)
            return sim;
    }
    QTest::qFail(qPrintable(QStringLiteral("no sim named ") + name), __FILE__, __LINE__);
    return nullptr;
}

void KinFamily::buildEgoFamily()
{
    // Great-great-grandparents and their line.
    Sim *gggpa = add("GGGpa", M);
    Sim *gggma = add("GGGma", F);
    marry(gggpa, gggma);
    Sim *ggpa = child("GGpa", M, gggpa, gggma);
    Sim *ggUncle = child("GGUncle", M, gggpa, gggma);
    Sim *rue = child("Rue", F, ggUncle, nullptr);
    Sim *roy = child("Roy", M, rue, nullptr);
    Sim *rex = child("Rex", M, roy, nullptr);
    child("Ray", M, rex, nullptr)->setHousehold("Townies and Dormies");

    // Great-grandparents and their line.
    Sim *ggma = add("GGma", F);
    marry(ggpa, ggma);
    Sim *gramps = child("Gramps", M, ggpa, ggma);
    gramps->die(0);
    Sim *gUncle = child("GUncle", M, ggpa, ggma);
    child("GAunt", F, ggpa, ggma);
    Sim *gUwife = add("GUwife", F);
    marry(gUncle, gUwife);
    Sim *kit = child("Kit", M, gUncle, gUwife);
    Sim *kip = child("Kip", M, kit, nullptr);
    child("Kim", F, kip, nullptr)->setHousehold("At Large");

    // Grandparents, uncles, aunts and first cousins.
    Sim *gran = add("Gran", F);
    marry(gramps, gran);
    Sim *dad = child("Dad", M, gramps, gran);
    Sim *unc = child("Unc", M, gramps, gran);
    Sim *aubrey = add("Aubrey", F);
    marry(unc, aubrey);
    Sim *cuz = child("Cuz", M, unc, aubrey);
    Sim *cuzKid = child("Cuzkid", F, cuz, nullptr);
    Sim *cuzGrandkid = child("Cuzgk", M, cuzKid, nullptr);
    child("Cuzggk", F, cuzGrandkid, nullptr);
    Sim *opa = add("Opa", M);
    Sim *oma = add("Oma", F);
    marry(opa, oma);
    Sim *mom = child("Mom", F, opa, oma);
    Sim *tia = child("Tia", F, opa, oma);
    marry(tia, add("Tio", M));

    // Parents, step-parents, siblings, nephews and nieces.
    Sim *ego = child("Ego", M, dad, mom);
    Sim *stepma = add("Stepma", F);
    marry(dad, stepma);
    Sim *stepdad = add("Stepdad", M);
    marry(mom, stepdad);
    Sim *bro = child("Bro", M, dad, mom);
    Sim *sis = child("Sis", F, dad, mom);
    child("Halfbro", M, dad, stepma);
    child("Halfsis", F, mom, stepdad);
    Sim *bella = add("Bella", F);
    marry(bro, bella);
    marry(sis, add("Ben", M));
    Sim *ned = child("Ned", M, bro, bella);
    Sim *nia = child("Nia", F, bro, bella);
    Sim *gnat = child("Gnat", M, ned, nullptr);
    child("Gnia", Gender::Unset, nia, nullptr);
    child("Ggnat", M, gnat, nullptr);

    // Spouse, in-laws and step-children.
    Sim *fergus = add("Fergus", M);
    Sim *maud = add("Maud", F);
    marry(fergus, maud);
    Sim *wendy = child("Wendy", F, fergus, maud);
    child("Bert", M, fergus, maud);
    child("Sally", F, fergus, maud);
    marry(ego, wendy);
    Sim *xavier = add("Xavier", M);
    child("Stan", M, wendy, xavier);
    child("Stella", F, wendy, xavier);

    // Children and their descendants.
    Sim *sonny = child("Sonny", M, ego, wendy);
    Sim *dottie = child("Dottie", F, ego, wendy);
    Sim *dina = add("Dina", F);
    marry(sonny, dina);
    Sim *sid = add("Sid", M);
    marry(dottie, sid);
    Sim *gus = child("Gus", M, sonny, dina);
    child("Gina", F, dottie, sid);
    Sim *gil = child("Gil", M, gus, nullptr);
    child("Gwen", F, gil, nullptr);
}

QList<QPair<QString, QString>> KinFamily::egoRelatives()
{
    return {
        {"Wendy", "Wife"},
        {"Fergus", "Father-in-Law"},
        {"Maud", "Mother-in-Law"},
        {"Bert", "Brother-in-Law"},
        {"Sally", "Sister-in-Law"},
        {"Stan", "Step-Son"},
        {"Stella", "Step-Daughter"},
        {"Sonny", "Son"},
        {"Dottie", "Daughter"},
        {"Dina", "Daughter-in-Law"},
        {"Sid", "Son-in-Law"},
        {"Gus", "Grandson"},
        {"Gina", "Granddaughter"},
        {"Gil", "Great-Grandson"},
        {"Gwen", "Great-Great-Granddaughter"},
        {"Dad", "Father"},
        {"Mom", "Mother"},
        {"Stepma", "Step-Mother"},
        {"Stepdad", "Step-Father"},
        {"Bro", "Brother"},
        {"Sis", "Sister"},
        {"Halfbro", "Half-Brother"},
        {"Halfsis", "Half-Sister"},
        {"Bella", "Sister-in-Law"},
        {"Ben", "Brother-in-Law"},
        {"Ned", "Nephew"},
        {"Nia", "Niece"},
        {"Gnat", "Grandnephew"},
        {"Gnia", "Grandniece"},
        {"Ggnat", "Great-Grandnephew"},
        {"Gramps", "Grandfather"},
        {"Gran", "Grandmother"},
        {"Opa", "Grandfather"},
        {"Oma", "Grandmother"},
        {"Unc", "Uncle"},
        {"Aubrey", "Aunt"},
        {"Tia", "Aunt"},
        {"Tio", "Uncle"},
        {"Cuz", "First Cousin"},
        {"Cuzkid", "First Cousin, Once Removed"},
        {"Cuzgk", "First Cousin, Twice Removed"},
        {"Cuzggk", "First Cousin, Three Times Removed"},
        {"GGpa", "Great-Grandfather"},
        {"GGma", "Great-Grandmother"},
        {"GUncle", "Great-Uncle"},
        {"GAunt", "Great-Aunt"},
        {"Kit", "First Cousin, Once Removed"},
        {"Kip", "Second Cousin"},
        {"Kim", "Second Cousin, Once Removed"},
        {"GGGpa", "Great-Great-Grandfather"},
        {"GGGma", "Great-Great-Grandmother"},
        {"GGUncle", "Great-Great-Uncle"},
        {"Rue", "First Cousin, Twice Removed"},
        {"Roy", "Second Cousin, Once Removed"},
        {"Rex", "Third Cousin"},
        {"Ray", "Third Cousin, Once Removed"},
    };
}

void KinFamily::buildPedigree(int generations)
{
    Sim *father = nullptr;
    Sim *mother = nullptr;
    for (int g = 0; g < generations; ++g) {
        Sim *adam = child(QStringLiteral("Adam %1").arg(g), M, father, mother);
        Sim *eve = child(QStringLiteral("Eve %1").arg(g), F, father, mother);
        marry(adam, eve);
        father = adam;
        mother = eve;
    }
}

void KinFamily::buildRandomFamily(quint32 seed, int size)
{
    QRandomGenerator random(seed);
    const QStringList households{"Lark", "Lark", "At Large", "Townies and Dormies"};
    auto chance = [&random](int percent) { return int(random.bounded(100)) < percent; };
    auto earlier = [&](int before) -> Sim * {
        return before > 0 ? m_sims.at(int(random.bounded(before))).data() : nullptr;
    };
    const int first = int(m_sims.size());
    for (int i = 0; i < size; ++i) {
        const int gender = chance(10) ? Gender::Unset : (chance(50) ? M : F);
        Sim *sim = add(QStringLiteral("R%1").arg(first + i), gender,
                       households.at(int(random.bounded(int(households.size())))));
        if (chance(10))
            sim->die(0);
        Sim *p1 = chance(75) ? earlier(first + i) : nullptr;
        Sim *p2 = chance(65) ? earlier(first + i) : nullptr;
        if (p1 || p2)
            sim->setParents(p1, p2 == p1 ? nullptr : p2);
        if (chance(40)) {
            Sim *partner = earlier(first + i);
            if (partner)
                marry(sim, partner);
        }
    }
    // Links kept on one side only, as old list files and edits leave them.
    for (int i = 0; i < size / 4; ++i) {
        Sim *sim = m_sims.at(first + int(random.bounded(size)));
        switch (random.bounded(3)) {
        case 0:
            sim->removeChild(int(random.bounded(qMax(1, sim->childCount()))));
            break;
        case 1:
            sim->clearParent1();
            break;
        default:
            sim->clearSpouse();
            break;
        }
    }
}
