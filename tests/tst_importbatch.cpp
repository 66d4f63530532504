#include "dialogs/ImportBatch.h"
#include "records/Sim.h"
#include "support/ImportRecords.h"

#include <QtTest>

#include <limits>
#include <memory>

namespace {

ImportRecord record(std::initializer_list<std::pair<int, QString>> changes)
{
    return importRecord(changes);
}

// Deletes what a test takes out of a batch, as the sheet would own it.
struct Taken
{
    QList<Sim *> sims;
    ~Taken() { qDeleteAll(sims); }
};

} // namespace

// Selected import records turned into new, linked sims.
class TestImportBatch : public QObject
{
    Q_OBJECT

private slots:
    void agesByStageAndDaysLeft_data()
    {
        QTest::addColumn<QString>("species");
        QTest::addColumn<QString>("stage");
        QTest::addColumn<QString>("daysLeft");
        QTest::addColumn<int>("flags");
        QTest::addColumn<QString>("familyInstance");
        QTest::addColumn<int>("age");
        QTest::newRow("teen, last day") << "Human" << "Teen" << "0" << 0 << "12" << 29;
        QTest::newRow("teen, first day") << "Human" << "Teen" << "14" << 0 << "12" << 15;
        QTest::newRow("baby, past its end") << "Human" << "Baby" << "5" << 0 << "12" << -3;
        QTest::newRow("toddler") << "Human" << "Toddler" << "0" << 0 << "12" << 6;
        QTest::newRow("plantsim toddler") << "Human" << "Toddler" << "0" << 32 << "12" << 3;
        QTest::newRow("child") << "Human" << "Child" << "2" << 0 << "12" << 12;
        QTest::newRow("adult") << "Human" << "Adult" << "10" << 0 << "12" << 48;
        QTest::newRow("plantsim adult") << "Human" << "Adult" << "10" << 32 << "12" << 22;
        QTest::newRow("elder") << "Human" << "Elder" << "0" << 0 << "12" << 83;
        QTest::newRow("plantsim elder") << "Human" << "Elder" << "0" << 32 << "12" << 83;
        QTest::newRow("other stage") << "Human" << "Young Adult" << "3" << 0 << "12" << 59;
        QTest::newRow("large puppy") << "LargeDog" << "Baby" << "1" << 0 << "12" << 2;
        QTest::newRow("large dog") << "LargeDog" << "Adult" << "1" << 0 << "12" << 24;
        QTest::newRow("small dog") << "SmallDog" << "Adult" << "1" << 0 << "12" << 28;
        QTest::newRow("small puppy") << "SmallDog" << "Baby" << "0" << 0 << "12" << 3;
        QTest::newRow("kitten") << "Cat" << "Baby" << "2" << 0 << "12" << 2;
        QTest::newRow("cat") << "Cat" << "Adult" << "0" << 0 << "12" << 30;
        QTest::newRow("elder pet") << "Cat" << "Elder" << "0" << 0 << "12" << 59;
        QTest::newRow("other species") << "Horse" << "Adult" << "0" << 0 << "12" << 59;
        QTest::newRow("days not a number") << "Human" << "Teen" << "soon" << 0 << "12" << 29;
        QTest::newRow("ghost") << "Human" << "Teen" << "3" << 0 << "0" << 59;
        QTest::newRow("ghost puppy") << "SmallDog" << "Baby" << "3" << 0 << "0" << 59;
        // Days from a damaged export saturate instead of overflowing.
        QTest::newRow("most days") << "Human" << "Adult" << "2147483647" << 0 << "12"
                                   << 59 - std::numeric_limits<int>::max();
        QTest::newRow("fewest days") << "Human" << "Adult" << "-2147483648" << 0 << "12"
                                     << std::numeric_limits<int>::max();
    }
    void agesByStageAndDaysLeft()
    {
        QFETCH(QString, species);
        QFETCH(QString, stage);
        QFETCH(QString, daysLeft);
        QFETCH(int, flags);
        QFETCH(QString, familyInstance);
        QFETCH(int, age);
        ImportRecord r = record({{ImportColumn::Species, species},
                                 {ImportColumn::LifeSection, stage},
                                 {ImportColumn::AgeDaysLeft, daysLeft},
                                 {ImportColumn::TypeFlags, QString::number(flags)},
                                 {ImportColumn::FamilyInstance, familyInstance}});
        ImportBatch batch;
        const Sim *sim = batch.add(r, ImportCategory::Playables);
        QCOMPARE(sim->age(), age);
    }

