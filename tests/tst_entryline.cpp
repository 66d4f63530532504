#include "records/EntryLine.h"

#include <QtTest>

// The line shape shared by the updates and achievements sections.
class TestEntryLine : public QObject
{
    Q_OBJECT

private slots:
    void roundTrip_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("pos1");
        QTest::addColumn<int>("pos2");
        QTest::newRow("plain") << "Ana Bo grew up well." << 3 << -1;
        QTest::newRow("commas") << "Ana, Bo and Cy, all of them, moved." << 0 << 12;
        QTest::newRow("quotes") << "Ana \"Bee\" Bo, \"the\",  one" << -1 << -1;
        QTest::newRow("quote-comma") << "Ana\",7,8" << 1 << 2;
        QTest::newRow("empty") << "" << -1 << -1;
        QTest::newRow("leading comma") << ",Ana" << 5 << 6;
    }
    void roundTrip()
    {
        QFETCH(QString, text);
        QFETCH(int, pos1);
        QFETCH(int, pos2);
        EntryLine::Fields fields;
        QVERIFY(EntryLine::parse(EntryLine::format(text, pos1, pos2), &fields));
        QCOMPARE(fields.text, text);
        QCOMPARE(fields.pos1, pos1);
        QCOMPARE(fields.pos2, pos2);
    }

    void formatIsExact()
    {
        QCOMPARE(EntryLine::format("Ana moved.", 4, -1), QString("\"Ana moved.\",4,-1"));
    }

    // A sim name may hold a pasted line break; the sentence stays on one line.
    void lineBreaksAreWrittenAsBlanks()
    {
        const QString line = EntryLine::format("Ana\r\nBo and Cy\nDi\rEd moved.", 1, 2);
        QCOMPARE(line, QString("\"Ana Bo and Cy Di Ed moved.\",1,2"));
    }

    // A position that is no whole number in the form the writer writes is
    // damage, not "no sim": the line cannot be read. "-0" would name the
    // first sim and "01" the second. A negative one is a whole number and
    // means none.
    void positionsInTheWrittenForm_data()
    {
        QTest::addColumn<QString>("pos1");
        QTest::addColumn<QString>("pos2");
        QTest::addColumn<bool>("read");
        QTest::newRow("letter, nothing") << "x" << "" << false;
        QTest::newRow("0, letter l") << "0" << "l" << false;
        QTest::newRow("nothing, -1") << "" << "-1" << false;
        QTest::newRow("past the int range") << "99999999999" << "2" << false;
        const char *const unwritten[] = {"-0", "01", "-01", " 1", "1 ", "+1", "00"};
        for (const char *form : unwritten) {
            QTest::addRow("first \"%s\"", form) << form << "1" << false;
            QTest::addRow("second \"%s\"", form) << "1" << form << false;
        }
        QTest::newRow("-1, 0") << "-1" << "0" << true;
        QTest::newRow("0, -1") << "0" << "-1" << true;
        QTest::newRow("12, 10") << "12" << "10" << true;
        QTest::newRow("-5, 2") << "-5" << "2" << true;
        QTest::newRow("ends of the int range") << "-2147483648" << "2147483647" << true;
    }
    void positionsInTheWrittenForm()
    {
        QFETCH(QString, pos1);
        QFETCH(QString, pos2);
        QFETCH(bool, read);
        EntryLine::Fields fields;
        QCOMPARE(EntryLine::parse("\"Ana, Bo moved.\"," + pos1 + "," + pos2, &fields), read);
        if (!read)
            return;
        QCOMPARE(fields.text, QString("Ana, Bo moved."));
        QCOMPARE(QString::number(fields.pos1), pos1);
        QCOMPARE(QString::number(fields.pos2), pos2);
    }

    // A position names no sim (-1) or one of the list's; any other names
    // nobody, as a lost sim line leaves it.
    void positionsNameSimsOfTheList_data()
    {
        QTest::addColumn<int>("pos1");
        QTest::addColumn<int>("pos2");
        QTest::addColumn<bool>("names");
        QTest::newRow("no sims") << -1 << -1 << true;
        QTest::newRow("first and last") << 0 << 4 << true;
        QTest::newRow("past the last") << 5 << -1 << false;
        QTest::newRow("second past the last") << 0 << 5 << false;
        QTest::newRow("below -1") << -2 << -1 << false;
        QTest::newRow("lowest number") << -2147483647 - 1 << 0 << false;
    }
    void positionsNameSimsOfTheList()
    {
        QFETCH(int, pos1);
        QFETCH(int, pos2);
        EntryLine::Fields fields;
        QVERIFY(EntryLine::parse(EntryLine::format("Ana moved.", pos1, pos2), &fields));
        QTEST(EntryLine::namesSimsOf(fields, 5), "names");
        QVERIFY(!EntryLine::namesSimsOf(fields, 0) || (pos1 == -1 && pos2 == -1));
    }

    void malformedLines_data()
    {
        QTest::addColumn<QString>("line");
        QTest::newRow("empty") << "";
        QTest::newRow("no commas") << "\"Ana moved.\"";
        QTest::newRow("one comma") << "\"Ana moved.\",1";
        QTest::newRow("unquoted") << "Ana moved.,1,2";
        QTest::newRow("no closing quote") << "\"Ana moved.,1,2";
        QTest::newRow("lone quote") << "\",1,2";
        QTest::newRow("commas only") << ",,";
    }
    void malformedLines()
    {
        QFETCH(QString, line);
        EntryLine::Fields fields;
        QVERIFY(!EntryLine::parse(line, &fields));
    }

    void simAtBounds()
    {
        Sim a, b;
        const SimList list{&a, nullptr, &b};
        QCOMPARE(EntryLine::simAt(list, 0), &a);
        QCOMPARE(EntryLine::simAt(list, 1), nullptr);
        QCOMPARE(EntryLine::simAt(list, 2), &b);
        QCOMPARE(EntryLine::simAt(list, 3), nullptr);
        QCOMPARE(EntryLine::simAt(list, -1), nullptr);
    }

    // An entry's sim is stored by its first position in the sim list.
    void positionOf()
    {
        Sim a, b, outside;
        const SimList list{&a, nullptr, &b, &a};
        QCOMPARE(EntryLine::positionOf(list, &a), 0);
        QCOMPARE(EntryLine::positionOf(list, &b), 2);
        QCOMPARE(EntryLine::positionOf(list, &outside), -1);
        QCOMPARE(EntryLine::positionOf(list, nullptr), -1);
        QCOMPARE(EntryLine::positionOf(SimList(), &a), -1);
        // The table made once for a whole section gives the same positions.
        const EntryLine::Positions positions(list);
        for (const Sim *sim : {&a, &b, &outside, static_cast<Sim *>(nullptr)})
            QCOMPARE(positions.of(sim), EntryLine::positionOf(list, sim));
        QCOMPARE(EntryLine::Positions(SimList()).of(&a), -1);
    }
};

QTEST_GUILESS_MAIN(TestEntryLine)
#include "tst_entryline.moc"
