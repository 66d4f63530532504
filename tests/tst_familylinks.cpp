#include "records/Sim.h"

#include <QRandomGenerator>
#include <QtTest>

#include <memory>
#include <vector>

namespace {

// Owns a few records for one test and hands them out as a SimList.
struct Family
{
    std::vector<std::unique_ptr<Sim>> owned;
    SimList list;

    explicit Family(int count)
    {
        for (int i = 0; i < count; ++i)
            add(QStringLiteral("Sim %1").arg(i));
    }
    Sim *add(const QString &name, int nid = -1)
    {
        owned.push_back(std::make_unique<Sim>(name, 40, 1, 1, 0, true, 0, "", ""));
        owned.back()->setNid(nid);
        list << owned.back().get();
        return owned.back().get();
    }
    Sim *operator[](int i) const { return list.at(i); }
};

QList<Sim *> childrenOf(const Sim *sim)
{
    QList<Sim *> children;
    for (int i = 0; sim->child(i); ++i)
        children << sim->child(i).data();
    return children;
}

// Sim::dropOneSidedLinks as it was first written, through the public
// members: each sim in list order lets go of a spouse that names another, of
// the children that do not name it, and of the parents that do not list it,
// searching each parent's children for it.
void dropOneSidedLinksBySearching(const SimList &list)
{
    const auto lists = [](const Sim *parent, const Sim *child) {
        for (int i = 0; i < parent->childCount(); ++i) {
            if (parent->child(i) == child)
                return true;
        }
        return false;
    };
    for (const QPointer<Sim> &sim : list) {
        if (!sim)
            continue;
        if (sim->spouse() && sim->spouse()->spouse() != sim)
            sim->clearSpouse();
        for (int i = sim->childCount() - 1; i >= 0; --i) {
            const QPointer<Sim> child = sim->child(i);
            if (!child || !child->hasParent(sim))
                sim->removeChild(i);
        }
        if (sim->parent1() && !lists(sim->parent1(), sim))
            sim->clearParent1();
        if (sim->parent2() && !lists(sim->parent2(), sim))
            sim->clearParent2();
    }
}

// Every link of every sim of a list, by position in it.
QStringList linksOf(const SimList &list)
{
    const auto at = [&](const Sim *sim) {
        return sim ? QString::number(list.indexOf(const_cast<Sim *>(sim))) : QStringLiteral("-");
    };
    QStringList links;
    for (const QPointer<Sim> &sim : list) {
        QStringList children;
        for (int i = 0; i < sim->childCount(); ++i)
            children << at(sim->child(i));
        links << at(sim->spouse()) + ';' + at(sim->parent1()) + ';' + at(sim->parent2()) + ';'
                + children.join(',');
    }
    return links;
}

// A list of `count` sims whose family-link lines, drawn from `seed`, give
// many links one side alone holds: spouses naming sims married to others,
// children listed by three sims or more, among them a few parents of many
// children listed before and after them; then some parents let go of a
// child, and some children of a parent, as an older program left them. A
// few sims stand twice in the list.
struct OlderFamily : Family
{
    OlderFamily(int count, quint32 seed)
        : Family(count)
    {
        QRandomGenerator random(seed);
        const auto position = [&] { return int(random.bounded(count)); };
        for (int i = 0; i < count; ++i) {
            QStringList parts{random.bounded(2) ? QString::number(position()) : "-1"};
            const int children = random.bounded(20) == 0 ? 20 + int(random.bounded(150))
                                                         : int(random.bounded(4));
            for (int c = 0; c < children; ++c)
                parts << QString::number(position());
            list.at(i)->familyLinksFromString(parts.join(','), list);
        }
        for (int k = 0; k < count / 4; ++k) {
            Sim *sim = list.at(position());
            switch (random.bounded(3)) {
            case 0:
                if (sim->childCount() > 0)
                    sim->removeChild(int(random.bounded(sim->childCount())));
                break;
            case 1:
                sim->clearParent1();
                break;
            default:
                sim->clearParent2();
            }
        }
        for (int k = 0; k < 5; ++k)
            list << list.at(position());
    }
};

} // namespace

