#include "dialogs/FilterDialog.h"
#include "dialogs/AddNotesDialog.h"
#include "dialogs/AddSimDialog.h"
#include "dialogs/EditSimDialog.h"
#include "dialogs/ListManagementDialog.h"
#include "dialogs/SettingsDialog.h"
#include "events/UpdateDialog.h"
#include "events/UpdateEntry.h"
#include "events/UpdatePage.h"
#include "pages/AchievementEntry.h"
#include "pages/AchievementsPage.h"
#include "pages/AgePage.h"
#include "pages/EditHouseholdDialog.h"
#include "pages/FamilyBrowser.h"
#include "pages/FamilyPage.h"
#include "pages/HouseholdPage.h"
#include "sheet/ListFile.h"
#include "sheet/SettingsFile.h"
#include "sheet/Tolvane.h"
#include "support/Fixture.h"
#include "support/CapturedStdout.h"
#include "support/FormDriver.h"
#include "support/MessageBoxCatcher.h"
#include "support/SheetWindow.h"
#include "support/WidgetLookup.h"
#include "support/WorkingFolder.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QStandardItemModel>
#include <QTabBar>
#include <QTreeView>
#include <QtTest>

#include <memory>

namespace {

QByteArray fixture(const QString &name)
{
    return Fixture::bytes(name);
}

QStringList headers(const QStandardItemModel *model)
{
    QStringList texts;
    for (int column = 0; column < model->columnCount(); ++column)
        texts.append(model->headerData(column, Qt::Horizontal).toString());
    return texts;
}

QStringList achievementTexts(AchievementsPage *page)
{
    QStringList texts;
    const QList<AchievementEntry *> entries = page->entries();
    for (AchievementEntry *entry : entries)
        texts.append(entry->text());
    return texts;
}

QStringList pendingTexts(UpdatePage *page)
{
    QStringList texts;
    const QList<UpdateEntry *> entries = page->pendingEntries();
    for (UpdateEntry *entry : entries)
        texts.append(entry->text());
    return texts;
}

// Asks for one of the dialogs the program keeps the way a player does, with
// its button on the List of Sims, Households or Family Ties tab, and
// returns the dialog shown. The households and the family need the list
// "Brook" on the sheet.
QWidget *askFor(SheetWindow &w, const QString &dialog)
{
    if (dialog == "list dialog") {
        w.press("&Manage Sim Lists...");
        return SheetWindow::openWindow<ListManagementDialog>();
    }
    if (dialog == "filter dialog") {
        w.press("Filter List...");
        return SheetWindow::openWindow<FilterDialog>();
    }
    if (dialog == "settings dialog") {
        w.press("&Settings...");
        return SheetWindow::openWindow<SettingsDialog>();
    }
    if (dialog == "household rename") {
        w.sheet()->setCurrentWidget(w.householdPage());
        if (!WidgetLookup::clickRow(w.householdView(), "Brook"))
            return nullptr;
        QTest::mouseClick(WidgetLookup::button(w.householdPage(), "Edit Selected Household"),
                          Qt::LeftButton);
        return SheetWindow::openWindow<EditHouseholdDialog>();
    }
    if (dialog == "notes form" || dialog == "edit form") {
        w.sheet()->setCurrentWidget(w.agePage());
        if (!w.selectSim("Ada Brook"))
            return nullptr;
        if (dialog == "notes form") {
            w.press("Add Notes");
            return SheetWindow::openWindow<AddNotesDialog>();
        }
        w.press("Edit Selected Sim");
        return SheetWindow::openWindow<EditSimDialog>();
    }
    if (dialog == "family browser") {
        w.sheet()->setCurrentWidget(w.agePage());
        if (!w.selectSim("Ada Brook"))
            return nullptr;
        w.sheet()->setCurrentWidget(w.familyPage());
        QTest::mouseClick(WidgetLookup::button(w.familyPage(), "Add or Edit Family"),
                          Qt::LeftButton);
        return SheetWindow::openWindow<FamilyBrowser>();
    }
    return nullptr;
}

} // namespace

