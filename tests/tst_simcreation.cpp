#include "dialogs/ImportBatch.h"
#include "records/Codes.h"
#include "records/Sim.h"
#include "sheet/ModelRows.h"
#include "sheet/SheetSims.h"
#include "sheet/SimCreation.h"
#include "support/LinkCheck.h"
#include "support/CapturedStdout.h"
#include "support/ImportRecords.h"
#include "support/SimNames.h"

#include <QtTest>

namespace {

// The rebuild's part that the merge reads: the sims in NID order.
void rebuild(SheetSims &sheet)
{
    const ModelRows::SimRows rows = ModelRows::simRows(sheet.sims(), FilterMasks(), 1, 0);
    sheet.setRows(rows.rowToSim, ModelRows::nidSorted(sheet.sims()));
}

Sim *plainSim(const QString &name, int nid = -1, const QString &household = "Brook")
{
    auto *sim = new Sim(name, 40, 1, 1, 0, true, 0, "", "");
    sim->setNid(nid);
    sim->setHousehold(household);
    return sim;
}

// Every link of every sheet sim, in sheet order, each sim named with its
// position on the sheet ("off" for a sim that is not on it).
QStringList links(const SheetSims &sheet)
{
    const auto nameOf = [&](const QPointer<Sim> &sim) {
        if (!sim)
            return QString("-");
        const int at = int(sheet.sims().indexOf(sim));
        return sim->name() + "#" + (at < 0 ? QString("off") : QString::number(at));
    };
    QStringList out;
    for (const auto &sim : sheet.sims()) {
        QString line = sim->name() + ": parents " + nameOf(sim->parent1()) + ", " + nameOf(sim->parent2())
            + "; spouse " + nameOf(sim->spouse()) + "; children";
        for (int i = 0; i < sim->childCount(); ++i)
            line += " " + nameOf(sim->child(i));
        out << line;
    }
    return out;
}

// An export of the Brook family as the editor hands it over: new records
// linked only among themselves. Pa (NID 1) and Ma (NID 2) are married with
// the children Kid (NID 3) and Tot (NID 4); Gran (NID 5) is Pa's mother.
QList<Sim *> brookExport()
{
    Sim *gran = plainSim("Gran", 5);
    Sim *pa = plainSim("Pa", 1);
    Sim *ma = plainSim("Ma", 2);
    Sim *kid = plainSim("Kid", 3);
    Sim *tot = plainSim("Tot", 4);
    pa->setSpouse(ma);
    pa->setParents(gran, nullptr);
    kid->setParents(pa, ma);
    tot->setParents(pa, ma);
    return {kid, pa, tot, ma, gran};
}

void import(SheetSims &sheet, const QList<Sim *> &batch)
{
    ImportMerge merge;
    for (Sim *sim : batch)
        merge.add(sheet, sim);
    merge.finish();
    rebuild(sheet);
}

// A sim of an export, "<first> Lo", with its NID and the NIDs of its spouse
// and parents as the editor writes them ("" for none).
ImportRecord exported(const QString &first, const QString &nid, const QString &spouse = "",
                      const QString &parentA = "", const QString &parentB = "")
{
    return importRecord({{ImportColumn::FirstName, first},
                         {ImportColumn::NID, nid},
                         {ImportColumn::Spouse, spouse},
                         {ImportColumn::ParentA, parentA},
                         {ImportColumn::ParentB, parentB}});
}

// Imports the records as the import dialog and the sheet do: the batch made
// and linked by NID, each sim merged or appended, then the rebuild.
void importRecords(SheetSims &sheet, QList<ImportRecord> records)
{
    ImportBatch batch;
    for (ImportRecord &record : records)
        batch.add(record, ImportCategory::Playables);
    for (int i = 0; i < batch.size(); ++i)
        batch.link(i);
    import(sheet, batch.take());
}

// A sim with its position on the sheet: "Ann Lo#0".
QString placed(const SheetSims &sheet, const Sim *sim)
{
    return sim->name() + "#" + QString::number(sheet.sims().indexOf(sim));
}

// The married pairs of the sheet, each once, the earlier sim first.
QStringList marriages(const SheetSims &sheet)
{
    QStringList out;
    for (const auto &sim : sheet.sims()) {
        const QPointer<Sim> spouse = sim->spouse();
        if (spouse && spouse->spouse() == sim
            && sheet.sims().indexOf(sim) < sheet.sims().indexOf(spouse))
            out << placed(sheet, sim) + " = " + placed(sheet, spouse);
    }
    return out;
}

} // namespace

