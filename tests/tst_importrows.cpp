#include "dialogs/ImportSimsPage.h"
#include "support/ImportRecords.h"
#include "support/WidgetLookup.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QtTest>

namespace {

const QStringList stateNames{"Alien", "Zombie", "Vampire", "Servo",
                             "Werewolf", "Plantsim", "Bigfoot", "Witch"};

ImportRecord record(const QString &first, const QString &species, const QString &stage,
                    std::initializer_list<std::pair<int, QString>> changes = {})
{
    ImportRecord r = importRecord({{ImportColumn::FirstName, first},
                                   {ImportColumn::Species, species},
                                   {ImportColumn::LifeSection, stage},
                                   {ImportColumn::PrimaryAspiration, "Fun"},
                                   {ImportColumn::SecondaryAspiration, "Family"},
                                   {ImportColumn::Selected, "N"}});
    for (const auto &change : changes)
        r[change.first] = change.second;
    return r;
}

QWidget *row(const ImportSimsPage &page, int i)
{
    return page.findChild<QWidget *>(QStringLiteral("importRow%1").arg(i));
}

QStringList enabledStates(const ImportSimsPage &page, int i)
{
    QStringList enabled;
    for (const QString &name : stateNames) {
        if (WidgetLookup::button(row(page, i), name)->isEnabled())
            enabled.append(name);
    }
    return enabled;
}

QString caption(const ImportSimsPage &page, int i)
{
    return row(page, i)->findChild<QCheckBox *>("selectBox")->text();
}

} // namespace

// One page of five import rows: captions, the life states a sim may take,
// and what the rows give back.
class TestImportRows : public QObject
{
    Q_OBJECT

private slots:
    void enablesTheLifeStatesASimMayTake_data()
    {
        QTest::addColumn<QString>("species");
        QTest::addColumn<QString>("stage");
        QTest::addColumn<int>("packs");
        QTest::addColumn<QStringList>("enabled");
        const QStringList all = stateNames;
        const QStringList teen{"Alien", "Zombie", "Vampire", "Werewolf", "Witch"};
        QTest::newRow("adult, all packs") << "Human" << "Adult" << 0xFF << all;
        QTest::newRow("adult, no pack") << "Human" << "Adult" << 0 << QStringList{"Alien"};
        QTest::newRow("ghost, all packs") << "Human" << "Ghost" << 0xFF << all;
        QTest::newRow("adult, University") << "Human" << "Adult" << 1 << QStringList{"Alien", "Zombie"};
        QTest::newRow("baby") << "Human" << "Baby" << 0xFF << QStringList{"Alien"};
        QTest::newRow("child") << "Human" << "Child" << 0xFF << QStringList{"Alien"};
        QTest::newRow("toddler, Seasons") << "Human" << "Toddler" << 16
                                          << QStringList{"Alien", "Plantsim"};
        QTest::newRow("elder, all packs") << "Human" << "Elder" << 0xFF
                                          << QStringList{"Alien", "Zombie", "Vampire", "Werewolf",
                                                         "Plantsim", "Bigfoot", "Witch"};
        QTest::newRow("teen, all packs") << "Human" << "Teen" << 0xFF << teen;
        QTest::newRow("young adult, all packs") << "Human" << "Young Adult" << 0xFF << teen;
        QTest::newRow("stage in other case") << "Human" << "adult" << 0xFF << QStringList{"Alien"};
        QTest::newRow("cat") << "Cat" << "Adult" << 0xFF << QStringList();
        QTest::newRow("no species") << "" << "Adult" << 0xFF << QStringList();
    }
    void enablesTheLifeStatesASimMayTake()
    {
        QFETCH(QString, species);
        QFETCH(QString, stage);
        QFETCH(int, packs);
        QFETCH(QStringList, enabled);
        ImportSimsPage page;
        page.setEPFlags(packs);
        page.setSims({record("Kim", species, stage)});
        QCOMPARE(enabledStates(page, 0), enabled);
    }

    void stagesOfStudentsAndGhosts()
    {
        ImportSimsPage page;
        page.setSims({record("Stu", "Human", "Teen",
                             {{ImportColumn::IsAtUniversity, "Y"}, {ImportColumn::FamilyInstance, "0"}}),
                      record("Gus", "Human", "Adult", {{ImportColumn::FamilyInstance, "0"}}),
                      record("Odd", "Human", "Adult", {{ImportColumn::FamilyInstance, "x"}})});
        QCOMPARE(caption(page, 0), QString("Stu Lo (Female), Fun Young Adult"));
        QCOMPARE(caption(page, 1), QString("Gus Lo (Female), Fun Ghost"));
        QCOMPARE(caption(page, 2), QString("Odd Lo (Female), Fun Ghost"));
    }

