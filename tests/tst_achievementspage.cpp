#include "pages/AchievementEntry.h"
#include "pages/AchievementsPage.h"
#include "records/EntryLine.h"
#include "records/Sim.h"
#include "support/Fixture.h"
#include "support/CapturedStdout.h"
#include "support/DrawnText.h"
#include "support/WidgetLookup.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QPushButton>
#include <QRegularExpression>
#include <QLayout>
#include <QScrollArea>
#include <QScrollBar>
#include <QtTest>

using WidgetLookup::button;

namespace {

const QString separator(40, QLatin1Char('-'));

QByteArray fixture(const QString &name)
{
    return Fixture::bytes(name);
}

// The lines of a section as the sheet hands them over: without line ends.
QStringList sectionLines(const QByteArray &section)
{
    QStringList lines = QString::fromUtf8(section).split(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

QStringList shownTexts(const AchievementsPage &page)
{
    QStringList texts;
    for (const AchievementEntry *entry : page.entries()) {
        if (!entry->isHidden())
            texts.append(entry->text());
    }
    return texts;
}

QStringList comboTexts(const QComboBox *box)
{
    QStringList texts;
    for (int i = 0; i < box->count(); ++i)
        texts.append(box->itemText(i));
    return texts;
}

} // namespace

class TestAchievementsPage : public QObject
{
    Q_OBJECT

private:
    Sim ann, bo, cy;
    SimList sheet;

private slots:
    void initTestCase()
    {
        ann.setName("Ann Lee");
        bo.setName("Bo Lee");
        cy.setName("Cy <b>Lee</b>");
        sheet = {&ann, &bo, &cy};
    }

    void entriesAreLoggedInOrder()
    {
        AchievementsPage page;
        QCOMPARE(page.entries().size(), 0);
        QVERIFY(!button(&page, "Filter by Sim")->isEnabled());
        QVERIFY(!button(&page, "Show All")->isEnabled());
        QVERIFY(static_cast<QCheckBox *>(button(&page, "Show holds"))->isChecked());

        page.addEntry(separator, nullptr, nullptr);
        QVERIFY(!button(&page, "Filter by Sim")->isEnabled());
        page.addEntry("Ann Lee and Bo Lee got married.", &ann, &bo);
        page.addEntry("<i>Cy</i> moved in.", &cy, &ann);

        const auto entries = page.entries();
        QCOMPARE(entries.size(), 3);
        QCOMPARE(entries.at(0)->text(), separator);
        QCOMPARE(entries.at(2)->text(), QString("<i>Cy</i> moved in."));
        // A sentence that looks like markup is shown as typed.
        QCOMPARE(entries.at(2)->textFormat(), Qt::PlainText);
        QVERIFY(entries.at(1)->involves(&ann) && entries.at(1)->involves(&bo));
        QVERIFY(!entries.at(1)->involves(&cy));
        QVERIFY(!entries.at(0)->involves(&ann));
        QCOMPARE(entries.at(2)->sim1Index(sheet), 2);
        QCOMPARE(entries.at(2)->sim2Index(sheet), 0);
        QCOMPARE(entries.at(2)->sim1Index(SimList{&ann}), -1);

        // Each sim is listed once, by the name it had when first logged.
        auto *simBox = page.findChild<QComboBox *>();
        QCOMPARE(comboTexts(simBox), QStringList({"Ann Lee", "Bo Lee", "Cy <b>Lee</b>"}));
        QVERIFY(button(&page, "Filter by Sim")->isEnabled());

        // A sim renamed later keeps the name it was first logged under.
        Sim dee;
        dee.setName("Dee Lee");
        page.addEntry("Dee Lee moved in.", &dee, nullptr);
        dee.setName("Dee Cole");
        page.addEntry("Dee Cole married Ann Lee.", &dee, &ann);
        QCOMPARE(comboTexts(simBox), QStringList({"Ann Lee", "Bo Lee", "Cy <b>Lee</b>", "Dee Lee"}));
    }

    // A sentence that begins with a right-to-left name still reads left to
    // right: the name at the left, in its own direction, the English words
    // after it. The log saves the sentence as it was given.
    void sentencesReadLeftToRightWhateverTheNames_data()
    {
        DrawnText::addSentencesBeginningWithNames();
    }
    void sentencesReadLeftToRightWhateverTheNames()
    {
        QFETCH(QString, sentence);
        QFETCH(QString, first);
        Sim sim;
        sim.setName(first);
        AchievementsPage page;
        page.addEntry(sentence, &sim, nullptr);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));

        AchievementEntry *entry = page.entries().first();
        const QList<int> drawn = DrawnText::inkColumns(entry);
        QCOMPARE(drawn, DrawnText::inkColumnsLeftToRight(sentence, entry->size()));
        const QList<int> name = DrawnText::inkColumnsOf(first, entry->size());
        QCOMPARE(drawn.mid(0, name.size()), name);

        QCOMPARE(entry->text(), sentence);
        CapturedStdout out;
        QCOMPARE(page.saveEntries(SimList{&sim}), "\"" + sentence + "\",0,-1\r\n");
    }