// How sims join the sheet: from applied updates, the add form, a townie
// pair and an import; the hold setters; the sheet's list and row map.
class TestSimCreation : public QObject
{
    Q_OBJECT

private slots:
    void fromUpdate()
    {
        SheetSims sheet;
        Sim *mother = SimCreation::fromForm(sheet, "Ma", 2, 40, 1, 0, true, 7, "Brook", 0, 0, 0, "");
        Sim *father = SimCreation::fromForm(sheet, "Pa", 1, 40, 1, 0, true, 7, "Brook", 0, 0, 0, "");

        CapturedStdout out;
        Sim *ann = SimCreation::fromUpdate(sheet, "Ann", 2, 0, 0, 1, "Brook", SimTypeFlags::Witch,
                                           mother, father);
        Sim *bo = SimCreation::fromUpdate(sheet, "Bo", 1, 20, 3, 0);
        QCOMPARE(out.text(), QString("New Sim made: Ann 0 2 0\nNew Sim made: Bo 20 1 3\n"));

        QCOMPARE(sheet.sims(), SimList({mother, father, ann, bo}));
        QCOMPARE(ann->gender(), 2);
        QCOMPARE(ann->hold(), 1);
        QCOMPARE(ann->household(), QString("Brook"));
        QVERIFY(ann->hasFlag(SimTypeFlags::Witch));
        QCOMPARE(ann->parent1().data(), mother);
        QCOMPARE(ann->parent2().data(), father);
        QCOMPARE(mother->child(0).data(), ann);
        QCOMPARE(father->child(0).data(), ann);
        QCOMPARE(ann->nid(), -1);
        QVERIFY(ann->isAlive());
        // The short form: no household, flags or parents.
        QCOMPARE(bo->household(), QString("At Large"));
        QCOMPARE(bo->aspiration(), 3);
        QCOMPARE(bo->secondaryAspiration(), 0);
        QCOMPARE(bo->flagsWord(), 0);
        QVERIFY(!bo->parent1() && !bo->parent2());
    }

    void fromForm_data()
    {
        QTest::addColumn<int>("semester");
        QTest::addColumn<QString>("major");
        QTest::addColumn<bool>("inCollege");
        QTest::addColumn<int>("age");
        QTest::addColumn<QString>("majorAfter");
        QTest::newRow("semester 3") << 3 << "Biology" << true << 30 << "Biology";
        QTest::newRow("semester 3, no major") << 3 << "" << true << 30 << "Undeclared";
        QTest::newRow("semester 8") << 8 << "Drama" << true << 30 << "Drama";
        QTest::newRow("semester 1") << 1 << "" << true << 30 << "Undeclared";
        QTest::newRow("not at college, with a major") << 0 << "Physics" << false << 24 << "Physics";
    }
    void fromForm()
    {
        QFETCH(int, semester);
        QFETCH(QString, major);
        SheetSims sheet;
        Sim *sim = SimCreation::fromForm(sheet, "Sue", 2, 24, 5, 3, true, 7, "Dorm", 0, 2, semester, major);
        QCOMPARE(sheet.sims(), SimList({sim}));
        QTEST(sim->isInCollege(), "inCollege");
        QTEST(sim->age(), "age");
        QTEST(sim->major(), "majorAfter");
        if (semester > 0)
            QCOMPARE(sim->semester(), semester);
        QCOMPARE(sim->household(), QString("Dorm"));
        QCOMPARE(sim->witchAlignment(), 2);
        QCOMPARE(sim->secondaryAspiration(), 3);
    }

    void fromFormGhostWithoutHousehold()
    {
        SheetSims sheet;
        Sim *sim = SimCreation::fromForm(sheet, "Boo", 1, 50, 1, 0, false, GhostColor::Purple, "", 0, 0, 0, "");
        QVERIFY(!sim->isAlive());
        QCOMPARE(sim->ghostColor(), int(GhostColor::Purple));
        QCOMPARE(sim->household(), QString());
    }