    void daysLeftMoveOnInTheRecord()
    {
        ImportRecord r = record({{ImportColumn::AgeDaysLeft, "4"}});
        ImportBatch batch;
        batch.add(r, ImportCategory::Playables);
        QCOMPARE(r.at(ImportColumn::AgeDaysLeft), QString("5"));
        ImportRecord most = record({{ImportColumn::AgeDaysLeft, "2147483647"}});
        batch.add(most, ImportCategory::Playables);
        QCOMPARE(most.at(ImportColumn::AgeDaysLeft), QString("2147483647"));
    }

    void setsTheSimFromItsRecord()
    {
        ImportRecord r = record({{ImportColumn::NID, "42"},
                                 {ImportColumn::SimDescription, "Likes rain"},
                                 {ImportColumn::HouseholdName, "Brook"},
                                 {ImportColumn::Gender, "Male"},
                                 {ImportColumn::PrimaryAspiration, "Growup"},
                                 {ImportColumn::SecondaryAspiration, "Chees"},
                                 {ImportColumn::LifetimeWant, "Retire"},
                                 {ImportColumn::Species, "Cat"},
                                 {ImportColumn::TypeFlags, "1025"},
                                 {ImportColumn::Alignment, "-2"}});
        ImportBatch batch;
        const Sim *sim = batch.add(r, ImportCategory::Townies);
        QCOMPARE(sim->parent(), nullptr);
        QCOMPARE(sim->name(), QString("Kim Lo"));
        QCOMPARE(sim->nid(), 42);
        QCOMPARE(sim->notes(), QString("Likes rain"));
        QCOMPARE(sim->household(), QString("Brook"));
        QCOMPARE(sim->gender(), int(Gender::Male));
        QCOMPARE(sim->species(), int(Species::Cat));
        QVERIFY(sim->hasFlag(SimTypeFlags::Alien) && sim->hasFlag(SimTypeFlags::Witch));
        QCOMPARE(sim->witchAlignment(), -2);
        QCOMPARE(sim->aspiration(), int(Aspiration::GrowUp));
        QCOMPARE(sim->secondaryAspiration(), int(Aspiration::GrilledCheese));
        QCOMPARE(sim->lifetimeWantCount(-1), 1);
        QCOMPARE(sim->lifetimeWant(-1, 0), QString("Retire"));
        QVERIFY(sim->isAlive());

        ImportRecord plain = record({{ImportColumn::Gender, "male"}, {ImportColumn::LastName, ""}});
        const Sim *other = batch.add(plain, ImportCategory::Playables);
        QCOMPARE(other->gender(), int(Gender::Female));
        QCOMPARE(other->name(), QString("Kim "));
        QCOMPARE(other->species(), int(Species::Human));
        QCOMPARE(other->lifetimeWantCount(-1), 1);
        QCOMPARE(other->lifetimeWant(-1, 0), QString());
    }