// Parents, children and spouses, the re-import merge, and the family-link
// line that stores them in the list file.
class TestFamilyLinks : public QObject
{
    Q_OBJECT

private slots:
    void spouse()
    {
        Family f(3);
        f[0]->setSpouse(f[1]);
        QCOMPARE(f[0]->spouse().data(), f[1]);
        QCOMPARE(f[1]->spouse().data(), f[0]);
        // A new marriage lets the former spouse go, or the list file would
        // bring that marriage back.
        f[0]->setSpouse(f[2]);
        QCOMPARE(f[0]->spouse().data(), f[2]);
        QCOMPARE(f[2]->spouse().data(), f[0]);
        QVERIFY(!f[1]->spouse());
        // The partner's former spouse lets go too.
        f[1]->setSpouse(f[2]);
        QCOMPARE(f[2]->spouse().data(), f[1]);
        QVERIFY(!f[0]->spouse());
        // Clearing is one side only.
        f[1]->clearSpouse();
        QVERIFY(!f[1]->spouse());
        QCOMPARE(f[2]->spouse().data(), f[1]);
        f[0]->setSpouse(nullptr);
        QVERIFY(!f[0]->spouse());
    }

    void setParents()
    {
        Family f(3);
        Sim *baby = f[2];
        baby->setParents(f[0], f[1]);
        QCOMPARE(baby->parent1().data(), f[0]);
        QCOMPARE(baby->parent2().data(), f[1]);
        QCOMPARE(childrenOf(f[0]), QList<Sim *>{baby});
        QCOMPARE(childrenOf(f[1]), QList<Sim *>{baby});
        baby->setParents(f[0], f[1]);
        baby->setParents(nullptr, nullptr);
        QCOMPARE(f[0]->childCount(), 1);
        QCOMPARE(baby->parent1().data(), f[0]);
        QVERIFY(baby->hasParent(f[1]));
        QVERIFY(!baby->hasParent(nullptr));
    }

    // One sim is never both parents: the list file lists the child once, so
    // it would reopen as one parent. Sims by position: 0 P, 1 Q, 2 the
    // child; -1 for none. The child starts with the parents `was1` and
    // `was2`, then setParents(`give1`, `give2`).
    void setParentsKeepsEachSimInOnePlace_data()
    {
        QTest::addColumn<int>("was1");
        QTest::addColumn<int>("was2");
        QTest::addColumn<int>("give1");
        QTest::addColumn<int>("give2");
        QTest::addColumn<int>("now1");
        QTest::addColumn<int>("now2");
        // How often P and Q list the child afterwards.
        QTest::addColumn<QList<int>>("listedBy");
        QTest::newRow("second parent set first")
            << -1 << 0 << 0 << -1 << 0 << -1 << QList<int>{1, 0};
        QTest::newRow("first parent set second")
            << 0 << -1 << -1 << 0 << -1 << 0 << QList<int>{1, 0};
        QTest::newRow("second parent set first, first replaced")
            << 1 << 0 << 0 << -1 << 0 << -1 << QList<int>{1, 0};
        QTest::newRow("first parent set second, second replaced")
            << 0 << 1 << -1 << 0 << -1 << 0 << QList<int>{1, 0};
        QTest::newRow("one sim for both places")
            << -1 << -1 << 0 << 0 << 0 << -1 << QList<int>{1, 0};
        QTest::newRow("one sim for both places, another second")
            << -1 << 1 << 0 << 0 << 0 << 1 << QList<int>{1, 1};
        QTest::newRow("one sim for both places, that sim second")
            << 1 << 0 << 0 << 0 << 0 << -1 << QList<int>{1, 0};
        QTest::newRow("parents swapped") << 0 << 1 << 1 << 0 << 1 << 0 << QList<int>{1, 1};
        QTest::newRow("the same parents again") << 0 << 1 << 0 << 1 << 0 << 1 << QList<int>{1, 1};
    }
    void setParentsKeepsEachSimInOnePlace()
    {
        QFETCH(int, was1);
        QFETCH(int, was2);
        QFETCH(int, give1);
        QFETCH(int, give2);
        QFETCH(int, now1);
        QFETCH(int, now2);
        QFETCH(QList<int>, listedBy);
        Family f(3);
        Sim *kid = f[2];
        const auto sim = [&](int at) { return at < 0 ? nullptr : f[at]; };
        kid->setParents(sim(was1), nullptr);
        kid->setParents(nullptr, sim(was2));
        QCOMPARE(kid->parent1().data(), sim(was1));
        QCOMPARE(kid->parent2().data(), sim(was2));

        kid->setParents(sim(give1), sim(give2));
        QCOMPARE(kid->parent1().data(), sim(now1));
        QCOMPARE(kid->parent2().data(), sim(now2));
        QCOMPARE(QList<int>({int(childrenOf(f[0]).count(kid)), int(childrenOf(f[1]).count(kid))}),
                 listedBy);
    }

