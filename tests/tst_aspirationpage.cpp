#include "pages/AspirationDisplay.h"
#include "pages/AspirationPage.h"
#include "records/Codes.h"
#include "records/Sim.h"
#include "support/MessageBoxCatcher.h"
#include "support/WidgetLookup.h"

#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QtTest>

using WidgetLookup::button;

namespace {

const int freeTime = EPFlags::FreeTime;
const int noFreeTime = EPFlags::All & ~EPFlags::FreeTime;

QString summaryOf(const AspirationDisplay *display)
{
    for (const QString &text : WidgetLookup::labelTexts(display)) {
        if (text.contains("<b>"))
            return text;
    }
    return QString();
}

QStringList viewLines(const AspirationDisplay *display)
{
    QStringList lines;
    for (const QString &text : WidgetLookup::labelTexts(display)) {
        if (text.endsWith("% done)"))
            lines.append(text);
    }
    return lines;
}

// Each want row holds its steps-done box, then its total box.
QList<QSpinBox *> stepBoxes(const AspirationDisplay *display, int column)
{
    QList<QSpinBox *> boxes;
    const auto all = display->findChildren<QSpinBox *>();
    for (int i = column; i < all.size(); i += 2)
        boxes.append(all.at(i));
    return boxes;
}

QList<QSpinBox *> doneBoxes(const AspirationDisplay *display)
{
    return stepBoxes(display, 0);
}

QList<QSpinBox *> totalBoxes(const AspirationDisplay *display)
{
    return stepBoxes(display, 1);
}

QComboBox *primaryBox(const AspirationDisplay *display)
{
    return display->findChild<QComboBox *>("primaryBox");
}

QComboBox *secondaryBox(const AspirationDisplay *display)
{
    return display->findChild<QComboBox *>("secondaryBox");
}

// The want texts, leaving out the editors inside the spin boxes.
QList<QLineEdit *> wantEdits(const AspirationDisplay *display)
{
    QList<QLineEdit *> edits;
    const auto all = display->findChildren<QLineEdit *>();
    for (QLineEdit *edit : all) {
        if (!qobject_cast<QAbstractSpinBox *>(edit->parentWidget()))
            edits.append(edit);
    }
    return edits;
}

void click(const QWidget *root, const QString &text)
{
    QAbstractButton *target = button(root, text);
    QVERIFY2(target, qPrintable(text));
    QTest::mouseClick(target, Qt::LeftButton);
}

// The displays of the tab from top to bottom.
QList<AspirationDisplay *> displaysTopDown(const AspirationPage &page)
{
    QList<AspirationDisplay *> list;
    const QLayout *column = page.findChild<QScrollArea *>()->widget()->layout();
    for (int i = 0; i < column->count(); ++i) {
        if (auto *display = qobject_cast<AspirationDisplay *>(column->itemAt(i)->widget()))
            list.append(display);
    }
    return list;
}

// What "Save and View" reported, in order.
struct Reports
{
    QStringList calls;
    explicit Reports(AspirationDisplay *display)
    {
        QObject::connect(display, &AspirationDisplay::updateAspiration, display,
                         [this](AspirationDisplay *, int primary, int secondary) {
                             calls.append(QString("aspiration %1 %2").arg(primary).arg(secondary));
                         });
        QObject::connect(display, &AspirationDisplay::updateLTW, display,
                         [this](AspirationDisplay *, int want, QString text, int done, int total) {
                             calls.append(QString("want %1 '%2' %3 of %4")
                                              .arg(want).arg(text).arg(done).arg(total));
                         });
    }
};

} // namespace

class TestAspirationPage : public QObject
{
    Q_OBJECT

private slots:
    // The display on its own.