    // Entries logged while the tab is hidden (during "Apply Updates") are
    // fitted into the log once, when the tab is shown.
    void logIsFittedWhenShown()
    {
        AchievementsPage page;
        for (int i = 0; i < 5; ++i)
            page.addEntry(QString("Entry %1").arg(i), nullptr, nullptr);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        QWidget *log = page.findChild<QScrollArea *>()->widget();
        QCOMPARE(log->size(), log->layout()->minimumSize());
        QVERIFY(log->height() > 5 * page.entries().first()->sizeHint().height());
    }

    void holdSentences_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("hold");
        QTest::newRow("sim") << "Put Ann Lee on hold for 3 days." << true;
        QTest::newRow("all but") << "Put all sims and pets except Ann Lee on hold for 2 days." << true;
        QTest::newRow("household") << "Put the Lee household on hold for 1 days." << true;
        QTest::newRow("no full stop") << "Put Ann Lee on hold for 3 days" << false;
        QTest::newRow("lower case") << "put Ann Lee on hold for 3 days." << false;
        QTest::newRow("nothing held") << "Put  on hold for 3 days." << false;
        QTest::newRow("text after") << "Put Ann Lee on hold for 3 days. Again." << false;
        QTest::newRow("separator") << separator << false;
    }
    void holdSentences()
    {
        QFETCH(QString, text);
        QFETCH(bool, hold);
        QCOMPARE(AchievementEntry::isHoldSentence(text), hold);
    }

    void simFilterAndHolds()
    {
        AchievementsPage page;
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        page.addEntry("Ann Lee grew up.", &ann, nullptr);
        page.addEntry("Ann Lee and Bo Lee got married.", &ann, &bo);
        page.addEntry("Put Ann Lee on hold for 2 days.", &ann, nullptr);
        page.addEntry(separator, nullptr, nullptr);
        page.addEntry("Bo Lee moved out.", &bo, nullptr);
        const QStringList all = shownTexts(page);
        QCOMPARE(all.size(), 5);

        auto *filter = button(&page, "Filter by Sim");
        auto *showAll = button(&page, "Show All");
        auto *holds = button(&page, "Show holds");
        auto *simBox = page.findChild<QComboBox *>();

        simBox->setCurrentIndex(0);
        QTest::mouseClick(filter, Qt::LeftButton);
        // The separators belong to no sim and are hidden too.
        QCOMPARE(shownTexts(page), QStringList({"Ann Lee grew up.", "Ann Lee and Bo Lee got married.",
                                                "Put Ann Lee on hold for 2 days."}));
        QVERIFY(showAll->isEnabled());

        // Choosing another sim changes nothing until the filter is applied.
        simBox->setCurrentIndex(1);
        QCOMPARE(shownTexts(page).size(), 3);

        // "Show holds" re-applies the filter, with the sim chosen now.
        QTest::mouseClick(holds, Qt::LeftButton);
        QVERIFY(!static_cast<QCheckBox *>(holds)->isChecked());
        QCOMPARE(shownTexts(page), QStringList({"Ann Lee and Bo Lee got married.", "Bo Lee moved out."}));

        // An entry logged under a filter shows until the filter runs again.
        page.addEntry("Cy <b>Lee</b> moved in.", &cy, nullptr);
        QCOMPARE(shownTexts(page).size(), 3);

        QTest::mouseClick(showAll, Qt::LeftButton);
        QVERIFY(!showAll->isEnabled());
        QCOMPARE(shownTexts(page), QStringList({"Ann Lee grew up.", "Ann Lee and Bo Lee got married.",
                                                separator, "Bo Lee moved out.",
                                                "Cy <b>Lee</b> moved in."}));

        QTest::mouseClick(holds, Qt::LeftButton);
        QCOMPARE(shownTexts(page).size(), 6);
        QVERIFY(!showAll->isEnabled());
    }

    // On a shown tab, whatever shows or hides entries leaves the log shown,
    // exactly the chosen entries on screen, the log fitted to them and the
    // scroll bar in step with it; also when a list is loaded into it.
    void shownLogFollowsEveryChange()
    {
        AchievementsPage page;
        page.resize(400, 300);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        auto *scroll = page.findChild<QScrollArea *>();
        QWidget *log = scroll->widget();
        QScrollBar *bar = scroll->verticalScrollBar();

        QStringList lines;
        QStringList all;
        for (int i = 0; i < 20; ++i) {
            all << QString("Ann Lee grew up %1.").arg(i) << "Put Bo Lee on hold for 2 days."
                << separator;
            lines << EntryLine::format(all.at(3 * i), 0, -1)
                  << EntryLine::format(all.at(3 * i + 1), 1, -1)
                  << EntryLine::format(separator, -1, -1);
        }
        QStringList anns;
        QStringList noHolds;
        for (const QString &text : all) {
            if (text.startsWith("Ann"))
                anns << text;
            if (!text.startsWith("Put"))
                noHolds << text;
        }

        // What is amiss with the log on screen; empty when nothing is.
        const auto amiss = [&](const QStringList &wanted) {
            QStringList onScreen;
            for (const AchievementEntry *entry : page.entries()) {
                if (entry->isVisible())
                    onScreen << entry->text();
            }
            if (onScreen != wanted)
                return QString("on screen: %1 of %2 entries, not %3")
                    .arg(onScreen.size()).arg(page.entries().size()).arg(wanted.size());
            if (log->size() != log->layout()->minimumSize())
                return QString("the log is not fitted to its entries");
            if (bar->maximum() <= 0 || log->y() != -bar->value())
                return QString("the log is at %1, its scroll bar at %2 of %3")
                    .arg(log->y()).arg(bar->value()).arg(bar->maximum());
            return QString();
        };

        page.loadEntries(sheet, lines);
        QCOMPARE(amiss(all), QString());

        bar->setValue(bar->maximum());
        QTest::mouseClick(button(&page, "Filter by Sim"), Qt::LeftButton);
        QCOMPARE(amiss(anns), QString());

        page.addEntry("Cy <b>Lee</b> moved in.", &cy, nullptr);
        QCOMPARE(amiss(anns + QStringList{"Cy <b>Lee</b> moved in."}), QString());
        all << "Cy <b>Lee</b> moved in.";
        noHolds << "Cy <b>Lee</b> moved in.";

        bar->setValue(bar->maximum());
        QTest::mouseClick(button(&page, "Show All"), Qt::LeftButton);
        QCOMPARE(amiss(all), QString());

        bar->setValue(bar->maximum());
        QTest::mouseClick(button(&page, "Show holds"), Qt::LeftButton);
        QCOMPARE(amiss(noHolds), QString());

        QTest::mouseClick(button(&page, "Show holds"), Qt::LeftButton);
        QCOMPARE(amiss(all), QString());
        QVERIFY(!button(&page, "Show All")->isEnabled());
    }

    // The sim box lists the sims of the log in hand: a sim of the cleared
    // log would filter the next one to nothing.
    void clearingEmptiesTheSimBox()
    {
        AchievementsPage page;
        page.addEntry("Ann Lee grew up.", &ann, nullptr);
        page.addEntry(separator, nullptr, nullptr);
        QTest::mouseClick(button(&page, "Filter by Sim"), Qt::LeftButton);
        page.clearEntries();
        QCOMPARE(page.entries().size(), 0);
        QCOMPARE(page.findChild<QComboBox *>()->count(), 0);
        QVERIFY(!button(&page, "Filter by Sim")->isEnabled());
        QVERIFY(!button(&page, "Show All")->isEnabled());
        QCOMPARE(page.findChildren<AchievementEntry *>().size(), 0);

        // Ann logged again is listed again, once.
        page.addEntry("Ann Lee grew up.", &ann, nullptr);
        page.addEntry("Ann Lee and Bo Lee met.", &ann, &bo);
        QCOMPARE(comboTexts(page.findChild<QComboBox *>()), QStringList({"Ann Lee", "Bo Lee"}));
    }

    void sectionReadsBackByteForByte()
    {
        const QByteArray section = fixture("achievements-section.txt");
        AchievementsPage page;
        for (const QString &line : sectionLines(section))
            page.loadEntry(sheet, line);

        const auto entries = page.entries();
        QCOMPARE(entries.size(), 9);
        QCOMPARE(entries.at(1)->text(), QString("The Smith, Jones household moved in."));
        QCOMPARE(entries.at(2)->text(), QString("Bo said \"hi\", then left"));
        QCOMPARE(entries.at(4)->text(), QString("Ends with a quote\""));
        QCOMPARE(entries.at(6)->text(), separator);
        QCOMPARE(entries.at(8)->text(), QString());
        QVERIFY(entries.at(2)->involves(&bo) && entries.at(2)->involves(&ann));

        CapturedStdout out;
        const QString saved = page.saveEntries(sheet);
        const QStringList printed = out.text().split('\n', Qt::SkipEmptyParts);
        QCOMPARE(saved.toUtf8(), section);
        QCOMPARE(printed.size(), 3);
        QCOMPARE(printed.at(0), QString("AchievementsPage"));
        QVERIFY(QRegularExpression("^0x[0-9a-f]+$").match(printed.at(1)).hasMatch());
        QCOMPARE(printed.at(2), QString("9"));
    }

    void sectionOfAnEmptyLog()
    {
        AchievementsPage page;
        CapturedStdout out;
        QCOMPARE(page.saveEntries(sheet), QString());
        const QStringList printed = out.text().split('\n', Qt::SkipEmptyParts);
        QCOMPARE(printed.size(), 4);
        QCOMPARE(printed.at(0), QString("AchievementsPage"));
        QCOMPARE(printed.at(2), QString("0"));
        QCOMPARE(printed.at(3), QString("There are 0 items in the layout."));
    }

    void damagedLinesAreSkippedOrLoseTheirSims()
    {
        AchievementsPage page;
        const SimList twoSims{&ann, &bo};
        CapturedStdout out;
        for (const QString &line : sectionLines(fixture("achievements-damaged.txt")))
            page.loadEntry(twoSims, line);
        const QString printed = out.text();

        QCOMPARE(printed.count("Skipping malformed achievements line: "), 4);
        QVERIFY(printed.contains("Skipping malformed achievements line: no quotes at all\n"));
        QVERIFY(printed.contains("Skipping malformed achievements line: \"Bo moved.\",x,-5\n"));
        // Positions past the list or negative give no sim.
        QCOMPARE(page.saveEntries(twoSims),
                 QString("\"Ann moved.\",0,-1\r\n\"Cy moved on.\",-1,1\r\n"));
    }

    void simOutsideTheListSavesAsNone()
    {
        AchievementsPage page;
        Sim stranger;
        page.addEntry("Ann Lee met a stranger.", &stranger, &ann);
        CapturedStdout out;
        QCOMPARE(page.saveEntries(sheet), QString("\"Ann Lee met a stranger.\",-1,0\r\n"));
    }
};

QTEST_MAIN(TestAchievementsPage)
#include "tst_achievementspage.moc"
