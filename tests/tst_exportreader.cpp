#include "dialogs/ExportReader.h"
#include "support/Fixture.h"

#include <QFile>
#include <QtTest>

namespace {

QByteArray fixture(const QString &name)
{
    return Fixture::bytes(QStringLiteral("exports/") + name);
}

QStringList firstNames(const QList<ImportRecord> &list)
{
    QStringList names;
    for (const ImportRecord &record : list)
        names.append(record.at(ImportColumn::FirstName));
    return names;
}

const ImportRecord *find(const ExportRead &read, const QString &firstName)
{
    for (const QList<ImportRecord> &list : read.lists) {
        for (const ImportRecord &record : list) {
            if (record.at(ImportColumn::FirstName) == firstName)
                return &record;
        }
    }
    return nullptr;
}

const QByteArray fullHeader =
    "hood,HoodName,NID,FirstName,LastName,SimDescription,FamilyInstance,HouseholdName,ParentA,"
    "ParentB,Spouse,Gender,LifeSection,AgeDaysLeft,IsAtUniversity,UniSemester,UniMajor,Species,"
    "PrimaryAspiration,SecondaryAspiration,LifetimeWant\n";

// One export row in the column order of fullHeader.
QByteArray row(const QByteArray &first, const QByteArray &last, const QByteArray &familyInstance,
               const QByteArray &household = "Exported")
{
    return "N001,Pleasantview,1," + first + ',' + last + ",," + familyInstance + ',' + household
        + ",,,,Female,Adult,0,N,0,,Human,,,\n";
}

} // namespace

// The sim editor's CSV export read into import records.
class TestExportReader : public QObject
{
    Q_OBJECT

private slots:
    void readsAFamilyWhereverItsColumnsStand()
    {
        const ExportRead read = ExportReader::read(fixture("family.csv"));
        QVERIFY(read.error.isEmpty());
        QVERIFY(read.warning.isEmpty());

        // Filed, with the NPC row and the unnamed records dropped, each list
        // sorted by first name.
        QCOMPARE(firstNames(read.lists[ImportCategory::Playables]),
                 QStringList({"Ada", "Fay", "Lily", "Mara", "Rex", "Sam", "Tom"}));
        QCOMPARE(firstNames(read.lists[ImportCategory::Townies]), QStringList({"Bea"}));
        QCOMPARE(firstNames(read.lists[ImportCategory::NPCs]), QStringList({"Cal"}));
        QCOMPARE(read.recordCount(), 9);
        QVERIFY(read.captionSet);
        QCOMPARE(read.caption, QString("N001: Pleasantview"));

        const ImportRecord *mara = find(read, "Mara");
        QVERIFY(mara);
        QCOMPARE(mara->size(), qsizetype(ImportColumn::Count));
        QCOMPARE(mara->at(ImportColumn::Hood), QString("N001"));
        QCOMPARE(mara->at(ImportColumn::NID), QString("101"));
        QCOMPARE(mara->at(ImportColumn::SimDescription), QString("Loves gardens, cats, and rain"));
        QCOMPARE(mara->at(ImportColumn::Spouse), QString("102"));
        QCOMPARE(mara->at(ImportColumn::Gender), QString("Female"));
        QCOMPARE(mara->at(ImportColumn::AgeDaysLeft), QString("10"));
        QCOMPARE(mara->at(ImportColumn::PrimaryAspiration), QString("Family"));
        QCOMPARE(mara->at(ImportColumn::SecondaryAspiration), QString("Fortune"));
        QCOMPARE(mara->at(ImportColumn::LifetimeWant), QString("Marry Off 6 Children"));
        QCOMPARE(mara->mid(ImportColumn::Selected), QStringList({"N", "0", "0"}));

        QCOMPARE(find(read, "Tom")->at(ImportColumn::SimDescription), QString("Line one\nLine two"));
        QCOMPARE(find(read, "Tom")->at(ImportColumn::Gender), QString("Male"));
        QCOMPARE(find(read, "Lily")->at(ImportColumn::SimDescription), QString("Says \"hi\""));
        QCOMPARE(find(read, "Lily")->at(ImportColumn::ParentA), QString("101"));
        QCOMPARE(find(read, "Lily")->at(ImportColumn::ParentB), QString("102"));
        const ImportRecord *sam = find(read, "Sam");
        QCOMPARE(sam->at(ImportColumn::IsAtUniversity), QString("Y"));
        QCOMPARE(sam->at(ImportColumn::UniSemester), QString("4"));
        QCOMPARE(sam->at(ImportColumn::UniMajor), QString("Biology"));
        QCOMPARE(find(read, "Rex")->at(ImportColumn::Species), QString("LargeDog"));
        QCOMPARE(find(read, "Fay")->at(ImportColumn::LifeSection), QString("Baby"));
        QCOMPARE(find(read, "Bea")->at(ImportColumn::HouseholdName), QString("Townies and Dormies"));
        QCOMPARE(find(read, "Cal")->at(ImportColumn::HouseholdName), QString("Service NPCs"));
        QCOMPARE(find(read, "Ada")->at(ImportColumn::FamilyInstance), QString("0"));
    }