// The program's window as a whole: what it shows at start, what closing it
// does, and one round of play driven through its own controls.
class TestMainWindow : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<WorkingFolder> folder;

private slots:
    void init()
    {
        folder = std::make_unique<WorkingFolder>();
    }
    void cleanup()
    {
        folder.reset();
    }

    void startsWithSevenTabsAndEmptyModels()
    {
        CapturedStdout quiet;
        SheetWindow w;
        Tolvane *sheet = w.sheet();
        QVERIFY(sheet);
        QStringList labels;
        for (int i = 0; i < sheet->count(); ++i)
            labels.append(sheet->tabText(i));
        QCOMPARE(labels, QStringList({"&List of Sims", "&Households", "&Family Ties",
                                      "&Aspirations", "&Careers", "Achie&vements", "&Update"}));
        QCOMPARE(sheet->minimumSize(), QSize(700, 400));
        QVERIFY(qobject_cast<FamilyPage *>(sheet->widget(2)));
        // The Careers tab is a plain, empty page.
        QCOMPARE(sheet->widget(4)->metaObject()->className(), "QWidget");
        QVERIFY(sheet->widget(4)->children().isEmpty());
        QCOMPARE(w.window().menuWidget(), nullptr);

        QCOMPARE(headers(w.simModel()),
                 QStringList({"Sim", "Household", "Age", "Life Stage", "Aspiration"}));
        QCOMPARE(w.simModel()->rowCount(), 0);
        QCOMPARE(headers(w.householdModel()), QStringList({"Household", "Played this Rotation"}));
        QCOMPARE(w.householdModel()->rowCount(), 0);
        const auto models = w.window().findChildren<QStandardItemModel *>(
            QString(), Qt::FindDirectChildrenOnly);
        QCOMPARE(models.size(), 3);
        QCOMPARE(headers(models.at(2)), QStringList({"Sim", "Relationship"}));

        // No settings file: the Update tab has the defaults.
        QCOMPARE(w.updatePage()->rotationTime(), 1);
        QCOMPARE(w.updatePage()->epFlags(), 0);
    }

    void settingsFileReachesTheTabs()
    {
        Settings settings;
        settings.RotationTime = 3;
        settings.EPFlags = 64;
        folder->write("tolvane.conf", SettingsFile::toBytes(settings));
        SheetWindow w;
        QCOMPARE(w.updatePage()->rotationTime(), 3);
        QCOMPARE(w.updatePage()->epFlags(), 64);
    }

    // Values outside the settings dialog's ranges are held to them, so a
    // rotation can never run for two thousand million days.
    void settingsFromTheFileAreHeldToTheirRanges()
    {
        folder->write("tolvane.conf", "RotationTime=2000000000\r\nEPFlags=99999999999\r\n");
        SheetWindow w;
        QCOMPARE(w.updatePage()->rotationTime(), Settings::MaxRotationTime);
        QVERIFY(w.window().close());
        Settings back;
        QCOMPARE(SettingsFile::load("tolvane.conf", &back), SettingsFile::LoadResult::Loaded);
        QCOMPARE(back.RotationTime, Settings::MaxRotationTime);
        QVERIFY(back.EPFlags >= 0 && back.EPFlags <= Settings::MaxEPFlags);
    }

    void unreadableSettingsFileIsReported()
    {
        QVERIFY(QDir().mkdir("tolvane.conf"));
        MessageBoxCatcher catcher;
        SheetWindow w;
        QCOMPARE(catcher.texts, QStringList({"Could not read tolvane.conf file."}));
        QCOMPARE(w.updatePage()->rotationTime(), 1);
        // Closing cannot write it either, and closes all the same.
        QVERIFY(w.window().close());
        QTRY_COMPARE(catcher.texts.size(), 2);
        QCOMPARE(catcher.texts.last(), QString("Could not save settings."));
        QVERIFY(!w.window().isVisible());
    }

    void closingWritesTheSettings()
    {
        {
            SheetWindow w;
            QVERIFY(w.window().close());
        }
        QCOMPARE(SheetWindow::fileBytes("tolvane.conf"), fixture("settings/defaults.conf"));
    }

    // The dialogs are windows of their own: closing the main window closes
    // them too, so that the program ends.
    void closingEndsTheProgramWithItsDialogs()
    {
        SheetWindow w;
        w.press("&Manage Sim Lists...");
        w.press("Filter List...");
        w.press("&Settings...");
        w.press("Add &New Sim");
        FormDriver form(w.updatePage());
        QVERIFY2(form.open("Aging", "Household Holds"), qPrintable(form.error()));
        QVERIFY(SheetWindow::openWindow<ListManagementDialog>());
        QVERIFY(SheetWindow::openWindow<FilterDialog>());
        QVERIFY(SheetWindow::openWindow<SettingsDialog>());
        QVERIFY(SheetWindow::openWindow<UpdateDialog>());

        // The program's event loop ends once the window is closed; left
        // running, the guard stops it with another code.
        QTimer::singleShot(0, &w.window(), [&w] { w.window().close(); });
        QTimer guard;
        guard.setSingleShot(true);
        connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(1); });
        guard.start(10000);
        QCOMPARE(QApplication::exec(), 0);
        const auto windows = QApplication::topLevelWidgets();
        for (QWidget *window : windows)
            QVERIFY2(!window->isVisible(), window->metaObject()->className());
    }

    // Closing with changes that were never saved asks first.
    void closingAsksAboutUnsavedChanges_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("named");
        QTest::addColumn<bool>("closed");
        QTest::addColumn<bool>("saved");
        QTest::addColumn<bool>("listDialogShown");
        QTest::newRow("cancel") << int(QMessageBox::Cancel) << true << false << false << false;
        QTest::newRow("discard") << int(QMessageBox::Discard) << true << true << false << false;
        QTest::newRow("save") << int(QMessageBox::Save) << true << true << true << false;
        QTest::newRow("save, no name yet")
            << int(QMessageBox::Save) << false << false << false << true;
    }
    void closingAsksAboutUnsavedChanges()
    {
        QFETCH(int, answer);
        QFETCH(bool, named);
        QFETCH(bool, closed);
        QFETCH(bool, saved);
        QFETCH(bool, listDialogShown);
        folder->write("Brook.sls", fixture("lists/v05.sls"));
        SheetWindow w;
        if (named) {
            w.openList("Brook");
            QCOMPARE(w.simModel()->rowCount(), 7);
            w.listDialog()->hide();
        }
        // The player adds a sim through the add form.
        w.press("Add &New Sim");
        auto *form = SheetWindow::openWindow<AddSimDialog>();
        QVERIFY(form);
        QTest::keyClicks(form->findChild<QLineEdit *>("nameEdit"), "Nora New");
        QTest::mouseClick(form->findChild<QAbstractButton *>("actionButton"), Qt::LeftButton);
        QVERIFY(w.simNames().contains("Nora New"));
        const QByteArray before = SheetWindow::fileBytes("Brook.sls");

        MessageBoxCatcher catcher{QMessageBox::StandardButton(answer)};
        QCOMPARE(w.window().close(), closed);
        QCOMPARE(catcher.texts.size(), 1);
        QVERIFY(catcher.texts.first().contains("not been saved"));
        QCOMPARE(w.window().isVisible(), !closed);
        QCOMPARE(QFile::exists("tolvane.conf"), closed);
        QCOMPARE(SheetWindow::fileBytes("Brook.sls") != before, saved);
        if (saved)
            QVERIFY(SheetWindow::fileBytes("Brook.sls").contains("Nora New"));
        QCOMPARE(bool(SheetWindow::openWindow<ListManagementDialog>()), listDialogShown);
    }

    void closingAnUnchangedListAsksNothing()
    {
        folder->write("Brook.sls", fixture("lists/v05.sls"));
        SheetWindow w;
        w.openList("Brook");
        // Looking at sims, and settings, change nothing in the list.
        QVERIFY(w.selectSim("Ada Brook"));
        MessageBoxCatcher catcher;
        QVERIFY(w.window().close());
        QCOMPARE(catcher.texts, QStringList());
    }

    // A dialog the program keeps is shown again, not made anew: once the
    // player has clicked the main window it lies behind it (or the player
    // minimized it), and asking for it again must bring it to the front
    // with the focus, also after a box the list dialog raised.
    void keptDialogsComeBackToTheFront_data()
    {
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<bool>("minimized");
        QTest::addColumn<QString>("box");
        for (const char *dialog : {"list dialog", "filter dialog", "settings dialog",
                                   "household rename", "family browser", "notes form",
                                   "edit form"}) {
            QTest::addRow("%s behind the window", dialog) << dialog << false << QString();
            QTest::addRow("%s minimized", dialog) << dialog << true << QString();
        }
        QTest::newRow("list dialog after the damaged-list box")
            << "list dialog" << false << "damaged list";
        QTest::newRow("list dialog after the replace question")
            << "list dialog" << false << "replace question";
    }
    void keptDialogsComeBackToTheFront()
    {
        QFETCH(QString, dialog);
        QFETCH(bool, minimized);
        QFETCH(QString, box);
        folder->write("Brook.sls", fixture("lists/v05.sls"));
        folder->write("Other.sls", fixture("lists/v05.sls"));
        folder->write("Torn.sls", Fixture::cutAfter(fixture("lists/v05.sls"), 3, 10));
        SheetWindow w;
        w.openList("Brook");
        QCOMPARE(w.simModel()->rowCount(), 7);
        w.listDialog()->hide();

        QPointer<QWidget> shown = askFor(w, dialog);
        QVERIFY(shown);
        QVERIFY(QTest::qWaitForWindowActive(shown));
        if (box == "damaged list") {
            MessageBoxCatcher catcher(QMessageBox::Cancel);
            w.openList("Torn");
            QCOMPARE(catcher.texts.size(), 1);
            QVERIFY(catcher.texts.first().contains("Torn.sls"));
        } else if (box == "replace question") {
            MessageBoxCatcher catcher(QMessageBox::No);
            w.saveList("Other");
            QCOMPARE(catcher.texts.size(), 1);
            QVERIFY(catcher.texts.first().contains("already holds another list"));
        }
        QCOMPARE(w.simModel()->rowCount(), 7);
        if (minimized)
            shown->showMinimized();
        // The player clicks the main window: the dialog drops behind it.
        w.window().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w.window()));
        QCOMPARE(QApplication::activeWindow(), &w.window());

        QWidget *again = askFor(w, dialog);
        QVERIFY2(shown, "the dialog was made anew");
        QCOMPARE(again, shown.data());
        QVERIFY(QTest::qWaitForWindowActive(shown));
        QCOMPARE(QApplication::activeWindow(), shown);
        QVERIFY(!shown->isMinimized());
    }

    // "Save" when closing the window on a new list with changes asks for a
    // name in the list dialog: the dialog comes to the front, so that the
    // player sees the question, wherever it was.
    void savingANewListAtCloseBringsTheListDialogForward_data()
    {
        QTest::addColumn<QString>("before");
        QTest::newRow("not open yet") << "not open yet";
        QTest::newRow("behind the window") << "behind the window";
        QTest::newRow("minimized") << "minimized";
        QTest::newRow("closed") << "closed";
    }
    void savingANewListAtCloseBringsTheListDialogForward()
    {
        QFETCH(QString, before);
        SheetWindow w;
        if (before != "not open yet") {
            QWidget *lists = askFor(w, "list dialog");
            QVERIFY(lists);
            QVERIFY(QTest::qWaitForWindowActive(lists));
            if (before == "minimized")
                lists->showMinimized();
            else if (before == "closed")
                lists->close();
        }
        w.addSim("Nora New");
        w.window().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w.window()));

        MessageBoxCatcher catcher(QMessageBox::Save);
        QVERIFY(!w.window().close());
        QCOMPARE(catcher.texts.size(), 1);
        QVERIFY(catcher.texts.first().contains("not been saved"));
        auto *lists = SheetWindow::openWindow<ListManagementDialog>();
        QVERIFY(lists);
        QVERIFY(QTest::qWaitForWindowActive(lists));
        QCOMPARE(QApplication::activeWindow(), lists);
        QVERIFY(!lists->isMinimized());
        QVERIFY(w.window().isVisible());
    }

    // One round of play through the window's own controls: open a list,
    // compose a birth on the Update tab, apply it, look at the tabs, save,
    // and open the saved list again.
    void oneRoundOfPlay()
    {
        folder->write("Brook.sls", fixture("lists/v05.sls"));
        CapturedStdout quiet;
        MessageBoxCatcher catcher;
        SheetWindow w;
        w.openList("Brook");
        QCOMPARE(w.simNames(), QStringList({"Ada Brook", "Ben Brook", "Cy Brook", "Zoë Ünal",
                                            "Sue Study", "Gus Ghost", "Rex"}));
        QCOMPARE(w.households(),
                 QStringList({"Brook,Yes", "Ünal,No", "Dorm,No", "At Large,No", "Runaways,"}));
        QCOMPARE(pendingTexts(w.updatePage()).size(), 2);
        QCOMPARE(achievementTexts(w.achievementsPage()).size(), 2);
        QCOMPARE(SheetWindow::fileBytes("Brook.bak.sls"), fixture("lists/v05.sls"));

        FormDriver form(w.updatePage());
        QVERIFY2(form.open("New Sims and Pets", "Ordinary Babies"), qPrintable(form.error()));
        QVERIFY2(form.fill({"1", "Ben Brook", "Ada Brook", "female", "Nell", "before"}),
                 qPrintable(form.error()));
        QVERIFY2(form.add(), qPrintable(form.error()));
        const QString birth = "On day 1 of the rotation, Ben Brook and Ada Brook had a female "
                              "baby named Nell before six PM.";
        QCOMPARE(pendingTexts(w.updatePage()).last(), birth);
        QVERIFY(form.applyAll());

        // The List of Sims: the baby in her parents' household, everyone a
        // day older.
        QCOMPARE(w.simNames().size(), 8);
        QCOMPARE(w.simNames().last(), QString("Nell"));
        QCOMPARE(SheetWindow::column(w.simModel(), 1).last(), QString("Brook"));
        QCOMPARE(SheetWindow::column(w.simModel(), 2).first(), QString("18 days until Elder"));
        // The Family Ties tab: the selected baby's parents.
        QVERIFY(w.selectSim("Nell"));
        const auto models = w.window().findChildren<QStandardItemModel *>(
            QString(), Qt::FindDirectChildrenOnly);
        const QStringList relatives = SheetWindow::column(models.at(2), 0);
        QVERIFY2(relatives.contains("Ada Brook") && relatives.contains("Ben Brook"),
                 qPrintable(relatives.join(", ")));
        // The Households tab: a new rotation, nothing played yet.
        QVERIFY(w.households().contains("Brook,No"));
        // The Achievements tab: the applied sentences and the separator.
        const QStringList log = achievementTexts(w.achievementsPage());
        QVERIFY(log.contains(birth));
        QCOMPARE(log.last(), QString(40, '-'));
        // The Update tab: only what the rotation queued.
        QVERIFY(!pendingTexts(w.updatePage()).contains(birth));

        w.saveList("Brook2");
        QVERIFY(catcher.texts.contains("List has been saved as Brook2.sls"));
        const QByteArray saved = SheetWindow::fileBytes("Brook2.sls");
        QVERIFY(saved.contains("\"Nell\""));

        w.openList("Brook2");
        QCOMPARE(w.simNames().size(), 8);
        QCOMPARE(SheetWindow::fileBytes("Brook2.bak.sls"), saved);
        w.saveList("Brook3");
        QCOMPARE(SheetWindow::fileBytes("Brook3.sls"), saved);
        // No question came up: every change had been saved.
        for (const QString &text : qAsConst(catcher.texts))
            QVERIFY2(!text.contains("not been saved"), qPrintable(text));
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
