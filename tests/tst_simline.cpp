#include "records/Sim.h"
#include "records/ListFileText.h"

#include <QFile>
#include <QLocale>
#include <QtTest>

namespace {

// The lines of a fixture file, without their line ends.
QStringList fixtureLines(const QString &name)
{
    QFile file(QStringLiteral(TOLVANE_FIXTURES "/simlines/") + name);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList lines;
    for (const QByteArray &line : file.readAll().split('\n')) {
        QString text = QString::fromUtf8(line);
        text.remove(QLatin1Char('\r'));
        if (!text.isEmpty())
            lines << text;
    }
    return lines;
}

const char *const kFixtures[] = {"format01.sls", "format02.sls", "format03.sls", "format05.sls"};

// The line of a record that has only the defaults.
const QString kDefaultLine = QStringLiteral("\"\",-1,0,0,(0,0),\"At Large\",0,\"\",0,1,7,0,0,0,,");

// A record using every field: several periods with wants, notes with both
// kinds of line break, every life state and a species.
const QString kRichLine = QStringLiteral(
    "\"Rich \"Quote\" Sim\",77,31,2,(1,2,(\"Want A\",5,2),(\"Want B\",3,3)),(3,0),"
    "(8,7,(\"Want C\",1,0)),\"The Rich, Family\",1,\"Fine Arts\",4,0,8,3,1663,-1,"
    "C:/pics/rich one.jpg,Line one;;Line two;;Line, three");

Sim *makeRichSim()
{
    Sim *sim = new Sim("Rich \"Quote\" Sim", 31, 2, 1, 2, true, 1 | 2 | 4 | 8 | 16 | 32 | 64 | 1024,
                       "Line one\r\nLine two\nLine, three", "C:/pics/rich one.jpg");
    sim->setNid(77);
    sim->setLifetimeWant(0, 0, "Want A", 2, 5);
    sim->setLifetimeWant(0, 1, "Want B", 3, 3);
    sim->addAspiration(3, 0);
    sim->addAspiration(8, 7);
    sim->setLifetimeWant(2, 0, "Want C", 0, 1);
    sim->setHousehold("The Rich, Family");
    sim->setSpeciesCode(512);
    sim->setInCollegeFlag(true);
    sim->setMajorText("Fine Arts");
    sim->setSemester(4);
    sim->die(8);
    sim->setHold(3);
    sim->setWitchAlignment(-1);
    return sim;
}

// Every line of every fixture, and the rich record's line.
QStringList allLines()
{
    QStringList lines{kRichLine};
    for (const char *name : kFixtures)
        lines += fixtureLines(name);
    return lines;
}

QString readBack(const QString &line, int format)
{
    Sim sim(nullptr);
    sim.fromString(line, format);
    return sim.toString();
}

// The row's line does not read whole in its format, and the record then
// holds what could be read of it, written as "expected".
void readsPartly()
{
    QFETCH(QString, line);
    QFETCH(int, format);
    Sim sim(nullptr);
    QVERIFY(!sim.fromString(line, format));
    QTEST(sim.toString(), "expected");
}

} // namespace

// The sim line of the list file: written in 0.5, read in every format.
class TestSimLine : public QObject
{
    Q_OBJECT

private slots:
    void writesRichRecordExactly()
    {
        QScopedPointer<Sim> sim(makeRichSim());
        QCOMPARE(sim->toString(), kRichLine);
    }

    // Numbers are plain ASCII whatever the user's locale.
    void writesAsciiNumbersInAnyLocale()
    {
        const QLocale saved;
        QLocale::setDefault(QLocale(QLocale::Arabic, QLocale::Egypt));
        QScopedPointer<Sim> sim(makeRichSim());
        const QString line = sim->toString();
        QLocale::setDefault(saved);
        QCOMPARE(line, kRichLine);
    }