    void filesEachRowByItsFamilyInstance_data()
    {
        QTest::addColumn<QByteArray>("familyInstance");
        QTest::addColumn<QByteArray>("lastName");
        QTest::addColumn<int>("category"); // -1: dropped
        QTest::addColumn<QString>("household");
        QTest::newRow("top playable") << QByteArray("32511") << QByteArray("Lo") << 0 << "Exported";
        QTest::newRow("first townie") << QByteArray("32512") << QByteArray("Lo") << 1 << "Exported";
        QTest::newRow("socialites") << QByteArray("32735") << QByteArray("Lo") << 1 << "Socialites";
        QTest::newRow("techies") << QByteArray("32736") << QByteArray("Lo") << 1 << "Techies";
        QTest::newRow("jocks") << QByteArray("32737") << QByteArray("Lo") << 1 << "Jocks";
        QTest::newRow("bohemians") << QByteArray("32738") << QByteArray("Lo") << 1 << "Bohemians";
        QTest::newRow("gearheads") << QByteArray("32739") << QByteArray("Lo") << 1 << "Gearheads";
        QTest::newRow("mavens") << QByteArray("32740") << QByteArray("Lo") << 1 << "Hobby Mavens";
        QTest::newRow("first tourist") << QByteArray("32741") << QByteArray("Lo") << 1 << "Tourists";
        QTest::newRow("last tourist") << QByteArray("32752") << QByteArray("Lo") << 1 << "Tourists";
        QTest::newRow("island") << QByteArray("32753") << QByteArray("Lo") << 1 << "Island Locals";
        QTest::newRow("mountain") << QByteArray("32754") << QByteArray("Lo") << 1 << "Mountain Locals";
        QTest::newRow("asian") << QByteArray("32755") << QByteArray("Lo") << 1 << "Asian Locals";
        QTest::newRow("unnamed townie") << QByteArray("32756") << QByteArray("Lo") << 1 << "Exported";
        QTest::newRow("garden") << QByteArray("32758") << QByteArray("Lo") << 1 << "Garden Club";
        QTest::newRow("adoption") << QByteArray("32759") << QByteArray("Lo") << 1 << "Adoption Queue";
        QTest::newRow("adoption 2") << QByteArray("32765") << QByteArray("Lo") << 1 << "Adoption Queue";
        QTest::newRow("dormies") << QByteArray("32762") << QByteArray("Lo") << 1
                                 << "Townies and Dormies";
        QTest::newRow("downtown") << QByteArray("32764") << QByteArray("Lo") << 1 << "Downtown";
        QTest::newRow("townies") << QByteArray("32766") << QByteArray("Lo") << 1
                                 << "Townies and Dormies";
        QTest::newRow("npc") << QByteArray("32767") << QByteArray("Lo") << 2 << "Service NPCs";
        QTest::newRow("above npc") << QByteArray("32768") << QByteArray("Lo") << 0 << "Exported";
        QTest::newRow("negative") << QByteArray("-1") << QByteArray("Lo") << 0 << "Exported";
        QTest::newRow("letters") << QByteArray("abc") << QByteArray("Lo") << 0 << "Exported";
        QTest::newRow("npc mark") << QByteArray("0") << QByteArray("Maid (NPC)") << -1 << "";
        QTest::newRow("npc mark, letters") << QByteArray("x") << QByteArray("(NPC)") << -1 << "";
        QTest::newRow("lower-case mark") << QByteArray("0") << QByteArray("Maid (npc)") << 0
                                         << "Exported";
        QTest::newRow("mark with family") << QByteArray("5") << QByteArray("Maid (NPC)") << 0
                                          << "Exported";
    }
    void filesEachRowByItsFamilyInstance()
    {
        QFETCH(QByteArray, familyInstance);
        QFETCH(QByteArray, lastName);
        QFETCH(int, category);
        QFETCH(QString, household);
        const ExportRead read = ExportReader::read(fullHeader + row("Kim", lastName, familyInstance));
        for (int list = 0; list < ImportCategory::Count; ++list)
            QCOMPARE(read.lists[list].size(), qsizetype(list == category ? 1 : 0));
        if (category >= 0)
            QCOMPARE(read.lists[category].first().at(ImportColumn::HouseholdName), household);
    }