    void towniePair()
    {
        SheetSims sheet;
        Sim *mother = sheet.append(plainSim("Ma", -1, "Brook"));
        const SimCreation::TowniePair pair =
            SimCreation::towniePair(sheet, "Rover", 10, "Pup", 2, 3, SimTypeFlags::LargeDog, mother);
        QCOMPARE(sheet.sims(), SimList({mother, pair.townie, pair.baby}));
        QCOMPARE(pair.townie->name(), QString("Rover"));
        QCOMPARE(pair.townie->gender(), 1);
        QCOMPARE(pair.townie->age(), 10);
        QCOMPARE(pair.townie->aspiration(), 0);
        QCOMPARE(pair.townie->household(), QString("At Large"));
        QCOMPARE(pair.baby->age(), 0);
        QCOMPARE(pair.baby->gender(), 2);
        QCOMPARE(pair.baby->hold(), 3);
        QCOMPARE(pair.townie->hold(), 0);
        QCOMPARE(pair.baby->household(), QString("Brook"));
        QCOMPARE(pair.townie->species(), int(Species::LargeDog));
        QCOMPARE(pair.baby->species(), int(Species::LargeDog));
        QCOMPARE(pair.baby->parent1().data(), pair.townie);
        QCOMPARE(pair.baby->parent2().data(), mother);
        QCOMPARE(pair.townie->child(0).data(), pair.baby);
        QCOMPARE(mother->child(0).data(), pair.baby);
    }

    // A damaged update line can name no other parent: both sims are still
    // made, and the baby has the townie as its only parent.
    void towniePairWithoutTheOtherParent()
    {
        SheetSims sheet;
        const SimCreation::TowniePair pair =
            SimCreation::towniePair(sheet, "Tom", 40, "Tina", 2, 1, 0, nullptr);
        QCOMPARE(sheet.sims(), SimList({pair.townie, pair.baby}));
        QCOMPARE(pair.baby->parent1().data(), pair.townie);
        QVERIFY(!pair.baby->parent2());
        QCOMPARE(pair.baby->household(), QString("At Large"));
        QCOMPARE(pair.baby->hold(), 1);
    }

    void holds()
    {
        SheetSims sheet;
        Sim *a = sheet.append(plainSim("a", -1, "Brook"));
        Sim *b = sheet.append(plainSim("b", -1, "brook"));
        Sim *c = sheet.append(plainSim("c", -1, "At Large"));
        Sim *d = sheet.append(plainSim("d", -1, "Runaways"));
        d->die(GhostColor::White);
        const auto holdsOf = [&] {
            return QList<int>{a->hold(), b->hold(), c->hold(), d->hold()};
        };

        SimCreation::holdAllBut(sheet.sims(), b, 2);
        QCOMPARE(holdsOf(), QList<int>({2, 0, 2, 2}));
        Sim stranger("x", 1, 1, 1, 0, true, 0, "", "");
        SimCreation::holdAllBut(sheet.sims(), &stranger, 3);
        QCOMPARE(holdsOf(), QList<int>({3, 3, 3, 3}));
        SimCreation::holdHousehold(sheet.sims(), "Brook", 0);
        QCOMPARE(holdsOf(), QList<int>({0, 3, 3, 3}));
        SimCreation::holdAllHouseholdsBut(sheet.sims(), "Brook", 1);
        QCOMPARE(holdsOf(), QList<int>({0, 1, 1, 1}));
        SimCreation::holdHousehold(sheet.sims(), "Nobody", 9);
        QCOMPARE(holdsOf(), QList<int>({0, 1, 1, 1}));
        SimCreation::holdAllHouseholdsBut(sheet.sims(), "Nobody", 4);
        QCOMPARE(holdsOf(), QList<int>({4, 4, 4, 4}));
    }

    // A row of the sim model leads to its sim only while both the row and
    // the position it maps to exist.
    void rowLookup()
    {
        SheetSims sheet;
        Sim *a = sheet.append(plainSim("a"));
        Sim *b = sheet.append(plainSim("b"));
        sheet.setRows({1, 0, 1, 7, -1}, SimList());
        QCOMPARE(sheet.simAtRow(0), b);
        QCOMPARE(sheet.simAtRow(1), a);
        QCOMPARE(sheet.simAtRow(3), nullptr);
        QCOMPARE(sheet.simAtRow(4), nullptr);
        QCOMPARE(sheet.simAtRow(5), nullptr);
        QCOMPARE(sheet.simAtRow(-1), nullptr);
        QCOMPARE(sheet.positionAtRow(2), 1);
        QCOMPARE(sheet.positionAtRow(3), -1);
        QCOMPARE(sheet.lastRowOf(1), 2);
        QCOMPARE(sheet.lastRowOf(0), 1);
        QCOMPARE(sheet.lastRowOf(5), -1);
    }

