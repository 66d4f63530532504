#include "events/UpdateEntry.h"
#include "events/UpdatePage.h"
#include "pages/FamilyBrowser.h"
#include "sheet/Tolvane.h"
#include "support/CapturedStdout.h"
#include "support/Fixture.h"
#include "support/LinkCheck.h"
#include "support/MessageBoxCatcher.h"
#include "support/SheetWindow.h"
#include "support/WidgetLookup.h"
#include "support/WorkingFolder.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QTabWidget>
#include <QtTest>

#include <memory>

namespace {

const QStringList everyone{"Select All Playables", "Select All Townies", "Select All NPCs"};

// Every sim's family by name, parents and children sorted: what the Family
// Ties tab shows of the links, whatever order the list file keeps.
QStringList kin(const SimList &sims)
{
    const auto nameOf = [](const QPointer<Sim> &sim) { return sim ? sim->name() : QString("-"); };
    QStringList out;
    for (const auto &sim : sims) {
        QStringList parents{nameOf(sim->parent1()), nameOf(sim->parent2())};
        parents.sort();
        QStringList children;
        for (int i = 0; i < sim->childCount(); ++i)
            children << nameOf(sim->child(i));
        children.sort();
        out << sim->name() + ": spouse " + nameOf(sim->spouse()) + "; parents " + parents.join(", ")
                + "; children " + children.join(", ");
    }
    return out;
}


} // namespace

// Family links through every path that changes them in the window: a second
// import of part of an export, a circular export, the family browser and
// the update sentences. Each leaves every link held by both sides, no sim
// its own ancestor, and the same links after a save and reopen.
class TestKinPaths : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<WorkingFolder> folder;
    std::unique_ptr<MessageBoxCatcher> boxes;
    std::unique_ptr<SheetWindow> w;

    SimList sims() const { return w->updatePage()->allSims(); }

    // The links are sound, and a save and reopen brings them back as they are.
    void checkSoundAfterReopen(const QStringList &expected)
    {
        QCOMPARE(familyLinkFaults(sims()), QStringList());
        QCOMPARE(kin(sims()), expected);
        w->saveList("Kin");
        w->openList("Kin");
        QCOMPARE(kin(sims()), expected);
        QCOMPARE(familyLinkFaults(sims()), QStringList());
    }