    void addChild()
    {
        Family f(5);
        Sim *mother = f[0], *father = f[1], *kid = f[2], *other = f[3], *stepKid = f[4];
        mother->setSpouse(father);
        mother->addChild(kid);
        mother->addChild(kid);
        QCOMPARE(kid->parent1().data(), mother);
        QCOMPARE(kid->parent2().data(), father);
        QCOMPARE(childrenOf(mother), QList<Sim *>{kid});
        QCOMPARE(childrenOf(father), QList<Sim *>{kid});

        stepKid->setParents(other, nullptr);
        QVERIFY(stepKid->hasParent(nullptr));
        mother->addChild(stepKid);
        QCOMPARE(stepKid->parent1().data(), other);
        QCOMPARE(stepKid->parent2().data(), mother);
        QCOMPARE(childrenOf(father), QList<Sim *>{kid});
    }

    void removeChild()
    {
        Family f(2);
        f[0]->addChild(f[1]);
        f[0]->removeChild(5);
        f[0]->removeChild(-1);
        QCOMPARE(f[0]->childCount(), 1);
        f[0]->removeChild(0);
        QCOMPARE(f[0]->childCount(), 0);
        QCOMPARE(f[1]->parent1().data(), f[0]);
        QVERIFY(!f[0]->child(-1));
        QVERIFY(!f[0]->child(0));
    }

    // No sim becomes its own spouse, parent or child.
    void noLinkToItself()
    {
        Family f(2);
        f[0]->setSpouse(f[0]);
        f[0]->addChild(f[0]);
        f[0]->setParents(f[0], f[0]);
        QVERIFY(!f[0]->spouse());
        QCOMPARE(f[0]->childCount(), 0);
        QVERIFY(!f[0]->parent1());
        QVERIFY(!f[0]->parent2());
    }

    void copyFromMapsRelativesByNid()
    {
        Family sheet(0);
        Sim *target = sheet.add("Old Name", 5);
        Sim *sheetMum = sheet.add("Mum", 12);
        Sim *sheetMumTwin = sheet.add("Mum again", 12);
        Sim *sheetKid = sheet.add("Kid", 20);
        Sim *nobody = sheet.add("No number", -1);
        target->setSpouse(nobody);
        target->setHold(2);
        target->setNotes("kept");

        Family import(0);
        Sim *other = import.add("New Name", 5);
        Sim *mum = import.add("Imported Mum", 12);
        Sim *stranger = import.add("Stranger", 99);
        Sim *noNid = import.add("Unnumbered", -1);
        Sim *kid = import.add("Imported Kid", 20);
        other->setParents(mum, stranger);
        other->addChild(kid);
        other->addChild(noNid);
        other->setAge(50);
        other->setHousehold("Newhouse");
        other->setSpeciesCode(512);
        other->setSemester(3);
        other->setGender(2);
        other->setInCollegeFlag(true);
        other->setMajorText("Art");
        other->die(2);

        target->copyFrom(other, sheet.list);
        QCOMPARE(target->parent1().data(), sheetMum);
        QCOMPARE(target->parent2().data(), stranger);
        // Children are taken where they name the sim: the sheet's Kid names
        // no parent, so taking him would list him on one side only.
        QCOMPARE(childrenOf(target), QList<Sim *>{});
        QVERIFY(!sheetKid->parent1());
        QCOMPARE(childrenOf(sheetMum), QList<Sim *>{target});
        QCOMPARE(childrenOf(sheetMumTwin), QList<Sim *>{});
        // A record without a spouse ends no marriage.
        QCOMPARE(target->spouse().data(), nobody);
        QCOMPARE(nobody->spouse().data(), target);
        QCOMPARE(target->name(), QString("New Name"));
        QCOMPARE(target->age(), 50);
        QCOMPARE(target->household(), QString("Newhouse"));
        QCOMPARE(target->species(), 512);
        QCOMPARE(target->semester(), 3);
        QCOMPARE(target->gender(), 2);
        QVERIFY(target->isInCollege());
        QCOMPARE(target->major(), QString("Art"));
        QVERIFY(!target->isAlive());
        QCOMPARE(target->nid(), 5);
        QCOMPARE(target->hold(), 2);
        QCOMPARE(target->notes(), QString("kept"));
        QCOMPARE(target->ghostColor(), 7);
        QCOMPARE(other->childCount(), 2);
        QCOMPARE(other->name(), QString("New Name"));
    }