    // Clearing drops the sims from the list, the NID order and the row map,
    // while every record stays valid.
    void clearKeepsRecordsButForgetsThem()
    {
        SheetSims sheet;
        QPointer<Sim> a = sheet.append(plainSim("a", 7));
        rebuild(sheet);
        QCOMPARE(sheet.nidSorted().size(), 1);
        QCOMPARE(sheet.rowToSim().size(), 1);
        sheet.clear();
        QVERIFY(sheet.sims().isEmpty());
        QVERIFY(sheet.nidSorted().isEmpty());
        QVERIFY(sheet.rowToSim().isEmpty());
        QCOMPARE(sheet.simAtRow(0), nullptr);
        QVERIFY(a);
        QCOMPARE(a->name(), QString("a"));

        // An import after the clear cannot merge into the dropped sim.
        ImportMerge merge;
        Sim *again = plainSim("a again", 7);
        merge.add(sheet, again);
        merge.finish();
        QCOMPARE(sheet.sims(), SimList({again}));
        QCOMPARE(a->name(), QString("a"));
    }

    // The sim an import merges a NID into: of several, the first in the
    // list, whatever the NID order puts first; only sims of the last
    // rebuild count, and a clear or a new list forgets them all.
    void firstWithNidFollowsTheLastRebuild()
    {
        SheetSims sheet;
        Sim *a = sheet.append(plainSim("a", 7));
        Sim *b = sheet.append(plainSim("b", 3));
        Sim *c = sheet.append(plainSim("c", 7));
        rebuild(sheet);
        QCOMPARE(sheet.firstWithNid(7), a);
        QCOMPARE(sheet.firstWithNid(3), b);
        QCOMPARE(sheet.firstWithNid(5), nullptr);
        QCOMPARE(sheet.firstWithNid(-1), nullptr);

        Sim *d = sheet.append(plainSim("d", 5));
        QCOMPARE(sheet.firstWithNid(5), nullptr);
        rebuild(sheet);
        QCOMPARE(sheet.firstWithNid(5), d);

        sheet.setRows(sheet.rowToSim(), SimList({b, c, a, d}));
        QCOMPARE(sheet.firstWithNid(7), a);
        sheet.setRows(sheet.rowToSim(), SimList({b, c, d}));
        QCOMPARE(sheet.firstWithNid(7), c);

        sheet.clear();
        QCOMPARE(sheet.firstWithNid(7), nullptr);
        QCOMPARE(sheet.firstWithNid(3), nullptr);

        Sim *f = sheet.append(plainSim("f", 7));
        rebuild(sheet);
        QCOMPARE(sheet.firstWithNid(7), f);
        SimStore read;
        Sim *e = read.keep(plainSim("e", 7));
        sheet.replace(read, {e});
        QCOMPARE(sheet.firstWithNid(7), nullptr);
        rebuild(sheet);
        QCOMPARE(sheet.firstWithNid(7), e);
    }

    void replaceTakesOverTheRecords()
    {
        SheetSims sheet;
        sheet.append(plainSim("old"));
        SimStore read;
        Sim *fresh = read.keep(plainSim("fresh"));
        sheet.replace(read, {fresh});
        QCOMPARE(sheet.sims(), SimList({fresh}));
        QCOMPARE(read.size(), 0);
        QCOMPARE(sheet.store().size(), 2);
        QVERIFY(sheet.store().owns(fresh));
    }

    void importMerge()
    {
        SheetSims sheet;
        Sim *known = sheet.append(plainSim("Known", 4));
        Sim *other = sheet.append(plainSim("Other", 9));
        rebuild(sheet);

        ImportMerge merge;
        Sim *update = plainSim("Known Renamed", 4, "Lark");
        merge.add(sheet, update);
        QCOMPARE(sheet.sims(), SimList({known, other}));
        QCOMPARE(known->name(), QString("Known Renamed"));
        QCOMPARE(known->household(), QString("Lark"));
        QVERIFY(sheet.store().owns(update));

        Sim *noNid = plainSim("No NID", -1);
        Sim *newNid = plainSim("New", 6);
        Sim *twin = plainSim("Twin", 6);
        merge.add(sheet, noNid);
        merge.add(sheet, newNid);
        // The NID order is the last rebuild's: a second sim of the batch with
        // the same new NID is appended too.
        merge.add(sheet, twin);
        merge.finish();
        QCOMPARE(sheet.sims(), SimList({known, other, noNid, newNid, twin}));
    }