    void ghostsAndStudents()
    {
        ImportBatch batch;
        ImportRecord ghost = record({{ImportColumn::FamilyInstance, "0"}});
        const Sim *dead = batch.add(ghost, ImportCategory::Playables);
        QVERIFY(!dead->isAlive());
        QCOMPARE(dead->ghostColor(), int(GhostColor::White));
        QCOMPARE(dead->age(), 59);

        ImportRecord student = record({{ImportColumn::IsAtUniversity, "Y"},
                                       {ImportColumn::UniSemester, "6"},
                                       {ImportColumn::UniMajor, "Drama"},
                                       {ImportColumn::LifeSection, "Teen"}});
        ImportRecord townieStudent = student;
        ImportRecord undeclared = record({{ImportColumn::IsAtUniversity, "Y"},
                                          {ImportColumn::UniSemester, "3"},
                                          {ImportColumn::FamilyInstance, "0"}});
        const Sim *playable = batch.add(student, ImportCategory::Playables);
        QVERIFY(playable->isInCollege());
        QCOMPARE(playable->age(), 30);
        QCOMPARE(playable->semester(), 6);
        QCOMPARE(playable->major(), QString("Drama"));
        const Sim *townie = batch.add(townieStudent, ImportCategory::Townies);
        QCOMPARE(townie->semester(), 1);
        const Sim *deadStudent = batch.add(undeclared, ImportCategory::NPCs);
        QCOMPARE(deadStudent->age(), 30);
        QCOMPARE(deadStudent->major(), QString("Undeclared"));
        QCOMPARE(deadStudent->semester(), 1);
        QVERIFY(!deadStudent->isAlive());

        ImportRecord notStudent = record({{ImportColumn::IsAtUniversity, "y"}});
        QVERIFY(!batch.add(notStudent, ImportCategory::Playables)->isInCollege());
    }

    // What the export's quoted fields hold that a list line cannot is made
    // to fit: line breaks become blanks, and a blank keeps a double quote
    // from its comma and a comma from the start. Nothing else changes.
    void textsAreMadeToFitTheListLine_data()
    {
        QTest::addColumn<QString>("firstName");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("stored");
        QTest::newRow("plain") << "Kim" << "Lo, Jr \"Ace\"" << "Kim Lo" << "Lo, Jr \"Ace\"";
        QTest::newRow("CR LF") << "Ki\r\nm" << "Oak\r\nTree" << "Ki m Lo" << "Oak Tree";
        QTest::newRow("crafted") << "Kim" << "Fir\r\n\r\n1" << "Kim Lo" << "Fir  1";
        QTest::newRow("lone CR and LF") << "Kim" << "a\rb\nc" << "Kim Lo" << "a b c";
        QTest::newRow("quote comma") << "Kim \"K\", Jr" << "Art\",Craft\",\"" << "Kim \"K\" , Jr Lo"
                                     << "Art\" ,Craft\" ,\"";
        QTest::newRow("leading comma") << ",Kim" << ",Oak" << " ,Kim Lo" << " ,Oak";
        QTest::newRow("line break before a comma") << "\nKim" << "\r\n,Oak" << " Kim Lo" << " ,Oak";
    }
    void textsAreMadeToFitTheListLine()
    {
        QFETCH(QString, firstName);
        QFETCH(QString, text);
        QFETCH(QString, name);
        QFETCH(QString, stored);
        ImportRecord r = record({{ImportColumn::FirstName, firstName},
                                 {ImportColumn::HouseholdName, text},
                                 {ImportColumn::IsAtUniversity, "Y"},
                                 {ImportColumn::UniMajor, text},
                                 {ImportColumn::LifetimeWant, text}});
        ImportBatch batch;
        const Sim *sim = batch.add(r, ImportCategory::Playables);
        QCOMPARE(sim->name(), name);
        QCOMPARE(sim->household(), stored);
        QCOMPARE(sim->major(), stored);
        QCOMPARE(sim->lifetimeWant(sim->periodCount() - 1, 0), stored);
        // The list line keeps them as they are.
        Sim again;
        again.fromString(sim->toString(), 4);
        QCOMPARE(again.name(), name);
        QCOMPARE(again.household(), stored);
        QCOMPARE(again.major(), stored);
        QCOMPARE(again.toString(), sim->toString());
    }