    // The parents the merge sets list the sim as their child, so the links
    // survive the list file, which stores parents only through children.
    void copyFromParentsSurviveSaveAndOpen()
    {
        Family sheet(0);
        Sim *target = sheet.add("Target", 5);
        Sim *mum = sheet.add("Mum", 12);
        Sim *dad = sheet.add("Dad", 13);
        Family import(0);
        Sim *other = import.add("Target", 5);
        other->setParents(import.add("Mum", 12), import.add("Dad", 13));

        target->copyFrom(other, sheet.list);
        QCOMPARE(childrenOf(mum), QList<Sim *>{target});
        QCOMPARE(childrenOf(dad), QList<Sim *>{target});

        Family reopened(3);
        for (int i = 0; i < 3; ++i)
            reopened[i]->familyLinksFromString(sheet[i]->familyLinksToString(sheet.list),
                                               reopened.list);
        QCOMPARE(reopened[0]->parent1().data(), reopened[1]);
        QCOMPARE(reopened[0]->parent2().data(), reopened[2]);

        // A second merge adds no second entry.
        target->copyFrom(other, sheet.list);
        QCOMPARE(mum->childCount(), 1);
    }

    // The imported wants belong to the new current period; the earlier
    // periods keep their own.
    void copyFromOpensPeriodWithImportedWants()
    {
        Family sheet(0);
        Sim *target = sheet.add("Target", 5);
        target->setAspiration(1, 2);
        target->setLifetimeWant(0, 0, "Old want", 1, 4);
        Family import(0);
        Sim *other = import.add("Target", 5);
        other->setAspiration(3, 6);
        other->setLifetimeWant(0, 0, "New want", 2, 7);
        other->setLifetimeWant(0, 1, "Second new want", 0, 3);

        target->copyFrom(other, sheet.list);
        QCOMPARE(target->periodCount(), 2);
        QCOMPARE(target->aspiration(0), 1);
        QCOMPARE(target->secondaryAspiration(0), 2);
        QCOMPARE(target->lifetimeWant(0, 0), QString("Old want"));
        QCOMPARE(target->lifetimeWantSteps(0, 0), 4);
        QCOMPARE(target->aspiration(), 3);
        QCOMPARE(target->secondaryAspiration(), 6);
        QCOMPARE(target->lifetimeWantCount(-1), 2);
        QCOMPARE(target->lifetimeWant(1, 0), QString("New want"));
        QCOMPARE(target->lifetimeWantStepsDone(1, 0), 2);
        QCOMPARE(target->lifetimeWant(1, 1), QString("Second new want"));
        QCOMPARE(target->lifetimeWantSteps(1, 1), 3);

        Sim back(nullptr);
        back.fromString(target->toString(), 4);
        QCOMPARE(back.toString(), target->toString());
    }

    void copyFromNeverLinksToItself()
    {
        Family sheet(0);
        Sim *target = sheet.add("Target", 5);
        Family import(0);
        Sim *other = import.add("Target", 5);
        Sim *twin = import.add("Same number", 5);
        other->setSpouse(twin);
        other->addChild(twin);
        target->copyFrom(other, sheet.list);
        QVERIFY(!target->spouse());
        QCOMPARE(target->childCount(), 0);
        target->copyFrom(target, sheet.list);
        QCOMPARE(target->periodCount(), 2);
    }

