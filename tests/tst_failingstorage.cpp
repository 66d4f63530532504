#include "sheet/Settings.h"
#include "sheet/SettingsFile.h"
#include "support/Fixture.h"
#include "support/MessageBoxCatcher.h"
#include "support/SheetWindow.h"
#include "support/WorkingFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QtTest>

#include <csignal>
#include <limits>

#include <grp.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {

// The three files a player's history lives in, and what saving each one
// says when it fails.
enum class Target { List, Backup, Settings };

QString targetFile(Target target)
{
    switch (target) {
    case Target::List:
        return QStringLiteral("Brook.sls");
    case Target::Backup:
        return QStringLiteral("Brook.bak.sls");
    case Target::Settings:
        return QStringLiteral("tolvane.conf");
    }
    return QString();
}

QString failureMessage(Target target)
{
    return target == Target::Settings ? QStringLiteral("Could not save settings.")
                                      : QStringLiteral("Cannot write file.");
}

// How the storage fails: the disk refuses the write from a chosen byte on
// (a file-size limit, as a full disk or a failing share does part-way), the
// folder is read-only for the player, or a folder stands where the file
// would go.
enum class Failure { AtByte, ReadOnlyFolder, FolderInTheWay };

QByteArray fixture(const QString &name)
{
    return Fixture::bytes(QStringLiteral("lists/") + name);
}

const QByteArray OldBackup = "An older backup, kept byte for byte.\r\n";
const QByteArray OldSettings = "# Kept byte for byte.\r\nRotationTime=3\r\nEPFlags=64";

// The folder as a player has it: a list, its backup and the settings file,
// plus the same list under a second name, whose backup shows how large the
// list's backup is.
void prepare(const WorkingFolder &folder)
{
    folder.write("Brook.sls", fixture("v05.sls"));
    folder.write("Twin.sls", fixture("v05.sls"));
    folder.write("Brook.bak.sls", OldBackup);
    folder.write("tolvane.conf", OldSettings);
}

// From now on a file cannot grow past `bytes` (the soft limit; the hard
// one stays open so that the limit can be lifted again).
bool limitFileSize(rlim_t bytes)
{
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{bytes, RLIM_INFINITY};
    return setrlimit(RLIMIT_FSIZE, &limit) == 0;
}

bool liftFileSizeLimit()
{
    return limitFileSize(RLIM_INFINITY);
}

// Where in the file the disk fails: a fraction of the bytes the save would
// write, the last byte written whole.
rlim_t chosenByte(qint64 size, int permille)
{
    return rlim_t(qMin(size - 1, size * permille / 1000));
}

} // namespace

// Saving the list, its backup and "tolvane.conf" onto storage that fails:
// the player sees the message, and the file that was there before stays
// byte for byte. The failures that need a process of their own (a file-size
// limit, a user without the right to write) run in this test program
// started again, in the test function `saveInAChildProcess`.
class TestFailingStorage : public QObject
{
    Q_OBJECT

private slots:
    void failingSave_data()
    {
        QTest::addColumn<int>("target");
        QTest::addColumn<int>("failure");
        QTest::addColumn<int>("permille");

        const QList<QPair<Target, const char *>> targets{
            {Target::List, "list"}, {Target::Backup, "backup"}, {Target::Settings, "settings"}};
        for (const auto &[target, name] : targets) {
            const QList<QPair<int, const char *>> bytes{
                {0, "the first byte"}, {1, "an early byte"}, {500, "half way"}, {1000, "the last byte"}};
            for (const auto &[permille, where] : bytes) {
                QTest::addRow("%s, disk fails at %s", name, where)
                    << int(target) << int(Failure::AtByte) << permille;
            }
            QTest::addRow("%s, read-only folder", name)
                << int(target) << int(Failure::ReadOnlyFolder) << 0;
            QTest::addRow("%s, folder in the way", name)
                << int(target) << int(Failure::FolderInTheWay) << 0;
        }
    }
    void failingSave()
    {
        QFETCH(int, target);
        QFETCH(int, failure);
        QFETCH(int, permille);
        const Target file = Target(target);

        WorkingFolder folder;
        prepare(folder);
        const QString path = targetFile(file);
        if (Failure(failure) == Failure::FolderInTheWay) {
            QVERIFY(QFile::remove(path));
            QVERIFY(QDir().mkdir(path));
        }
        QMap<QString, QByteArray> before;
        for (const QString &name : QDir().entryList(QDir::Files))
            before.insert(name, SheetWindow::fileBytes(name));

        // Everyone may read the folder; in the read-only case nobody but
        // its owner may write it, and the child is not its owner.
        const QFile::Permissions readable = QFile::ReadOwner | QFile::ExeOwner
            | QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;
        const bool readOnly = Failure(failure) == Failure::ReadOnlyFolder;
        QVERIFY(QFile::setPermissions(folder.path(),
                                      readOnly ? readable : readable | QFile::WriteOwner));

        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("TOLVANE_STORAGE_FOLDER", folder.path());
        environment.insert("TOLVANE_STORAGE_CASE",
                           QStringLiteral("%1 %2 %3").arg(target).arg(failure).arg(permille));
        child.setProcessEnvironment(environment);
        child.setProcessChannelMode(QProcess::MergedChannels);
        child.start(QCoreApplication::applicationFilePath(), {"saveInAChildProcess"});
        QVERIFY(child.waitForFinished(120000));
        QFile::setPermissions(folder.path(), readable | QFile::WriteOwner);
        const QByteArray output = child.readAll();
        QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0,
                 output.constData());
        QVERIFY2(output.contains("PASS   : TestFailingStorage::saveInAChildProcess()"),
                 output.constData());

