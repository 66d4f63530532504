#include "events/EventCatalogue.h"
#include "records/Codes.h"

#include <QtTest>

using CategoryLists = QMap<QString, QStringList>;

// The catalogue is keyed by exact names, misspellings included, so every
// list is spelled out here rather than derived.
class TestEventCatalogue : public QObject
{
    Q_OBJECT

private:
    static QStringList noPacks(const QString &category)
    {
        static const QMap<QString, QStringList> lists{
            {"New Sims and Pets",
             {"From CAS", "Former Townies/NPCs", "At Large Townies/NPCs", "Ordinary Babies",
              "Babies by Townies", "Alien Babies", "Adopted New Children", "Readopted Children"}},
            {"Aging",
             {"Individual Holds", "Household Holds", "Growing up", "Social Worker", "Runaway Teens",
              "Returned Teens", "Natural Death", "Unnatural Death", "Drinking Elixer"}},
            {"Household and Family",
             {"Moving out", "Moving house", "Moving graves", "Going steady", "Getting engaged",
              "Getting married/joined", "Breaking up"}},
            {"Changes", {"Changing names", "Changing aspirations"}},
            {"Supernatural", {}},
            {"Other", {"Custom Event"}},
        };
        return lists.value(category);
    }

    static QStringList allPacks(const QString &category)
    {
        static const QMap<QString, QStringList> lists{
            {"New Sims and Pets",
             {"From CAS", "Former Townies/NPCs", "At Large Townies/NPCs", "Stray Pets",
              "At Large Stray Pets", "Ordinary Babies", "Babies by Townies", "Pet Babies",
              "Pet Babies by Strays", "Alien Babies", "Plant Babies",
              "Adopted New Children and Pets", "Readopted Children and Pets", "Activated Servos",
              "Bigfoot"}},
            {"Aging",
             {"Individual Holds", "Household Holds", "Growing up", "Social Worker", "Removed Pets",
              "Given or sold Pets", "Pets put up for adoption", "Runaway Teens", "Runaway Pets",
              "Returned Teens", "Found Pets", "Going to college", "Leaving college",
              "Natural Death", "Unnatural Death", "Resurrection", "Drinking Elixer",
              "Drinking Cowplant milk", "Kibble of Life"}},
            {"Household and Family",
             {"Moving out", "Moving house", "Moving graves", "Going steady", "Getting engaged",
              "Getting married/joined", "Breaking up"}},
            {"Changes",
             {"Changing names", "Changing primary and secondary aspirations", "Changing majors"}},
            {"Supernatural",
             {"Becoming a Vampire", "Becoming a Werewolf", "Becoming a Plantsim",
              "Becoming a Witch", "Changing alignment", "Being cured of Vampirism",
              "Being cured of Lycanthropy", "Being cured of Plantsiminism",
              "Being cured of Witchiness"}},
            {"Other", {"Custom Event"}},
        };
        return lists.value(category);
    }

private slots:
    void categories()
    {
        QCOMPARE(EventCatalogue::prompt(), QStringLiteral("Select a Catagory"));
        QCOMPARE(EventCatalogue::categories(),
                 (QStringList{"New Sims and Pets", "Aging", "Household and Family", "Changes",
                              "Supernatural", "Other"}));
    }

    void packSets_data()
    {
        QTest::addColumn<int>("packs");
        QTest::addColumn<QString>("category");
        QTest::addColumn<QStringList>("expected");
        for (const QString &category : EventCatalogue::categories()) {
            const QByteArray tag = category.toUtf8();
            QTest::newRow("none: " + tag) << 0 << category << noPacks(category);
            QTest::newRow("all: " + tag) << int(EPFlags::All) << category << allPacks(category);
            // Bits above the eight packs are never tested.
            QTest::newRow("none, high bits: " + tag) << 0x7f00 << category << noPacks(category);
            QTest::newRow("all, high bits: " + tag) << 0x7fff << category << allPacks(category);
        }
    }
    void packSets()
    {
        QFETCH(int, packs);
        QFETCH(QString, category);
        QFETCH(QStringList, expected);
        QCOMPARE(EventCatalogue::events(category, packs), expected);
    }