    void fixedTexts()
    {
        AspirationDisplay plain(noFreeTime);
        QCOMPARE(summaryOf(&plain), QString("Aspiration: <b>None</b>."));
        QVERIFY(WidgetLookup::label(&plain, "Aspiration:"));
        QCOMPARE(WidgetLookup::labelTexts(&plain).count("Lifetime Wants:"), 2);
        QVERIFY(!button(&plain, "Delete")->isEnabled());
        for (const char *text : {"Edit", "Save and View", "Add New Lifetime Want",
                                 "Delete Last Lifetime Want"})
            QVERIFY2(button(&plain, text), text);
        QStringList items;
        for (int i = 0; i < primaryBox(&plain)->count(); ++i)
            items.append(primaryBox(&plain)->itemText(i));
        QCOMPARE(items, QStringList({"None/Unknown", "Fortune", "Family", "Romance", "Popularity",
                                     "Knowledge", "Pleasure", "Grilled Cheese"}));
        plain.addLTW("Win", 1, 2);
        QVERIFY(WidgetLookup::label(&plain, " of "));
        QVERIFY(WidgetLookup::label(&plain, " steps done."));

        AspirationDisplay hobbyist(freeTime);
        QCOMPARE(summaryOf(&hobbyist),
                 QString("Primary Aspiraton: <b>None</b>. Secondary Aspiration: <b>None</b>."));
        QVERIFY(WidgetLookup::label(&hobbyist, "Primary Aspiration:"));
        QVERIFY(WidgetLookup::label(&hobbyist, "SecondaryAspiration:"));
        hobbyist.setAspirations(Aspiration::Romance, Aspiration::GrilledCheese);
        QCOMPARE(summaryOf(&hobbyist),
                 QString("Primary Aspiration: <b>Romance</b>. Secondary Aspiration: <b>Grilled Cheese</b>."));
    }

    void settingAspirations_data()
    {
        QTest::addColumn<int>("primary");
        QTest::addColumn<int>("secondary");
        QTest::addColumn<QString>("summary");
        QTest::addColumn<int>("primaryIndex");
        QTest::newRow("knowledge") << 5 << 0 << "Aspiration: <b>Knowledge</b>." << 5;
        QTest::newRow("secondary too high") << 3 << 9 << "Aspiration: <b>Family</b>." << 2;
        QTest::newRow("grow up") << 8 << 0 << "Aspiration: <b>Family</b>." << 2;
        QTest::newRow("negative") << -2 << 5 << "Aspiration: <b>None</b>." << 0;
    }
    void settingAspirations()
    {
        QFETCH(int, primary);
        QFETCH(int, secondary);
        QFETCH(QString, summary);
        QFETCH(int, primaryIndex);
        AspirationDisplay display(noFreeTime);
        display.setAspirations(Aspiration::Family, Aspiration::Pleasure);
        display.setAspirations(primary, secondary);
        QCOMPARE(summaryOf(&display), summary);
        QCOMPARE(primaryBox(&display)->currentIndex(), primaryIndex);
    }

    void percentages_data()
    {
        QTest::addColumn<int>("done");
        QTest::addColumn<int>("total");
        QTest::addColumn<QString>("percent");
        QTest::newRow("third") << 1 << 3 << "33.3";
        QTest::newRow("two thirds") << 2 << 3 << "66.7";
        QTest::newRow("eighth") << 1 << 8 << "12.5";
        QTest::newRow("three quarters") << 3 << 4 << "75";
        QTest::newRow("no steps") << 0 << 0 << "0";
        QTest::newRow("all done") << 5 << 5 << "100";
        QTest::newRow("large total") << 50 << 150 << "33.3";
    }
    void percentages()
    {
        QFETCH(int, done);
        QFETCH(int, total);
        QFETCH(QString, percent);
        QCOMPARE(AspirationDisplay::percentDone(done, total), percent);
        QCOMPARE(AspirationDisplay::ltwLine("Win", done, total), "Win (" + percent + "% done)");
    }

    void wantsAreShownAndEdited()
    {
        AspirationDisplay display(noFreeTime);
        display.show();
        display.addLTW("Reach the top of <b>Science</b>", 5, 3);
        display.addLTW("Marry off 6 children", 50, 150);
        // The smaller number is taken as the steps done; markup is shown as typed.
        QCOMPARE(viewLines(&display), QStringList({"Reach the top of <b>Science</b> (60% done)",
                                                   "Marry off 6 children (33.3% done)"}));
        QCOMPARE(WidgetLookup::label(&display, viewLines(&display).at(0))->textFormat(),
                 Qt::PlainText);
        QCOMPARE(doneBoxes(&display).at(0)->value(), 3);
        QCOMPARE(totalBoxes(&display).at(0)->value(), 5);
        // A stored total above 100 is kept.
        QCOMPARE(totalBoxes(&display).at(1)->value(), 150);
        QCOMPARE(doneBoxes(&display).at(1)->maximum(), 150);

        click(&display, "Edit");
        QCOMPARE(display.currentIndex(), 1);
        totalBoxes(&display).at(0)->setValue(2);
        QCOMPARE(doneBoxes(&display).at(0)->value(), 2);
        QCOMPARE(doneBoxes(&display).at(0)->maximum(), 2);

        Reports reports(&display);
        QSignalSpy saved(&display, &AspirationDisplay::saved);
        click(&display, "Save and View");
        QCOMPARE(reports.calls, QStringList({"aspiration 0 0",
                                             "want 0 'Reach the top of <b>Science</b>' 2 of 2",
                                             "want 1 'Marry off 6 children' 50 of 150"}));
        QCOMPARE(saved.size(), 1);
        QCOMPARE(display.currentIndex(), 0);
        QCOMPARE(viewLines(&display), QStringList({"Reach the top of <b>Science</b> (100% done)",
                                                   "Marry off 6 children (33.3% done)"}));
    }

