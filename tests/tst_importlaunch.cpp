#include "dialogs/ImportDialog.h"
#include "dialogs/ListManagementDialog.h"
#include "platform/ExtractStep.h"
#include "platform/Platform.h"
#include "support/MessageBoxCatcher.h"
#include "support/WidgetLookup.h"
#include "support/WorkingFolder.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <memory>

using WidgetLookup::button;

namespace {

const QByteArray exportBytes =
    "hood,HoodName,NID,FirstName,LastName,SimDescription,FamilyInstance,HouseholdName,Gender,"
    "LifeSection,AgeDaysLeft,Species,Spouse\n"
    "N001,Pleasantview,1,Mara,Brook,,12,Brook,Female,Adult,3,Human,2\n"
    "N001,Pleasantview,2,Tom,Brook,,12,Brook,Male,Adult,3,Human,1\n";

// The stand-in for the export: it records its arguments one a line, says
// whether its standard input was at its end, runs what the test adds, and
// leaves the export the test put beside it.
QByteArray standIn(const QByteArray &more = QByteArray())
{
    return "printf '%s\\n' \"$#\" \"$1\" \"$2\" \"$3\" > args.txt\n"
           "if read line; then echo open > stdin.txt; else echo closed > stdin.txt; fi\n"
           + more
           + "mkdir -p Veldo && cp export-source.csv Veldo/ExportedSims.txt\n";
}

QStringList argumentsSeen()
{
    QFile file("args.txt");
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
}

QString readText(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()).trimmed() : QString();
}

QList<ImportDialog *> importDialogs()
{
    QList<ImportDialog *> found;
    const auto windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows) {
        if (auto *dialog = qobject_cast<ImportDialog *>(window))
            found.append(dialog);
    }
    return found;
}

// Every file below `folder` whose name holds `part`.
QStringList filesNamed(const QString &folder, const QString &part)
{
    QStringList found;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        if (it.fileName().contains(part))
            found.append(it.filePath());
    }
    return found;
}

const QString hostile = QStringLiteral("a $(touch pwned) ; touch pwned2 & %PATH% \"q\" 'x' `touch pwned3`");

} // namespace

// Finding the neighbourhoods, running the export through a stand-in script,
// and opening the import from the list dialog.
class TestImportLaunch : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<WorkingFolder> folder;
    QString simPEFolder;

    // A working folder with the stand-in script, the export it copies and a
    // SimPE folder holding "SimPE.exe".
    void prepare(const QByteArray &script = standIn(), const QString &workingName = QString())
    {
        QString working = folder->path();
        if (!workingName.isEmpty()) {
            working += "/" + workingName;
            QVERIFY(QDir().mkpath(working));
            QVERIFY(QDir::setCurrent(working));
        }
        folder->write(working + "/" + ExtractStep::scriptName(), script);
        folder->write(working + "/export-source.csv", exportBytes);
        simPEFolder = folder->path() + "/SimPE " + hostile + "/";
        folder->write(simPEFolder + "SimPE.exe", "");
    }

    std::unique_ptr<ListManagementDialog> listDialog()
    {
        auto dialog = std::make_unique<ListManagementDialog>();
        dialog->setSimPELocation(simPEFolder);
        dialog->show();
        return dialog;
    }