    // Links join sims of the batch only: an id of a sim that is not in the
    // batch, an empty id and a damaged one link nothing.
    void linksOnlyWithinTheBatch()
    {
        QList<ImportRecord> records{
            record({{ImportColumn::NID, "1"}, {ImportColumn::FirstName, "Mum"},
                    {ImportColumn::Spouse, "2"}}),
            record({{ImportColumn::NID, "2"}, {ImportColumn::FirstName, "Dad"},
                    {ImportColumn::Spouse, "1"}}),
            record({{ImportColumn::NID, "3"}, {ImportColumn::FirstName, "Kid"},
                    {ImportColumn::ParentA, "1"}, {ImportColumn::ParentB, "2"}}),
            record({{ImportColumn::NID, "4"}, {ImportColumn::FirstName, "Orphan"},
                    {ImportColumn::ParentA, "99"}, {ImportColumn::ParentB, ""},
                    {ImportColumn::Spouse, "x"}}),
            record({{ImportColumn::NID, ""}, {ImportColumn::FirstName, "NoId"},
                    {ImportColumn::Spouse, ""}}),
            record({{ImportColumn::NID, "6"}, {ImportColumn::FirstName, "Twin"},
                    {ImportColumn::ParentA, "1"}, {ImportColumn::ParentB, "1"}}),
        };
        ImportBatch batch;
        for (ImportRecord &r : records)
            batch.add(r, ImportCategory::Playables);
        for (int i = 0; i < batch.size(); ++i)
            batch.link(i);
        Taken taken{batch.take()};
        QCOMPARE(batch.size(), 0);
        const QList<Sim *> &sims = taken.sims;
        QCOMPARE(sims.size(), 6);
        Sim *mum = sims[0], *dad = sims[1], *kid = sims[2], *orphan = sims[3], *noId = sims[4],
            *twin = sims[5];
        QCOMPARE(mum->spouse().data(), dad);
        QCOMPARE(dad->spouse().data(), mum);
        QCOMPARE(kid->parent1().data(), mum);
        QCOMPARE(kid->parent2().data(), dad);
        QCOMPARE(mum->childCount(), 2);
        QCOMPARE(dad->childCount(), 1);
        QVERIFY(!orphan->parent1() && !orphan->parent2() && !orphan->spouse());
        QCOMPARE(noId->nid(), -1);
        QVERIFY(!noId->spouse());
        // Both parent ids lead to Mum: she is the one parent, in the first
        // place, and lists Twin once.
        QCOMPARE(twin->parent1().data(), mum);
        QVERIFY(!twin->parent2());

        for (Sim *sim : sims) {
            const QList<QPointer<Sim>> links{sim->spouse(), sim->parent1(), sim->parent2()};
            for (const QPointer<Sim> &link : links)
                QVERIFY(!link || sims.contains(link.data()));
            for (int c = 0; c < sim->childCount(); ++c)
                QVERIFY(sims.contains(sim->child(c).data()));
        }
    }

    // Links to a repeated id go to the first sim with it. The second one's
    // own marriage gives way when its spouse marries the first: no spouse of
    // the batch names a sim that names another.
    void aRepeatedIdLinksToTheFirstSimWithIt()
    {
        QList<ImportRecord> records{
            record({{ImportColumn::NID, "7"}, {ImportColumn::FirstName, "First"}}),
            record({{ImportColumn::NID, "7"}, {ImportColumn::FirstName, "Second"},
                    {ImportColumn::Spouse, "8"}}),
            record({{ImportColumn::NID, "8"}, {ImportColumn::Spouse, "7"}}),
        };
        ImportBatch batch;
        for (ImportRecord &r : records)
            batch.add(r, ImportCategory::Playables);
        for (int i = 0; i < batch.size(); ++i)
            batch.link(i);
        QCOMPARE(batch.at(2)->spouse().data(), batch.at(0));
        QCOMPARE(batch.at(0)->spouse().data(), batch.at(2));
        QVERIFY(!batch.at(1)->spouse());
    }

    void countsSelectedRecordsOnly()
    {
        QList<ImportRecord> lists[ImportCategory::Count];
        lists[0] = {record({}), record({{ImportColumn::Selected, "y"}})};
        lists[2] = {record({{ImportColumn::Selected, "N"}}), record({})};
        QCOMPARE(ImportBatch::selectedCount(lists, ImportCategory::Count), 2);
    }
};

QTEST_GUILESS_MAIN(TestImportBatch)
#include "tst_importbatch.moc"
