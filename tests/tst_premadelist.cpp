#include "records/Codes.h"
#include "records/Sim.h"
#include "sheet/PremadeList.h"

#include <QtTest>

namespace {

// A generator that counts: 0, 1, 2, ...
struct Counter
{
    int next = 0;
    int calls = 0;
    int operator()()
    {
        ++calls;
        return next++;
    }
};

} // namespace

// "One of Each Type": the 65 premade sims.
class TestPremadeList : public QObject
{
    Q_OBJECT

private slots:
    void sixtyFiveSimsInTableOrder()
    {
        SheetSims sheet;
        Counter counter;
        PremadeList::appendOneOfEachType(sheet, std::ref(counter));
        const SimList &sims = sheet.sims();
        QCOMPARE(sims.size(), 65);
        QCOMPARE(sims.first()->name(), QString("Male Baby"));
        QCOMPARE(sims.at(46)->name(), QString("Bigfoot"));
        QCOMPARE(sims.last()->name(), QString("Elder Male Cat"));

        for (int i = 0; i < sims.size(); ++i) {
            const Sim *sim = sims.at(i);
            // Row numbers count from 1: odd rows are male.
            QCOMPARE(sim->gender(), i % 2 == 0 ? 1 : 2);
            QVERIFY(sim->isAlive());
            QCOMPARE(sim->household(), QString("At Large"));
            QCOMPARE(sim->nid(), -1);
            QCOMPARE(sim->hold(), 0);
        }

        // Row 5: a plantsim toddler wants to grow up.
        QCOMPARE(sims.at(4)->name(), QString("Male Plantsim Toddler"));
        QCOMPARE(sims.at(4)->age(), 0);
        QVERIFY(sims.at(4)->hasFlag(SimTypeFlags::Plantsim));
        QCOMPARE(sims.at(4)->aspiration(), int(Aspiration::GrowUp));
        // Row 17: a student in the first semester, major undeclared.
        QCOMPARE(sims.at(16)->name(), QString("Male College Student"));
        QVERIFY(sims.at(16)->isInCollege());
        QCOMPARE(sims.at(16)->age(), 30);
        QCOMPARE(sims.at(16)->semester(), 1);
        QCOMPARE(sims.at(16)->major(), QString("Undeclared"));
        // Babies have no aspiration; toddlers and children want to grow up.
        QCOMPARE(sims.at(0)->aspiration(), 0);
        QCOMPARE(sims.at(2)->aspiration(), int(Aspiration::GrowUp));
        QCOMPARE(sims.at(7)->aspiration(), int(Aspiration::GrowUp));
        // Rows 48 to 65 are pets without aspiration.
        for (int i = 47; i < 65; ++i) {
            QVERIFY(!sims.at(i)->isSpecies(Species::Human));
            QCOMPARE(sims.at(i)->aspiration(), 0);
            QCOMPARE(sims.at(i)->secondaryAspiration(), 0);
        }
        QCOMPARE(sims.at(51)->lifeStageText(), QString("Elder Large Dog"));

        // Rows 9 to 47 draw two aspirations each, primary first.
        QCOMPARE(counter.calls, 2 * 39);
        QCOMPARE(sims.at(8)->aspiration(), 1);
        QCOMPARE(sims.at(8)->secondaryAspiration(), 2);
        QCOMPARE(sims.at(9)->aspiration(), 3);
        QCOMPARE(sims.at(9)->secondaryAspiration(), 4);
        QCOMPARE(sims.at(46)->aspiration(), 76 % 7 + 1);
        QCOMPARE(sims.at(46)->secondaryAspiration(), 77 % 7 + 1);
        for (int i = 8; i < 47; ++i) {
            QVERIFY(sims.at(i)->aspiration() >= 1 && sims.at(i)->aspiration() <= 7);
            QVERIFY(sims.at(i)->secondaryAspiration() >= 1 && sims.at(i)->secondaryAspiration() <= 7);
        }
    }

    // Set twice on a cleared sheet: 65 new sims, not 130.
    void twiceGivesNewSims()
    {
        SheetSims sheet;
        PremadeList::appendOneOfEachType(sheet, [] { return 3; });
        const QPointer<Sim> first = sheet.sims().first();
        sheet.clear();
        PremadeList::appendOneOfEachType(sheet, [] { return 5; });
        QCOMPARE(sheet.sims().size(), 65);
        QVERIFY(first);
        QVERIFY(sheet.sims().first() != first);
        QCOMPARE(sheet.store().size(), 130);
    }
};

QTEST_GUILESS_MAIN(TestPremadeList)
#include "tst_premadelist.moc"
