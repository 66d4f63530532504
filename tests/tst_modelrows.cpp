#include "records/Codes.h"
#include "records/Sim.h"
#include "sheet/Households.h"
#include "sheet/ModelRows.h"
#include "support/CapturedStdout.h"
#include "support/SimNames.h"

#include <QRandomGenerator>
#include <QtTest>

#include <limits>
#include <memory>
#include <vector>

using ModelRows::HouseholdRow;

namespace {

struct Sims
{
    std::vector<std::unique_ptr<Sim>> owned;
    SimList list;

    Sim *add(const QString &name, int age = 40, int flags = 0, const QString &household = "Brook")
    {
        owned.push_back(std::make_unique<Sim>(name, age, 1, 1, 5, true, flags, "", ""));
        owned.back()->setHousehold(household);
        list << owned.back().get();
        return owned.back().get();
    }
    Sim *withNid(int nid)
    {
        Sim *sim = add(QString::number(list.size()));
        sim->setNid(nid);
        return sim;
    }
};

// The sheet's sort as first written: a selection sort that takes the first
// entry of smallest NID for each position.
SimList selectionSorted(const SimList &sims)
{
    SimList list;
    for (const auto &sim : sims) {
        if (sim->nid() >= 0)
            list << sim;
    }
    for (int j = 0; j < list.size(); ++j) {
        int m = j;
        for (int k = j + 1; k < list.size(); ++k) {
            if (list.at(m) && list.at(k) && list.at(m)->nid() > list.at(k)->nid())
                m = k;
        }
        list.swapItemsAt(j, m);
    }
    return list;
}

QStringList texts(const QList<HouseholdRow> &rows)
{
    QStringList out;
    for (const HouseholdRow &row : rows)
        out << row.name + "=" + row.played;
    return out;
}

QList<HouseholdRow> quietRows(const SimList &sims, const QList<HouseholdRow> &previous)
{
    CapturedStdout quiet;
    return ModelRows::householdRows(sims, previous);
}

} // namespace

// What a rebuild puts into the sim and household models, the row map, the
// NID order, and the "Age" column's text.
class TestModelRows : public QObject
{
    Q_OBJECT

private slots:
    void ageText_data()
    {
        QTest::addColumn<int>("age");
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("display");
        QTest::addColumn<QString>("text");
        const int human = 0, plant = 32, large = 256, small = 128, cat = 512;
        const QList<QPair<int, QString>> humans{
            {0, "3 days until Toddler"}, {2, "1 days until Toddler"}, {3, "4 days until Child"},
            {6, "1 days until Child"},   {7, "8 days until Teen"},     {14, "1 days until Teen"},
            {15, "15 days until Adult"}, {29, "1 days until Adult"},   {30, "29 days until Elder"},
            {58, "1 days until Elder"},  {59, "55 days old"},          {-2, "5 days until Toddler"}};
        for (const auto &entry : humans)
            QTest::addRow("human %d", entry.first) << entry.first << human << 1 << entry.second;
        QTest::newRow("unknown kind as human") << 7 << 64 << 1 << "8 days until Teen";
        QTest::newRow("plantsim 3") << 3 << plant << 1 << "1 days until Adult";
        QTest::newRow("plantsim 4") << 4 << plant << 1 << "29 days until Elder";
        QTest::newRow("plantsim 33") << 33 << plant << 1 << "33 days old";
        QTest::newRow("large dog 3") << 3 << large << 1 << "1 days until Adult";
        QTest::newRow("large dog 4") << 4 << large << 1 << "22 days until Elder";
        QTest::newRow("large dog 26") << 26 << large << 1 << "26 days old";
        QTest::newRow("small dog 4") << 4 << small << 1 << "26 days until Elder";
        QTest::newRow("small dog 30") << 30 << small << 1 << "30 days old";
        QTest::newRow("cat 4") << 4 << cat << 1 << "1 days until Adult";
        QTest::newRow("cat 5") << 5 << cat << 1 << "26 days until Elder";
        QTest::newRow("cat 31") << 31 << cat << 1 << "31 days old";
        QTest::newRow("days old: human 59") << 59 << human << 0 << "59 days old";
        QTest::newRow("days old: puppy 2") << 2 << large << 0 << "2 days old";
        QTest::newRow("any other display value") << 0 << human << 7 << "3 days until Toddler";
        // Ages from a damaged file: the text is worked out beyond int.
        const int low = std::numeric_limits<int>::min();
        const int high = std::numeric_limits<int>::max();
        QTest::newRow("human lowest") << low << human << 1 << "2147483651 days until Toddler";
        QTest::newRow("plantsim lowest") << low << plant << 1 << "2147483652 days until Adult";
        QTest::newRow("cat lowest") << low << cat << 1 << "2147483653 days until Adult";
        QTest::newRow("human highest") << high << human << 1 << "2147483643 days old";
        QTest::newRow("dog highest") << high << large << 1 << "2147483647 days old";
        QTest::newRow("lowest days old") << low << human << 0 << "-2147483648 days old";
    }
    void ageText()
    {
        QFETCH(int, age);
        QFETCH(int, kind);
        QFETCH(int, display);
        QTEST(ModelRows::ageText(age, kind, display), "text");
    }