    void saveReportsInOrder()
    {
        AspirationDisplay display(freeTime);
        display.show();
        display.setAspirations(Aspiration::Fortune, Aspiration::Family);
        display.addLTW("Become a Hall of Famer", 1, 8);
        click(&display, "Edit");
        primaryBox(&display)->setCurrentIndex(Aspiration::Knowledge);
        secondaryBox(&display)->setCurrentIndex(Aspiration::Pleasure);
        click(&display, "Add New Lifetime Want");
        QCOMPARE(int(wantEdits(&display).size()), 2);
        Reports reports(&display);
        click(&display, "Save and View");
        QCOMPARE(reports.calls, QStringList({"aspiration 5 6", "want 0 'Become a Hall of Famer' 1 of 8",
                                             "want 1 '' 0 of 0"}));
        QCOMPARE(summaryOf(&display),
                 QString("Primary Aspiration: <b>Knowledge</b>. Secondary Aspiration: <b>Pleasure</b>."));
    }

    void secondaryWithoutFreeTime()
    {
        AspirationDisplay display(noFreeTime);
        display.show();
        display.setAspirations(Aspiration::Romance, Aspiration::Popularity);
        click(&display, "Edit");
        QVERIFY(!secondaryBox(&display)->isVisible());
        QVERIFY(!WidgetLookup::label(&display, "SecondaryAspiration:")->isVisible());
        Reports reports(&display);
        click(&display, "Save and View");
        QCOMPARE(reports.calls, QStringList{"aspiration 3 4"});
        QCOMPARE(summaryOf(&display), QString("Aspiration: <b>Romance</b>."));
    }

    void deletingWantRows()
    {
        AspirationDisplay display(noFreeTime);
        display.show();
        click(&display, "Edit");
        // Nothing to delete: nothing happens.
        click(&display, "Delete Last Lifetime Want");
        QCOMPARE(int(wantEdits(&display).size()), 0);

        display.addLTW("First", 1, 2);
        display.addLTW("Second", 1, 2);
        click(&display, "Delete Last Lifetime Want");
        QCOMPARE(int(wantEdits(&display).size()), 1);
        QCOMPARE(wantEdits(&display).size(), 1);
        QCOMPARE(display.findChildren<QSpinBox *>().size(), 2);
        QCOMPARE(viewLines(&display), QStringList{"First (50% done)"});
        Reports reports(&display);
        click(&display, "Save and View");
        QCOMPARE(reports.calls, QStringList({"aspiration 0 0", "want 0 'First' 1 of 2"}));
    }

    void wantTheListFileCannotCarryIsRefused_data()
    {
        QTest::addColumn<QString>("want");
        QTest::addColumn<QString>("message");
        QTest::newRow("comma") << "Earn 100,000 Simoleons"
                               << "A lifetime want cannot hold a comma. "
                                  "Please remove the comma and save again.";
        // A pasted line break would split the sim's line in the list file.
        QTest::newRow("line break") << "Earn 100000\nSimoleons"
                                    << "A lifetime want cannot hold a line break. "
                                       "Please remove the line break and save again.";
    }
    void wantTheListFileCannotCarryIsRefused()
    {
        QFETCH(QString, want);
        QFETCH(QString, message);
        AspirationDisplay display(noFreeTime);
        display.show();
        display.addLTW("Earn 100000 Simoleons", 0, 1);
        click(&display, "Edit");
        wantEdits(&display).at(0)->setText(want);
        Reports reports(&display);
        MessageBoxCatcher boxes;
        click(&display, "Save and View");
        QCOMPARE(boxes.texts, QStringList{message});
        QVERIFY(reports.calls.isEmpty());
        QCOMPARE(display.currentIndex(), 1);

        wantEdits(&display).at(0)->setText("Earn 100000 Simoleons");
        click(&display, "Save and View");
        QCOMPARE(reports.calls.size(), 2);
        QCOMPARE(display.currentIndex(), 0);
    }