private slots:
    void init()
    {
        folder = std::make_unique<WorkingFolder>();
    }
    void cleanup()
    {
        folder.reset();
    }

    void neighbourhoodIds_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("id");
        QTest::newRow("letters and digits") << "N001" << true;
        QTest::newRow("underscore") << "N_01" << true;
        QTest::newRow("three") << "N00" << false;
        QTest::newRow("five") << "N0001" << false;
        QTest::newRow("blank") << "N 01" << false;
        QTest::newRow("hyphen") << "N-01" << false;
        QTest::newRow("non-ASCII letter") << QString::fromUtf8("Ñ001") << false;
        QTest::newRow("semicolon") << "N;01" << false;
        QTest::newRow("command") << "$(x)" << false;
        QTest::newRow("line break") << "N001\n" << false;
        QTest::newRow("empty") << "" << false;
    }
    void neighbourhoodIds()
    {
        QFETCH(QString, text);
        QFETCH(bool, id);
        QCOMPARE(Platform::isNeighborhoodId(text), id);
    }

    // The game's folder of the user on the first drive that has it; the ids
    // are its entries of four word characters, by name.
    void findsTheNeighbourhoods()
    {
        const QString user = "Pat Doe";
        const QString relative =
            "/Documents and Settings/" + user + "/My Documents/EA Games/The Sims 2/Neighborhoods/";
        const QString second = folder->path() + "/D";
        for (const char *entry : {"n002", "N001", "ABCD", "N_01", "N00", "N0001", "N 01", "N-01"})
            QVERIFY(QDir().mkpath(second + relative + entry));
        QFile file(second + relative + "Q123");
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        QDir().mkpath(folder->path() + "/C/Documents and Settings/" + user);

        const QStringList roots{folder->path() + "/C", second};
        QCOMPARE(Platform::neighborhoodFolder(user, roots), second + relative);
        QCOMPARE(Platform::neighborhoodIds(Platform::neighborhoodFolder(user, roots)),
                 QStringList({"ABCD", "N001", "n002", "N_01", "Q123"}));
        QCOMPARE(Platform::neighborhoodFolder("Someone Else", roots), QString());
        QCOMPARE(Platform::neighborhoodFolder(QString(), roots), QString());
        QVERIFY(Platform::neighborhoodIds(QString()).isEmpty());

        // The list dialog offers them, from the drives and user it is given.
        qputenv("TOLVANE_DRIVES", (roots.join(QDir::listSeparator())).toUtf8());
        const QByteArray previousUser = qgetenv("USER");
        const QByteArray previousUserName = qgetenv("USERNAME");
        qunsetenv("USERNAME");
        qputenv("USER", user.toUtf8());
        QCOMPARE(Platform::driveRoots(), roots);
        ListManagementDialog dialog;
        auto *combo = dialog.findChild<QComboBox *>("neighborhoodCombo");
        QStringList offered;
        for (int i = 0; i < combo->count(); ++i)
            offered.append(combo->itemText(i));
        QCOMPARE(offered, QStringList({"ABCD", "N001", "n002", "N_01", "Q123"}));
        QVERIFY(combo->isEditable());
        qputenv("USER", previousUser);
        if (!previousUserName.isEmpty())
            qputenv("USERNAME", previousUserName);
    }

    void runsTheScriptWithItsArguments()
    {
        prepare();
        const ExtractStep::Result result =
            ExtractStep::run(QDir::currentPath(), simPEFolder + "SimPE.exe", "N001");
        QVERIFY2(result.succeeded(), qPrintable(result.message));
        QCOMPARE(argumentsSeen(),
                 QStringList({"3", simPEFolder + "SimPE.exe", QDir::currentPath(), "N001"}));
        QCOMPARE(readText("stdin.txt"), QString("closed"));
        QVERIFY(QFile::exists("Veldo/ExportedSims.txt"));
    }

    // Paths reach the script as they are, whatever they hold, and no shell
    // ever reads them.
    void hostilePathsArriveVerbatim()
    {
        prepare(standIn(), "work " + hostile);
        MessageBoxCatcher boxes;
        auto dialog = listDialog();
        QVERIFY(button(dialog.get(), "Import Sims")->isEnabled());
        dialog->findChild<QComboBox *>("neighborhoodCombo")->setEditText("N001");
        QTest::mouseClick(button(dialog.get(), "Import Sims"), Qt::LeftButton);
        QCOMPARE(argumentsSeen(), QStringList({"3", simPEFolder + "SimPE.exe",
                                               folder->path() + "/work " + hostile, "N001"}));
        QCOMPARE(boxes.texts, QStringList({"Generated list of sims.", "Loaded data for 2 sims"}));
        QVERIFY(filesNamed(folder->path(), "pwned").isEmpty());
    }

    void badIdsNeverStartTheScript_data()
    {
        QTest::addColumn<QString>("id");
        QTest::newRow("empty") << "";
        QTest::newRow("short") << "N01";
        QTest::newRow("command") << "$(touch pwned)";
        QTest::newRow("separator") << "N0;1";
        QTest::newRow("quote") << "N\"01";
        QTest::newRow("percent") << "%N1%";
    }
    void badIdsNeverStartTheScript()
    {
        QFETCH(QString, id);
        prepare();
        const ExtractStep::Result result =
            ExtractStep::run(QDir::currentPath(), simPEFolder + "SimPE.exe", id);
        QCOMPARE(result.outcome, ExtractStep::Result::BadNeighborhood);
        QVERIFY(!QFile::exists("args.txt"));

        MessageBoxCatcher boxes;
        auto dialog = listDialog();
        dialog->findChild<QComboBox *>("neighborhoodCombo")->setEditText(id);
        QTest::mouseClick(button(dialog.get(), "Import Sims"), Qt::LeftButton);
        QCOMPARE(boxes.texts, QStringList({result.message}));
        QVERIFY(!QFile::exists("args.txt"));
        QVERIFY(importDialogs().isEmpty());
        QVERIFY(filesNamed(folder->path(), "pwned").isEmpty());
    }

    // An export left by an earlier run never passes for a new one.
    void aStaleExportIsNotReadAsNew()
    {
        prepare("printf '%s\\n' \"$#\" > args.txt\n");
        folder->write("Veldo/ExportedSims.txt", exportBytes);
        const ExtractStep::Result result =
            ExtractStep::run(QDir::currentPath(), simPEFolder + "SimPE.exe", "N001");
        QCOMPARE(result.outcome, ExtractStep::Result::NoOutput);
        QCOMPARE(result.message,
                 QString("Cannot find output file.  Check that you are using the AL version of SimPE."));
        QVERIFY(QFile::exists("args.txt"));
        QVERIFY(!QFile::exists("Veldo/ExportedSims.txt"));
    }

    void aFailedStepIsReported()
    {
        prepare(standIn("exit 3\n"));
        const ExtractStep::Result result =
            ExtractStep::run(QDir::currentPath(), simPEFolder + "SimPE.exe", "N001");
        QCOMPARE(result.outcome, ExtractStep::Result::Failed);
        QCOMPARE(result.exitCode, 3);

        MessageBoxCatcher boxes;
        auto dialog = listDialog();
        dialog->findChild<QComboBox *>("neighborhoodCombo")->setEditText("N001");
        QTest::mouseClick(button(dialog.get(), "Import Sims"), Qt::LeftButton);
        QCOMPARE(boxes.texts, QStringList({result.message}));
        QVERIFY(importDialogs().isEmpty());

        QFile::remove(ExtractStep::scriptName());
        QCOMPARE(ExtractStep::run(QDir::currentPath(), simPEFolder + "SimPE.exe", "N001").outcome,
                 ExtractStep::Result::ScriptMissing);
    }

    // A step that runs past its time is ended, with what it started.
    void aStepPastItsTimeIsEnded()
    {
        prepare(standIn("sleep 60 &\necho $! > sleep.pid\nwait\n"));
        const ExtractStep::Result result =
            ExtractStep::run(QDir::currentPath(), simPEFolder + "SimPE.exe", "N001", 3000);
        QCOMPARE(result.outcome, ExtractStep::Result::TimedOut);
        QVERIFY(!QFile::exists("Veldo/ExportedSims.txt"));
        const QString pid = readText("sleep.pid");
        QVERIFY(!pid.isEmpty());
        QTRY_VERIFY_WITH_TIMEOUT(!QFile::exists("/proc/" + pid)
                                     || readText("/proc/" + pid + "/stat").contains(") Z "),
                                 5000);
    }

    void importsFromTheListDialog()
    {
        prepare();
        MessageBoxCatcher boxes;
        auto dialog = listDialog();
        dialog->setEPFlags(8);
        dialog->findChild<QComboBox *>("neighborhoodCombo")->setEditText(" N001 ");
        QList<Sim *> received;
        int rebuilds = 0;
        connect(dialog.get(), &ListManagementDialog::addSim, this,
                [&received](Sim *sim) { received.append(sim); });
        connect(dialog.get(), &ListManagementDialog::updateModels, this, [&rebuilds] { ++rebuilds; });
        QTest::mouseClick(button(dialog.get(), "Import Sims"), Qt::LeftButton);
        QCOMPARE(boxes.texts, QStringList({"Generated list of sims.", "Loaded data for 2 sims"}));
        QCOMPARE(importDialogs().size(), 1);
        QPointer<ImportDialog> first = importDialogs().first();
        QVERIFY(first->isVisible());
        // The dialog's packs reach the rows: Pets names the species.
        QVERIFY(first->findChild<QCheckBox *>("selectBox")->text().endsWith(" Human"));

        QTest::mouseClick(button(first, "Select All Playables"), Qt::LeftButton);
        QTest::mouseClick(button(first, "Import"), Qt::LeftButton);
        QCOMPARE(received.size(), 2);
        QCOMPARE(rebuilds, 1);
        QCOMPARE(received.at(0)->spouse().data(), received.at(1));
        qDeleteAll(received);

        // A second import replaces the first dialog.
        QTest::mouseClick(button(dialog.get(), "Import Sims"), Qt::LeftButton);
        QVERIFY(first.isNull());
        QCOMPARE(importDialogs().size(), 1);

        // A failed step leaves the latest dialog as it is.
        QPointer<ImportDialog> second = importDialogs().first();
        folder->write(ExtractStep::scriptName(), "exit 1\n");
        QTest::mouseClick(button(dialog.get(), "Import Sims"), Qt::LeftButton);
        QVERIFY(!second.isNull());
    }

    // With the earlier output chosen no step runs, yet the player is told
    // the list was generated as after a step; without that output nothing
    // is imported.
    void importsAnEarlierOutputWithoutRunningTheStep()
    {
        prepare();
        MessageBoxCatcher boxes;
        auto dialog = listDialog();
        dialog->findChild<QCheckBox *>()->setChecked(true);
        QTest::mouseClick(button(dialog.get(), "Import Sims"), Qt::LeftButton);
        QCOMPARE(boxes.texts,
                 QStringList({"Cannot find output file.  Check that you are using the AL version of SimPE."}));
        QVERIFY(importDialogs().isEmpty());

        folder->write("Veldo/ExportedSims.txt", exportBytes);
        QTest::mouseClick(button(dialog.get(), "Import Sims"), Qt::LeftButton);
        QVERIFY(!QFile::exists("args.txt"));
        QCOMPARE(boxes.texts.mid(1), QStringList({"Generated list of sims.", "Loaded data for 2 sims"}));
        QCOMPARE(importDialogs().size(), 1);
    }

    // The button follows "SimPE.exe" in the folder given, with or without a
    // closing "/", and the step gets the same path the button found.
    void importSimsFollowsTheSimPEFolder()
    {
        prepare();
        auto dialog = listDialog();
        auto *importButton = button(dialog.get(), "Import Sims");
        QVERIFY(importButton->isEnabled());
        dialog->setSimPELocation(folder->path() + "/nowhere/");
        QVERIFY(!importButton->isEnabled());
        dialog->setSimPELocation("");
        QVERIFY(!importButton->isEnabled());

        MessageBoxCatcher boxes;
        const QString withoutSlash = simPEFolder.chopped(1);
        dialog->setSimPELocation(withoutSlash);
        QVERIFY(importButton->isEnabled());
        dialog->findChild<QComboBox *>("neighborhoodCombo")->setEditText("N001");
        QTest::mouseClick(importButton, Qt::LeftButton);
        QCOMPARE(argumentsSeen().value(1), withoutSlash + "/SimPE.exe");
    }
};

QTEST_MAIN(TestImportLaunch)
#include "tst_importlaunch.moc"