    void richRecordRoundTrip()
    {
        Sim sim(nullptr);
        sim.fromString(kRichLine, 4);
        QCOMPARE(sim.toString(), kRichLine);
        QCOMPARE(sim.name(), QString("Rich \"Quote\" Sim"));
        QCOMPARE(sim.nid(), 77);
        QCOMPARE(sim.periodCount(), 3);
        QCOMPARE(sim.aspiration(0), 1);
        QCOMPARE(sim.secondaryAspiration(2), 7);
        QCOMPARE(sim.lifetimeWant(0, 1), QString("Want B"));
        QCOMPARE(sim.lifetimeWantSteps(0, 0), 5);
        QCOMPARE(sim.lifetimeWantStepsDone(0, 0), 2);
        QCOMPARE(sim.lifetimeWantCount(1), 0);
        QCOMPARE(sim.lifetimeWant(2, 0), QString("Want C"));
        QCOMPARE(sim.household(), QString("The Rich, Family"));
        QVERIFY(sim.isInCollege());
        QCOMPARE(sim.major(), QString("Fine Arts"));
        QCOMPARE(sim.semester(), 4);
        QVERIFY(!sim.isAlive());
        QCOMPARE(sim.ghostColor(), 8);
        QCOMPARE(sim.hold(), 3);
        for (int bit : {1, 2, 4, 8, 16, 32, 64, 1024})
            QVERIFY(sim.hasFlag(bit));
        QCOMPARE(sim.species(), 512);
        QCOMPARE(sim.witchAlignment(), -1);
        QCOMPARE(sim.imageFile(), QString("C:/pics/rich one.jpg"));
        QCOMPARE(sim.notes(), QString("Line one\r\nLine two\r\nLine, three"));
    }

    void readsFixtureLines_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("format");
        QTest::addColumn<QString>("expected");

        QTest::newRow("0.1 teen") << "format01.sls" << 0 << 0
                                  << "\"Male Teen\",-1,20,1,(5,0),\"\",0,\"\",0,1,7,0,4,0,,";
        QTest::newRow("0.1 commas and states")
            << "format01.sls" << 1 << 0
            << "\"Dina Old, the Second\",-1,70,2,(3,0),\"\",1,\"Physics, Applied\",5,0,7,2,127,0,"
               "C:/pics/dina.jpg,Likes, tea.;;Hates cats.";
        QTest::newRow("0.2 teen") << "format02.sls" << 0 << 1
                                  << "\"Male Teen\",-1,20,1,(5,0),\"The Pleasants\",0,\"\",0,1,7,0,4,0,,";
        QTest::newRow("0.2 grow up") << "format02.sls" << 1 << 1
                                     << "\"Growing Kid\",-1,10,2,(8,0),\"At Large\",0,\"\",0,1,7,0,0,0,,";
        QTest::newRow("0.2 ghost dog")
            << "format02.sls" << 2 << 1
            << "\"Old Dog\",-1,40,1,(-1,0),\"Strays\",0,\"\",0,0,3,1,256,0,pics/dog.gif,Found in the park.";
        const QString student = "\"Student Sim\",-1,30,2,(2,5),\"Dorm Life\",1,\"Biology\",3,1,7,0,0,0,,"
                                "Top of the class.";
        const QString witchDog = "\"Witch Dog\",-1,12,1,(0,0),\"\",0,\"\",0,1,7,0,128,0,,";
        QTest::newRow("0.3 student") << "format03.sls" << 0 << 2 << student;
        QTest::newRow("0.4 student") << "format03.sls" << 0 << 3 << student;
        QTest::newRow("0.3 no witch") << "format03.sls" << 1 << 2 << witchDog;
        QTest::newRow("0.4 no witch") << "format03.sls" << 1 << 3 << witchDog;

