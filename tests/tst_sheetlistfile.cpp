#include "dialogs/AddSimDialog.h"
#include "dialogs/ListManagementDialog.h"
#include "events/UpdatePage.h"
#include "pages/AchievementsPage.h"
#include "sheet/Tolvane.h"
#include "support/CapturedStdout.h"
#include "support/DamagedList.h"
#include "support/DrawnText.h"
#include "support/Fixture.h"
#include "support/LinkCheck.h"
#include "support/ListFixtures.h"
#include "support/MessageBoxCatcher.h"
#include "support/SheetWindow.h"
#include "support/WidgetLookup.h"
#include "support/WorkingFolder.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardItemModel>
#include <QtTest>

#include <csignal>
#include <memory>
#include <sys/resource.h>
#include <unistd.h>

namespace {

using Fixture::cutAfter;
using Fixture::withLine;
using Fixture::withLines;

QByteArray fixture(const QString &name)
{
    return Fixture::bytes(QStringLiteral("lists/") + name);
}

// What the sheet shows of a list: the sims, the pending updates, the log
// and the households.
QStringList shown(SheetWindow &w)
{
    return {w.simNames().join('|'), w.updatePage()->saveEvents(),
            w.achievementsPage()->saveEntries(w.updatePage()->allSims()),
            w.households().join('|')};
}

void applyUpdates(SheetWindow &w)
{
    QTest::mouseClick(WidgetLookup::button(w.updatePage(), "Apply Updates"), Qt::LeftButton);
}


QStringList filesHere()
{
    return QDir().entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
}

} // namespace

// Opening, saving and clearing lists through the window: the backup, the
// messages, and a sheet that never loses what it holds to a bad file, a
// failed write or an unanswered question.
class TestSheetListFile : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<WorkingFolder> folder;
    // Answers every message box of a test, and keeps its texts.
    std::unique_ptr<MessageBoxCatcher> boxes;