    // The tab.

    void promptAndHobbyRow()
    {
        AspirationPage page(noFreeTime);
        page.show();
        QVERIFY(WidgetLookup::label(&page, "Please select a name from the List of Sims tab."));
        auto *hobbyBox = page.findChild<QComboBox *>("hobbyBox");
        QVERIFY(!hobbyBox->isVisible());
        QVERIFY(displaysTopDown(page).isEmpty());

        page.setEPFlags(EPFlags::All);
        QVERIFY(hobbyBox->isVisible());
        QVERIFY(WidgetLookup::label(&page, "One True Hobby:")->isVisible());
        QStringList hobbies;
        for (int i = 0; i < hobbyBox->count(); ++i)
            hobbies.append(hobbyBox->itemText(i));
        QCOMPARE(hobbies, QStringList({"Unknown", "Arts & Crafts", "Cuisine", "Film & Literature",
                                       "Fitness", "Gaming", "Music & Dance", "Nature", "Science",
                                       "Sports", "Tinkering"}));
        hobbyBox->setCurrentIndex(4);
        page.setEPFlags(noFreeTime);
        QVERIFY(!hobbyBox->isVisible());
        page.setEPFlags(freeTime);
        QCOMPARE(hobbyBox->currentIndex(), 4);

        AspirationPage hobbyPage(freeTime);
        hobbyPage.show();
        QVERIFY(hobbyPage.findChild<QComboBox *>("hobbyBox")->isVisible());
    }

    void shownPeriods()
    {
        AspirationPage page(noFreeTime);
        page.show();

        Sim baby;
        baby.setName("<i>Baby</i> Lee");
        page.setSim(&baby);
        QVERIFY(WidgetLookup::label(&page, "The Aspirations of <i>Baby</i> Lee"));
        QCOMPARE(WidgetLookup::label(&page, "The Aspirations of <i>Baby</i> Lee")->textFormat(),
                 Qt::PlainText);
        QVERIFY(displaysTopDown(page).isEmpty());

        Sim grown;
        grown.addAspiration(Aspiration::Fortune, 0);
        grown.addAspiration(Aspiration::Family, 0);
        page.setSim(&grown);
        QList<AspirationDisplay *> shown = displaysTopDown(page);
        QCOMPARE(shown.size(), 2);
        QCOMPARE(summaryOf(shown.at(0)), QString("Aspiration: <b>Family</b>."));
        QCOMPARE(summaryOf(shown.at(1)), QString("Aspiration: <b>Fortune</b>."));
        QCOMPARE(AspirationPage::shownPeriods(&grown), QList<int>({1, 2}));

        // The run of shown periods ends at the first period without an aspiration.
        Sim gap;
        gap.fromString("\"Cy Lee\",1,40,2,(1,0),(0,0),(2,0),\"Lee\",0,\"\",0,1,7,0,0,0,,", 4);
        QCOMPARE(gap.aspiration(-1), int(Aspiration::Family));
        page.setSim(&gap);
        shown = displaysTopDown(page);
        QCOMPARE(shown.size(), 1);
        QCOMPARE(summaryOf(shown.at(0)), QString("Aspiration: <b>Fortune</b>."));

        Sim child;
        child.setAspiration(Aspiration::GrowUp, 0, 0);
        page.setSim(&child);
        shown = displaysTopDown(page);
        QCOMPARE(shown.size(), 1);
        QCOMPARE(summaryOf(shown.at(0)), QString("Aspiration: <b>None</b>."));

        page.setSim(nullptr);
        QVERIFY(WidgetLookup::label(&page, "Please select a name from the List of Sims tab."));
        QVERIFY(displaysTopDown(page).isEmpty());
    }