    void kindCode()
    {
        Sims sims;
        QCOMPARE(ModelRows::kindCode(*sims.add("human")), 0);
        QCOMPARE(ModelRows::kindCode(*sims.add("plant", 10, SimTypeFlags::Plantsim)), 32);
        QCOMPARE(ModelRows::kindCode(*sims.add("cat", 10, SimTypeFlags::Cat)), 512);
        QCOMPARE(ModelRows::kindCode(*sims.add("plant cat", 10, SimTypeFlags::Plantsim | SimTypeFlags::Cat)),
                 512);
        QCOMPARE(ModelRows::kindCode(*sims.add("dog", 10, SimTypeFlags::LargeDog)), 256);
        QCOMPARE(ModelRows::kindCode(*sims.add("small", 10, SimTypeFlags::SmallDog)), 128);
    }

    void simRows()
    {
        Sims sims;
        sims.add("Ann", 40);
        sims.add("Bo", 40)->die(GhostColor::Blue);
        Sim *cat = sims.add("Tom", 5, SimTypeFlags::Cat, "");
        FilterMasks masks;
        masks.set(FilterMasks::Dead, false);

        ModelRows::SimRows rows = ModelRows::simRows(sims.list, masks, 1, 0);
        QCOMPARE(rows.rowToSim, QList<int>({0, 2}));
        QCOMPARE(rows.rows.size(), 2);
        QCOMPARE(rows.rows.at(0).name, QString("Ann"));
        QCOMPARE(rows.rows.at(0).household, QString("Brook"));
        QCOMPARE(rows.rows.at(0).age, QString("19 days until Elder"));
        QCOMPARE(rows.rows.at(0).lifeStage, QString("Adult"));
        QCOMPARE(rows.rows.at(0).aspiration, QString("Fortune"));
        QCOMPARE(rows.rows.at(1).household, QString());
        QCOMPARE(rows.rows.at(1).age, QString("26 days until Elder"));
        QCOMPARE(rows.rows.at(1).lifeStage, cat->lifeStageText());
        QCOMPARE(rows.rows.at(1).aspiration, QString("None"));

        // With Free Time the secondary aspiration joins the primary.
        rows = ModelRows::simRows(sims.list, FilterMasks(), 0, EPFlags::FreeTime);
        QCOMPARE(rows.rowToSim, QList<int>({0, 1, 2}));
        QCOMPARE(rows.rows.at(0).aspiration, QString("Fortune/Knowledge"));
        QCOMPARE(rows.rows.at(0).age, QString("40 days old"));
        QCOMPARE(rows.rows.at(2).aspiration, QString("None/None"));

        masks = FilterMasks();
        for (int f = 0; f < FilterMasks::FilterCount; ++f)
            masks.set(FilterMasks::Filter(f), false);
        rows = ModelRows::simRows(sims.list, masks, 1, 0);
        QVERIFY(rows.rows.isEmpty());
        QVERIFY(rows.rowToSim.isEmpty());
        QCOMPARE(ModelRows::nidSorted(sims.list).size(), 0);
        QVERIFY(ModelRows::simRows(SimList(), FilterMasks(), 1, 0).rowToSim.isEmpty());
    }