    void dropsRecordsWithoutAUsableFirstName()
    {
        const ExportRead read = ExportReader::read(fullHeader + row("Unknown", "A", "3")
                                                   + row("", "B", "3") + row("unknown", "C", "3"));
        QCOMPARE(firstNames(read.lists[ImportCategory::Playables]), QStringList({"unknown"}));
        QCOMPARE(read.recordCount(), 1);
    }

    // Records of equal keys come in the order a selection sort with swaps
    // gives them, as they always have: which of two records of one NID
    // takes the links follows it.
    void sortsByFirstNameThenDescription_data()
    {
        QTest::addColumn<QByteArray>("rows");
        QTest::addColumn<QStringList>("lastNames");
        QTest::newRow("description after first name")
            << QByteArray("1,Kim,Aa,zebra,3\n2,Kim,Zz,apple,3\n3,Al,Mm,x,3\n")
            << QStringList({"Mm", "Zz", "Aa"});
        QTest::newRow("equal keys in the selection sort's order")
            << QByteArray("1,Kim,Cc,,3\n2,Kim,Aa,,3\n3,Al,Mm,,3\n4,Kim,Bb,,3\n5,Al,Dd,x,3\n")
            << QStringList({"Mm", "Dd", "Cc", "Bb", "Aa"});
    }
    void sortsByFirstNameThenDescription()
    {
        QFETCH(QByteArray, rows);
        QFETCH(QStringList, lastNames);
        const QByteArray header = "NID,FirstName,LastName,SimDescription,FamilyInstance\n";
        const ExportRead read = ExportReader::read(header + rows);
        QStringList order;
        for (const ImportRecord &record : read.lists[ImportCategory::Playables])
            order.append(record.at(ImportColumn::LastName));
        QCOMPARE(order, lastNames);
    }

    void findsColumnsOnlyUnderTheirExactNames()
    {
        // "NID" twice: the later column counts. The other names differ in
        // case, by a blank or by quotes, and match nothing.
        const QByteArray header = "NID,FirstName,NID,firstname, LastName,\"Gender\"\n";
        const ExportRead read = ExportReader::read(header + "1,Kim,2,Kam,Lo,Male\n");
        const ImportRecord &kim = read.lists[ImportCategory::Playables].first();
        QCOMPARE(kim.at(ImportColumn::NID), QString("2"));
        QCOMPARE(kim.at(ImportColumn::FirstName), QString("Kim"));
        QCOMPARE(kim.at(ImportColumn::LastName), QString());
        QCOMPARE(kim.at(ImportColumn::Gender), QString());
        QCOMPARE(kim.at(ImportColumn::FamilyInstance), QString("0"));
        QCOMPARE(kim.at(ImportColumn::AgeDaysLeft), QString("0"));
    }

    void headerOnlyGivesNoRecords()
    {
        const ExportRead read = ExportReader::read(fullHeader);
        QVERIFY(read.error.isEmpty());
        QCOMPARE(read.recordCount(), 0);
        QVERIFY(!read.captionSet);
        QCOMPARE(ExportReader::rowsOf(fullHeader), QByteArray());
    }

    void readsCrLfLinesAndAFinalRowWithoutLineEnd()
    {
        QByteArray bytes = fullHeader;
        bytes.replace('\n', "\r\n");
        bytes += row("Kim", "Lo", "3").replace('\n', "\r\n") + row("Jo", "Lo", "3").chopped(1);
        const ExportRead read = ExportReader::read(bytes);
        QCOMPARE(firstNames(read.lists[ImportCategory::Playables]), QStringList({"Jo", "Kim"}));
        QCOMPARE(read.lists[ImportCategory::Playables].first().at(ImportColumn::LifetimeWant),
                 QString());
    }