private slots:
    void init()
    {
        folder = std::make_unique<WorkingFolder>();
        boxes = std::make_unique<MessageBoxCatcher>(QMessageBox::Discard);
        w = std::make_unique<SheetWindow>();
    }
    void cleanup()
    {
        w.reset();
        boxes.reset();
        folder.reset();
    }

    // Imported again, a sim whose relatives were not ticked keeps them: the
    // record names them, and the sheet has them by NID. Pa and Ma Oak are
    // married with their son Kid; Tom Ash is married to the townie Tina and
    // the son of the townie Tia.
    void importingPartAgainKeepsTheFamily_data()
    {
        QTest::addColumn<QStringList>("ticks");
        QTest::newRow("only the child") << QStringList{"Kid Oak"};
        QTest::newRow("only one spouse") << QStringList{"Pa Oak"};
        QTest::newRow("husband and child without the wife") << QStringList{"Pa Oak", "Kid Oak"};
        QTest::newRow("all playables, townie wife and mother")
            << QStringList{"Select All Playables"};
        QTest::newRow("everyone") << everyone;
    }
    void importingPartAgainKeepsTheFamily()
    {
        QFETCH(QStringList, ticks);
        const QByteArray exported = Fixture::bytes("exports/kin.csv");
        w->importExport(exported, everyone);
        const QStringList family = kin(sims());
        QCOMPARE(family.size(), 6);
        QVERIFY(family.contains("Kid Oak: spouse -; parents Ma Oak, Pa Oak; children "));
        QVERIFY(family.contains("Tom Ash: spouse Tina Ash; parents -, Tia Ash; children "));

        w->importExport(exported, ticks);
        checkSoundAfterReopen(family);
    }

    // An ancestor made in the family browser has no NID, so no export names
    // it; importing his son again, with no parents named, keeps the link.
    void handMadeAncestorStays()
    {
        const QByteArray exported = Fixture::bytes("exports/kin.csv");
        w->importExport(exported, everyone);
        w->addSim("Gran Oak");
        QVERIFY(w->selectSim("Pa Oak"));
        w->sheet()->setCurrentIndex(2);
        QTest::mouseClick(WidgetLookup::button(w->sheet(), "Add or Edit Family"), Qt::LeftButton);
        auto *browser = SheetWindow::openWindow<FamilyBrowser>();
        QVERIFY(browser);
        auto *parents = browser->findChild<QComboBox *>("parent1Combo");
        parents->setCurrentIndex(parents->findText("Gran Oak"));
        QTest::mouseClick(WidgetLookup::button(browser, "Set First Parent:"), Qt::LeftButton);
        QCOMPARE(w->simNamed("Pa Oak")->parent1()->name(), QString("Gran Oak"));
        const QStringList family = kin(sims());

        w->importExport(exported, everyone);
        checkSoundAfterReopen(family);
        w->importExport(exported, {"Pa Oak"});
        checkSoundAfterReopen(family);
    }

    // Parent ids that run in a circle: the link that would close it is
    // skipped and said on standard output; the rest is imported.
    void circularExportMakesNoOwnAncestor()
    {
        CapturedStdout out;
        w->importExport(Fixture::bytes("exports/circle.csv"), {"Select All Playables"});
        QVERIFY(out.text().contains("Skipped making Ann Ring a parent of Cy Ring. That would make "
                                    "a sim its own ancestor."));
        checkSoundAfterReopen({"Ann Ring: spouse -; parents -, Bo Ring; children ",
                               "Bo Ring: spouse -; parents -, Cy Ring; children Ann Ring",
                               "Cy Ring: spouse -; parents -, -; children Bo Ring"});
    }

    // An export whose parent ids close a circle only through a link the
    // sheet holds: Ann is Bea's parent on the sheet, and the export names
    // Cal as Ann's parent and Bea as Cal's. Cal, a new sim, is refused as
    // Ann's parent on both sides, so reopening cannot bring the loop back.
    void circleThroughTheSheetIsRefusedOnBothSides()
    {
        w->importExport(Fixture::bytes("exports/sheet-parent.csv"), {"Select All Playables"});
        const QStringList before{"Ann Oak: spouse -; parents -, -; children Bea Oak",
                                 "Bea Oak: spouse -; parents -, Ann Oak; children "};
        QCOMPARE(kin(sims()), before);
        CapturedStdout out;
        w->importExport(Fixture::bytes("exports/loop-through-sheet.csv"), {"Select All Playables"});
        QVERIFY(out.text().contains("Skipped making Cal Oak a parent of Ann Oak. That would make a "
                                    "sim its own ancestor."));
        checkSoundAfterReopen({"Ann Oak: spouse -; parents -, -; children Bea Oak",
                               "Bea Oak: spouse -; parents -, Ann Oak; children Cal Oak",
                               "Cal Oak: spouse -; parents -, Bea Oak; children "});
    }

    // A marriage lets the former spouse go, and an adoption the former
    // parents: on the next open neither comes back.
    void sentencesLetFormerRelativesGo_data()
    {
        QTest::addColumn<QString>("sentence");
        QTest::addColumn<QString>("sim1");
        QTest::addColumn<QString>("sim2");
        QTest::addColumn<QStringList>("changed");
        QTest::newRow("marriage")
            << "Amy Lo got married/joined to Cat Lo and changed his or her name to Amy Lo."
            << "Amy Lo" << "Cat Lo"
            << QStringList{"Amy Lo: spouse Cat Lo; parents -, -; children Kit Lo",
                           "Bea Lo: spouse -; parents -, -; children Kit Lo",
                           "Cat Lo: spouse Amy Lo; parents -, -; children "};
        QTest::newRow("adoption")
            << "On day 1 of the rotation, Xan Lo adopted Kit Lo, whose name was changed to Kit "
               "Lo, before six PM (eleven AM for pets)."
            << "Xan Lo" << "Kit Lo"
            << QStringList{"Amy Lo: spouse Bea Lo; parents -, -; children ",
                           "Bea Lo: spouse Amy Lo; parents -, -; children ",
                           "Kit Lo: spouse -; parents Xan Lo, Yul Lo; children ",
                           "Xan Lo: spouse Yul Lo; parents -, -; children Kit Lo",
                           "Yul Lo: spouse Xan Lo; parents -, -; children Kit Lo"};
    }
    void sentencesLetFormerRelativesGo()
    {
        QFETCH(QString, sentence);
        QFETCH(QString, sim1);
        QFETCH(QString, sim2);
        QFETCH(QStringList, changed);
        w->importExport(Fixture::bytes("exports/lo.csv"), {"Select All Playables"});
        QCOMPARE(familyLinkFaults(sims()), QStringList());
        QStringList expected = kin(sims());
        for (const QString &line : changed) {
            const QString who = line.section(':', 0, 0);
            for (QString &was : expected) {
                if (was.section(':', 0, 0) == who)
                    was = line;
            }
        }

        w->updatePage()->addEvent(
            new UpdateEntry(sentence, w->simNamed(sim1), w->simNamed(sim2)));
        QTest::mouseClick(WidgetLookup::button(w->updatePage(), "Apply Updates"), Qt::LeftButton);
        checkSoundAfterReopen(expected);
    }
};

QTEST_MAIN(TestKinPaths)
#include "tst_kinpaths.moc"