    void nidOrder_data()
    {
        QTest::addColumn<QList<int>>("nids");
        QTest::addColumn<QStringList>("order");
        QTest::newRow("5 3 5") << QList<int>{5, 3, 5} << QStringList{"1", "0", "2"};
        QTest::newRow("5 5 3") << QList<int>{5, 5, 3} << QStringList{"2", "1", "0"};
        QTest::newRow("no NID is left out") << QList<int>{-1, 4, -1, 0} << QStringList{"3", "1"};
        QTest::newRow("every sim filtered or not") << QList<int>{2, 1, 0} << QStringList{"2", "1", "0"};
        QTest::newRow("empty") << QList<int>{} << QStringList{};
    }
    void nidOrder()
    {
        QFETCH(QList<int>, nids);
        Sims sims;
        for (int nid : nids)
            sims.withNid(nid);
        QTEST(namesOf(ModelRows::nidSorted(sims.list)), "order");
    }

    // The order among equal NIDs is the selection sort's, on lists where
    // most NIDs repeat.
    void nidOrderMatchesTheSelectionSort()
    {
        QRandomGenerator random(905);
        for (int round = 0; round < 200; ++round) {
            Sims sims;
            const int count = random.bounded(1, 120);
            const int spread = random.bounded(1, 8);
            for (int i = 0; i < count; ++i)
                sims.withNid(random.bounded(-1, spread));
            QCOMPARE(namesOf(ModelRows::nidSorted(sims.list)), namesOf(selectionSorted(sims.list)));
        }
    }

    void householdRows()
    {
        Sims sims;
        sims.add("a", 40, 0, "Lark");
        sims.add("b", 40, 0, "");
        sims.add("c", 40, 0, "Brook")->die(GhostColor::Red);
        sims.add("d", 40, 0, "Lark");
        sims.add("e", 40, 0, "lark");
        sims.add("f", 40, 0, "Adoption Queue");
        sims.add("g", 40, 0, "At Large");
        sims.add("h", 40, 0, "Renamed");
        const QList<HouseholdRow> previous{{"Lark", "Yes"},       {"Brook", "yes"},
                                           {"Adoption Queue", "Yes"}, {"At Large", "No"},
                                           {"Old Name", "Yes"},   {"lark", "No"},
                                           {"lark", "Yes"}};
        QCOMPARE(texts(quietRows(sims.list, previous)),
                 QStringList({"Lark=Yes", "Brook=No", "lark=Yes", "Adoption Queue=", "At Large=No",
                              "Renamed=No"}));
        QCOMPARE(texts(quietRows(SimList(), previous)), QStringList());
    }

    // The sim forms offer every household once, in order of first
    // appearance, "At Large" and the empty name included.
    void householdNamesMembersAndRename()
    {
        Sims sims;
        sims.add("a", 40, 0, "B");
        sims.add("b", 40, 0, "A");
        sims.add("c", 40, 0, "B");
        sims.add("d", 40, 0, "At Large");
        sims.add("e", 40, 0, "b");
        sims.add("f", 40, 0, "");
        QCOMPARE(Households::names(sims.list), QStringList({"B", "A", "At Large", "b", ""}));
        QCOMPARE(Households::members(sims.list, "B"), QStringList({"a", "c"}));
        QCOMPARE(Households::members(sims.list, "Nobody"), QStringList());

        Households::rename(sims.list, "B", "Brook");
        QCOMPARE(Households::names(sims.list), QStringList({"Brook", "A", "At Large", "b", ""}));
        QCOMPARE(Households::members(sims.list, "Brook"), QStringList({"a", "c"}));
        QCOMPARE(texts(quietRows(sims.list, {{"B", "Yes"}})).first(), QString("Brook=No"));
    }