    // After an import every link on the sheet leads to a sim on the sheet,
    // also the links of new sims to records that merged into sheet sims.
    void importLeavesNoLinkOffTheSheet()
    {
        SheetSims sheet;
        Sim *pa = sheet.append(plainSim("Pa", 1));
        Sim *gran = sheet.append(plainSim("Gran", 5));
        rebuild(sheet);

        import(sheet, brookExport());
        QCOMPARE(namesOf(sheet.sims()), QStringList({"Pa", "Gran", "Kid", "Tot", "Ma"}));
        QCOMPARE(linksOffTheList(sheet.sims()), QStringList());
        Sim *kid = sheet.sims().at(2);
        Sim *ma = sheet.sims().at(4);
        QCOMPARE(kid->parent1().data(), pa);
        QCOMPARE(kid->parent2().data(), ma);
        QCOMPARE(ma->spouse().data(), pa);
        QCOMPARE(pa->spouse().data(), ma);
        QCOMPARE(pa->parent1().data(), gran);
    }

    // The same export imported twice adds no sim the second time and leaves
    // the links as the first import left them.
    void importingTwiceChangesNothing()
    {
        SheetSims sheet;
        sheet.append(plainSim("Pa", 1));
        rebuild(sheet);
        import(sheet, brookExport());
        const QStringList names = namesOf(sheet.sims());
        const QStringList first = links(sheet);
        import(sheet, brookExport());
        QCOMPARE(namesOf(sheet.sims()), names);
        QCOMPARE(links(sheet), first);
        QCOMPARE(linksOffTheList(sheet.sims()), QStringList());
    }

    // Importing an export, once and again, into a sheet made by an earlier
    // import, with Cy and Di married on it and in no later export: a sim
    // without NID is appended every time, a NID repeated within one export
    // is merged once (into the first sim of the sheet with it, by the
    // export's first sim with it, whom its links name too) and appended
    // after that, and a merged sim's former spouse lets go of it. No spouse,
    // parent or child link is left one-sided, and Cy and Di stay married.
    void importingAgainLeavesNoOneSidedLink_data()
    {
        QTest::addColumn<QList<ImportRecord>>("sheetExport");
        QTest::addColumn<QList<ImportRecord>>("exportRecords");
        QTest::addColumn<QStringList>("afterOnce");
        QTest::addColumn<QStringList>("afterTwice");
        QTest::addColumn<int>("sims");
        const QList<ImportRecord> bystanders{exported("Cy", "10", "11"), exported("Di", "11", "10")};
        const QString bystanderMarriage = "Cy Lo#2 = Di Lo#3";

        const QList<ImportRecord> noNid{exported("Ann", "", "5"), exported("Bob", "5")};
        QTest::newRow("empty NID") << noNid + bystanders << noNid
                                   << QStringList{"Bob Lo#1 = Ann Lo#4", bystanderMarriage}
                                   << QStringList{"Bob Lo#1 = Ann Lo#5", bystanderMarriage} << 6;

        const QList<ImportRecord> couple{exported("Xa", "7", "8"), exported("Yu", "8", "7")};
        QTest::newRow("NID repeated, spouseless twin after")
            << couple + bystanders
            << QList<ImportRecord>{exported("Xa", "7", "8"), exported("Xb", "7"),
                                   exported("Yu", "8", "7")}
            << QStringList{"Xa Lo#0 = Yu Lo#1", bystanderMarriage}
            << QStringList{"Xa Lo#0 = Yu Lo#1", bystanderMarriage} << 6;
        QTest::newRow("NID repeated, spouseless twin first")
            << couple + bystanders
            << QList<ImportRecord>{exported("Xb", "7"), exported("Xa", "7", "8"),
                                   exported("Yu", "8", "7")}
            << QStringList{"Xb Lo#0 = Yu Lo#1", bystanderMarriage}
            << QStringList{"Xb Lo#0 = Yu Lo#1", bystanderMarriage} << 6;
        // A smaller NID after the twins: the NID order puts the later twin
        // first, yet the merge goes to the first of the list.
        QTest::newRow("NID repeated, smaller NID after")
            << couple + bystanders
            << QList<ImportRecord>{exported("Xa", "7", "8"), exported("Xb", "7"),
                                   exported("Yu", "8", "7"), exported("Al", "1")}
            << QStringList{"Xa Lo#0 = Yu Lo#1", bystanderMarriage}
            << QStringList{"Xa Lo#0 = Yu Lo#1", bystanderMarriage} << 7;
        // The twin that is appended keeps its own marriage, to a sim the
        // sheet holds.
        QTest::newRow("NID repeated, twin married")
            << couple + bystanders + QList<ImportRecord>{exported("Zed", "9")}
            << couple + QList<ImportRecord>{exported("Xb", "7", "9"), exported("Zed", "9")}
            << QStringList{"Xa Lo#0 = Yu Lo#1", bystanderMarriage, "Zed Lo#4 = Xb Lo#5"}
            << QStringList{"Xa Lo#0 = Yu Lo#1", bystanderMarriage, "Zed Lo#4 = Xb Lo#6"} << 7;

        const QList<ImportRecord> wed{exported("Xa", "7", "9"), exported("Wu", "9", "7")};
        const QList<ImportRecord> newSpouse{exported("Xa", "7", "12"), exported("Ned", "12", "7")};
        QTest::newRow("new spouse") << wed + bystanders << newSpouse
                                    << QStringList{"Xa Lo#0 = Ned Lo#4", bystanderMarriage}
                                    << QStringList{"Xa Lo#0 = Ned Lo#4", bystanderMarriage} << 5;
        // An import only replaces links: ending a marriage is left to the
        // update sentences.
        QTest::newRow("no spouse named") << wed + bystanders
                                         << QList<ImportRecord>{exported("Xa", "7")}
                                         << QStringList{"Xa Lo#0 = Wu Lo#1", bystanderMarriage}
                                         << QStringList{"Xa Lo#0 = Wu Lo#1", bystanderMarriage}
                                         << 4;
    }
    void importingAgainLeavesNoOneSidedLink()
    {
        QFETCH(QList<ImportRecord>, sheetExport);
        QFETCH(QList<ImportRecord>, exportRecords);
        QFETCH(QStringList, afterOnce);
        QFETCH(QStringList, afterTwice);
        QFETCH(int, sims);
        SheetSims sheet;
        importRecords(sheet, sheetExport);
        QCOMPARE(familyLinkFaults(sheet.sims()), QStringList());

        importRecords(sheet, exportRecords);
        QCOMPARE(familyLinkFaults(sheet.sims()), QStringList());
        QCOMPARE(linksOffTheList(sheet.sims()), QStringList());
        QCOMPARE(marriages(sheet), afterOnce);

        importRecords(sheet, exportRecords);
        QCOMPARE(familyLinkFaults(sheet.sims()), QStringList());
        QCOMPARE(linksOffTheList(sheet.sims()), QStringList());
        QCOMPARE(marriages(sheet), afterTwice);
        QCOMPARE(sheet.sims().size(), sims);
    }