    void savingStoresIntoTheDisplayedPeriod()
    {
        Sim sim;
        sim.setName("Ann Lee");
        sim.addAspiration(Aspiration::Fortune, 0);
        sim.addAspiration(Aspiration::Family, 0);
        sim.setLifetimeWant(2, 0, "Reach the top of Medicine", 4, 10);
        sim.setLifetimeWant(2, 1, "Have 20 grandchildren", 20, 20);
        AspirationPage page(freeTime);
        page.show();
        page.setSim(&sim);
        QList<AspirationDisplay *> shown = displaysTopDown(page);
        QCOMPARE(viewLines(shown.at(0)), QStringList({"Reach the top of Medicine (40% done)",
                                                      "Have 20 grandchildren (100% done)"}));
        QVERIFY(viewLines(shown.at(1)).isEmpty());

        click(shown.at(0), "Edit");
        primaryBox(shown.at(0))->setCurrentIndex(Aspiration::Romance);
        secondaryBox(shown.at(0))->setCurrentIndex(Aspiration::Knowledge);
        wantEdits(shown.at(0)).first()->setText("Reach the top of Science");
        click(shown.at(0), "Save and View");
        QCOMPARE(sim.aspiration(2), int(Aspiration::Romance));
        QCOMPARE(sim.secondaryAspiration(2), int(Aspiration::Knowledge));
        QCOMPARE(sim.aspiration(1), int(Aspiration::Fortune));
        QCOMPARE(sim.lifetimeWant(2, 0), QString("Reach the top of Science"));

        click(shown.at(1), "Edit");
        primaryBox(shown.at(1))->setCurrentIndex(Aspiration::Pleasure);
        click(shown.at(1), "Add New Lifetime Want");
        wantEdits(shown.at(1)).first()->setText("Become a Rock Star");
        totalBoxes(shown.at(1)).at(0)->setValue(3);
        doneBoxes(shown.at(1)).at(0)->setValue(1);
        click(shown.at(1), "Save and View");
        QCOMPARE(sim.aspiration(1), int(Aspiration::Pleasure));
        QCOMPARE(sim.lifetimeWant(1, 0), QString("Become a Rock Star"));
        QCOMPARE(sim.lifetimeWantStepsDone(1, 0), 1);
        QCOMPARE(sim.lifetimeWantSteps(1, 0), 3);
        QCOMPARE(sim.aspiration(2), int(Aspiration::Romance));
    }

    void afterSavingTheDisplayShowsTheSim()
    {
        Sim sim;
        sim.addAspiration(Aspiration::Family, Aspiration::Fortune);
        sim.setLifetimeWant(1, 0, "Marry off 6 children", 50, 150);
        sim.setLifetimeWant(1, 1, "Have 6 grandchildren", 1, 6);
        AspirationPage page(freeTime);
        page.show();
        page.setSim(&sim);
        AspirationDisplay *display = displaysTopDown(page).at(0);

        // "None/Unknown" keeps the stored aspiration; a deleted row keeps its want.
        click(display, "Edit");
        primaryBox(display)->setCurrentIndex(0);
        click(display, "Delete Last Lifetime Want");
        click(display, "Save and View");
        QCOMPARE(sim.aspiration(1), int(Aspiration::Family));
        QCOMPARE(summaryOf(display),
                 QString("Primary Aspiration: <b>Family</b>. Secondary Aspiration: <b>Fortune</b>."));
        QCOMPARE(primaryBox(display)->currentIndex(), int(Aspiration::Family));
        QCOMPARE(viewLines(display), QStringList({"Marry off 6 children (33.3% done)",
                                                  "Have 6 grandchildren (16.7% done)"}));
        // The total above 100 survived the save.
        QCOMPARE(sim.lifetimeWantSteps(1, 0), 150);
        QCOMPARE(sim.lifetimeWantStepsDone(1, 0), 50);

        // A want saved without text is stored; the wants after it are not shown.
        click(display, "Edit");
        click(display, "Add New Lifetime Want");
        click(display, "Save and View");
        QCOMPARE(sim.lifetimeWant(1, 2), QString());
        QCOMPARE(int(wantEdits(display).size()), 2);
    }

    void rebuildDiscardsUnsavedEdits()
    {
        Sim sim;
        sim.addAspiration(Aspiration::Knowledge, 0);
        AspirationPage page(noFreeTime);
        page.show();
        page.setSim(&sim);
        AspirationDisplay *display = displaysTopDown(page).at(0);
        click(display, "Edit");
        primaryBox(display)->setCurrentIndex(Aspiration::Romance);
        page.setSim(&sim);
        QCOMPARE(sim.aspiration(1), int(Aspiration::Knowledge));
        display = displaysTopDown(page).at(0);
        QCOMPARE(display->currentIndex(), 0);
        QCOMPARE(summaryOf(display), QString("Aspiration: <b>Knowledge</b>."));
    }
};

QTEST_MAIN(TestAspirationPage)
#include "tst_aspirationpage.moc"