        // The file that was there is there as it was, and so are the other
        // lists; the settings file is written again whenever the window
        // closes.
        for (auto it = before.cbegin(); it != before.cend(); ++it) {
            if (it.key() == QLatin1String("tolvane.conf") && file != Target::Settings
                && !readOnly)
                continue;
            QCOMPARE(SheetWindow::fileBytes(it.key()), it.value());
        }
        if (Failure(failure) == Failure::FolderInTheWay)
            QVERIFY(QFileInfo(path).isDir());
        // No half-written file is left beside it.
        const QStringList left = QDir().entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
        for (const QString &name : left) {
            QVERIFY2(name.endsWith(QLatin1String(".sls")) || name == QLatin1String("tolvane.conf"),
                     qPrintable(name));
        }
    }

    // The child's part of failingSave: it makes the storage fail, saves, and
    // checks what the player is told.
    void saveInAChildProcess()
    {
        const QString where = qEnvironmentVariable("TOLVANE_STORAGE_FOLDER");
        const QStringList parts = qEnvironmentVariable("TOLVANE_STORAGE_CASE").split(' ');
        if (where.isEmpty() || parts.size() != 3)
            QSKIP("runs in a process of its own, started by failingSave");
        const Target target = Target(parts.at(0).toInt());
        const Failure failure = Failure(parts.at(1).toInt());
        const int permille = parts.at(2).toInt();
        QVERIFY(QDir::setCurrent(where));
        if (failure == Failure::ReadOnlyFolder && geteuid() == 0) {
            // Root writes into any folder: drop to "nobody" for good.
            QCOMPARE(setgroups(0, nullptr), 0);
            QCOMPARE(setgid(65534), 0);
            QCOMPARE(setuid(65534), 0);
        }

        MessageBoxCatcher boxes(QMessageBox::Discard);
        {
            SheetWindow w;
            if (target == Target::Settings && failure == Failure::FolderInTheWay) {
                // A folder cannot be read as the settings file either.
                QCOMPARE(boxes.texts, QStringList{"Could not read tolvane.conf file."});
                boxes.texts.clear();
            }
            QCOMPARE(boxes.texts, QStringList());
            switch (target) {
            case Target::List: {
                w.addSim("Nora New");
                if (failure == Failure::AtByte) {
                    w.saveList("Probe");
                    // The list dialog says the save worked.
                    QCOMPARE(boxes.texts.size(), 1);
                    boxes.texts.clear();
                    const qint64 size = QFileInfo("Probe.sls").size();
                    QVERIFY(size > 1);
                    QVERIFY(limitFileSize(chosenByte(size, permille)));
                }
                // The sheet is a new one: the player agrees to replace
                // the list that was there.
                boxes.answer = QMessageBox::Yes;
                w.saveList("Brook");
                boxes.answer = QMessageBox::Discard;
                QVERIFY(liftFileSizeLimit());
                if (failure != Failure::FolderInTheWay) {
                    QCOMPARE(boxes.texts.takeFirst(),
                             QString("Brook.sls already holds another list. Replace it with "
                                     "this one?"));
                }
                break;
            }
            case Target::Backup: {
                if (failure == Failure::AtByte) {
                    w.openList("Twin");
                    QCOMPARE(boxes.texts, QStringList());
                    const qint64 size = QFileInfo("Twin.bak.sls").size();
                    QVERIFY(size > 1);
                    QVERIFY(limitFileSize(chosenByte(size, permille)));
                }
                w.openList("Brook");
                QVERIFY(liftFileSizeLimit());
                // The list is open all the same.
                QCOMPARE(w.simNames().size(), 7);
                break;
            }
            case Target::Settings: {
                if (failure == Failure::AtByte) {
                    Settings settings;
                    QCOMPARE(SettingsFile::load("tolvane.conf", &settings),
                             SettingsFile::LoadResult::Loaded);
                    const qint64 size = SettingsFile::toBytes(settings).size();
                    QVERIFY(limitFileSize(chosenByte(size, permille)));
                }
                break;
            }
            }
            if (target != Target::Settings) {
                QCOMPARE(boxes.texts, QStringList{failureMessage(target)});
                boxes.texts.clear();
            }
            // Closing writes "tolvane.conf".
            QVERIFY(w.window().close());
            QVERIFY(liftFileSizeLimit());
            if (target == Target::Settings)
                QCOMPARE(boxes.texts, QStringList{failureMessage(target)});
        }
    }
};

QTEST_MAIN(TestFailingStorage)
#include "tst_failingstorage.moc"