    // A rename carries the household's mark to its new name, as the sheet
    // does it: the marks taken before the sims move, then the rebuild.
    void renamedHouseholdKeepsItsMark_data()
    {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QString>("oldName");
        QTest::addColumn<QString>("newName");
        QTest::addColumn<QStringList>("after");

        QTest::newRow("played") << QStringList{"Brook=Yes", "Lee=No"} << "Brook" << "Brooks"
                                << QStringList{"Brooks=Yes", "Lee=No"};
        QTest::newRow("not played") << QStringList{"Brook=No", "Lee=Yes"} << "Brook" << "Brooks"
                                    << QStringList{"Brooks=No", "Lee=Yes"};
        QTest::newRow("unchanged name") << QStringList{"Brook=Yes"} << "Brook" << "Brook"
                                        << QStringList{"Brook=Yes"};
        QTest::newRow("played joins unplayed") << QStringList{"Brook=Yes", "Lee=No"} << "Brook"
                                               << "Lee" << QStringList{"Lee=Yes"};
        QTest::newRow("unplayed joins played") << QStringList{"Brook=No", "Lee=Yes"} << "Brook"
                                               << "Lee" << QStringList{"Lee=Yes"};
        QTest::newRow("to a special name") << QStringList{"Brook=Yes"} << "Brook" << "Downtown"
                                           << QStringList{"Downtown="};
        QTest::newRow("from a special name") << QStringList{"Downtown=", "Lee=Yes"} << "Downtown"
                                             << "Town" << QStringList{"Town=No", "Lee=Yes"};
        QTest::newRow("unknown household") << QStringList{"Brook=Yes"} << "Gone" << "Brook"
                                           << QStringList{"Brook=Yes"};
        QTest::newRow("case counts") << QStringList{"Brook=Yes", "brook=No"} << "brook" << "Lee"
                                     << QStringList{"Brook=Yes", "Lee=No"};
    }

    void renamedHouseholdKeepsItsMark()
    {
        QFETCH(QStringList, before);
        QFETCH(QString, oldName);
        QFETCH(QString, newName);
        QFETCH(QStringList, after);

        Sims sims;
        QList<HouseholdRow> marks;
        for (const QString &text : before) {
            const QStringList parts = text.split('=');
            sims.add(parts.at(0) + " sim", 40, 0, parts.at(0));
            marks.append({parts.at(0), parts.at(1)});
        }
        const QList<HouseholdRow> carried = ModelRows::renamedHousehold(marks, oldName, newName);
        Households::rename(sims.list, oldName, newName);
        QCOMPARE(texts(quietRows(sims.list, carried)), after);
    }

    void householdProgressLines()
    {
        Sims sims;
        sims.add("a", 40, 0, "Lark");
        sims.add("b", 40, 0, "Runaways");
        sims.add("c", 40, 0, "Brook");
        CapturedStdout out;
        ModelRows::householdRows(sims.list, {{"Lark", "Yes"}, {"Gone", "No"}});
        QCOMPARE(out.text(), QString("Updating household model...\n"
                                     "Lark, 1\n"
                                     "Gone, 0\n"
                                     "Compiling list of households...\n"
                                     "Adding households to model...\n"
                                     "Added household name\nLark\n1"
                                     "Added household name\nRunaways\n"
                                     "Added household name\nBrook\n0"));
    }
};

QTEST_GUILESS_MAIN(TestModelRows)
#include "tst_modelrows.moc"
