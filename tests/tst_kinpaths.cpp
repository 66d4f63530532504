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

    // The family browser, opened on the sim as a player does: its row of
    // the List of Sims selected, "Add or Edit Family" on the Family Ties tab.
    FamilyBrowser *familyBrowserOn(const QString &name) const
    {
        if (!w->selectSim(name))
            return nullptr;
        w->sheet()->setCurrentIndex(2);
        QTest::mouseClick(WidgetLookup::button(w->sheet(), "Add or Edit Family"), Qt::LeftButton);
        return SheetWindow::openWindow<FamilyBrowser>();
    }

    // Presses "Set First Parent:" or "Set Second Parent:" with a sim chosen.
    static void setParent(FamilyBrowser *browser, const QString &pressed, const QString &parent)
    {
        const char *comboName =
            pressed == "Set First Parent:" ? "parent1Combo" : "parent2Combo";
        auto *combo = browser->findChild<QComboBox *>(comboName);
        combo->setCurrentIndex(combo->findText(parent));
        QTest::mouseClick(WidgetLookup::button(browser, pressed), Qt::LeftButton);
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
        FamilyBrowser *browser = familyBrowserOn("Pa Oak");
        QVERIFY(browser);
        setParent(browser, "Set First Parent:", "Gran Oak");
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

    // One sim is never both parents, whatever path offers it the other
    // place: an export whose two parent ids lead to Pa, a re-import naming
    // as first the parent the sheet has second, an adoption by the second
    // parent, a birth naming one sim in both boxes, and the family browser
    // in either order. The steps are "import" (fixture, ticks), "sentence"
    // (text, sim1, sim2) or "browser" (target, then "button=choice"), taken
    // after one-parent.csv is imported whole; `child` then has Pa Elm as
    // its one parent, in `place`.
    void oneSimIsNeverBothParents_data()
    {
        QTest::addColumn<QString>("step");
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("child");
        QTest::addColumn<int>("place");
        QTest::newRow("one sim under both parent ids") << "" << QStringList() << "Kid Elm" << 1;
        QTest::newRow("re-import of the child alone")
            << "import" << QStringList{"exports/one-parent-again.csv", "Tot Elm"} << "Tot Elm" << 1;
        QTest::newRow("re-import with the parent")
            << "import" << QStringList{"exports/one-parent-again.csv", "Select All Playables"}
            << "Tot Elm" << 1;
        QTest::newRow("adoption by the second parent")
            << "sentence"
            << QStringList{"On day 1 of the rotation, Pa Elm adopted Tot Elm, whose name was "
                           "changed to Tot Elm, before six PM (eleven AM for pets).",
                           "Pa Elm", "Tot Elm"}
            << "Tot Elm" << 1;
        QTest::newRow("birth with one sim in both boxes")
            << "sentence"
            << QStringList{"On day 1 of the rotation, Pa Elm and Pa Elm had a female baby named "
                           "Bo Elm before six PM.",
                           "Pa Elm", "Pa Elm"}
            << "Bo Elm" << 1;
        QTest::newRow("browser, second parent then first")
            << "browser"
            << QStringList{"Lou Elm", "Set Second Parent:=Pa Elm", "Set First Parent:=Pa Elm"}
            << "Lou Elm" << 1;
        QTest::newRow("browser, first parent then second")
            << "browser"
            << QStringList{"Lou Elm", "Set First Parent:=Pa Elm", "Set Second Parent:=Pa Elm"}
            << "Lou Elm" << 2;
    }
    void oneSimIsNeverBothParents()
    {
        QFETCH(QString, step);
        QFETCH(QStringList, args);
        QFETCH(QString, child);
        QFETCH(int, place);
        w->importExport(Fixture::bytes("exports/one-parent.csv"), {"Select All Playables"});
        if (step == "import") {
            w->importExport(Fixture::bytes(args.at(0)), args.mid(1));
        } else if (step == "sentence") {
            w->updatePage()->addEvent(
                new UpdateEntry(args.at(0), w->simNamed(args.at(1)), w->simNamed(args.at(2))));
            QTest::mouseClick(WidgetLookup::button(w->updatePage(), "Apply Updates"),
                              Qt::LeftButton);
        } else if (step == "browser") {
            w->addSim(args.at(0));
            FamilyBrowser *browser = familyBrowserOn(args.at(0));
            QVERIFY(browser);
            for (const QString &press : args.mid(1))
                setParent(browser, press.section('=', 0, 0), press.section('=', 1));
            // The browser shows the parent in one row, "None" in the other.
            const auto shown = [&](const char *name) {
                return browser->findChild<QWidget *>(name)->isVisible();
            };
            const bool first = place == 1;
            QVERIFY(shown(first ? "parent1Button" : "parent2Button"));
            QVERIFY(shown(first ? "parent2None" : "parent1None"));
            QVERIFY(!shown(first ? "parent1None" : "parent2None"));
            QVERIFY(!shown(first ? "parent2Button" : "parent1Button"));
            QCOMPARE(browser->findChild<QAbstractButton *>(first ? "parent1Button"
                                                                 : "parent2Button")
                         ->text(),
                     QString("Pa Elm"));
        }
        const Sim *sim = w->simNamed(child);
        QVERIFY(sim);
        const Sim *pa = w->simNamed("Pa Elm");
        QCOMPARE(sim->parent1().data(), place == 1 ? pa : nullptr);
        QCOMPARE(sim->parent2().data(), place == 2 ? pa : nullptr);

        checkSoundAfterReopen(kin(sims()));
        w->saveList("KinAgain");
        QCOMPARE(SheetWindow::fileBytes("KinAgain.sls"), SheetWindow::fileBytes("Kin.sls"));
    }
};

QTEST_MAIN(TestKinPaths)
#include "tst_kinpaths.moc"
