#include "dialogs/AddNotesDialog.h"
#include "dialogs/AddSimDialog.h"
#include "dialogs/EditSimDialog.h"
#include "dialogs/FilterDialog.h"
#include "dialogs/ImportDialog.h"
#include "dialogs/ListManagementDialog.h"
#include "dialogs/SettingsDialog.h"
#include "events/UpdateDialog.h"
#include "events/UpdatePage.h"
#include "pages/FamilyBrowser.h"
#include "pages/FamilyPage.h"
#include "pages/AchievementEntry.h"
#include "pages/AchievementsPage.h"
#include "pages/AgePage.h"
#include "pages/EditHouseholdDialog.h"
#include "pages/AspirationPage.h"
#include "pages/HouseholdPage.h"
#include "sheet/SettingsFile.h"
#include "sheet/Tolvane.h"
#include "support/LinkCheck.h"
#include "support/Fixture.h"
#include "support/CapturedStdout.h"
#include "support/ChooserAnswer.h"
#include "support/FormDriver.h"
#include "support/MessageBoxCatcher.h"
#include "support/SheetWindow.h"
#include "support/SimNames.h"
#include "support/WidgetLookup.h"
#include "support/WorkingFolder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QStandardItemModel>
#include <QTextEdit>
#include <QtTest>

#include <memory>

namespace {

QByteArray fixture(const QString &name)
{
    return Fixture::bytes(QStringLiteral("lists/") + name);
}


// An export from the sim editor: Ada Brook (NID 101, already on the
// sheet) married to Max (NID 200), their son Kit (NID 201). New records,
// linked only among themselves, as the import hands them over.
QList<Sim *> adaExport()
{
    auto *ada = new Sim("Ada Brook", 41, 2, 1, 6, true, 0, "", "");
    ada->setNid(101);
    auto *max = new Sim("Max Brook", 45, 1, 2, 0, true, 0, "", "");
    max->setNid(200);
    auto *kit = new Sim("Kit Brook", 2, 1, 0, 0, true, 0, "", "");
    kit->setNid(201);
    for (Sim *sim : {ada, max, kit})
        sim->setHousehold("Brook");
    ada->setSpouse(max);
    kit->setParents(max, ada);
    return {max, kit, ada};
}

void import(SheetWindow &w, const QList<Sim *> &records)
{
    ListManagementDialog *dialog = w.listDialog();
    for (Sim *sim : records)
        emit dialog->addSim(sim);
    emit dialog->updateModels();
}

// Imports every sim of an export fixture the way a player does.
void importFixture(SheetWindow &w, const QString &name)
{
    w.importExport(Fixture::bytes("exports/" + name),
                   {"Select All Playables", "Select All Townies", "Select All NPCs"});
}

// Each sim of the sheet with its spouse ("-" for none), by name.
QStringList spouses(const SimList &sims)
{
    QStringList out;
    for (const auto &sim : sims)
        out << sim->name() + " = " + (sim->spouse() ? sim->spouse()->name() : QString("-"));
    out.sort();
    return out;
}

QString birthLine(int n, int day)
{
    return QStringLiteral("\"On day %1 of the rotation, Ben Brook and Ada Brook had a female baby "
                          "named Baby %2 before six PM.\",1,0")
        .arg(day)
        .arg(n);
}

} // namespace

// The sheet's slots as the tabs and dialogs reach them: settings, filters,
// the rebuild, the selected sim, the dialogs, new sims and the rotation.
class TestSheet : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<WorkingFolder> folder;
    std::unique_ptr<MessageBoxCatcher> boxes;
    std::unique_ptr<SheetWindow> w;

    // A window with the list "Brook" (the 0.5 fixture) open.
    void openBrook()
    {
        folder->write("Brook.sls", fixture("v05.sls"));
        w = std::make_unique<SheetWindow>();
        w->openList("Brook");
        w->listDialog()->hide();
        QCOMPARE(w->simModel()->rowCount(), 7);
    }
    QString notesPane() const { return w->agePage()->findChildren<QLabel *>().at(1)->text(); }
    QLabel *imagePane() const { return w->agePage()->findChildren<QLabel *>().at(0); }
    // Chooses a picture for the selected sim through "Add Image".
    void chooseImage(const QString &file) const
    {
        ChooserAnswer answer(file);
        QTest::mouseClick(WidgetLookup::button(w->agePage(), "Add Image"), Qt::LeftButton);
    }
    // Presses "Add or Edit Family" on the Family Ties tab, as a player
    // does, and goes back to the List of Sims.
    void askForFamilyBrowser()
    {
        w->sheet()->setCurrentWidget(w->familyPage());
        QTest::mouseClick(WidgetLookup::button(w->familyPage(), "Add or Edit Family"),
                          Qt::LeftButton);
        w->sheet()->setCurrentWidget(w->agePage());
    }