    void writesFamilyLinks()
    {
        Family f(8);
        f[0]->setSpouse(f[3]);
        f[0]->addChild(f[5]);
        f[0]->addChild(f[7]);
        QCOMPARE(f[0]->familyLinksToString(f.list), QString("3,5,7"));
        QCOMPARE(f[1]->familyLinksToString(f.list), QString("-1"));

        Family outside(1);
        f[1]->addChild(outside[0]);
        QCOMPARE(f[1]->familyLinksToString(f.list), QString("-1"));
        // A sim that stands twice in the list is named at both places.
        SimList twice = f.list;
        twice << f[5] << f[3];
        QCOMPARE(f[0]->familyLinksToString(twice), QString("9,5,8,7"));
    }

    void familyRoundTrip()
    {
        Family f(3);
        f[0]->setSpouse(f[1]);
        f[0]->addChild(f[2]);
        const QStringList lines{f[0]->familyLinksToString(f.list),
                                f[1]->familyLinksToString(f.list),
                                f[2]->familyLinksToString(f.list)};
        QCOMPARE(lines, (QStringList{"1,2", "0,2", "-1"}));

        Family g(3);
        for (int i = 0; i < 3; ++i)
            g[i]->familyLinksFromString(lines.at(i), g.list);
        QCOMPARE(g[0]->spouse().data(), g[1]);
        QCOMPARE(g[1]->spouse().data(), g[0]);
        QCOMPARE(g[2]->parent1().data(), g[0]);
        QCOMPARE(g[2]->parent2().data(), g[1]);
        QCOMPARE(childrenOf(g[0]), QList<Sim *>{g[2]});
        QCOMPARE(childrenOf(g[1]), QList<Sim *>{g[2]});
        for (int i = 0; i < 3; ++i)
            QCOMPARE(g[i]->familyLinksToString(g.list), lines.at(i));
    }

    // A line gives its own sim's links and nothing more: the mother's line
    // without the child leaves her without it, and the father's spouse is
    // not made the child's parent.
    void aLineGivesOnlyItsOwnLinks()
    {
        Family f(3);
        f[0]->familyLinksFromString("1,2", f.list);
        f[1]->familyLinksFromString("-1", f.list);
        f[2]->familyLinksFromString("-1", f.list);
        QCOMPARE(f[0]->spouse().data(), f[1]);
        QVERIFY(!f[1]->spouse());
        QCOMPARE(childrenOf(f[1]), QList<Sim *>{});
        QCOMPARE(f[2]->parent1().data(), f[0]);
        QVERIFY(!f[2]->parent2());
    }

    void childOfTwoHouseholds()
    {
        // A (0) is married to D (1); the child (3) is A's and B's (2).
        Family f(4);
        f[0]->familyLinksFromString("1,3", f.list);
        f[1]->familyLinksFromString("0", f.list);
        f[2]->familyLinksFromString("-1,3", f.list);
        QCOMPARE(f[3]->parent1().data(), f[0]);
        QCOMPARE(f[3]->parent2().data(), f[2]);
        QCOMPARE(childrenOf(f[1]), QList<Sim *>{});
        QCOMPARE(childrenOf(f[2]), QList<Sim *>{f[3]});
    }