    // Each pack on its own: the categories it changes, in full. Every other
    // category shows what it shows without packs.
    void singlePack_data()
    {
        QTest::addColumn<int>("pack");
        QTest::addColumn<CategoryLists>("changed");
        using M = CategoryLists;
        QTest::newRow("University") << int(EPFlags::University)
            << M{{"Aging",
                  {"Individual Holds", "Household Holds", "Growing up", "Social Worker",
                   "Runaway Teens", "Returned Teens", "Going to college", "Leaving college",
                   "Natural Death", "Unnatural Death", "Resurrection", "Drinking Elixer",
                   "Drinking Cowplant milk"}},
                 {"Changes", {"Changing names", "Changing aspirations", "Changing majors"}}};
        QTest::newRow("Nightlife") << int(EPFlags::Nightlife)
            << M{{"Supernatural", {"Becoming a Vampire", "Being cured of Vampirism"}}};
        QTest::newRow("Open for Business") << int(EPFlags::OpenForBusiness)
            << M{{"New Sims and Pets",
                  {"From CAS", "Former Townies/NPCs", "At Large Townies/NPCs", "Ordinary Babies",
                   "Babies by Townies", "Alien Babies", "Adopted New Children",
                   "Readopted Children", "Activated Servos"}}};
        QTest::newRow("Pets") << int(EPFlags::Pets)
            << M{{"New Sims and Pets",
                  {"From CAS", "Former Townies/NPCs", "At Large Townies/NPCs", "Stray Pets",
                   "At Large Stray Pets", "Ordinary Babies", "Babies by Townies", "Pet Babies",
                   "Pet Babies by Strays", "Alien Babies", "Adopted New Children and Pets",
                   "Readopted Children and Pets"}},
                 {"Aging",
                  {"Individual Holds", "Household Holds", "Growing up", "Social Worker",
                   "Removed Pets", "Given or sold Pets", "Pets put up for adoption",
                   "Runaway Teens", "Runaway Pets", "Returned Teens", "Found Pets",
                   "Natural Death", "Unnatural Death", "Drinking Elixer", "Kibble of Life"}},
                 {"Supernatural", {"Becoming a Werewolf", "Being cured of Lycanthropy"}}};
        QTest::newRow("Seasons") << int(EPFlags::Seasons)
            << M{{"New Sims and Pets",
                  {"From CAS", "Former Townies/NPCs", "At Large Townies/NPCs", "Ordinary Babies",
                   "Babies by Townies", "Alien Babies", "Plant Babies", "Adopted New Children",
                   "Readopted Children"}},
                 {"Supernatural", {"Becoming a Plantsim", "Being cured of Plantsiminism"}}};
        QTest::newRow("Bon Voyage") << int(EPFlags::BonVoyage)
            << M{{"New Sims and Pets",
                  {"From CAS", "Former Townies/NPCs", "At Large Townies/NPCs", "Ordinary Babies",
                   "Babies by Townies", "Alien Babies", "Adopted New Children",
                   "Readopted Children", "Bigfoot"}}};
        QTest::newRow("Free Time") << int(EPFlags::FreeTime)
            << M{{"Changes", {"Changing names", "Changing primary and secondary aspirations"}}};
        QTest::newRow("Apartment Life") << int(EPFlags::ApartmentLife)
            << M{{"Supernatural",
                  {"Becoming a Witch", "Changing alignment", "Being cured of Witchiness"}}};
    }
    void singlePack()
    {
        QFETCH(int, pack);
        QFETCH(CategoryLists, changed);
        for (const QString &category : EventCatalogue::categories()) {
            const QStringList expected = changed.value(category, noPacks(category));
            QCOMPARE(EventCatalogue::events(category, pack), expected);
        }
    }

    void unknownCategoryHasNoEvents_data()
    {
        QTest::addColumn<QString>("category");
        QTest::newRow("prompt") << "Select a Catagory";
        QTest::newRow("wrong case") << "aging";
        QTest::newRow("empty") << "";
    }
    void unknownCategoryHasNoEvents()
    {
        QFETCH(QString, category);
        QVERIFY(EventCatalogue::events(category, EPFlags::All).isEmpty());
        QVERIFY(EventCatalogue::events(category, 0).isEmpty());
    }

    void allNamesHoldsBothNamesOfEachPair()
    {
        const QStringList names = EventCatalogue::allNames();
        QCOMPARE(names.size(), 57);
        QCOMPARE(QSet<QString>(names.begin(), names.end()).size(), 57);
        for (const char *name :
             {"Adopted New Children", "Adopted New Children and Pets", "Readopted Children",
              "Readopted Children and Pets", "Changing aspirations",
              "Changing primary and secondary aspirations"})
            QVERIFY2(names.contains(name), qPrintable(name));
        QStringList shown;
        for (const QString &category : EventCatalogue::categories())
            shown += EventCatalogue::events(category, EPFlags::All)
                + EventCatalogue::events(category, 0);
        for (const QString &name : shown)
            QVERIFY2(names.contains(name), qPrintable(name));
    }
};

QTEST_MAIN(TestEventCatalogue)
#include "tst_eventcatalogue.moc"
