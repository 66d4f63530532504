// The sentence parser with sims: no sentence may crash or hang it, and it
// never touches a sim the sentence does not name, but for the two links that
// follow from the named sims': a former partner of a named sim that breaks up
// drops its link back, and the spouse of an adopting sim gains the adopted
// child, and a sim that one of them leaves lets go of it. Whatever it asks of
// the sheet names only the entry's sims. No name, household or major that a
// list line cannot hold reaches a sim or the sheet, no sim becomes its own
// ancestor, and every link stays held by both sides, so that the list file
// reads it back as it is.
#include "FuzzCheck.h"

#include "events/SentenceParser.h"
#include "records/FamilyLoop.h"
#include "records/ListFileText.h"
#include "records/Sim.h"
#include "support/LinkCheck.h"

#include <memory>
#include <vector>

namespace {

struct Snapshot
{
    QString line;
    Sim *spouse;
    Sim *parent1;
    Sim *parent2;
    QList<Sim *> children;

    explicit Snapshot(const Sim &sim)
        : line(sim.toString())
        , spouse(sim.spouse())
        , parent1(sim.parent1())
        , parent2(sim.parent2())
    {
        for (int i = 0; i < sim.childCount(); ++i)
            children << sim.child(i).data();
    }
};

bool storable(const QString &text)
{
    return ListFileText::fieldProblem(QString(), text).isEmpty();
}

class NamedOnly : public SentenceParser::SheetRequests
{
public:
    NamedOnly(const Sim *sim1, const Sim *sim2)
        : m_sim1(sim1)
        , m_sim2(sim2)
    {
    }

    void newSim(const QString &name, int, int, int, int, const QString &household, int,
                Sim *parent1, Sim *parent2) override
    {
        FUZZ_CHECK(named(parent1) && named(parent2), "a new sim's parent is not a named sim");
        FUZZ_CHECK(storable(name) && storable(household),
                   "a new sim's name or household cannot be stored");
    }
    void newTowniePair(const QString &parentName, int, const QString &babyName, int, int, int,
                       Sim *otherParent) override
    {
        FUZZ_CHECK(named(otherParent), "a townie's partner is not a named sim");
        FUZZ_CHECK(storable(parentName) && storable(babyName),
                   "a new townie's or baby's name cannot be stored");
    }
    void holdAllBut(Sim *sim, int) override
    {
        FUZZ_CHECK(sim && named(sim), "the sim spared from a hold is not a named sim");
    }
    void holdHousehold(const QString &, int) override {}
    void holdAllHouseholdsBut(const QString &, int) override {}
    void removeSim(Sim *) override { FUZZ_CHECK(false, "the parser asked to remove a sim"); }

private:
    bool named(const Sim *sim) const { return !sim || sim == m_sim1 || sim == m_sim2; }

    const Sim *m_sim1;
    const Sim *m_sim2;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    // The first byte says which of the entry's two sims are there, whether
    // Bob is Ann's father, and whether Fay is Bob's mother.
    const bool withSim1 = data[0] & 1;
    const bool withSim2 = data[0] & 2;
    const bool bobIsAnnsFather = data[0] & 4;
    const bool fayIsBobsMother = data[0] & 8;
    const QString sentence = QString::fromUtf8(Fuzz::bytes(data + 1, size - 1));

    std::vector<std::unique_ptr<Sim>> owned;
    const QStringList names{"Ann", "Bob", "Cat", "Dan", "Eve", "Fay"};
    SimList sheet;
    for (const QString &name : names) {
        owned.push_back(std::make_unique<Sim>());
        owned.back()->setName(name);
        owned.back()->setHousehold(name + QStringLiteral("s"));
        sheet << owned.back().get();
    }
    Sim *ann = owned[0].get();
    Sim *bob = owned[1].get();
    Sim *cat = owned[2].get();
    Sim *dan = owned[3].get();
    Sim *eve = owned[4].get();
    // Ann and Cat are married with a son, Bob is married to Eve.
    ann->setSpouse(cat);
    dan->setParents(ann, cat);
    bob->setSpouse(eve);
    if (bobIsAnnsFather)
        bob->addChild(ann);
    if (fayIsBobsMother)
        bob->setParents(owned[5].get(), nullptr);

    const QPointer<Sim> sim1 = withSim1 ? ann : nullptr;
    const QPointer<Sim> sim2 = withSim2 ? bob : nullptr;
    std::vector<Snapshot> before;
    for (const auto &sim : owned)
        before.emplace_back(*sim);

    // Several tests may act on one sentence: the adopting sim's spouse is the
    // one it had before any of them.
    const Sim *spouse1 = sim1 ? sim1->spouse().data() : nullptr;
    const Sim *spouse2 = sim2 ? sim2->spouse().data() : nullptr;

    NamedOnly requests(sim1, sim2);
    SentenceParser::carryOut(sentence, sim1, sim2, sheet, requests);

    for (const auto &sim : owned) {
        FUZZ_CHECK(storable(sim->name()) && storable(sim->household()) && storable(sim->major()),
                   "a sim holds a name, household or major that cannot be stored");
        for (const Sim *parent : {sim->parent1().data(), sim->parent2().data()})
            FUZZ_CHECK(!makesFamilyLoop(parent, sim.get()), "a sim is its own ancestor");
    }
    FUZZ_CHECK(oneSidedLinks(sheet).isEmpty(), "a link is held by one side only");
    FUZZ_CHECK(linksReadBackOtherwise(sheet).isEmpty(),
               "the family-link section reads back to other links");

    for (size_t i = 0; i < owned.size(); ++i) {
        const Sim *sim = owned[i].get();
        if (sim == sim1 || sim == sim2)
            continue;
        const Snapshot after(*sim);
        const Snapshot &was = before[i];
        FUZZ_CHECK(after.line == was.line, "a sim the sentence does not name changed");
        FUZZ_CHECK(after.parent1 == was.parent1 && after.parent2 == was.parent2,
                   "the parents of a sim the sentence does not name changed");
        // A named sim given other parents is let go by the ones it had; the
        // spouse of an adopting sim gains the adopted one.
        const bool spouseOfNamedSim = sim == spouse1 || sim == spouse2;
        const auto unnamed = [&](const QList<Sim *> &children) {
            QList<Sim *> out;
            for (Sim *child : children) {
                if (child != sim1 && child != sim2)
                    out << child;
            }
            return out;
        };
        bool childrenKept = unnamed(after.children) == unnamed(was.children);
        for (const Sim *child : after.children) {
            if (!was.children.contains(child))
                childrenKept = childrenKept && spouseOfNamedSim;
        }
        FUZZ_CHECK(childrenKept, "the children of a sim the sentence does not name changed");
        const bool letGoOfNamedSim
            = !after.spouse && was.spouse && (was.spouse == sim1 || was.spouse == sim2);
        FUZZ_CHECK(after.spouse == was.spouse || letGoOfNamedSim,
                   "the spouse of a sim the sentence does not name changed");
    }
    return 0;
}