    void captionsFollowThePacks_data()
    {
        QTest::addColumn<int>("packs");
        QTest::addColumn<QString>("secondary");
        QTest::addColumn<QString>("caption");
        QTest::newRow("no pack") << 0 << "Family" << "Kim Lo (Female), Fun Adult";
        QTest::newRow("Free Time") << 64 << "Family" << "Kim Lo (Female), Fun/Family Adult";
        QTest::newRow("Free Time, none") << 64 << "" << "Kim Lo (Female), Fun/ Adult";
        QTest::newRow("Pets") << 8 << "Family" << "Kim Lo (Female), Fun Adult Human";
    }
    void captionsFollowThePacks()
    {
        QFETCH(int, packs);
        QFETCH(QString, secondary);
        QFETCH(QString, caption);
        ImportSimsPage page;
        page.setEPFlags(packs);
        page.setSims({record("Kim", "Human", "Adult", {{ImportColumn::SecondaryAspiration, secondary}})});
        QCOMPARE(::caption(page, 0), caption);
    }

    void pageCaptions()
    {
        ImportSimsPage page;
        page.setPage(2);
        QCOMPARE(page.caption(), QString("Playables: page 2"));
        page.setCategory(1);
        QCOMPARE(page.caption(), QString("Townies: page 2"));
        page.setCategory(2);
        QCOMPARE(page.caption(), QString("NPCs: page 2"));
        page.setCategory(7);
        QCOMPARE(page.caption(), QString("NPCs: page 2"));
    }

    void theWitchBoxGovernsTheAlignment()
    {
        ImportSimsPage page;
        page.setEPFlags(0xFF);
        page.setSims({record("Wyn", "Human", "Adult",
                             {{ImportColumn::TypeFlags, "1025"}, {ImportColumn::Alignment, "-2"}}),
                      record("Ann", "Human", "Adult")});
        auto *alignment = row(page, 0)->findChild<QComboBox *>("alignmentBox");
        QVERIFY(alignment->isEnabled());
        QCOMPARE(alignment->currentText(), QString("Evil"));
        QCOMPARE(page.typeFlags(0), 1025);
        QCOMPARE(page.alignment(0), -2);
        qobject_cast<QCheckBox *>(WidgetLookup::button(row(page, 0), "Witch"))->setChecked(false);
        QVERIFY(!alignment->isEnabled());
        QCOMPARE(alignment->currentText(), QString("Evil"));
        QVERIFY(!row(page, 1)->findChild<QComboBox *>("alignmentBox")->isEnabled());
        QCOMPARE(page.alignment(1), 0);
    }

    void readsBackWhatTheRowsShow()
    {
        ImportSimsPage page;
        page.setSims({record("Kim", "Human", "Adult", {{ImportColumn::Selected, "Y"}}),
                      record("Jo", "Human", "Adult", {{ImportColumn::HouseholdName, "Jo's"}})});
        QVERIFY(page.isSelected(0));
        QVERIFY(!page.isSelected(1));
        row(page, 1)->findChild<QLineEdit *>("householdEdit")->setText("Edited");
        QCOMPARE(page.household(1), QString("Edited"));
        QVERIFY(!row(page, 1)->isHidden());
        for (int hidden = 2; hidden < 5; ++hidden)
            QVERIFY(row(page, hidden)->isHidden());
        for (const int outside : {-1, 5}) {
            QVERIFY(!page.isSelected(outside));
            QCOMPARE(page.typeFlags(outside), 0);
            QCOMPARE(page.household(outside), QString());
            QCOMPARE(page.alignment(outside), 0);
        }

        // An empty page hides every row and leaves what they held.
        page.setSims({});
        for (int hidden = 0; hidden < 5; ++hidden)
            QVERIFY(row(page, hidden)->isHidden());
        QVERIFY(page.isSelected(0));
        QCOMPARE(page.household(1), QString("Edited"));
    }
};

QTEST_MAIN(TestImportRows)
#include "tst_importrows.moc"