    void fieldEndsBeforeAZeroByte()
    {
        QByteArray bytes = fullHeader + row("Ki", "Lo", "3");
        bytes.replace("Ki,", QByteArray("Kim\0xx,", 7));
        const ExportRead read = ExportReader::read(bytes);
        QCOMPARE(firstNames(read.lists[ImportCategory::Playables]), QStringList({"Kim"}));
    }

    void theCopyHoldsTheRowsAfterTheHeader()
    {
        const QByteArray bytes = fixture("family.csv");
        const QByteArray rows = ExportReader::rowsOf(bytes);
        QVERIFY(rows.startsWith("Mara,Brook,101"));
        QCOMPARE(bytes.size() - rows.size(), bytes.indexOf('\n') + 1);
    }

    // Without its NID column an export would give every sim the same id,
    // and later imports would merge them into one.
    void refusesAnExportWithoutNidColumn()
    {
        const ExportRead read = ExportReader::read(fixture("no-nid.csv"));
        QVERIFY(!read.error.isEmpty());
        QCOMPARE(read.recordCount(), 0);
        QVERIFY(!read.captionSet);

        QVERIFY(!ExportReader::read(QByteArray()).error.isEmpty());
    }

    // An empty id is no id; a short row takes the defaults of the fields it
    // lacks, its id included when it lacks that too.
    void shortRowsAndEmptyIdsTakeNoId()
    {
        const ExportRead read = ExportReader::read(fixture("short-rows.csv"));
        QVERIFY(read.error.isEmpty());
        const QList<ImportRecord> &list = read.lists[ImportCategory::Playables];
        QCOMPARE(firstNames(list), QStringList({"Ed", "Jo", "Kim"}));
        const ImportRecord &kim = list.at(2);
        QCOMPARE(kim.size(), qsizetype(ImportColumn::Count));
        QCOMPARE(kim.at(ImportColumn::NID), QString("7"));
        QCOMPARE(kim.at(ImportColumn::LifeSection), QString("Adult"));
        QCOMPARE(kim.at(ImportColumn::AgeDaysLeft), QString("0"));
        QCOMPARE(kim.at(ImportColumn::UniSemester), QString("0"));
        QCOMPARE(kim.at(ImportColumn::Species), QString());
        QCOMPARE(list.at(0).at(ImportColumn::NID), QString());
        QCOMPARE(list.at(1).at(ImportColumn::NID), QString());

        const ExportRead cut = ExportReader::read(fullHeader + "N001,Pleasantview\n");
        QCOMPARE(cut.recordCount(), 0);
    }

    void decodesUtf8ElseWindows1252_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QString>("expected");
        QTest::newRow("utf-8") << QByteArray("Zo\xC3\xAB \xE2\x80\x9CZ\xE2\x80\x9D")
                               << QString::fromUtf8("Zoë “Z”");
        QTest::newRow("windows-1252") << QByteArray("Zo\xEB \x93Z\x94 \x80")
                                      << QString::fromUtf8("Zoë “Z” €");
    }
    void decodesUtf8ElseWindows1252()
    {
        QFETCH(QByteArray, name);
        QFETCH(QString, expected);
        const ExportRead read = ExportReader::read(fullHeader + row(name, "Lo", "3"));
        QCOMPARE(read.lists[ImportCategory::Playables].first().at(ImportColumn::FirstName), expected);
    }

    void skipsAUtf8ByteOrderMark()
    {
        const ExportRead read = ExportReader::read("\xEF\xBB\xBF" + fullHeader + row("Kim", "Lo", "3"));
        QVERIFY(read.error.isEmpty());
        QCOMPARE(read.lists[ImportCategory::Playables].first().at(ImportColumn::Hood), QString("N001"));
    }

    void largeExportsCrossChunkBoundaries()
    {
        QByteArray bytes = fullHeader;
        const QByteArray longText(3000, 'w');
        for (int i = 0; i < 40; ++i)
            bytes += "N001,Pleasantview," + QByteArray::number(i) + ",Sim" + QByteArray::number(i)
                + ",Lo,\"" + longText + ", and more\",3,Lo,,,,Male,Adult,0,N,0,,Human,,,\n";
        const ExportRead read = ExportReader::read(bytes);
        QCOMPARE(read.recordCount(), 40);
        for (const ImportRecord &record : read.lists[ImportCategory::Playables])
            QCOMPARE(record.at(ImportColumn::SimDescription), longText + ", and more");
    }
};

QTEST_GUILESS_MAIN(TestExportReader)
#include "tst_exportreader.moc"