        const QStringList v05 = fixtureLines("format05.sls");
        const QString ghost = QString(v05.value(3)).replace(",3711,", ",1663,");
        const QString noPeriods =
            "\"No Periods\",-1,5,1,(0,0),\"Kids\",0,\"\",0,1,7,0,0,0,,";
        for (int format : {4, -1, 5, 7, 100}) {
            QTest::addRow("0.5 worked example, index %d", format)
                << "format05.sls" << 0 << format << v05.value(0);
            QTest::addRow("0.5 extra leading period, index %d", format)
                << "format05.sls" << 1 << format << v05.value(1);
            QTest::addRow("0.5 no period, index %d", format)
                << "format05.sls" << 2 << format << noPeriods;
            QTest::addRow("0.5 ghost student, index %d", format)
                << "format05.sls" << 3 << format << ghost;
        }
    }
    void readsFixtureLines()
    {
        QFETCH(QString, file);
        QFETCH(int, index);
        QFETCH(int, format);
        const QStringList lines = fixtureLines(file);
        QVERIFY(index < lines.size());
        Sim sim(nullptr);
        QVERIFY(sim.fromString(lines.at(index), format));
        QTEST(sim.toString(), "expected");
    }

    // Reading a line and saving it again gives the same line: the default
    // period of the new record is not kept in front of the line's periods.
    void openAndSaveAddsNoPeriod()
    {
        const QStringList lines = fixtureLines("format05.sls");
        QVERIFY(!lines.isEmpty());
        QString line = lines.first();
        for (int round = 0; round < 3; ++round)
            line = readBack(line, 4);
        QCOMPARE(line, lines.first());

        Sim sim(nullptr);
        sim.fromString(lines.first(), 4);
        QCOMPARE(sim.periodCount(), 2);
        QCOMPARE(sim.aspiration(), 3);
        QCOMPARE(sim.aspiration(0), 8);
        QCOMPARE(sim.notes(), QString("Met Bo.\r\nLikes tea."));
        QVERIFY(sim.hasFlag(SimTypeFlags::Vampire));
        QVERIFY(sim.hasFlag(SimTypeFlags::Witch));
        QCOMPARE(sim.witchAlignment(), 2);
    }

    void olderFormatFields()
    {
        Sim v01(nullptr);
        v01.fromString(fixtureLines("format01.sls").value(1), 0);
        QCOMPARE(v01.household(), QString(""));
        QCOMPARE(v01.ghostColor(), 7);
        QCOMPARE(v01.species(), 0);
        QVERIFY(!v01.hasFlag(SimTypeFlags::Witch));
        QVERIFY(v01.hasFlag(SimTypeFlags::Bigfoot));
        QCOMPARE(v01.notes(), QString("Likes, tea.\r\nHates cats."));
        QCOMPARE(v01.periodCount(), 1);

        Sim v02(nullptr);
        v02.fromString(fixtureLines("format02.sls").value(0), 1);
        QCOMPARE(v02.aspirationName(), QString("Knowledge"));
        QCOMPARE(v02.periodCount(), 1);
        QCOMPARE(v02.nid(), -1);
    }

    // Flags 384 name two species; 1024 is a witch only in 0.5.
    void speciesAndWitchByFormat_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<int>("species");
        QTest::addColumn<bool>("witch");
        QTest::newRow("0.1") << 0 << 0 << false;
        QTest::newRow("0.2") << 1 << 256 << false;
        QTest::newRow("0.3") << 2 << 256 << false;
        QTest::newRow("0.4") << 3 << 256 << false;
        QTest::newRow("0.5") << 4 << 256 << true;
    }
    void speciesAndWitchByFormat()
    {
        QFETCH(int, format);
        static const QString lines[] = {
            "\"A\",20,1,5,0,\"\",0,1,0,1408,,",
            "\"A\",20,1,6,\"H\",0,\"\",0,1,7,0,1408,,",
            "\"A\",20,1,5,0,\"H\",0,\"\",0,1,7,0,1408,,",
            "\"A\",20,1,5,0,\"H\",0,\"\",0,1,7,0,1408,,",
            "\"A\",-1,20,1,(5,0),\"H\",0,\"\",0,1,7,0,1408,0,,",
        };
        Sim sim(nullptr);
        sim.fromString(lines[format], format);
        QTEST(sim.species(), "species");
        QTEST(sim.hasFlag(SimTypeFlags::Witch), "witch");
        QCOMPARE(sim.age(), 20);
        QCOMPARE(sim.aspiration(), 5);
    }

    // Texts with commas, quotes and line breaks come back as they were.
    void textsRoundTrip_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("plain") << "Ana Bo";
        QTest::newRow("empty") << "";
        QTest::newRow("commas") << "Ana, Bo, and Cy";
        QTest::newRow("leading comma") << ",Ana";
        QTest::newRow("only a comma") << ",";
        QTest::newRow("quotes") << "Ana \"Bee\" Bo";
        QTest::newRow("only a quote") << "\"";
        QTest::newRow("parentheses") << "(Ana) ((Bo))";
    }
    void textsRoundTrip()
    {
        QFETCH(QString, text);
        Sim sim("N", 40, 1, 1, 2, true, 0, "", "");
        sim.setName(text);
        sim.setHousehold(text);
        sim.setMajorText(text);
        sim.setLifetimeWant(0, 0, text, 1, 2);
        sim.addLifetimeWant(text);
        sim.setNotes(text);
        Sim back(nullptr);
        back.fromString(sim.toString(), 4);
        QCOMPARE(back.name(), text);
        QCOMPARE(back.household(), text);
        QCOMPARE(back.major(), text);
        QCOMPARE(back.lifetimeWant(0, 0), text);
        QCOMPARE(back.lifetimeWantSteps(0, 0), 2);
        QCOMPARE(back.lifetimeWantStepsDone(0, 0), 1);
        QCOMPARE(back.lifetimeWant(0, 1), text);
        QCOMPARE(back.notes(), text);
        QCOMPARE(back.toString(), sim.toString());
    }

    // A line break in a single-line text (pasted into a form) must not end
    // the sim's line: the rest would read as another sim on reopening.
    void lineBreaksInSingleLineTexts()
    {
        Sim sim("Ana\nBo", 40, 1, 1, 2, true, 0, "one\ntwo", "C:/pics\r\nana.jpg");
        sim.setHousehold("The\r\nBos");
        sim.setMajorText("Fine\rArts");
        sim.setLifetimeWant(0, 0, "Reach\n the top", 1, 2);
        const QString line = sim.toString();
        QVERIFY(!line.contains(QLatin1Char('\n')));
        QVERIFY(!line.contains(QLatin1Char('\r')));
        Sim back(nullptr);
        back.fromString(line, 4);
        QCOMPARE(back.name(), QString("Ana Bo"));
        QCOMPARE(back.household(), QString("The Bos"));
        QCOMPARE(back.major(), QString("Fine Arts"));
        QCOMPARE(back.lifetimeWant(0, 0), QString("Reach  the top"));
        QCOMPARE(back.lifetimeWantSteps(0, 0), 2);
        QCOMPARE(back.imageFile(), QString("C:/pics ana.jpg"));
        QCOMPARE(back.notes(), QString("one\r\ntwo"));
    }

    // The picture path is stored unquoted before the notes. The rule lets
    // through exactly the paths that come back from the line as they were,
    // with the notes after them untouched.
    void imagePathsTheLineHolds_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("holds"); // empty when the line holds the path
        QTest::newRow("plain") << "C:/pics/ann.jpg" << "";
        QTest::newRow("empty") << "" << "";
        QTest::newRow("blanks") << " C:/my pics/ann lee.jpg " << "";
        QTest::newRow("quotes and parentheses") << "C:/\"Ann\" (beach).jpg" << "";
        QTest::newRow("double semicolon") << "C:/pics;;/ann.jpg" << "";
        QTest::newRow("not ASCII") << "C:/Bilder/Zoë Ünal.gif" << "";
        QTest::newRow("comma in the name") << "C:/pics/Ann, at the beach.jpg" << "a comma";
        QTest::newRow("comma in a folder") << "C:/Ann,Bo/ann.jpg" << "a comma";
        QTest::newRow("comma at the end") << "C:/pics/ann.jpg," << "a comma";
        QTest::newRow("only a comma") << "," << "a comma";
        QTest::newRow("line feed") << "C:/pics\nann.jpg" << "a line break";
        QTest::newRow("carriage return") << "C:/pics/ann.jpg\r" << "a line break";
        QTest::newRow("comma and line break") << "C:/a,b\r\nann.jpg" << "a comma";
    }
    void imagePathsTheLineHolds()
    {
        QFETCH(QString, path);
        QFETCH(QString, holds);
        const QString problem = ListFileText::imagePathProblem(path);
        if (holds.isEmpty())
            QCOMPARE(problem, QString());
        else
            QCOMPARE(problem, "The picture was not set: its path holds " + holds
                                  + ", which the list file cannot keep. Rename or move the "
                                    "picture and choose it again.");
        Sim sim("Ann", 40, 2, 1, 0, true, 0, "Likes tea", path);
        Sim back(nullptr);
        back.fromString(sim.toString(), 4);
        QCOMPARE(back.imageFile() == path && back.notes() == "Likes tea", holds.isEmpty());
    }

    void notesLineBreaks()
    {
        Sim sim(nullptr);
        sim.setNotes("a\r\nb\nc\r\n");
        QVERIFY(sim.toString().endsWith(",a;;b;;c;;"));
        Sim back(nullptr);
        back.fromString(sim.toString(), 4);
        QCOMPARE(back.notes(), QString("a\r\nb\r\nc\r\n"));
    }

    // A record without periods writes none; reading such a line keeps the
    // new record's single period.
    void recordWithoutPeriods()
    {
        Sim sim("X", 40, 1, 3, 0, true, 0, "", "");
        sim.removeAspiration(0);
        const QString line = sim.toString();
        QCOMPARE(line, QString("\"X\",-1,40,1,\"At Large\",0,\"\",0,1,7,0,0,0,,"));
        Sim back(nullptr);
        back.fromString(line, 4);
        QCOMPARE(back.periodCount(), 1);
        QCOMPARE(back.aspiration(), 0);
        QCOMPARE(back.household(), QString("At Large"));
    }

    // A line that stops early leaves the later fields at their defaults.
    void truncatedLines_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("format");
        QTest::addColumn<QString>("expected");
        QTest::newRow("empty") << "" << 4 << kDefaultLine;
        QTest::newRow("unclosed name") << "\"Bob,4,40,1,(2,0)" << 4 << kDefaultLine;
        QTest::newRow("lone quote") << "\"" << 4 << kDefaultLine;
        QTest::newRow("no gender") << "\"Bob\",4,40" << 4
                                   << "\"Bob\",4,40,0,(0,0),\"At Large\",0,\"\",0,1,7,0,0,0,,";
        QTest::newRow("period cut") << "\"Bob\",4,40,1,(2" << 4
                                    << "\"Bob\",4,40,1,(2,0),\"At Large\",0,\"\",0,1,7,0,0,0,,";
        QTest::newRow("want text cut")
            << "\"Bob\",4,40,1,(2,3,(\"Wa" << 4
            << "\"Bob\",4,40,1,(2,3),\"At Large\",0,\"\",0,1,7,0,0,0,,";
        QTest::newRow("want never closes")
            << "\"Bob\",4,40,1,(2,0,(\"Want\",5,1)" << 4
            << "\"Bob\",4,40,1,(2,0,(\"Want\",5,1)),\"At Large\",0,\"\",0,1,7,0,0,0,,";
        QTest::newRow("household cut")
            << "\"Bob\",4,40,1,(2,0),\"Hou" << 4
            << "\"Bob\",4,40,1,(2,0),\"At Large\",0,\"\",0,1,7,0,0,0,,";
        QTest::newRow("no alive") << "\"Bob\",4,40,1,(2,0),\"Home\",1,\"Art\",2" << 4
                                  << "\"Bob\",4,40,1,(2,0),\"Home\",1,\"Art\",2,1,7,0,0,0,,";
        QTest::newRow("no flags") << "\"Bob\",4,40,1,(2,0),\"Home\",1,\"Art\",2,0,3,2" << 4
                                  << "\"Bob\",4,40,1,(2,0),\"Home\",1,\"Art\",2,0,3,2,0,0,,";
        QTest::newRow("no alignment")
            << "\"Bob\",4,40,1,(2,0),\"Home\",0,\"\",0,1,7,0,1024" << 4
            << "\"Bob\",4,40,1,(2,0),\"Home\",0,\"\",0,1,7,0,1024,0,,";
        QTest::newRow("0.3 no secondary") << "\"Bob\",40,1,3" << 2
                                          << "\"Bob\",-1,40,1,(3,0),\"At Large\",0,\"\",0,1,7,0,0,0,,";
        QTest::newRow("0.1 major cut") << "\"Bob\",40,1,3,1,\"Maj" << 0
                                       << "\"Bob\",-1,40,1,(3,0),\"\",1,\"\",0,1,7,0,0,0,,";
        QTest::newRow("0.2 no aspiration") << "\"Bob\",40,1" << 1
                                           << "\"Bob\",-1,40,1,(0,0),\"At Large\",0,\"\",0,1,7,0,0,0,,";
    }
    void truncatedLines()
    {
        QFETCH(QString, line);
        QFETCH(int, format);
        QTEST(readBack(line, format), "expected");
    }

    // A field written in double quotes whose part has no quote in front is
    // another field, as a line read in another version than its own shows:
    // the line is not read whole, and no later field swallows the parts
    // after it.
    void quotedFieldsOpenWithTheirQuote_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("format");
        QTest::addColumn<QString>("expected");
        QTest::newRow("name") << "Bob\",4,40,1,(2,0),\"Home\",0,\"\",0,1,7,0,0,0,," << 4
                              << kDefaultLine;
        QTest::newRow("household")
            << "\"Bob\",4,40,1,(2,0),Home\",0,\"\",0,1,7,0,0,0,," << 4
            << "\"Bob\",4,40,1,(2,0),\"At Large\",0,\"\",0,1,7,0,0,0,,";
        QTest::newRow("major")
            << "\"Bob\",4,40,1,(2,0),\"Home\",1,Art\",2,1,7,0,0,0,," << 4
            << "\"Bob\",4,40,1,(2,0),\"Home\",1,\"\",0,1,7,0,0,0,,";
        QTest::newRow("want")
            << "\"Bob\",4,40,1,(2,3,\"Want\",5,1)),\"Home\",0,\"\",0,1,7,0,0,0,," << 4
            << "\"Bob\",4,40,1,(2,3),\"At Large\",0,\"\",0,1,7,0,0,0,,";
        // The secondary aspiration is not taken for the household (",\"Brook").
        QTest::newRow("0.3 line read as 0.2")
            << "\"Ada Brook\",40,2,1,6,\"Brook\",0,\"\",0,1,7,0,0,C:/pics/ada.jpg,Likes tea." << 1
            << "\"Ada Brook\",-1,40,2,(8,0),\"At Large\",0,\"\",0,1,7,0,0,0,,";
        // The period does not run into the household ("8,0),\"Kite").
        QTest::newRow("0.5 line read as 0.2")
            << "\"Kim Kite\",12,40,2,(8,0),\"Kite\",0,\"\",0,1,7,0,0,0,," << 1
            << "\"Kim Kite\",-1,12,40,(1,0),\"At Large\",0,\"\",0,1,7,0,0,0,,";
        QTest::newRow("0.3 line read as 0.5")
            << "\"Ada Brook\",40,2,1,6,\"Brook\",0,\"\",0,1,7,0,0,C:/pics/ada.jpg,Likes tea." << 4
            << "\"Ada Brook\",40,2,1,(0,0),\"At Large\",0,\"\",0,1,7,0,0,0,,";
    }
    void quotedFieldsOpenWithTheirQuote() { readsPartly(); }

    // Numbers are read in the one form the writer writes them, QString::number's.
    void writtenNumbers_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<int>("value");
        QTest::newRow("0") << "0" << true << 0;
        QTest::newRow("7") << "7" << true << 7;
        QTest::newRow("40") << "40" << true << 40;
        QTest::newRow("1024") << "1024" << true << 1024;
        QTest::newRow("-1") << "-1" << true << -1;
        QTest::newRow("-30") << "-30" << true << -30;
        QTest::newRow("largest int") << "2147483647" << true << 2147483647;
        QTest::newRow("smallest int") << "-2147483648" << true << -2147483647 - 1;
        QTest::newRow("ten digits, 1 below the smallest int") << "-2147483649" << false << 0;
        QTest::newRow("ten digits, 1 past the largest int") << "2147483648" << false << 0;
        QTest::newRow("ten digits past any int") << "9999999999" << false << 0;
        QTest::newRow("eleven digits") << "99999999999" << false << 0;
        QTest::newRow("eleven digits with a leading zero") << "01234567890" << false << 0;
        QTest::newRow("empty") << "" << false << 0;
        QTest::newRow("minus alone") << "-" << false << 0;
        QTest::newRow("-0") << "-0" << false << 0;
        QTest::newRow("00") << "00" << false << 0;
        QTest::newRow("02") << "02" << false << 0;
        QTest::newRow("-01") << "-01" << false << 0;
        QTest::newRow("leading blank") << " 2" << false << 0;
        QTest::newRow("trailing blank") << "2 " << false << 0;
        QTest::newRow("tab") << "\t2" << false << 0;
        QTest::newRow("plus sign") << "+2" << false << 0;
        QTest::newRow("two minus signs") << "--1" << false << 0;
        QTest::newRow("minus after") << "1-" << false << 0;
        QTest::newRow("letter O") << "4O" << false << 0;
        QTest::newRow("decimal point") << "1.5" << false << 0;
        QTest::newRow("exponent") << "1e3" << false << 0;
        QTest::newRow("hexadecimal") << "0x10" << false << 0;
        QTest::newRow("Arabic-Indic digit") << QString(QChar(0x0663)) << false << 0;
        QTest::newRow("fullwidth digit") << QString(QChar(0xFF12)) << false << 0;
        // The units just past '9' and before '0'.
        QTest::newRow("colon") << "1:" << false << 0;
        QTest::newRow("slash") << "/1" << false << 0;
    }
    void writtenNumbers()
    {
        QFETCH(QString, text);
        QFETCH(bool, ok);
        // Set to the opposite first, so that a read that leaves it alone fails.
        bool read = !ok;
        const int value = ListFileText::writtenNumber(text, &read);
        QCOMPARE(read, ok);
        QTEST(value, "value");
        // What is accepted is exactly what the writer writes for the value.
        if (ok)
            QCOMPARE(QString::number(value), text);
    }

    // A sim line whose number fields are in a form the writer never writes
    // is not read whole, in every format. What QStringView::toInt reads of
    // such a field is kept, as what could be read of the line; text it
    // cannot read gives 0.
    void numbersInAnotherForm_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("format");
        QTest::addColumn<QString>("expected");
        const QString v05 = "\"Bob\",4,40,1,(2,3,(\"Want\",5,1)),(6,0),\"Home\",1,\"Art\",2,1,7,3,"
                            "1024,-1,,";
        const auto in05 = [&](const char *name, const QString &from, const QString &to,
                              const QString &expected) {
            QVERIFY2(v05.count(from) == 1, name);
            QTest::newRow(name) << QString(v05).replace(from, to) << 4 << expected;
        };
        in05("0.5 NID 04", ",4,40,", ",04,40,", v05);
        in05("0.5 age \" 40\"", ",40,", ", 40,", v05);
        in05("0.5 gender \"1 \"", ",1,(", ",1 ,(", v05);
        in05("0.5 aspiration +2", "(2,", "(+2,", v05);
        in05("0.5 secondary aspiration before wants 03", ",3,(", ",03,(", v05);
        in05("0.5 want steps 05", ",5,1)", ",05,1)", v05);
        in05("0.5 want steps done \"1 \"", ",1))", ",1 ))", v05);
        in05("0.5 aspiration of a closed period \" 6\"", "(6,", "( 6,", v05);
        in05("0.5 secondary aspiration closing a period -0", ",0),", ",-0),", v05);
        in05("0.5 in college +1", ",1,\"Art", ",+1,\"Art", v05);
        in05("0.5 semester 02", ",2,1,7,", ",02,1,7,", v05);
        in05("0.5 alive \" 1\"", ",2,1,7,", ",2, 1,7,", v05);
        in05("0.5 ghost colour 07", ",7,3,", ",07,3,", v05);
        in05("0.5 hold \"3 \"", ",3,1024", ",3 ,1024", v05);
        in05("0.5 flags 01024", ",1024,", ",01024,", v05);
        in05("0.5 witch alignment -01", ",-1,,", ",-01,,", v05);
        in05("0.5 witch alignment -0 for -1", ",-1,,", ",-0,,",
             QString(v05).replace(",-1,,", ",0,,"));
        in05("0.5 hold 3O", ",3,1024", ",3O,1024", QString(v05).replace(",3,1024", ",0,1024"));
        in05("0.5 age 4O", ",40,", ",4O,", QString(v05).replace(",40,", ",0,"));

        QTest::newRow("0.1 alive -0") << "\"Ada\",40,2,1,0,\"\",0,-0,0,0,," << 0
                                      << "\"Ada\",-1,40,2,(1,0),\"\",0,\"\",0,0,7,0,0,0,,";
        QTest::newRow("0.1 hold -0") << "\"Ada\",40,2,1,0,\"\",0,1,-0,0,," << 0
                                     << "\"Ada\",-1,40,2,(1,0),\"\",0,\"\",0,1,7,0,0,0,,";
        // 0.2 coded the aspirations one higher.
        QTest::newRow("0.2 aspiration 03")
            << "\"Ada\",40,2,03,\"Brook\",0,\"\",0,1,7,0,0,," << 1
            << "\"Ada\",-1,40,2,(2,0),\"Brook\",0,\"\",0,1,7,0,0,0,,";
        QTest::newRow("0.3 secondary aspiration \" 6\"")
            << "\"Ada\",40,2,1, 6,\"Brook\",0,\"\",0,1,7,0,0,," << 2
            << "\"Ada\",-1,40,2,(1,6),\"Brook\",0,\"\",0,1,7,0,0,0,,";
        QTest::newRow("0.4 flags +256")
            << "\"Ada\",40,2,1,6,\"Brook\",0,\"\",0,1,7,0,+256,," << 3
            << "\"Ada\",-1,40,2,(1,6),\"Brook\",0,\"\",0,1,7,0,256,0,,";
    }
    void numbersInAnotherForm() { readsPartly(); }

    // Lines the writer never writes but whose numbers are all in its form
    // read whole: values a table does not hold are the game's or a later
    // version's, not damage.
    void numbersInTheWrittenFormReadWhole_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("format");
        QTest::newRow("0.5 truth values 2 and 9")
            << "\"Bob\",4,40,1,(2,3),\"Home\",2,\"Art\",2,9,7,3,0,0,," << 4;
        QTest::newRow("0.5 flags with two species bits")
            << "\"Bob\",4,40,1,(2,3),\"Home\",0,\"\",0,1,7,0,384,0,," << 4;
        QTest::newRow("0.5 codes outside their tables")
            << "\"Bob\",4,1000,9,(99,42,(\"W\",70,80)),\"Home\",0,\"\",12,1,99,0,0,7,," << 4;
        QTest::newRow("0.5 -1 for none")
            << "\"Bob\",-1,40,1,(-1,-1),\"Home\",0,\"\",0,1,7,-1,0,-1,," << 4;
        QTest::newRow("0.5 ends of the int range")
            << "\"Bob\",2147483647,-2147483648,1,(2,3),\"Home\",0,\"\",0,1,7,-2147483648,"
               "2147483647,0,,"
            << 4;
        QTest::newRow("0.1 truth values 3 and 5") << "\"Ada\",40,2,1,3,\"\",0,5,0,0,," << 0;
        QTest::newRow("0.2 aspiration -1") << "\"Ada\",40,2,-1,\"Brook\",0,\"\",0,1,7,0,0,," << 1;
        QTest::newRow("0.3 flags with two species bits")
            << "\"Ada\",40,2,1,6,\"Brook\",0,\"\",0,1,7,0,896,," << 2;
        QTest::newRow("0.4 codes outside their tables")
            << "\"Ada\",400,5,77,66,\"Brook\",0,\"\",40,1,50,0,0,," << 3;
    }
    void numbersInTheWrittenFormReadWhole()
    {
        QFETCH(QString, line);
        QFETCH(int, format);
        Sim sim(nullptr);
        QVERIFY(sim.fromString(line, format));
    }

    // Whatever a line holds, the reader stays within it (the sanitizers
    // report any read past the end).
    void everyPrefixOfEveryLine()
    {
        const QStringList lines = allLines();
        QCOMPARE(lines.size(), 12);
        for (const QString &line : lines) {
            for (int length = 0; length <= line.size(); ++length) {
                const QString prefix = line.left(length);
                for (int format : {-1, 0, 1, 2, 3, 4, 7}) {
                    Sim sim(nullptr);
                    sim.fromString(prefix, format);
                    QVERIFY(!sim.toString().isEmpty());
                    QVERIFY(sim.periodCount() >= 1);
                    sim.lifeStageText();
                    sim.aspirationName();
                }
            }
        }
    }

    // Numbers at the ends of the int range, and past them, are read and
    // used without overflow.
    void extremeNumbers()
    {
        for (const QString number : {"-2147483648", "2147483647", "99999999999"}) {
            QStringList parts;
            for (int i = 0; i < 20; ++i)
                parts << number;
            const QString numbers = parts.join(",");
            const QStringList lines{"\"A\"," + numbers,
                                    "\"A\"," + number + "," + number + "," + number + ",(" + number
                                        + "," + number + ",(\"W\"," + number + "," + number + "))," + numbers};
            for (const QString &line : lines) {
                for (int format : {0, 1, 2, 3, 4}) {
                    Sim sim(nullptr);
                    sim.fromString(line, format);
                    sim.lifeStageText();
                    sim.aspirationName();
                    sim.secondaryAspirationName();
                    sim.addDays(10);
                    sim.addDays(-10);
                    sim.setFlag(SimTypeFlags::Plantsim);
                    sim.clearFlag(SimTypeFlags::Plantsim);
                    sim.decrementHold();
                    Sim back(nullptr);
                    back.fromString(sim.toString(), 4);
                    QCOMPARE(back.toString(), sim.toString());
                }
            }
        }
    }

    void linesWithExtraCommas()
    {
        for (const QString &line : allLines()) {
            QStringList variants{"," + line, line + ",,,", QString(line).replace(",", ",,"),
                                 QString(line).replace("(", ",(").replace(")", "),")};
            for (int i = 0; i < line.size(); ++i) {
                if (line.at(i) == QLatin1Char(','))
                    variants << line.left(i) + "," + line.mid(i);
            }
            for (const QString &variant : variants) {
                for (int format : {-1, 0, 1, 2, 3, 4}) {
                    Sim sim(nullptr);
                    sim.fromString(variant, format);
                    QVERIFY(!sim.toString().isEmpty());
                    sim.lifeStageText();
                }
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestSimLine)
#include "tst_simline.moc"