    // Families as the program makes them come back from their lines exactly:
    // reading guessed links before, so a save and reopen gave a stepchild
    // its step-parent as a parent and a remarried sim its former spouse.
    void reopenedFamilyKeepsEveryLink_data()
    {
        QTest::addColumn<int>("family");
        QTest::newRow("child born before the marriage") << 0;
        QTest::newRow("remarried, the former spouse still naming the sim") << 1;
        QTest::newRow("half siblings in two households") << 2;
        QTest::newRow("parents listed after their child") << 3;
    }
    void reopenedFamilyKeepsEveryLink()
    {
        QFETCH(int, family);
        Family f(5);
        switch (family) {
        case 0: // Sue (2) is Ada's (0) alone; Ada then married Zoe (1).
            f[2]->setParents(f[0], nullptr);
            f[0]->setSpouse(f[1]);
            break;
        case 1: // Ann (0) married Cat (1), then Bob (2).
            f[0]->setSpouse(f[1]);
            f[0]->setSpouse(f[2]);
            f[3]->setParents(f[0], f[1]);
            break;
        case 2: // Dan (0) has a child with Eve (1) and one with Fay (2).
            f[0]->setSpouse(f[2]);
            f[3]->setParents(f[0], f[1]);
            f[4]->setParents(f[0], f[2]);
            break;
        case 3: // The parents stand at the end of the list.
            f[3]->setSpouse(f[4]);
            f[0]->setParents(f[3], f[4]);
            f[1]->setParents(f[3], f[4]);
            break;
        }
        QStringList lines;
        for (int i = 0; i < 5; ++i)
            lines << f[i]->familyLinksToString(f.list);

        Family g(5);
        for (int i = 0; i < 5; ++i)
            g[i]->familyLinksFromString(lines.at(i), g.list);
        auto position = [](const Family &in, const Sim *sim) {
            return sim ? int(in.list.indexOf(const_cast<Sim *>(sim))) : -1;
        };
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(g[i]->familyLinksToString(g.list), lines.at(i));
            QCOMPARE(position(g, g[i]->spouse()), position(f, f[i]->spouse()));
            QCOMPARE(position(g, g[i]->parent1()), position(f, f[i]->parent1()));
            QCOMPARE(position(g, g[i]->parent2()), position(f, f[i]->parent2()));
        }
    }

    // A list saved before marriages and adoptions let former relatives go
    // may hold links that one side alone holds. Once the section is read
    // they are let go, and the links both sides hold stay as they read.
    void oneSidedLinksOfAnOlderListLetGo()
    {
        // Ann (0) is married to Bob (1), and Cat (2) still names Ann; Kit (3)
        // is listed by all three; Dee (4) names Eve (5), who names no one.
        const QStringList lines{"1,3", "0,3", "0,3", "-1", "5", "-1"};
        Family f(6);
        for (int i = 0; i < 6; ++i)
            f[i]->familyLinksFromString(lines.at(i), f.list);
        Sim::dropOneSidedLinks(f.list);
        QCOMPARE(f[0]->spouse().data(), f[1]);
        QCOMPARE(f[1]->spouse().data(), f[0]);
        QVERIFY(!f[2]->spouse());
        QCOMPARE(f[3]->parent1().data(), f[0]);
        QCOMPARE(f[3]->parent2().data(), f[1]);
        QCOMPARE(childrenOf(f[0]), QList<Sim *>{f[3]});
        QCOMPARE(childrenOf(f[1]), QList<Sim *>{f[3]});
        QCOMPARE(childrenOf(f[2]), QList<Sim *>{});
        QVERIFY(!f[4]->spouse());
        QVERIFY(!f[5]->spouse());
    }

    // A parent of many children is looked up in a set of them rather than
    // searched: the links let go are the same as by searching, in every
    // order of parents and children in the list.
    void oneSidedLinksOfLargeFamiliesLetGo()
    {
        for (quint32 seed = 1; seed <= 20; ++seed) {
            OlderFamily searched(300, seed);
            OlderFamily looked(300, seed);
            const QStringList before = linksOf(looked.list);
            QCOMPARE(linksOf(searched.list), before);
            dropOneSidedLinksBySearching(searched.list);
            Sim::dropOneSidedLinks(looked.list);
            QCOMPARE(linksOf(looked.list), linksOf(searched.list));
            QVERIFY(linksOf(looked.list) != before);
        }
        // One parent of 40 children, listed after them; the first three are
        // also listed by two sims before it, and name those two.
        Family f(43);
        for (int i = 0; i < 2; ++i)
            f[40 + i]->familyLinksFromString("-1,0,1,2", f.list);
        QStringList parts{"-1"};
        for (int c = 0; c < 40; ++c)
            parts << QString::number(c);
        f[42]->familyLinksFromString(parts.join(','), f.list);
        f[5]->clearParent1();
        Sim::dropOneSidedLinks(f.list);
        QList<Sim *> kept;
        for (int c = 3; c < 40; ++c) {
            if (c != 5)
                kept << f[c];
            QCOMPARE(f[c]->parent1().data(), c == 5 ? nullptr : f[42]);
            QVERIFY(!f[c]->parent2());
        }
        QCOMPARE(childrenOf(f[42]), kept);
        for (int c = 0; c < 3; ++c) {
            QCOMPARE(f[c]->parent1().data(), f[40]);
            QCOMPARE(f[c]->parent2().data(), f[41]);
        }
    }

    // Parts that name no sim of the list, or the sim itself, are skipped,
    // and said: -1 is "no spouse" and names no sim on purpose. Parts that
    // are not numbers in the form the writer writes are skipped too, and the
    // read says so: "-0" must not name the first sim, nor "01" the second.
    void badParts_data()
    {
        QTest::addColumn<int>("self");
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("spouse");
        QTest::addColumn<QList<int>>("children");
        // Whether the line names the sim itself as spouse or child.
        QTest::addColumn<bool>("ownSpouse");
        QTest::addColumn<bool>("ownChild");
        // The parts naming a position the list does not hold.
        QTest::addColumn<QString>("noSimSpouse");
        QTest::addColumn<QStringList>("noSimChildren");
        // Whether every part was a number in the written form.
        QTest::addColumn<bool>("numbers");
        const QStringList none;
        QTest::newRow("spouse past the end")
            << 0 << "5" << -1 << QList<int>{} << false << false << "5" << none << true;
        QTest::newRow("spouse -2") << 0 << "-2,1" << -1 << QList<int>{1} << false << false << "-2"
                                   << none << true;
        QTest::newRow("children out of range")
            << 0 << "-1,9,1,-3,5" << -1 << QList<int>{1} << false << false << ""
            << QStringList{"9", "-3", "5"} << true;
        QTest::newRow("child -1") << 0 << "-1,-1,2" << -1 << QList<int>{2} << false << false << ""
                                  << none << true;
        QTest::newRow("empty part") << 0 << "-1,,4" << -1 << QList<int>{4} << false << false << ""
                                    << none << false;
        QTest::newRow("words") << 0 << "x,y,3" << -1 << QList<int>{3} << false << false << ""
                               << none << false;
        QTest::newRow("empty line") << 2 << "" << -1 << QList<int>{} << false << false << ""
                                    << none << false;
        QTest::newRow("own spouse") << 2 << "2,1" << -1 << QList<int>{1} << true << false << ""
                                    << none << true;
        QTest::newRow("own child") << 2 << "3,2,4" << 3 << QList<int>{4} << false << true << ""
                                   << none << true;
        QTest::newRow("huge number")
            << 0 << "99999999999,1" << -1 << QList<int>{1} << false << false << "" << none << false;
        QTest::newRow("blanks") << 0 << " 2, 3" << -1 << QList<int>{} << false << false << ""
                                << none << false;
        QTest::newRow("trailing blanks") << 0 << "2 ,3 ,4" << -1 << QList<int>{4} << false << false
                                         << "" << none << false;
        QTest::newRow("child -0") << 2 << "-1,-0,3" << -1 << QList<int>{3} << false << false << ""
                                  << none << false;
        QTest::newRow("spouse 01") << 2 << "01,3" << -1 << QList<int>{3} << false << false << ""
                                   << none << false;
        QTest::newRow("spouse -0, child 01")
            << 3 << "-0,01,4" << -1 << QList<int>{4} << false << false << "" << none << false;
        QTest::newRow("plus signs") << 0 << "+1,+2,3" << -1 << QList<int>{3} << false << false << ""
                                    << none << false;
        QTest::newRow("spouse -01") << 0 << "-01,2" << -1 << QList<int>{2} << false << false << ""
                                    << none << false;
        QTest::newRow("repeated child")
            << 0 << "-1,3,3" << -1 << QList<int>{3} << false << false << "" << none << true;
        QTest::newRow("repeated children apart")
            << 0 << "2,3,1,3,4,1,4" << 2 << QList<int>{3, 1, 4} << false << false << "" << none
            << true;
    }
    void badParts()
    {
        QFETCH(int, self);
        QFETCH(QString, line);
        QFETCH(int, spouse);
        QFETCH(QList<int>, children);
        Family f(5);
        Sim::SkippedLinks skipped;
        QTEST(f[self]->familyLinksFromString(line, f.list, &skipped), "numbers");
        QTEST(skipped.ownSpouse, "ownSpouse");
        QTEST(skipped.ownChild, "ownChild");
        QTEST(skipped.spouseNamingNoSim, "noSimSpouse");
        QTEST(skipped.childrenNamingNoSim, "noSimChildren");
        QCOMPARE(f[self]->spouse().data(), spouse < 0 ? nullptr : f[spouse]);
        QList<Sim *> want;
        for (int c : children)
            want << f[c];
        QCOMPARE(childrenOf(f[self]), want);
        QVERIFY(!f[self]->hasParent(f[self]));
        // The line gives only its own sim's links: no other sim gains a
        // spouse, and only the children read have this sim as a parent.
        for (int i = 0; i < f.list.size(); ++i) {
            if (i == self)
                continue;
            QVERIFY(!f[i]->spouse());
            QCOMPARE(f[i]->hasParent(f[self]), children.contains(i));
        }
    }

    // A child is listed once, whether the line repeats its position, names
    // it at another position of the same sim, or it was listed before the
    // line; the first sim that lists it stays its first parent.
    void repeatedChildListedOnce()
    {
        Family f(6);
        Sim *parent = f[0];
        f[4]->addChild(f[3]);
        parent->addChild(f[3]);
        parent->addChild(f[5]);
        SimList twice = f.list;
        twice << f[2] << f[3];
        parent->familyLinksFromString("-1,2,3,6,2,7,5,1,6,2,1", twice);
        QCOMPARE(childrenOf(parent), (QList<Sim *>{f[3], f[5], f[2], f[1]}));
        QCOMPARE(f[3]->parent1().data(), f[4]);
        QCOMPARE(f[3]->parent2().data(), parent);
        QCOMPARE(f[2]->parent1().data(), parent);
        QVERIFY(!f[2]->parent2());
        QCOMPARE(parent->familyLinksToString(twice), QString("-1,3,7,5,2,6,1"));
    }

    void applyingTwiceChangesNothing()
    {
        Family f(4);
        f[0]->familyLinksFromString("1,2,3", f.list);
        const QString before = f[0]->familyLinksToString(f.list);
        f[0]->familyLinksFromString("1,2,3", f.list);
        QCOMPARE(f[0]->familyLinksToString(f.list), before);
        QCOMPARE(f[2]->parent1().data(), f[0]);
        QVERIFY(!f[2]->parent2());
    }

    // Links to one record are pointed at another, on this sim only; the
    // stale record stands in every role to see each link replaced.
    void replaceRelative()
    {
        Family f(6);
        Sim *kid = f[0];
        Sim *stale = f[1];
        Sim *real = f[2];
        kid->setParents(stale, f[3]);
        kid->setSpouse(stale);
        kid->addChild(f[4]);
        kid->addChild(stale);
        kid->addChild(f[5]);
        kid->replaceRelative(stale, real);
        QCOMPARE(kid->parent1().data(), real);
        QCOMPARE(kid->parent2().data(), f[3]);
        QCOMPARE(kid->spouse().data(), real);
        QCOMPARE(childrenOf(kid), QList<Sim *>({f[4], real, f[5]}));
        // The other side is left as it was.
        QCOMPARE(stale->spouse().data(), kid);
        QVERIFY(!real->spouse());
        QCOMPARE(real->childCount(), 0);

        // A child already listed is not listed twice; no sim becomes its
        // own relative.
        kid->addChild(stale);
        kid->replaceRelative(stale, real);
        QCOMPARE(childrenOf(kid), QList<Sim *>({f[4], real, f[5]}));
        // Nor both parents: the second place goes.
        kid->setParents(nullptr, f[3]);
        kid->replaceRelative(f[3], real);
        QCOMPARE(kid->parent1().data(), real);
        QVERIFY(!kid->parent2());
        kid->setParents(nullptr, f[3]);
        kid->replaceRelative(f[3], kid);
        QVERIFY(!kid->parent2());
        kid->replaceRelative(f[5], nullptr);
        QCOMPARE(childrenOf(kid), QList<Sim *>({f[4], real}));
    }
};

QTEST_GUILESS_MAIN(TestFamilyLinks)
#include "tst_familylinks.moc"