private slots:
    void init()
    {
        folder = std::make_unique<WorkingFolder>();
        boxes = std::make_unique<MessageBoxCatcher>(QMessageBox::Discard);
    }
    void cleanup()
    {
        w.reset();
        boxes.reset();
        folder.reset();
    }

    // Each setter holds its value to the settings dialog's range, whoever
    // sends it; what the window keeps is what it writes at close.
    void settersHoldTheirRanges_data()
    {
        QTest::addColumn<QString>("slot");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("line");
        QTest::newRow("rotation, huge") << "setRotationTime" << 2000000000 << "RotationTime=14";
        QTest::newRow("rotation, zero") << "setRotationTime" << 0 << "RotationTime=1";
        QTest::newRow("semesters, negative")
            << "setCollegeRotationTime" << -5 << "CollegeRotationTime=1";
        QTest::newRow("semesters, many") << "setCollegeRotationTime" << 99 << "CollegeRotationTime=8";
        QTest::newRow("college days") << "setAutoGoToCollegeTime" << 100 << "AutoGoToCollegeTime=14";
        QTest::newRow("birthday time") << "setAutoBirthdaysTime" << 7 << "AutoBirthdaysTime=1";
        QTest::newRow("age display") << "setAgeDisplay" << -1 << "AgeDisplay=0";
        QTest::newRow("packs") << "setEPFlags" << (256 | 64) << "EPFlags=64";
    }
    void settersHoldTheirRanges()
    {
        QFETCH(QString, slot);
        QFETCH(int, value);
        QFETCH(QString, line);
        CapturedStdout quiet;
        w = std::make_unique<SheetWindow>();
        QVERIFY(QMetaObject::invokeMethod(w->sheet(), slot.toLatin1().constData(),
                                          Q_ARG(int, value)));
        if (slot == "setRotationTime")
            QCOMPARE(QString("RotationTime=%1").arg(w->updatePage()->rotationTime()), line);
        QVERIFY(w->window().close());
        QVERIFY(SheetWindow::fileBytes("tolvane.conf").split('\n').contains(line.toLatin1() + '\r'));
    }

    // The age display and the Free Time pack list the sims again.
    void displaySettingsRelistTheSims()
    {
        openBrook();
        w->press("&Settings...");
        auto *settings = SheetWindow::openWindow<SettingsDialog>();
        QVERIFY(settings);
        QCOMPARE(SheetWindow::column(w->simModel(), 2).first(), QString("19 days until Elder"));
        settings->findChild<QComboBox *>("ageDisplayCombo")->setCurrentIndex(0);
        QCOMPARE(SheetWindow::column(w->simModel(), 2).first(), QString("40 days old"));
        QCOMPARE(SheetWindow::column(w->simModel(), 4).first(), QString("Fortune"));
        settings->findChild<QCheckBox *>("freeTimeBox")->click();
        QCOMPARE(SheetWindow::column(w->simModel(), 4).first(), QString("Fortune/Pleasure"));
        QCOMPARE(w->updatePage()->epFlags(), 64);
    }

    // The filter dialog hides sims from the List of Sims only; the
    // households, the other tabs and the masks themselves stay.
    void filtersHideSimsFromTheListOnly()
    {
        openBrook();
        w->press("Filter List...");
        auto *filters = SheetWindow::openWindow<FilterDialog>();
        QVERIFY(filters);
        filters->findChild<QCheckBox *>("setDeadFilter")->click();
        QVERIFY(!w->simNames().contains("Gus Ghost"));
        QCOMPARE(w->simNames().size(), 6);
        filters->findChild<QCheckBox *>("setAliveFilter")->click();
        QCOMPARE(w->simNames(), QStringList());
        QCOMPARE(w->households().size(), 5);
        QCOMPARE(w->updatePage()->allSims().size(), 7);

        // The same dialog comes back with its boxes as they were left.
        filters->hide();
        w->press("Filter List...");
        QCOMPARE(SheetWindow::openWindow<FilterDialog>(), filters);
        filters->findChild<QCheckBox *>("setAliveFilter")->click();
        QCOMPARE(w->simNames().size(), 6);
        // Opening a list keeps the masks.
        w->openList("Brook");
        QCOMPARE(w->simNames().size(), 6);
        QVERIFY(!w->simNames().contains("Gus Ghost"));
    }

    // The rows of the sim model keep the list's order, whatever order the
    // view shows; a row leads to its own sim.
    void rowsLeadToTheirSims()
    {
        openBrook();
        QCOMPARE(w->simNames(), QStringList({"Ada Brook", "Ben Brook", "Cy Brook", "Zoë Ünal",
                                             "Sue Study", "Gus Ghost", "Rex"}));
        QVERIFY(w->selectSim("Zoë Ünal"));
        QCOMPARE(notesPane(), QString("Notes for Zoë Ünal:\n\nÇa va – très bien, merci."));
        QVERIFY(w->selectSim("Ada Brook"));
        QCOMPARE(notesPane(), QString("Notes for Ada Brook:\n\nLikes tea.\r\nHates rain."));
    }

    // A row that leads to no sim (out of range, or from before the list
    // changed) is ignored.
    void rowsThatLeadNowhereDoNothing_data()
    {
        QTest::addColumn<QString>("slot");
        QTest::addColumn<int>("row");
        QTest::newRow("edit, past the end") << "createEditSimDialog" << 7;
        QTest::newRow("edit, negative") << "createEditSimDialog" << -1;
        QTest::newRow("notes, past the end") << "createAddNotesDialog" << 99;
        QTest::newRow("image, past the end") << "assignImageFile" << 7;
        QTest::newRow("selection, past the end") << "doUpdate" << 7;
        QTest::newRow("selection, negative") << "doUpdate" << -3;
    }
    void rowsThatLeadNowhereDoNothing()
    {
        QFETCH(QString, slot);
        QFETCH(int, row);
        openBrook();
        const QByteArray name = slot.toLatin1();
        if (slot == "assignImageFile")
            QVERIFY(QMetaObject::invokeMethod(w->sheet(), name.constData(), Q_ARG(int, row),
                                              Q_ARG(QString, "/x.jpg")));
        else
            QVERIFY(QMetaObject::invokeMethod(w->sheet(), name.constData(), Q_ARG(int, row)));
        QCOMPARE(SheetWindow::openWindow<EditSimDialog>(), nullptr);
        QCOMPARE(SheetWindow::openWindow<AddNotesDialog>(), nullptr);
        QCOMPARE(notesPane(), QString("Notes for "));
        w->saveList("Same");
        QCOMPARE(SheetWindow::fileBytes("Same.sls"), fixture("v05.sls"));
    }

    // The notes dialog goes with the list of its sim: an open in between
    // gives the sim's position to another sim, which keeps its own notes,
    // and the sim that left the sheet is not written to either.
    void notesDialogGoesWithTheListOfItsSim()
    {
        openBrook();
        folder->write("Lark.sls", fixture("v02.sls"));
        Sim *sue = w->simNamed("Sue Study");
        QVERIFY(w->selectSim("Sue Study"));
        QTest::mouseClick(WidgetLookup::button(w->agePage(), "Add Notes"), Qt::LeftButton);
        QPointer<AddNotesDialog> notes = SheetWindow::openWindow<AddNotesDialog>();
        QVERIFY(notes);
        notes->findChild<QTextEdit *>()->setPlainText("Graduates next year.");
        w->openList("Lark", 1);
        // Sue's position now holds Gus Ghost of the new list.
        QCOMPARE(w->simNames().at(4), QString("Gus Ghost"));
        QVERIFY(!notes);
        QVERIFY(!SheetWindow::openWindow<AddNotesDialog>());
        QCOMPARE(sue->notes(), QString("Top of the class."));
        QCOMPARE(w->simNamed("Gus Ghost")->notes(), QString());
        QCOMPARE(notesPane(), QString("Notes for "));
    }

    // Replacing the sheet's list (an open, "Clear current list", a premade
    // list) closes every window that edits sims of the former list, and the
    // Family Ties and Aspirations tabs let its sims go: no edit can reach a
    // sim that is no longer on the sheet. Windows that hold no sim stay.
    void replacingTheListClosesTheDialogsOfItsSims_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("open") << "open";
        QTest::newRow("clear") << "clear";
        QTest::newRow("premade list") << "premade list";
    }
    void replacingTheListClosesTheDialogsOfItsSims()
    {
        QFETCH(QString, how);
        openBrook();
        folder->write("Lark.sls", fixture("v02.sls"));
        QVERIFY(w->selectSim("Ada Brook"));
        askForFamilyBrowser();
        QPointer<FamilyBrowser> browser = SheetWindow::openWindow<FamilyBrowser>();
        QTest::mouseClick(WidgetLookup::button(w->agePage(), "Edit Selected Sim"), Qt::LeftButton);
        QPointer<EditSimDialog> edit = SheetWindow::openWindow<EditSimDialog>();
        QTest::mouseClick(WidgetLookup::button(w->agePage(), "Add Notes"), Qt::LeftButton);
        QPointer<AddNotesDialog> notes = SheetWindow::openWindow<AddNotesDialog>();
        FormDriver form(w->updatePage());
        QVERIFY2(form.open("New Sims and Pets", "Ordinary Babies"), qPrintable(form.error()));
        QPointer<UpdateDialog> update = form.dialog();
        w->press("Add &New Sim");
        w->press("Filter List...");
        w->press("&Settings...");
        for (QWidget *dialog : std::initializer_list<QWidget *>{browser, edit, notes, update})
            QVERIFY(dialog && dialog->isVisible());

        boxes->texts.clear();
        if (how == "open")
            w->openList("Lark", 1);
        else if (how == "clear")
            w->clearList();
        else
            w->setPremadeList(1);
        QCOMPARE(boxes->texts, QStringList());

        QVERIFY(!browser || !browser->isVisible());
        QVERIFY(!edit);
        QVERIFY(!notes);
        QVERIFY(!update);
        for (QWidget *kept : std::initializer_list<QWidget *>{
                 SheetWindow::openWindow<ListManagementDialog>(),
                 SheetWindow::openWindow<AddSimDialog>(), SheetWindow::openWindow<FilterDialog>(),
                 SheetWindow::openWindow<SettingsDialog>()})
            QVERIFY(kept);
        QVERIFY(WidgetLookup::label(w->familyPage(), "The Family of "));
        QVERIFY(WidgetLookup::label(w->aspirationPage(),
                                    "Please select a name from the List of Sims tab."));

        // The browser now waits for a sim of the new list.
        askForFamilyBrowser();
        QCOMPARE(boxes->texts, QStringList({"Please select a sim from the list first."}));
        QVERIFY(!SheetWindow::openWindow<FamilyBrowser>());
    }

    // The family browser left open across an open: "Add Child" there must
    // not link a sim of the new list to one that left the sheet. Once a sim
    // of the new list is picked, the browser edits that list.
    void familyBrowserAcrossAnOpen()
    {
        openBrook();
        folder->write("Lark.sls", fixture("v02.sls"));
        QVERIFY(w->selectSim("Ada Brook"));
        askForFamilyBrowser();
        auto *browser = SheetWindow::openWindow<FamilyBrowser>();
        QVERIFY(browser);

        w->openList("Lark", 1);
        QCOMPARE(w->simNames(),
                 QStringList({"Ada Brook", "Ben Brook", "Cy Brook", "Rex", "Gus Ghost"}));
        auto *children = browser->findChild<QComboBox *>("addChildCombo");
        children->setCurrentIndex(children->findText("Rex"));
        WidgetLookup::button(browser, "Add Child:")->click();
        QCOMPARE(familyLinkFaults(w->updatePage()->allSims()), QStringList());
        QVERIFY(!browser->isVisible());

        QVERIFY(w->selectSim("Gus Ghost"));
        askForFamilyBrowser();
        QCOMPARE(SheetWindow::openWindow<FamilyBrowser>(), browser);
        QVERIFY(WidgetLookup::label(browser, "Immediate Family of Gus Ghost:"));
        children->setCurrentIndex(children->findText("Rex"));
        WidgetLookup::button(browser, "Add Child:")->click();
        Sim *rex = w->simNamed("Rex");
        QCOMPARE(rex->parent1().data(), w->simNamed("Gus Ghost"));
        QCOMPARE(familyLinkFaults(w->updatePage()->allSims()), QStringList());
    }

    void savedNotesShowForTheirRow()
    {
        openBrook();
        QVERIFY(w->selectSim("Cy Brook"));
        QTest::mouseClick(WidgetLookup::button(w->agePage(), "Add Notes"), Qt::LeftButton);
        auto *notes = SheetWindow::openWindow<AddNotesDialog>();
        QVERIFY(notes);
        notes->findChild<QTextEdit *>()->setPlainText("Wants a dog.");
        QTest::mouseClick(WidgetLookup::button(notes, "Save Notes"), Qt::LeftButton);
        QCOMPARE(notesPane(), QString("Notes for Cy Brook:\n\nWants a dog."));
    }

    // A picture whose path the sim's line cannot hold is not set: the
    // player is told why and the sim keeps its picture, so the notes after
    // the path come back whole. Other paths are set and kept.
    void picturesTheListCannotKeep_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("holds");
        QTest::newRow("comma in the name") << "Ada, at the beach.jpg" << "a comma";
        QTest::newRow("comma in a folder") << "Ada,Ben/beach.jpg" << "a comma";
        QTest::newRow("line break in the name") << "Ada\nbeach.jpg" << "a line break";
    }
    void picturesTheListCannotKeep()
    {
        QFETCH(QString, name);
        QFETCH(QString, holds);
        openBrook();
        const QString kept = "C:/pics/ada.jpg";
        const QString notes = "Notes for Ada Brook:\n\nLikes tea.\r\nHates rain.";
        QImage picture(20, 10, QImage::Format_RGB32);
        picture.fill(Qt::blue);
        folder->write(name, QByteArray());
        const QString refused = folder->path() + "/" + name;
        QVERIFY(picture.save(refused, "JPG"));
        QVERIFY(w->selectSim("Ada Brook"));
        chooseImage(refused);
        QCOMPARE(boxes->texts, QStringList("The picture was not set: its path holds " + holds
                                           + ", which the list file cannot keep. Rename or "
                                             "move the picture and choose it again."));
        QCOMPARE(boxes->titles, QStringList(QString()));
        boxes->texts.clear();
        QCOMPARE(w->simNamed("Ada Brook")->imageFile(), kept);
        QCOMPARE(imagePane()->text(), kept);
        QCOMPARE(notesPane(), notes);
        w->saveList("Same");
        QCOMPARE(SheetWindow::fileBytes("Same.sls"), fixture("v05.sls"));
        w->openList("Same");
        w->listDialog()->hide();
        QVERIFY(w->selectSim("Ada Brook"));
        QCOMPARE(w->simNamed("Ada Brook")->imageFile(), kept);
        QCOMPARE(notesPane(), notes);

        // The same picture under a path the line holds is set, shown and kept.
        const QString taken = folder->path() + "/Ada at the beach.jpg";
        QVERIFY(picture.save(taken, "JPG"));
        const int saveBoxes = int(boxes->texts.size());
        chooseImage(taken);
        QCOMPARE(boxes->texts.size(), saveBoxes);
        QCOMPARE(w->simNamed("Ada Brook")->imageFile(), taken);
        QCOMPARE(imagePane()->pixmap().size(), QSize(150, 75));
        w->saveList("Beach");
        w->openList("Beach");
        w->listDialog()->hide();
        QVERIFY(w->selectSim("Ada Brook"));
        QCOMPARE(w->simNamed("Ada Brook")->imageFile(), taken);
        QCOMPARE(notesPane(), notes);
        QVERIFY(!boxes->texts.join(' ').contains("picture"));
    }

    // The picture pane shows what the sim selected in the list has: its
    // picture, its path when none loads, nothing for no path; never the
    // picture of the sim selected before.
    void picturePaneFollowsTheSelection()
    {
        openBrook();
        QImage picture(20, 10, QImage::Format_RGB32);
        picture.fill(Qt::blue);
        const QString beach = folder->path() + "/beach.jpg";
        QVERIFY(picture.save(beach, "JPG"));
        QVERIFY(w->selectSim("Ada Brook"));
        chooseImage(beach);
        QCOMPARE(imagePane()->pixmap().size(), QSize(150, 75));
        w->simNamed("Cy Brook")->setImageFile("C:/pics/gone.jpg");

        const struct
        {
            const char *sim;
            bool picture;
            QString text;
        } steps[] = {{"Ben Brook", false, ""},      {"Ada Brook", true, ""},
                     {"Sue Study", false, ""},      {"Ada Brook", true, ""},
                     {"Cy Brook", false, "C:/pics/gone.jpg"}, {"Rex", false, ""}};
        for (const auto &step : steps) {
            QVERIFY(w->selectSim(step.sim));
            QCOMPARE(!imagePane()->pixmap().isNull(), step.picture);
            QCOMPARE(imagePane()->text(), step.text);
        }
    }

    // The notes and edit forms asked for again for the sim they are open
    // for come to the front as they are, with what was typed; asked for
    // another sim, or once closed, they are made anew with the stored values.
    void simFormsAskedForAgainKeepWhatWasTyped_data()
    {
        QTest::addColumn<QString>("button");
        QTest::newRow("notes") << "Add Notes";
        QTest::newRow("edit") << "Edit Selected Sim";
    }
    void simFormsAskedForAgainKeepWhatWasTyped()
    {
        QFETCH(QString, button);
        openBrook();
        // The typed text of either form, and the text it was filled with.
        const auto ask = [&](const QString &sim) -> QWidget * {
            if (!w->selectSim(sim))
                return nullptr;
            QTest::mouseClick(WidgetLookup::button(w->agePage(), button), Qt::LeftButton);
            if (button == "Add Notes")
                return SheetWindow::openWindow<AddNotesDialog>();
            return SheetWindow::openWindow<EditSimDialog>();
        };
        const auto text = [&](QWidget *form) {
            if (auto *notes = form->findChild<QTextEdit *>())
                return notes->toPlainText();
            return form->findChild<QLineEdit *>("nameEdit")->text();
        };
        const auto type = [&](QWidget *form, const QString &typed) {
            if (auto *notes = form->findChild<QTextEdit *>())
                notes->setPlainText(typed);
            else
                form->findChild<QLineEdit *>("nameEdit")->setText(typed);
        };
        const QString stored = button == "Add Notes" ? "Top of the class." : "Sue Study";

        QPointer<QWidget> form = ask("Sue Study");
        QVERIFY(form);
        QCOMPARE(text(form), stored);
        type(form, "Half typed");
        w->window().activateWindow();
        QWidget *asked = ask("Sue Study");
        QVERIFY(form);
        QCOMPARE(asked, form.data());
        QCOMPARE(text(form), QString("Half typed"));
        QVERIFY(form->isVisible());

        // Closed with the window's button, the form is made anew.
        form->close();
        QPointer<QWidget> again = ask("Sue Study");
        QVERIFY(again);
        QVERIFY(!form);
        QCOMPARE(text(again), stored);

        // For another sim, a new form with that sim's values.
        type(again, "Half typed");
        QPointer<QWidget> other = ask("Cy Brook");
        QVERIFY(other);
        QVERIFY(!again);
        QCOMPARE(text(other), button == "Add Notes" ? QString() : QString("Cy Brook"));
        QCOMPARE(w->simNamed("Sue Study")->notes(), QString("Top of the class."));
    }

    // Notes saved for a sim the filters hide show nothing, rather than the
    // sim in the first row.
    void notesOfAHiddenSimShowNothing()
    {
        openBrook();
        QVERIFY(w->selectSim("Gus Ghost"));
        QTest::mouseClick(WidgetLookup::button(w->agePage(), "Add Notes"), Qt::LeftButton);
        auto *notes = SheetWindow::openWindow<AddNotesDialog>();
        QVERIFY(notes);
        w->press("Filter List...");
        SheetWindow::openWindow<FilterDialog>()->findChild<QCheckBox *>("setDeadFilter")->click();
        notes->findChild<QTextEdit *>()->setPlainText("Haunts the kitchen.");
        QTest::mouseClick(WidgetLookup::button(notes, "Save Notes"), Qt::LeftButton);
        QCOMPARE(w->simNamed("Gus Ghost")->notes(), QString("Haunts the kitchen."));
        QCOMPARE(notesPane(), QString("Notes for "));
    }

    // The add form is made anew at every request, with the households in
    // order of first appearance; the edit form edits the selected sim.
    void simFormsAreFreshAndKnowTheHouseholds()
    {
        openBrook();
        w->press("Add &New Sim");
        QPointer<AddSimDialog> first = SheetWindow::openWindow<AddSimDialog>();
        QVERIFY(first);
        first->findChild<QLineEdit *>("nameEdit")->setText("Half typed");
        w->press("Add &New Sim");
        QVERIFY(!first);
        auto *form = SheetWindow::openWindow<AddSimDialog>();
        QCOMPARE(form->findChild<QLineEdit *>("nameEdit")->text(), QString());
        auto *households = form->findChild<QComboBox *>("householdCombo");
        QStringList items;
        for (int i = 0; i < households->count(); ++i)
            items << households->itemText(i);
        QCOMPARE(items, QStringList({"Brook", "Ünal", "Dorm", "At Large", "Runaways"}));

        QVERIFY(w->selectSim("Cy Brook"));
        QTest::mouseClick(WidgetLookup::button(w->agePage(), "Edit Selected Sim"), Qt::LeftButton);
        auto *edit = SheetWindow::openWindow<EditSimDialog>();
        QVERIFY(edit);
        QCOMPARE(edit->findChild<QLineEdit *>("nameEdit")->text(), QString("Cy Brook"));
        edit->findChild<QLineEdit *>("nameEdit")->setText("Cyril Brook");
        QTest::mouseClick(edit->findChild<QAbstractButton *>("actionButton"), Qt::LeftButton);
        QCOMPARE(w->simNames().at(2), QString("Cyril Brook"));
    }

    // The list dialog is kept and shows the SimPE folder the settings hold.
    void listDialogShowsTheSimPEFolder()
    {
        w = std::make_unique<SheetWindow>();
        ListManagementDialog *lists = w->listDialog();
        auto *location = lists->findChild<QLineEdit *>("simPELocationEdit");
        QCOMPARE(location->text(), QString("C:/Program Files/SimPE/"));
        location->setText("typed");
        w->press("&Settings...");
        SheetWindow::openWindow<SettingsDialog>()->findChild<QLineEdit *>("simPELocationEdit")
            ->setText("/opt/simpe/");
        w->press("&Manage Sim Lists...");
        QCOMPARE(w->listDialog(), lists);
        QCOMPARE(location->text(), QString("/opt/simpe/"));
    }

    void householdsTab()
    {
        openBrook();
        QVERIFY(WidgetLookup::clickRow(w->householdView(), "Brook"));
        QVERIFY(WidgetLookup::label(w->householdPage(), "Ada Brook\nBen Brook\nCy Brook"));

        // A rename moves every member, listed or hidden, and the new name
        // keeps the mark the player set, on the tab and in the saved list.
        w->press("Filter List...");
        SheetWindow::openWindow<FilterDialog>()->findChild<QCheckBox *>("setChildFilter")->click();
        QCOMPARE(w->simNames().size(), 6);
        QVERIFY(w->households().contains("Brook,Yes"));
        QVERIFY(WidgetLookup::clickRow(w->householdView(), "Brook"));
        QTest::mouseClick(WidgetLookup::button(w->householdPage(), "Edit Selected Household"),
                          Qt::LeftButton);
        auto *rename = SheetWindow::openWindow<EditHouseholdDialog>();
        rename->findChild<QLineEdit *>()->setText("Brookes");
        QTest::mouseClick(WidgetLookup::button(rename, "Ok"), Qt::LeftButton);
        QStringList households = w->households();
        households.sort();
        QCOMPARE(households,
                 QStringList({"At Large,No", "Brookes,Yes", "Dorm,No", "Runaways,", "Ünal,No"}));
        QCOMPARE(w->simNamed("Cy Brook")->household(), QString("Brookes"));
        QCOMPARE(SheetWindow::column(w->simModel(), 1).first(), QString("Brookes"));
        w->saveList("Renamed");
        QVERIFY(SheetWindow::fileBytes("Renamed.sls").contains("\r\nBrookes,Yes\r\nDorm,No\r\n"));

        // An unplayed household stays unplayed under its new name.
        QVERIFY(WidgetLookup::clickRow(w->householdView(), "Dorm"));
        QTest::mouseClick(WidgetLookup::button(w->householdPage(), "Edit Selected Household"),
                          Qt::LeftButton);
        rename->findChild<QLineEdit *>()->setText("College");
        QTest::mouseClick(WidgetLookup::button(rename, "Ok"), Qt::LeftButton);
        households = w->households();
        households.sort();
        QCOMPARE(households,
                 QStringList({"At Large,No", "Brookes,Yes", "College,No", "Runaways,", "Ünal,No"}));
    }

    // The log's sim box lists each sim of the log in hand once, whatever was
    // open before, and each of them filters the log to its own entries.
    void logSimBoxFollowsTheListInHand()
    {
        QByteArray bytes = fixture("v05.sls");
        bytes.replace("\"Ben Brook became a vampire.\",1,-1\r\n",
                      "\"Ben Brook became a vampire.\",1,-1\r\n"
                      "\"Ada Brook and Zo\xc3\xab \xc3\x9cnal became friends.\",0,3\r\n"
                      "\"Sue Study got an A.\",4,-1\r\n");
        folder->write("Brook.sls", bytes);
        folder->write("Other.sls", fixture("v05.sls"));
        w = std::make_unique<SheetWindow>();
        auto *page = w->achievementsPage();
        auto *box = page->findChild<QComboBox *>();
        const auto boxTexts = [box] {
            QStringList texts;
            for (int i = 0; i < box->count(); ++i)
                texts << box->itemText(i);
            return texts;
        };
        const auto filteredTo = [&](int row) {
            box->setCurrentIndex(row);
            QTest::mouseClick(WidgetLookup::button(page, "Filter by Sim"), Qt::LeftButton);
            QStringList shown;
            for (const AchievementEntry *entry : page->entries()) {
                if (!entry->isHidden())
                    shown << entry->text();
            }
            return shown;
        };

        const QStringList brookSims{"Ben Brook", "Ada Brook", "Zoë Ünal", "Sue Study"};
        for (int open = 0; open < 2; ++open) {
            w->openList("Brook");
            QCOMPARE(boxTexts(), brookSims);
            QCOMPARE(filteredTo(0), QStringList({"Ben Brook became a vampire."}));
            QCOMPARE(filteredTo(1), QStringList({"Ada Brook and Zoë Ünal became friends."}));
            QCOMPARE(filteredTo(2), QStringList({"Ada Brook and Zoë Ünal became friends."}));
            QCOMPARE(filteredTo(3), QStringList({"Sue Study got an A."}));
        }

        // Opening another list leaves no sim of the former one, and no sim
        // filter in force.
        w->openList("Other");
        QCOMPARE(boxTexts(), QStringList({"Ben Brook"}));
        QVERIFY(!WidgetLookup::button(page, "Show All")->isEnabled());
        QCOMPARE(filteredTo(0), QStringList({"Ben Brook became a vampire."}));
        w->clearList();
        QCOMPARE(box->count(), 0);
        QVERIFY(!WidgetLookup::button(page, "Filter by Sim")->isEnabled());
        QVERIFY(!WidgetLookup::button(page, "Show All")->isEnabled());
    }

    // The played marks survive a rebuild by name.
    void playedMarksSurviveARebuild()
    {
        openBrook();
        const QStringList before = w->households();
        QVERIFY(before.contains("Brook,Yes"));
        w->press("Add &New Sim");
        auto *form = SheetWindow::openWindow<AddSimDialog>();
        QTest::keyClicks(form->findChild<QLineEdit *>("nameEdit"), "Nora New");
        QTest::mouseClick(form->findChild<QAbstractButton *>("actionButton"), Qt::LeftButton);
        QCOMPARE(w->simNames().size(), 8);
        QCOMPARE(w->households(), before);
    }

    // Many births in one "Apply Updates" are listed by one rebuild at its
    // end, each new sim on the sheet at once.
    void appliedBirthsRebuildOnce()
    {
        openBrook();
        const int births = 40;
        for (int n = 0; n < births; ++n)
            w->updatePage()->loadEvent(birthLine(n, 1));
        CapturedStdout out;
        QTest::mouseClick(WidgetLookup::button(w->updatePage(), "Apply Updates"), Qt::LeftButton);
        const QString printed = out.text();
        QCOMPARE(printed.count("Updating household model..."), 1);
        QCOMPARE(printed.count("New Sim made: Baby "), births);
        QCOMPARE(w->simNames().size(), 7 + births);
        QCOMPARE(w->simNames().last(), QString("Baby %1").arg(births - 1));
        QCOMPARE(SheetWindow::column(w->simModel(), 1).last(), QString("Brook"));
        Sim *ada = w->simNamed("Ada Brook");
        QCOMPARE(ada->childCount(), 1 + births);
        QCOMPARE(w->households(),
                 QStringList({"Brook,No", "Ünal,No", "Dorm,No", "At Large,No", "Runaways,"}));
    }

    // An import merges each sim into the sheet's sim of its NID, and every
    // link afterwards leads to a sim on the sheet; the same export again
    // adds nobody.
    void importsMergeByNid()
    {
        openBrook();
        Sim *ada = w->simNamed("Ada Brook");
        import(*w, adaExport());
        const SimList sims = w->updatePage()->allSims();
        QCOMPARE(namesOf(sims).mid(7), QStringList({"Max Brook", "Kit Brook"}));
        QCOMPARE(linksOffTheList(sims), QStringList());
        Sim *kit = w->simNamed("Kit Brook");
        QCOMPARE(kit->parent2().data(), ada);
        QCOMPARE(ada->spouse().data(), w->simNamed("Max Brook"));
        QCOMPARE(w->simModel()->rowCount(), 9);

        import(*w, adaExport());
        QCOMPARE(w->updatePage()->allSims(), sims);
        QCOMPARE(linksOffTheList(w->updatePage()->allSims()), QStringList());
        QCOMPARE(kit->parent2().data(), ada);
    }

    // An export's quoted fields may hold line breaks, a double quote before a
    // comma and a leading comma. Imported, such texts are made to fit the
    // list line, so saving, opening and saving again gives the same bytes,
    // with the one marriage of the export and no other.
    void importedTextsKeepTheListWhole()
    {
        w = std::make_unique<SheetWindow>();
        importFixture(*w, "line-breaks.csv");
        const QStringList married{" ,Gil Hut = -",
                                  "Ann Fir = -",
                                  "Bob Fir = -",
                                  "Cat Oak = Dan Oak",
                                  "Dan Oak = Cat Oak",
                                  "Eve \"Evie\" , Jr Oak = -",
                                  "Hal Jr Oak = -"};
        QCOMPARE(spouses(w->updatePage()->allSims()), married);
        Sim *eve = w->simNamed("Eve \"Evie\" , Jr Oak");
        QVERIFY(eve);
        QCOMPARE(eve->major(), QString("Art\" ,Craft"));
        QCOMPARE(eve->household(), QString("Oak Tree"));
        QCOMPARE(w->households(), QStringList({" ,Hut,No", "Fir  1,No", "Oak Tree,No"}));

        w->saveList("Once");
        w->openList("Once");
        QCOMPARE(spouses(w->updatePage()->allSims()), married);
        QCOMPARE(w->simNamed("Eve \"Evie\" , Jr Oak")->major(), QString("Art\" ,Craft"));
        w->saveList("Twice");
        QCOMPARE(SheetWindow::fileBytes("Twice.sls"), SheetWindow::fileBytes("Once.sls"));
    }

    // After "Clear current list" an import cannot merge into a sim that is
    // no longer on the sheet.
    void importAfterClearingAddsTheSims()
    {
        openBrook();
        Sim *ada = w->simNamed("Ada Brook");
        w->clearList();
        auto *again = new Sim("Ada Again", 41, 2, 1, 0, true, 0, "", "");
        again->setNid(101);
        import(*w, {again});
        QCOMPARE(w->simNames(), QStringList({"Ada Again"}));
        QCOMPARE(ada->name(), QString("Ada Brook"));
    }

    // A townie pair without the other parent still makes both sims.
    void townieBabyWithoutTheOtherParent()
    {
        openBrook();
        emit w->updatePage()->newTowniePair("Tom Old", 59, "Ben Small", 1, 2, 0, nullptr);
        QCOMPARE(w->simNames().mid(7), QStringList({"Tom Old", "Ben Small"}));
        Sim *baby = w->simNamed("Ben Small");
        QCOMPARE(baby->parent1().data(), w->simNamed("Tom Old"));
        QCOMPARE(baby->parent2().data(), nullptr);
        QCOMPARE(baby->household(), QString("At Large"));
        QCOMPARE(baby->hold(), 2);
    }

    void premadeLists()
    {
        w = std::make_unique<SheetWindow>();
        w->setPremadeList(1);
        QCOMPARE(w->simModel()->rowCount(), 65);
        const QPointer<Sim> first = w->simNamed("Male Baby");
        w->setPremadeList(1);
        QCOMPARE(w->simModel()->rowCount(), 65);
        QVERIFY(w->simNamed("Male Baby") != first.data());
        QVERIFY(first);
        QCOMPARE(w->households(), QStringList({"At Large,No"}));
        w->setPremadeList(0);
        QCOMPARE(w->simModel()->rowCount(), 0);
        QCOMPARE(w->householdModel()->rowCount(), 0);
    }

    // "Apply Updates" ends with the rotation: sims age, holds count down,
    // grow-ups are queued and every household starts unplayed.
    void applyingRotates()
    {
        openBrook();
        w->updatePage()->clearEvents();
        Sim *cy = w->simNamed("Cy Brook");
        cy->setAge(13);
        cy->setHold(0);
        Sim *ada = w->simNamed("Ada Brook");
        ada->setHold(2);
        QAbstractButton *apply = WidgetLookup::button(w->updatePage(), "Apply Updates");
        QTest::mouseClick(apply, Qt::LeftButton);
        QCOMPARE(cy->age(), 14);
        QCOMPARE(ada->age(), 40);
        QCOMPARE(ada->hold(), 1);
        QCOMPARE(w->updatePage()->saveEvents(),
                 QString("\"Cy Brook grew up well after six PM (eleven AM for pets). (Aspiration: "
                         "Same)\",2,-1\r\n"));
        QVERIFY(w->households().contains("Brook,No"));
        w->updatePage()->clearEvents();
        QTest::mouseClick(apply, Qt::LeftButton);
        QCOMPARE(ada->age(), 40);
        QCOMPARE(ada->hold(), 0);
        QTest::mouseClick(apply, Qt::LeftButton);
        QCOMPARE(ada->age(), 41);
    }
};

QTEST_MAIN(TestSheet)
#include "tst_sheet.moc"