    // A merged sim whose record names another first parent is let go by the
    // one it had; the second parent, which the record does not name, stays.
    void formerParentsLetGo()
    {
        SheetSims sheet;
        importRecords(sheet, {exported("Pa", "1", "2"), exported("Ma", "2", "1"),
                              exported("Kid", "3", "", "1", "2")});
        Sim *pa = sheet.sims().at(0);
        Sim *ma = sheet.sims().at(1);
        Sim *kid = sheet.sims().at(2);
        QCOMPARE(pa->childCount(), 1);
        QCOMPARE(ma->childCount(), 1);

        importRecords(sheet, {exported("Kid", "3", "", "4"), exported("Ro", "4")});
        Sim *ro = sheet.sims().at(3);
        QCOMPARE(kid->parent1().data(), ro);
        QCOMPARE(kid->parent2().data(), ma);
        QCOMPARE(ro->child(0).data(), kid);
        QCOMPARE(pa->childCount(), 0);
        QCOMPARE(ma->childCount(), 1);
        QCOMPARE(pa->spouse().data(), ma);
        QCOMPARE(familyLinkFaults(sheet.sims()), QStringList());
    }

    void importIntoAnEmptySheet()
    {
        SheetSims sheet;
        import(sheet, brookExport());
        QCOMPARE(namesOf(sheet.sims()), QStringList({"Kid", "Pa", "Tot", "Ma", "Gran"}));
        QCOMPARE(linksOffTheList(sheet.sims()), QStringList());
        const QStringList first = links(sheet);
        import(sheet, brookExport());
        QCOMPARE(sheet.sims().size(), 5);
        QCOMPARE(links(sheet), first);
    }

};

QTEST_GUILESS_MAIN(TestSimCreation)
#include "tst_simcreation.moc"