private slots:
    void init()
    {
        folder = std::make_unique<WorkingFolder>();
        boxes = std::make_unique<MessageBoxCatcher>();
    }
    void cleanup()
    {
        boxes.reset();
        folder.reset();
    }

    // Each version opened in the window writes the 0.5 backup, with the
    // settings line of the sheet's own settings; saving it again gives
    // the same bytes.
    //
    // Every well-formed list, with every line end and also without the end
    // of its last line, opens without a word.
    void openWritesTheBackup_data()
    {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<int>("format");
        QTest::addColumn<QByteArray>("expected");
        QTest::addColumn<int>("sims");
        QTest::newRow("0.5 in the Windows code page") << fixture("v05-cp1252.sls") << 4
                                                      << fixture("v05.sls") << 7;
        for (const ListFixtures::WellFormed &list : ListFixtures::wellFormed()) {
            QTest::addRow("%s", qPrintable(list.name))
                << list.bytes << list.format << list.saved << list.sims;
        }
    }
    void openWritesTheBackup()
    {
        QFETCH(QByteArray, input);
        QFETCH(int, format);
        QFETCH(QByteArray, expected);
        QFETCH(int, sims);
        folder->write("Town.sls", input);
        SheetWindow w;
        w.openList("Town", format);
        QCOMPARE(boxes->texts, QStringList());
        QCOMPARE(w.simModel()->rowCount(), sims);
        QCOMPARE(SheetWindow::fileBytes("Town.bak.sls"), expected);
        w.saveList("Again");
        QCOMPARE(SheetWindow::fileBytes("Again.sls"), expected);
        QCOMPARE(boxes->texts, QStringList({"List has been saved as Again.sls"}));
        // The backup opens as a list of its own, with a backup of its own.
        w.openList("Town.bak");
        QCOMPARE(SheetWindow::fileBytes("Town.bak.bak.sls"), expected);
    }

    // A households section that names a household twice, as a hand edit
    // leaves it, opens without a word: the later line's mark holds, and the
    // list is saved with one line for each household.
    void repeatedHouseholdLinesTakeTheLastMark()
    {
        const QByteArray v05 = fixture("v05.sls");
        // At Large 15, Brook 16, Dorm 17, Runaways 18, Ünal 19.
        const QByteArray repeated = withLines(
            withLines(v05, 19, {"\xC3\x9Cnal,Yes", "Brook,No", "Runaways,"}), 17,
            {"Dorm,Yes", "Dorm,No", "Dorm,Yes"});
        folder->write("Town.sls", repeated);
        SheetWindow w;
        w.openList("Town");
        QCOMPARE(boxes->texts, QStringList());
        QStringList households = w.households();
        households.sort();
        QCOMPARE(households, QStringList({"At Large,No", "Brook,No", "Dorm,Yes", "Runaways,",
                                          QString::fromUtf8("\xC3\x9Cnal,Yes")}));
        const QByteArray saved =
            withLine(withLine(withLine(v05, 16, "Brook,No"), 17, "Dorm,Yes"), 19, "\xC3\x9Cnal,Yes");
        QCOMPARE(SheetWindow::fileBytes("Town.bak.sls"), saved);
    }

    // Letters of a file saved in the Windows code page show as they were,
    // and the list is written back as UTF-8.
    void windowsCodePageListsKeepTheirLetters()
    {
        folder->write("Town.sls", fixture("v05-cp1252.sls"));
        SheetWindow w;
        w.openList("Town");
        QVERIFY(w.simNames().contains(QString::fromUtf8("Zoë Ünal")));
        QVERIFY(w.households().contains(QString::fromUtf8("Ünal,No")));
    }

    void emptySheetSavesItsSections()
    {
        SheetWindow w;
        w.saveList("Nothing");
        QCOMPARE(SheetWindow::fileBytes("Nothing.sls"), fixture("empty.sls"));
    }

    // A list that cannot be read changes nothing: the sheet keeps its
    // sims, updates, log and households, and no backup is written.
    void failedOpenKeepsTheSheet_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("missing") << "Missing";
        QTest::newRow("a folder") << "Folder";
    }
    void failedOpenKeepsTheSheet()
    {
        QFETCH(QString, name);
        folder->write("Brook.sls", fixture("v05.sls"));
        QVERIFY(QDir().mkdir("Folder.sls"));
        SheetWindow w;
        w.openList("Brook");
        const QStringList before = shown(w);
        w.openList(name);
        QCOMPARE(boxes->texts, QStringList({"Cannot read file."}));
        QCOMPARE(shown(w), before);
        QVERIFY(!QFile::exists(name + ".bak.sls"));
        // The sheet is still the list it was: saving it gives its bytes.
        w.saveList("Brook");
        QCOMPARE(SheetWindow::fileBytes("Brook.sls"), fixture("v05.sls"));
    }

    // A save that cannot be written says so, is not reported as done, and
    // leaves the file that was there as it was.
    void failedSaveKeepsTheOldFile()
    {
        QVERIFY(QDir().mkdir("Folder.sls"));
        SheetWindow w;
        w.addSim("Nora New");
        QSignalSpy answered(w.sheet(), &Tolvane::listSaved);
        w.saveList("Folder");
        QCOMPARE(boxes->texts, QStringList({"Cannot write file."}));
        QCOMPARE(answered.size(), 1);
        QCOMPARE(answered.first().first().toBool(), false);
        QVERIFY(QFileInfo("Folder.sls").isDir());
        QCOMPARE(filesHere(), QStringList({"Folder.sls"}));
    }

    void readOnlyFolderKeepsTheOldFile()
    {
        if (geteuid() == 0)
            QSKIP("the superuser writes into read-only folders");
        QVERIFY(QDir().mkdir("locked"));
        folder->write("locked/Brook.sls", fixture("v05.sls"));
        QVERIFY(QFile::setPermissions("locked", QFile::ReadOwner | QFile::ExeOwner));
        {
            SheetWindow w;
            w.addSim("Nora New");
            w.saveList("locked/Brook");
            QCOMPARE(boxes->texts, QStringList({"Cannot write file."}));
        }
        QCOMPARE(SheetWindow::fileBytes("locked/Brook.sls"), fixture("v05.sls"));
        QFile::setPermissions("locked", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    // A disk that fills up during the save: a process of its own, with a
    // small file-size limit, saves the list and closes the window. Both
    // writes fail part-way; the old files stay byte for byte.
    void fullDiskKeepsTheOldFiles()
    {
        folder->write("Brook.sls", fixture("v05.sls"));
        const QByteArray settings = "RotationTime=3\r\n" + QByteArray(200, '#') + "\r\n";
        folder->write("tolvane.conf", settings);
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("TOLVANE_FULL_DISK_FOLDER", folder->path());
        child.setProcessEnvironment(environment);
        child.setProcessChannelMode(QProcess::MergedChannels);
        child.start(QCoreApplication::applicationFilePath(), {"savingOnAFullDisk"});
        QVERIFY(child.waitForFinished(120000));
        const QByteArray output = child.readAll();
        QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0,
                 output.constData());
        QVERIFY2(output.contains("PASS   : TestSheetListFile::savingOnAFullDisk()"),
                 output.constData());
        QCOMPARE(SheetWindow::fileBytes("Brook.sls"), fixture("v05.sls"));
        QCOMPARE(SheetWindow::fileBytes("tolvane.conf"), settings);
        QCOMPARE(filesHere(), QStringList({"Brook.bak.sls", "Brook.sls", "tolvane.conf"}));
    }
    // The child's part of the test above.
    void savingOnAFullDisk()
    {
        const QString where = qEnvironmentVariable("TOLVANE_FULL_DISK_FOLDER");
        if (where.isEmpty())
            QSKIP("runs in a process of its own, started by fullDiskKeepsTheOldFiles");
        QVERIFY(QDir::setCurrent(where));
        SheetWindow w;
        w.openList("Brook");
        w.addSim("Nora New");
        // From here on, writes past 64 bytes fail with "file too large".
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{64, 64};
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &limit), 0);
        w.saveList("Brook");
        QCOMPARE(boxes->texts, QStringList({"Cannot write file."}));
        boxes->texts.clear();
        boxes->answer = QMessageBox::Discard;
        QVERIFY(w.window().close());
        QCOMPARE(boxes->texts.size(), 2);
        QCOMPARE(boxes->texts.last(), QString("Could not save settings."));
    }

    // A backup that cannot be written is reported; the list is open all
    // the same.
    void failedBackupIsReported()
    {
        folder->write("Brook.sls", fixture("v05.sls"));
        QVERIFY(QDir().mkdir("Brook.bak.sls"));
        SheetWindow w;
        w.openList("Brook");
        QCOMPARE(boxes->texts, QStringList({"Cannot write file."}));
        QCOMPARE(w.simModel()->rowCount(), 7);
    }

    // Opening, clearing and a premade list replace the sheet: with unsaved
    // changes they ask first, and only Discard (or a save) lets them go on.
    void replacingAnUnsavedSheetAsks_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("simsAfter");
        QTest::addColumn<bool>("savedFirst");
        const int cancel = QMessageBox::Cancel, discard = QMessageBox::Discard,
                  save = QMessageBox::Save;
        QTest::newRow("open, cancel") << "open" << cancel << 8 << false;
        QTest::newRow("open, discard") << "open" << discard << 4 << false;
        QTest::newRow("open, save") << "open" << save << 4 << true;
        QTest::newRow("clear, cancel") << "clear" << cancel << 8 << false;
        QTest::newRow("clear, discard") << "clear" << discard << 0 << false;
        QTest::newRow("premade, cancel") << "premade" << cancel << 8 << false;
        QTest::newRow("premade, discard") << "premade" << discard << 65 << false;
    }
    void replacingAnUnsavedSheetAsks()
    {
        QFETCH(QString, action);
        QFETCH(int, answer);
        QFETCH(int, simsAfter);
        QFETCH(bool, savedFirst);
        folder->write("Brook.sls", fixture("v05.sls"));
        folder->write("Other.sls", fixture("v04.sls"));
        SheetWindow w;
        w.openList("Brook");
        w.addSim("Nora New");

        boxes->texts.clear();
        boxes->answer = QMessageBox::StandardButton(answer);
        if (action == "open")
            w.openList("Other", 3);
        else if (action == "clear")
            w.clearList();
        else
            w.setPremadeList(1);
        QCOMPARE(boxes->texts.size(), 1);
        QCOMPARE(boxes->texts.first(), QString("The list has changes that have not been saved. "
                                                "Save them to Brook.sls first?"));
        QCOMPARE(w.simModel()->rowCount(), simsAfter);
        QCOMPARE(SheetWindow::fileBytes("Brook.sls").contains("Nora New"), savedFirst);

        // What replaced the sheet is what was last opened: no question now.
        boxes->texts.clear();
        boxes->answer = QMessageBox::Cancel;
        w.clearList();
        QCOMPARE(boxes->texts.size(), simsAfter == 8 ? 1 : 0);
    }

    // A damaged list is not opened without asking: Cancel leaves the sheet,
    // the file and its backup as they were; opened anyway, the backup of
    // the list's good days is not written over.
    void damagedListAsksFirst_data()
    {
        QTest::addColumn<QByteArray>("damaged");
        QTest::addColumn<int>("format");
        QTest::addColumn<QString>("what");
        QTest::addColumn<int>("simsRead");
        const QByteArray v05 = fixture("v05.sls");
        QByteArray random(300, Qt::Uninitialized);
        QRandomGenerator generator(5);
        for (char &byte : random)
            byte = char(generator.bounded(256));
        QTest::newRow("cut to 300 bytes")
            << v05.left(300) << 4
            << "It ends early, inside the sims: the rest of the sims, the pending updates, the "
               "achievements log, the households' played marks and the family links are missing.\n"
               "The line of Zo\u00eb \u00dcnal could not be read whole." << 4;
        QTest::newRow("cut in the achievements")
            << cutAfter(v05, 12) << 4
            << "It ends early, inside the achievements log: the rest of the achievements log, the "
               "households' played marks and the family links are missing." << 7;
        QTest::newRow("fewer family links")
            << cutAfter(v05, 24) << 4
            << "Only 3 of its 7 sims have their family links: the links of the other sims are "
               "missing, and if a line was lost from the middle, the links after it join the wrong "
               "sims." << 7;
        QTest::newRow("empty file") << QByteArray() << 4
                                    << "It ends early, inside the sims: the rest of the sims, the "
                                       "pending updates, the achievements log, the households' "
                                       "played marks and the family links are missing." << 0;
        QTest::newRow("random bytes") << random << 4 << QString() << -1;

        // Lost, repeated and garbled lines.
        const QString moreLinks = "It has %1 family-link lines for its %2 sims: a line was lost "
                                  "or repeated, so the links may join the wrong sims.";
        QTest::newRow("lost first sim line")
            << withLines(v05, 0, {}) << 4 << moreLinks.arg(7).arg(6) << 6;
        QTest::newRow("repeated link line")
            << withLines(v05, 22, {"0,2", "0,2"}) << 4
            << moreLinks.arg(8).arg(7)
                + "\nThe family-link line of Cy Brook names Cy Brook among the children, so "
                  "that link is left out." << 7;
        for (const ListFixtures::Garbled &field : ListFixtures::garbledSimLines()) {
            QTest::addRow("%s", qPrintable(field.name))
                << field.bytes << field.format
                << "The line of " + field.simName + " could not be read whole." << field.sims;
        }
        QTest::newRow("update position l")
            << withLine(v05, 8, "\"Ada Brook had a baby girl named Dee Brook on day 1.\",0,l") << 4
            << "1 update line could not be read and will be left out." << 7;
        QTest::newRow("achievement position O")
            << withLine(v05, 11, "\"Ben Brook became a vampire.\",1,-O") << 4
            << "1 achievement line could not be read and will be left out." << 7;
        QTest::newRow("family-link position O")
            << withLine(v05, 21, "1,O") << 4
            << "The family-link line of Ada Brook could not be read whole." << 7;
        const QString noHouseholds =
            "It ends early, before the households' played marks, which are missing.";
        QTest::newRow("0.2 cut inside its settings line")
            << cutAfter(fixture("v02.sls"), 10, 5) << 1 << noHouseholds << 5;
        QTest::newRow("0.3 cut inside its settings line")
            << cutAfter(fixture("v03.sls"), 8, 7) << 2 << noHouseholds << 4;
        QTest::newRow("0.5 cut inside its settings line")
            << cutAfter(v05, 14, 10) << 4
            << "It ends early, before the households' played marks and the family links, which "
               "are missing." << 7;
        QTest::newRow("no sims, cut inside the settings line")
            << cutAfter(fixture("empty.sls"), 3, 9) << 4 << noHouseholds << 0;

        // A list whose last family-link line has no line end may end inside
        // it: "10" cut to "1" would marry another sim, "-1,10" cut to "-1,1"
        // make another sim the child. The box names both sims of the link.
        const QString cut = "It may end inside the family-link line of %1, so the last link on "
                            "it is left out.";
        QTest::newRow("couple's last line cut, 10 to 1")
            << fixture("moss-married.sls").chopped(3) << 4
            << cut.arg("Ida Moss").chopped(1) + ", and with it the marriage of Ida Moss and Hal Moss."
            << 12;
        QTest::newRow("last line cut, -1,10 to -1,1")
            << fixture("moss-parent.sls").chopped(3) << 4
            << cut.arg("Ida Moss").chopped(1)
                + ", and with it Ida Moss as a parent of Ben Brook or Hal Moss." << 12;
        QTest::newRow("cut inside the line of a sim before the last")
            << cutAfter(v05, 22, 1) << 4
            << "Only 2 of its 7 sims have their family links: the links of the other sims are "
               "missing, and if a line was lost from the middle, the links after it join the wrong "
               "sims.\n" + cut.arg("Ben Brook").chopped(1)
                + ", and with it the marriage of Ben Brook and Ada Brook." << 7;
        QTest::newRow("0.4 without its last line end")
            << fixture("v04.sls").chopped(2) << 3 << cut.arg("Sue Study") << 4;
        QTest::newRow("0.5 without its last line end") << v05.chopped(2) << 4 << cut.arg("Rex") << 7;
        // A line lost or repeated before the settings line puts another line
        // in its place.
        const QString misplaced = "Its settings line is missing or out of place, as a lost or "
                                  "repeated line leaves it: the pending updates and the "
                                  "achievements log may be mixed up%1";
        const QString allLeftOut = misplaced.arg(", and the households' played marks and the "
                                                 "family links after it are left out.");
        const QByteArray noAchievements = withLines(withLines(v05, 12, {}), 11, {});
        QTest::newRow("empty line after the sims repeated, no achievements")
            << withLines(noAchievements, 7, {"", ""}) << 4 << allLeftOut << 7;
        QTest::newRow("settings line lost") << withLines(v05, 14, {}) << 4 << allLeftOut << 7;
        QTest::newRow("0.4 settings line lost")
            << withLines(fixture("v04.sls"), 8, {}) << 3 << allLeftOut << 4;
        QTest::newRow("0.3 empty line after the sims repeated")
            << withLines(fixture("v03.sls"), 4, {"", ""}) << 2
            << misplaced.arg(", and the households' played marks after it are left out.") << 4;
        QTest::newRow("0.2 settings line lost")
            << withLines(fixture("v02.sls"), 10, {}) << 1
            << misplaced.arg(", and the households' played marks after it are left out.") << 5;
        QTest::newRow("0.1 empty line after the sims repeated")
            << withLines(fixture("v01.sls"), 4, {"", ""}) << 0 << misplaced.arg(".") << 4;
        // Links that make a sim its own ancestor, as a hand edit leaves them.
        QTest::newRow("two sims, each the other's child")
            << fixture("loop-two.sls") << 4
            << "Bea Oak is not made a parent of Ann Oak: that would make a sim its own ancestor."
            << 2;
        QTest::newRow("a child that lists his mother")
            << withLine(v05, 23, "-1,0") << 4
            << "Cy Brook is not made a parent of Ada Brook: that would make a sim its own ancestor."
            << 7;

        // A list opened as another version than its own.
        QTest::newRow("0.5 opened as 0.2")
            << v05 << 1
            << "It goes on after its households, where a 0.2 list ends: 7 lines there are not read.\n"
               "The lines of Ada Brook, Ben Brook, Cy Brook, Zo\u00eb \u00dcnal, Sue Study and 2 "
               "other sims could not be read whole.\n"
               "It reads whole as a 0.5 list." << 7;
        QTest::newRow("0.3 opened as 0.2")
            << fixture("v03.sls") << 1
            << "The lines of Ada Brook, Ben Brook, Cy Brook and Sue Study could not be read whole.\n"
               "It reads whole as a 0.3 list." << 4;
        QTest::newRow("0.4 opened as 0.2")
            << fixture("v04.sls") << 1
            << "It goes on after its households, where a 0.2 list ends: 4 lines there are not read.\n"
               "The lines of Ada Brook, Ben Brook, Cy Brook and Sue Study could not be read whole.\n"
               "It reads whole as a 0.4 list." << 4;
        QTest::newRow("0.4 opened as 0.3")
            << fixture("v04.sls") << 2
            << "It goes on after its households, where a 0.3 list ends: 4 lines there are not read.\n"
               "It reads whole as a 0.4 list." << 4;
        // A family-link line naming its own sim.
        const QByteArray married = fixture("moss-married.sls");
        QTest::newRow("a couple's lines swapped")
            << withLine(withLine(married, 34, "7,9"), 35, "8,9") << 4
            << "The family-link line of Kai Moss names Kai Moss as spouse, so that link is left out "
               "and Kai Moss opens unmarried.\n"
               "The family-link line of Lia Moss names Lia Moss as spouse, so that link is left out "
               "and Lia Moss opens unmarried." << 12;
        QTest::newRow("a line naming its own sim as spouse")
            << withLine(married, 34, "7,9") << 4
            << "The family-link line of Kai Moss names Kai Moss as spouse, so that link is left "
               "out, and with it the marriage of Kai Moss and Lia Moss." << 12;
        // Family-link positions naming no sim of the list.
        QTest::newRow("a couple's second line 9,2 for 0,2")
            << withLine(v05, 22, "9,2") << 4
            << "The family-link line of Ben Brook names position 9 as spouse, where the list holds "
               "no sim, so that link is left out, and with it the marriage of Ben Brook and Ada "
               "Brook." << 7;
        QTest::newRow("spouse position -2")
            << withLine(married, 34, "-2,9") << 4
            << "The family-link line of Kai Moss names position -2 as spouse, where the list holds "
               "no sim, so that link is left out, and with it the marriage of Kai Moss and Lia "
               "Moss." << 12;
        QTest::newRow("child position 7 of 7 sims")
            << withLine(v05, 21, "1,2,7") << 4
            << "The family-link line of Ada Brook names position 7 among the children, where the "
               "list holds no sim, so that link is left out." << 7;
        QTest::newRow("child position -3")
            << withLine(v05, 21, "1,-3,2") << 4
            << "The family-link line of Ada Brook names position -3 among the children, where the "
               "list holds no sim, so that link is left out." << 7;
        // Played marks and positions the program never writes.
        QTest::newRow("0.2 cut inside its last households row")
            << cutAfter(fixture("v02.sls"), 12, 8) << 1
            << "The household line of Brook could not be read: its played mark \"Ye\" is neither "
               "\"Yes\" nor \"No\", so Brook opens not played." << 5;
        // A household without its line, a byte that is not UTF-8 among UTF-8
        // letters, numbers in forms the writer never writes.
        QTest::newRow("0.5 Brook,Yes lost")
            << withLines(v05, 16, {}) << 4
            << "The household line of Brook is missing, so Brook opens not played." << 7;
        QTest::newRow("0.2 cut after a whole household line")
            << cutAfter(fixture("v02.sls"), 12) << 1
            << "The household line of Brook is missing, so Brook opens not played." << 5;
        QTest::newRow("only the first family-link line")
            << cutAfter(v05, 22) << 4
            << "Only 1 of its 7 sims has their family links: the links of the other sims are "
               "missing, and if a line was lost from the middle, the links after it join the wrong "
               "sims.\nWith the missing lines, the marriage of Ada Brook and Ben Brook is let go."
            << 7;
        QTest::newRow("the k of Likes made 0xFF")
            << QByteArray(v05).replace("Likes", "Li\xFF" "es") << 4
            << "It is written in UTF-8, but the line of Ada Brook is not UTF-8 throughout: the bytes "
               "that are not UTF-8 are read as Windows-1252, so some of its letters may be wrong."
            << 7;
        // A bad byte on the only line with UTF-8 letters, or beside them.
        const QString notThroughout = "It is written in UTF-8, but the line of %1 is not UTF-8 "
                                      "throughout: the bytes that are not UTF-8 are read as "
                                      "Windows-1252, so some of its letters may be wrong.";
        QTest::newRow("a bad byte on the only line with a Latin name")
            << QByteArray(fixture("one-accented.sls")).replace("tea", "t\xFF" "a") << 4
            << notThroughout.arg(QString::fromUtf8("Zoë Brook")) << 2;
        QTest::newRow("a bad byte on the only line with a Cyrillic name")
            << QByteArray(fixture("one-cyrillic.sls")).replace("tea", "t\xFF" "a") << 4
            << notThroughout.arg(QString::fromUtf8("Зоя Волкова")) << 2;
        // Names written wholly in two-byte letters of other alphabets show
        // UTF-8 as well, wherever the bad byte is.
        QTest::newRow("a bad byte beside a Hebrew name and household")
            << QByteArray(fixture("one-hebrew.sls")).replace("tea", "t\xFF" "a") << 4
            << notThroughout.arg(QString::fromUtf8("דוד כהן")) << 2;
        QTest::newRow("a bad byte on another line than a Romanian name")
            << QByteArray(fixture("one-romanian.sls")).replace("0,0,0,,\r\n", "0,0,0,,ok\xFF\r\n")
            << 4 << notThroughout.arg("Ben Brook") << 2;
        // A list without any family-link line says so.
        QTest::newRow("0.3 opened as 0.5")
            << fixture("v03.sls") << 4
            << "It has no family-link lines: the family links of its 4 sims are missing.\n"
               "The lines of Ada Brook, Ben Brook, Cy Brook and Sue Study could not be read whole.\n"
               "It reads whole as a 0.3 list." << 4;
        QTest::newRow("merci of Zo\u00eb \u00dcnal made merc and 0xFF")
            << QByteArray(v05).replace("merci", "merc\xFF") << 4
            << notThroughout.arg(QString::fromUtf8("Zoë Ünal")) << 7;
        // Every "more" says what it counts.
        QByteArray strayPairs = fixture("moss-married.sls");
        for (int i = 0; i < 7; ++i) {
            strayPairs = withLine(strayPairs, 29 + i,
                                  "-1,4" + QByteArray::number(i) + ",5" + QByteArray::number(i));
        }
        QString strayText;
        for (const QString &sim : {QString("Cy Brook"), QString::fromUtf8("Zoë Ünal"),
                                   QString("Sue Study"), QString("Gus Ghost")}) {
            strayText += QString("The family-link line of %1 names positions 4%2 and 5%2 among the "
                                 "children, where the list holds no sims, so those links are left "
                                 "out.\n")
                             .arg(sim)
                             .arg(strayText.count('\n'));
        }
        QTest::newRow("seven lines naming two positions each")
            << strayPairs << 4
            << strayText
                + "The family-link line of Rex names positions 44 and 54 among the children, "
                  "where the list holds no sims, so those links are left out.\n"
                  "4 more links name positions where the list holds no sim and are left out the "
                  "same way." << 12;
        QTest::newRow("an update's -1 made -0")
            << withLine(v05, 9, "\"Sue Study, Cy Brook and Zo\xC3\xAB \xC3\x9cnal threw a party.\",4,-0")
            << 4 << "1 update line could not be read and will be left out." << 7;
        QTest::newRow("a child -1 made -0")
            << withLine(v05, 23, "-1,-0") << 4
            << "The family-link line of Cy Brook could not be read whole." << 7;
        QTest::newRow("age 42 made 02")
            << withLine(v05, 1, "\"Ben Brook\",102,02,1,(5,0),\"Brook\",0,\"\",0,1,7,2,4,0,,") << 4
            << "The line of Ben Brook could not be read whole." << 7;
        QTest::newRow("an alignment 2 with a blank")
            << withLine(v05, 3, v05.split('\n').at(3).chopped(1).replace(",1024,2,", ",1024,2 ,,"))
            << 4 << "The line of Zo\u00eb \u00dcnal could not be read whole." << 7;
        QTest::newRow("0.2 sim line lost before the log line naming the last sim")
            << withLines(withLine(fixture("v02.sls"), 8, "\"Gus Ghost became a vampire.\",4,-1"), 4,
                         {}) << 1
            << "1 achievement line could not be read and will be left out." << 4;
    }
    void damagedListAsksFirst()
    {
        QFETCH(QByteArray, damaged);
        QFETCH(int, format);
        QFETCH(QString, what);
        QFETCH(int, simsRead);
        folder->write("Brook.sls", fixture("v04.sls"));
        folder->write("Town.sls", fixture("v05.sls"));
        SheetWindow w;
        w.openList("Town");
        // The list is damaged after its backup was written.
        const QByteArray backup = SheetWindow::fileBytes("Town.bak.sls");
        folder->write("Town.sls", damaged);
        w.openList("Brook", 3);
        const QStringList before = shown(w);
        const QString start = "The list file Town.sls is damaged or incomplete.\n";
        const QString end =
            "\n\nOpen what could be read? No backup is written, so Town.bak.sls stays as it is.";

        boxes->texts.clear();
        boxes->answer = QMessageBox::Cancel;
        w.openList("Town", format);
        QCOMPARE(boxes->texts.size(), 1);
        QVERIFY(boxes->texts.first().startsWith(start));
        QVERIFY(boxes->texts.first().endsWith(end));
        if (!what.isEmpty())
            QCOMPARE(boxes->texts.first(), start + what + end);
        QCOMPARE(shown(w), before);
        QCOMPARE(SheetWindow::fileBytes("Town.sls"), damaged);
        QCOMPARE(SheetWindow::fileBytes("Town.bak.sls"), backup);

        boxes->texts.clear();
        boxes->answer = QMessageBox::Open;
        CapturedStdout output;
        w.openList("Town", format);
        QCOMPARE(boxes->texts.size(), 1);
        QVERIFY(!output.text().contains("Saving backup..."));
        if (simsRead >= 0)
            QCOMPARE(w.simModel()->rowCount(), simsRead);
        QCOMPARE(SheetWindow::fileBytes("Town.sls"), damaged);
        QCOMPARE(SheetWindow::fileBytes("Town.bak.sls"), backup);
        // What opened is the sheet in hand: reopening the good list asks
        // nothing of the player.
        boxes->texts.clear();
        w.openList("Brook", 3);
        QCOMPARE(boxes->texts, QStringList());
    }

    // After Open Anyway, a list with one byte that is not UTF-8 keeps its
    // UTF-8 letters everywhere but in that line; a list written in the
    // Windows code page opens without a word and keeps its letters.
    // A bad byte costs one letter: the sim of its line keeps its UTF-8 name,
    // its household and that household's mark.
    void oneStrayByteKeepsTheUtf8Names_data()
    {
        QTest::addColumn<QByteArray>("damaged");
        QTest::addColumn<QString>("sim");
        QTest::addColumn<QString>("household");
        QTest::addColumn<QString>("notes");
        QTest::addColumn<QString>("lineOf"); // the line the box names, when not the sim's
        const QByteArray v05 = fixture("v05.sls");
        QTest::newRow("in the line of Ada Brook")
            << QByteArray(v05).replace("Likes", "Li\xFF" "es") << "Ada Brook" << "Brook,Yes"
            << QString::fromUtf8("Liÿes tea.\r\nHates rain.") << QString();
        QTest::newRow("in the notes of Zo\u00eb \u00dcnal")
            << QByteArray(v05).replace("merci", "merc\xFF") << QString::fromUtf8("Zoë Ünal")
            << QString::fromUtf8("Ünal,No") << QString::fromUtf8("Ça va – très bien, mercÿ.") << QString();
        QTest::newRow("on the only line with UTF-8 letters")
            << QByteArray(fixture("one-accented.sls")).replace("tea", "t\xFF" "a")
            << QString::fromUtf8("Zoë Brook") << "Brook,Yes" << QString::fromUtf8("Likes tÿa.") << QString();
        QTest::newRow("a Cyrillic name and household")
            << QByteArray(fixture("one-cyrillic.sls"))
                   .replace("tea", "t\xFF" "a")
                   .replace("Brook\",0,\"\",0,1,7,0,0,0,,L", "\xD0\x92\xD0\xBE\xD0\xBB\xD0\xBA\xD0\xBE\xD0\xB2\xD1\x8B\",0,\"\",0,1,7,0,0,0,,L")
                   .replace("Brook,Yes", "\xD0\x92\xD0\xBE\xD0\xBB\xD0\xBA\xD0\xBE\xD0\xB2\xD1\x8B,No\r\nBrook,Yes")
            << QString::fromUtf8("Зоя Волкова") << QString::fromUtf8("Волковы,No")
            << QString::fromUtf8("Likes tÿa.") << QString();
        for (const ListFixtures::BadByteBesideAName &list : ListFixtures::badBytesBesideNames()) {
            QTest::addRow("%s", qPrintable(list.name))
                << list.bytes << list.sim << list.household + ",No" << list.notes << list.lineOf;
        }
    }
    void oneStrayByteKeepsTheUtf8Names()
    {
        QFETCH(QByteArray, damaged);
        QFETCH(QString, sim);
        QFETCH(QString, household);
        QFETCH(QString, notes);
        QFETCH(QString, lineOf);
        folder->write("Town.sls", damaged);
        SheetWindow w;
        boxes->answer = QMessageBox::Open;
        w.openList("Town");
        QCOMPARE(boxes->texts.size(), 1);
        QVERIFY(boxes->texts.first().contains("It is written in UTF-8, but the line of "
                                              + (lineOf.isEmpty() ? sim : lineOf)
                                              + " is not UTF-8 throughout"));
        QVERIFY(!boxes->texts.first().contains("is missing"));
        const Sim *opened = w.simNamed(sim);
        QVERIFY(opened);
        QCOMPARE(opened->household() + ',', household.left(household.indexOf(',') + 1));
        QCOMPARE(opened->notes(), notes);
        QVERIFY(w.households().contains(household));
        if (damaged.contains("party"))
            QVERIFY(w.updatePage()->saveEvents().contains(QString::fromUtf8("Zoë Ünal threw a party")));
        QCOMPARE(SheetWindow::fileBytes("Town.sls"), damaged);
        QVERIFY(!QFile::exists("Town.bak.sls"));
    }
    // Lines that are valid UTF-8 by chance, as an accented letter before the
    // marks that end its word makes them, in two bytes or three.
    void windowsCodePageOlderListOpensWithoutABox_data()
    {
        QTest::addColumn<QByteArray>("notes");
        QTest::addColumn<QString>("text");
        QTest::newRow("CAF\u00c9\u2019S") << QByteArray("Runs the CAF\xC9\x92S kitchen.")
                                   << QString::fromUtf8("Runs the CAFÉ’S kitchen.");
        QTest::newRow("fatigu\u00e9 \u00bb and caf\u00e9\u2026\u201d")
            << QByteArray("\xAB Je suis fatigu\xE9\xA0\xBB, dit-il. \x93Un caf\xE9\x85\x94")
            << QString::fromUtf8("« Je suis fatigué\u00A0», dit-il. “Un café…”");
        // A no-break space typed for a word space, before a small letter.
        QTest::newRow("\u00c8, a no-break space and vero")
            << QByteArray("\xC8\xA0vero") << QString::fromUtf8("È\u00A0vero");
        QTest::newRow("JOS\u00c9, a no-break space and da")
            << QByteArray("JOS\xC9\xA0" "da") << QString::fromUtf8("JOSÉ\u00A0da");
        QTest::newRow("gro\u00df, a no-break space and und")
            << QByteArray("gro\xDF\xA0und") << QString::fromUtf8("groß\u00A0und");
        // Still chance beside the Romanian È™ and the Vietnamese á»“: ™
        // after É, … after È, and » after é where a no-break space follows.
        QTest::newRow("NESCAF\u00c9\u2122") << QByteArray("NESCAF\xC9\x99")
                                          << QString::fromUtf8("NESCAFÉ™");
        QTest::newRow("CAFF\u00c8\u2026") << QByteArray("CAFF\xC8\x85") << QString::fromUtf8("CAFFÈ…");
        QTest::newRow("\u00abcaf\u00e9\u00bb, a no-break space and !")
            << QByteArray("\xAB" "caf\xE9\xBB\xA0!") << QString::fromUtf8("«café»\u00A0!");
    }
    void windowsCodePageOlderListOpensWithoutABox()
    {
        QFETCH(QByteArray, notes);
        QFETCH(QString, text);
        QByteArray cp1252 = fixture("v03.sls");
        cp1252.replace("\"Sue Study\"", "\"Zo\xEB \xDCnal\"").replace("Dorm", "\xDCnal");
        cp1252.replace(",1,0,,\r\n", ",1,0,," + notes + "\r\n");
        folder->write("Old.sls", cp1252);
        SheetWindow w;
        w.openList("Old", 2);
        QCOMPARE(boxes->texts, QStringList());
        QVERIFY(w.simNames().contains(QString::fromUtf8("Zoë Ünal")));
        QVERIFY(w.households().contains(QString::fromUtf8("Ünal,Yes")));
        QCOMPARE(w.simNamed("Cy Brook")->notes(), text);
    }

    // However badly a list is damaged, its box fits a laptop's screen, 768
    // pixels high, with a taskbar below and a title bar above, so that
    // "Open Anyway" and Cancel can be reached; and it still warns that some
    // letters may be wrong. The headless screen is narrower than a laptop's,
    // so the box wraps more there and stands taller than it would.
    void damageBoxFitsTheScreen_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("every kind of damage") << ListFixtures::everyKindOfDamage();
        QTest::newRow("forty sims crowding the box") << ListFixtures::crowdedDamage();
    }
    void damageBoxFitsTheScreen()
    {
        QFETCH(QByteArray, bytes);
        folder->write("Town.sls", bytes);
        SheetWindow w;
        boxes->answer = QMessageBox::Cancel;
        w.openList("Town");
        QCOMPARE(boxes->sizes.size(), 1);
        qInfo("%d pixels high", boxes->sizes.first().height());
        QVERIFY2(boxes->sizes.first().height() <= 768 - 40 - 32,
                 qPrintable(QString::number(boxes->sizes.first().height())));
        QVERIFY(boxes->texts.first().contains("so some of their letters may be wrong."));
    }

    // A list opened damaged is not saved over unasked: the box promised its
    // file would stay, and a list opened for the first time has no backup.
    // The first save over it, by Save As or by the Save of the question
    // before the sheet is replaced, asks; No writes nothing and says so.
    void damagedListIsNotSavedOverUnasked_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("answer");
        QTest::newRow("Save As, no") << "save as" << int(QMessageBox::No);
        QTest::newRow("Save As, yes") << "save as" << int(QMessageBox::Yes);
        QTest::newRow("saved before another list opens, no") << "replace" << int(QMessageBox::No);
        QTest::newRow("saved before another list opens, yes")
            << "replace" << int(QMessageBox::Yes);
    }
    void damagedListIsNotSavedOverUnasked()
    {
        QFETCH(QString, how);
        QFETCH(int, answer);
        const QByteArray good = fixture("v05.sls");
        folder->write("Town.sls", good);
        folder->write("Brook.sls", fixture("v04.sls"));
        SheetWindow w;
        // A good 0.5 list, opened for the first time as 0.2.
        boxes->answer = QMessageBox::Open;
        w.openList("Town", 1);
        QCOMPARE(boxes->texts.size(), 1);
        // No backup was ever written, so the box promises none.
        QVERIFY(boxes->texts.first().endsWith("It reads whole as a 0.5 list.\n\nOpen what could "
                                              "be read? Town.sls stays as it is. It has no backup "
                                              "yet, so it may be the only copy of what could not "
                                              "be read."));
        QVERIFY(!QFile::exists("Town.bak.sls"));
        auto *saveBox = w.listDialog()->findChild<QComboBox *>("saveCombo");
        QCOMPARE(saveBox->currentText(), QString("Town"));

        const QString question = "Town.sls was opened damaged. Saving replaces the file with what "
                                 "could be read, and what could not be read is lost. Replace it?";
        const bool yes = answer == QMessageBox::Yes;
        boxes->texts.clear();
        QSignalSpy answered(w.sheet(), &Tolvane::listSaved);
        if (how == "save as") {
            boxes->answer = QMessageBox::StandardButton(answer);
            QTest::mouseClick(WidgetLookup::button(w.listDialog(), "Save As"), Qt::LeftButton);
            QCOMPARE(boxes->texts,
                     QStringList({question, yes ? "List has been saved as Town.sls"
                                                : "Nothing was saved: Town.sls stays as it is."}));
            QCOMPARE(answered.size(), 1);
            QCOMPARE(answered.first().first().toBool(), yes);
        } else {
            w.addSim("Nora New");
            boxes->answers = {QMessageBox::Save, QMessageBox::StandardButton(answer)};
            w.openList("Brook", 3);
            QStringList expected{"The list has changes that have not been saved. Save them to "
                                 "Town.sls first?",
                                 question};
            if (!yes)
                expected << "Nothing was saved: Town.sls stays as it is.";
            QCOMPARE(boxes->texts, expected);
            // No leaves the sheet in hand, as a failed save does.
            QCOMPARE(w.simNames().contains("Nora New"), !yes);
        }
        if (!yes) {
            QCOMPARE(SheetWindow::fileBytes("Town.sls"), good);
            QVERIFY(!QFile::exists("Town.bak.sls"));
            return;
        }
        QVERIFY(SheetWindow::fileBytes("Town.sls") != good);
        if (how == "replace")
            return;
        // Once written, the file holds the sheet in hand: no more questions.
        boxes->texts.clear();
        w.saveList("Town");
        QCOMPARE(boxes->texts, QStringList({"List has been saved as Town.sls"}));
    }

    // Saved under another name, a list opened damaged is saved again under
    // that name without a word, and its damaged file is another list's.
    void damagedListSavedUnderAnotherName()
    {
        const QByteArray good = fixture("v05.sls");
        folder->write("Town.sls", good);
        SheetWindow w;
        boxes->answer = QMessageBox::Open;
        w.openList("Town", 1);
        boxes->texts.clear();
        w.saveList("Fresh");
        w.saveList("Fresh");
        QCOMPARE(boxes->texts, QStringList({"List has been saved as Fresh.sls",
                                            "List has been saved as Fresh.sls"}));
        boxes->answer = QMessageBox::No;
        w.saveList("Town");
        QCOMPARE(boxes->texts.last(),
                 QString("Town.sls already holds another list. Replace it with this one?"));
        QCOMPARE(SheetWindow::fileBytes("Town.sls"), good);
    }

    // Opened anyway, a list whose links ran in a circle comes without the
    // link that closed it, and saves to a list that opens without a word
    // to the same links.
    void circularLinksOpenWithoutTheLoop()
    {
        folder->write("Oak.sls", fixture("loop-two.sls"));
        SheetWindow w;
        boxes->answer = QMessageBox::Open;
        w.openList("Oak");
        QCOMPARE(boxes->texts.size(), 1);
        const SimList sims = w.updatePage()->allSims();
        QCOMPARE(familyLinkFaults(sims), QStringList());
        QCOMPARE(w.simNamed("Bea Oak")->parent1().data(), w.simNamed("Ann Oak"));
        QVERIFY(!w.simNamed("Ann Oak")->parent1() && !w.simNamed("Ann Oak")->parent2());

        boxes->texts.clear();
        w.saveList("Mended");
        w.openList("Mended");
        QCOMPARE(boxes->texts, QStringList({"List has been saved as Mended.sls"}));
        QCOMPARE(w.simNamed("Bea Oak")->parent1().data(), w.simNamed("Ann Oak"));
        QCOMPARE(familyLinkFaults(w.updatePage()->allSims()), QStringList());
        QCOMPARE(SheetWindow::fileBytes("Mended.bak.sls"), SheetWindow::fileBytes("Mended.sls"));
    }

    // A paragraph of the damage box that begins with a right-to-left name
    // reads left to right from the left edge, as every other one does.
    void damageBoxReadsLeftToRightWhateverTheNames()
    {
        const QString name = QStringLiteral(u"שרה כהן");
        folder->write("Oak.sls", fixture("loop-two.sls").replace("Bea Oak", name.toUtf8()));
        SheetWindow w;
        boxes->answer = QMessageBox::Cancel;
        w.openList("Oak");
        QCOMPARE(boxes->texts.size(), 1);
        QVERIFY(boxes->texts.first().contains(
            name + " is not made a parent of Ann Oak: that would make a sim its own ancestor.\n"));
        QCOMPARE(boxes->textImages.size(), 1);
        const QList<int> starts = DrawnText::lineStarts(boxes->textImages.first());
        QVERIFY(starts.size() >= 4);
        for (int start : starts)
            QVERIFY2(qAbs(start - starts.first()) <= 2, qPrintable(QString::number(start)));
    }

    // Saving over the file of another list asks first; No writes nothing.
    void savingOverAnotherListAsks_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("replaced");
        QTest::newRow("no") << int(QMessageBox::No) << false;
        QTest::newRow("yes") << int(QMessageBox::Yes) << true;
    }
    void savingOverAnotherListAsks()
    {
        QFETCH(int, answer);
        QFETCH(bool, replaced);
        folder->write("Big.sls", fixture("v05.sls"));
        folder->write("Smiths.sls", fixture("v04.sls"));
        SheetWindow w;
        w.openList("Smiths", 3);
        const QByteArray smiths = SheetWindow::fileBytes("Smiths.bak.sls");
        boxes->texts.clear();
        boxes->answer = QMessageBox::StandardButton(answer);
        QSignalSpy answered(w.sheet(), &Tolvane::listSaved);
        w.saveList("Big");
        QStringList expected{"Big.sls already holds another list. Replace it with this one?"};
        if (replaced)
            expected << "List has been saved as Big.sls";
        QCOMPARE(boxes->texts, expected);
        QCOMPARE(SheetWindow::fileBytes("Big.sls"), replaced ? smiths : fixture("v05.sls"));
        QCOMPARE(answered.size(), 1);
        QCOMPARE(answered.first().first().toBool(), replaced);
    }

    // The list in hand, and a name no file has yet, are saved at once; the
    // save box offers the list in hand, so its one click saves that list.
    void savingTheListInHandAsksNothing()
    {
        folder->write("Big.sls", fixture("v05.sls"));
        folder->write("Smiths.sls", fixture("v04.sls"));
        SheetWindow w;
        w.openList("Smiths", 3);
        auto *saveBox = w.listDialog()->findChild<QComboBox *>("saveCombo");
        QCOMPARE(saveBox->currentText(), QString("Smiths"));
        w.addSim("Nora New");
        boxes->texts.clear();
        QTest::mouseClick(WidgetLookup::button(w.listDialog(), "Save As"), Qt::LeftButton);
        QCOMPARE(boxes->texts, QStringList({"List has been saved as Smiths.sls"}));
        QVERIFY(SheetWindow::fileBytes("Smiths.sls").contains("Nora New"));
        QCOMPARE(saveBox->currentText(), QString("Smiths"));
        boxes->texts.clear();
        QTest::mouseClick(WidgetLookup::button(w.listDialog(), "Save As"), Qt::LeftButton);
        QCOMPARE(boxes->texts, QStringList({"List has been saved as Smiths.sls"}));

        boxes->texts.clear();
        w.saveList("Fresh");
        QCOMPARE(boxes->texts, QStringList({"List has been saved as Fresh.sls"}));
        // Now Fresh is the list in hand, and Smiths another's.
        w.saveList("Smiths");
        QCOMPARE(boxes->texts.last(),
                 QString("Smiths.sls already holds another list. Replace it with this one?"));
        QCOMPARE(SheetWindow::fileBytes("Big.sls"), fixture("v05.sls"));
    }

    // Lists put into the folder while the program runs show the next time
    // the dialog is shown.
    void listsAreFoundWhenTheDialogShows()
    {
        SheetWindow w;
        ListManagementDialog *dialog = w.listDialog();
        auto *openBox = dialog->findChild<QComboBox *>("openCombo");
        QCOMPARE(openBox->count(), 0);
        dialog->hide();
        folder->write("Copied.sls", fixture("v05.sls"));
        QCOMPARE(w.listDialog(), dialog);
        QCOMPARE(openBox->findText("Copied"), 0);
        QVERIFY(WidgetLookup::button(dialog, "Open")->isEnabled());
    }

    // A pending update read from a list file was never checked by a form:
    // the name it sets holds a double quote followed by a comma, which the
    // sim's line cannot hold. That name is skipped, the other update applies,
    // and the sheet saves, reopens and saves again to the same bytes, each
    // sim intact.
    void unstorableNameFromAPendingUpdateIsSkipped()
    {
        folder->write("Brook.sls", fixture("unstorable-name-update.sls"));
        SheetWindow w;
        w.openList("Brook");
        applyUpdates(w);
        QCOMPARE(w.simNames(), QStringList({"Ada Brook", "Ben Brook"}));
        QVERIFY(w.simNamed("Ben Brook")->hasFlag(SimTypeFlags::Vampire));
        w.saveList("Applied");
        QCOMPARE(SheetWindow::fileBytes("Applied.sls"),
                 fixture("unstorable-name-update.saved.sls"));

        w.openList("Applied");
        QCOMPARE(w.simNames(), QStringList({"Ada Brook", "Ben Brook"}));
        QCOMPARE(w.simNamed("Ada Brook")->nid(), 101);
        QCOMPARE(w.simNamed("Ada Brook")->household(), QString("Brook"));
        w.saveList("Again");
        QCOMPARE(SheetWindow::fileBytes("Again.sls"), SheetWindow::fileBytes("Applied.sls"));
    }

    // Kid Oak readopts Pa Oak, the parent: Pa Oak takes the new name and
    // stays Kid Oak's parent, and Kid Oak does not become Pa Oak's, also
    // after saving and reopening.
    void readoptingOnesParentMakesNoLoop()
    {
        folder->write("Oak.sls", fixture("readopted-parent.sls"));
        SheetWindow w;
        w.openList("Oak");
        applyUpdates(w);
        w.saveList("Applied");
        QCOMPARE(SheetWindow::fileBytes("Applied.sls"), fixture("readopted-parent.saved.sls"));

        w.openList("Applied");
        Sim *pa = w.simNamed("Pa Again");
        Sim *kid = w.simNamed("Kid Oak");
        QVERIFY(pa && kid);
        QVERIFY(!pa->parent1());
        QVERIFY(!pa->parent2());
        QCOMPARE(kid->parent1().data(), pa);
        QCOMPARE(pa->childCount(), 1);
        QCOMPARE(kid->childCount(), 0);
    }

    void clearingEmptiesTheSheet()
    {
        folder->write("Brook.sls", fixture("v05.sls"));
        SheetWindow w;
        w.openList("Brook");
        w.clearList();
        QCOMPARE(shown(w), QStringList({"", "", "", ""}));
        QCOMPARE(w.updatePage()->allSims(), SimList());
        // An empty sheet saves as an empty list.
        w.saveList("Nothing");
        QCOMPARE(SheetWindow::fileBytes("Nothing.sls"), fixture("empty.sls"));
    }
};

QTEST_MAIN(TestSheetListFile)
#include "tst_sheetlistfile.moc"
