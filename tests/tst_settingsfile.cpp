#include "sheet/SettingsFile.h"
#include "support/Fixture.h"
#include "support/FailingDevice.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QByteArray fixture(const QString &name)
{
    return Fixture::bytes(QStringLiteral("settings/") + name);
}

// The ten settings in file order, comma-separated, for readable failures.
QString describe(const Settings &s)
{
    return QStringList{QString::number(s.RotationTime),
                       QString::number(s.RotateCollege),
                       QString::number(s.CollegeRotationTime),
                       QString::number(s.AutoGoToCollege),
                       QString::number(s.AutoGoToCollegeTime),
                       QString::number(s.AutoBirthdays),
                       QString::number(s.AutoBirthdaysTime),
                       QString::number(s.AgeDisplay),
                       QString::number(s.EPFlags),
                       s.SimPELocation}
        .join(',');
}

const QString kDefaults = QStringLiteral("1,1,2,0,5,1,1,1,0,C:/Program Files/SimPE/");

Settings changedSettings()
{
    Settings s;
    s.RotationTime = 14;
    s.RotateCollege = false;
    s.CollegeRotationTime = 8;
    s.AutoGoToCollege = true;
    s.AutoGoToCollegeTime = 3;
    s.AutoBirthdays = false;
    s.AutoBirthdaysTime = 0;
    s.AgeDisplay = 0;
    s.EPFlags = 200;
    s.SimPELocation = QString::fromUtf8("D:/Spiele/SimPE ä\\");
    return s;
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

// "tolvane.conf": its exact bytes, the lines it accepts and ignores, the
// ranges its values are held to, and failures that leave everything as it was.
class TestSettingsFile : public QObject
{
    Q_OBJECT

private slots:
    void namesAndMessages()
    {
        QCOMPARE(SettingsFile::fileName(), QString("tolvane.conf"));
        QCOMPARE(SettingsFile::readFailedMessage(), QString("Could not read tolvane.conf file."));
        QCOMPARE(SettingsFile::writeFailedMessage(), QString("Could not save settings."));
    }

    void writesExactBytes()
    {
        QCOMPARE(SettingsFile::toBytes(Settings()), fixture("defaults.conf"));
        QVERIFY(SettingsFile::toBytes(Settings()).endsWith("\r\nSimPELocation=C:/Program Files/SimPE/"));
        QCOMPARE(SettingsFile::toBytes(changedSettings()), fixture("changed.conf"));
    }

    void readsWhatItWrites()
    {
        QCOMPARE(describe(SettingsFile::fromText(QString::fromUtf8(fixture("defaults.conf")), changedSettings())),
                 kDefaults);
        QCOMPARE(describe(SettingsFile::fromText(QString::fromUtf8(fixture("changed.conf")), Settings())),
                 describe(changedSettings()));
    }

    void lines_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        const auto with = [](int field, const QString &value) {
            QStringList parts = kDefaults.split(',');
            parts[field] = value;
            return parts.join(',');
        };

        QTest::newRow("empty file") << "" << kDefaults;
        QTest::newRow("only RotationTime") << "RotationTime=3" << with(0, "3");
        QTest::newRow("every key, LF line ends")
            << "RotationTime=2\nRotateCollege=0\nCollegeRotationTime=3\nAutoGoToCollege=1\n"
               "AutoGoToCollegeTime=7\nAutoBirthdays=0\nAutoBirthdaysTime=0\nAgeDisplay=0\n"
               "EPFlags=64\nSimPELocation=/opt/simpe/"
            << "2,0,3,1,7,0,0,0,64,/opt/simpe/";
        QTest::newRow("CR CR LF line ends") << "EPFlags=8\r\r\nRotationTime=4\r\r\n"
                                            << with(8, "8").replace(0, 1, "4");
        QTest::newRow("keys in any order, the last line wins")
            << "EPFlags=3\r\nRotationTime=3\r\nRotationTime=5" << with(8, "3").replace(0, 1, "5");
        QTest::newRow("a digit other than 0 is true") << "AutoGoToCollege=7" << with(3, "1");
        QTest::newRow("0 is false") << "RotateCollege=0" << with(1, "0");
        QTest::newRow("comment") << "#RotationTime=3" << kDefaults;
        QTest::newRow("comment after blanks is no comment but matches nothing")
            << "  # RotationTime=3" << kDefaults;
        QTest::newRow("other letter case") << "rotationtime=3\r\nEPFLAGS=4" << kDefaults;
        QTest::newRow("minus sign") << "RotationTime=-3" << kDefaults;
        QTest::newRow("blank before =") << "RotationTime =3" << kDefaults;
        QTest::newRow("blank after =") << "RotationTime= 3" << kDefaults;
        QTest::newRow("blank at the start") << " RotationTime=3" << kDefaults;
        QTest::newRow("blank at the end") << "RotationTime=3 " << kDefaults;
        QTest::newRow("two digits for a one-digit key") << "AgeDisplay=12\nAutoBirthdaysTime=10"
                                                        << kDefaults;
        // Each pattern must match the whole line: a longer key or a longer
        // value does not set a shorter key.
        QTest::newRow("whole line: longer key") << "CollegeRotationTime=5" << with(2, "5");
        QTest::newRow("whole line: AutoBirthdaysTime is not AutoBirthdays")
            << "AutoBirthdaysTime=0" << with(6, "0");
        QTest::newRow("whole line: longer value") << "AutoBirthdays=0\nAutoBirthdays=12"
                                                  << with(5, "0");
        QTest::newRow("whole line: text after the number") << "RotationTime=3x" << kDefaults;
        QTest::newRow("whole line: text before the key") << "xRotationTime=3" << kDefaults;
        QTest::newRow("digits of another script") << QString::fromUtf8("RotationTime=\u0663")
                                                  << kDefaults;
        QTest::newRow("empty location") << "SimPELocation=" << kDefaults;
        QTest::newRow("blank before the location key") << " SimPELocation=/x" << kDefaults;
        QTest::newRow("blank before its =") << "SimPELocation =/x" << kDefaults;
        QTest::newRow("location taken unchanged")
            << "SimPELocation= C:\\Program Files\\SimPE\\ " << with(9, " C:\\Program Files\\SimPE\\ ");
        QTest::newRow("location holding =") << "SimPELocation=a=b" << with(9, "a=b");

        // Values are held to the settings dialog's ranges.
        QTest::newRow("RotationTime 2000000000") << "RotationTime=2000000000" << with(0, "14");
        QTest::newRow("RotationTime too large for an int")
            << "RotationTime=99999999999999999999999" << with(0, "14");
        QTest::newRow("RotationTime 0") << "RotationTime=0" << with(0, "1");
        QTest::newRow("RotationTime with leading zeros") << "RotationTime=0007" << with(0, "7");
        QTest::newRow("CollegeRotationTime 0") << "CollegeRotationTime=0" << with(2, "1");
        QTest::newRow("CollegeRotationTime 9") << "CollegeRotationTime=9" << with(2, "8");
        QTest::newRow("AutoGoToCollegeTime 0") << "AutoGoToCollegeTime=0" << with(4, "1");
        QTest::newRow("AutoGoToCollegeTime 15") << "AutoGoToCollegeTime=15" << with(4, "14");
        QTest::newRow("AutoBirthdaysTime 5") << "AutoBirthdaysTime=5" << with(6, "1");
        QTest::newRow("AgeDisplay 7") << "AgeDisplay=7" << with(7, "1");
    }
    void lines()
    {
        QFETCH(QString, text);
        QTEST(describe(SettingsFile::fromText(text, Settings())), "expected");
    }

    // The pack set after a line "EPFlags=8" and then a line with the value.
    // A number too large for an int is no pack set and reads as none; a line
    // with a minus sign matches nothing and leaves the 8.
    void packSet_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("expected");
        QTest::newRow("all packs") << "255" << 255;
        QTest::newRow("none") << "0" << 0;
        QTest::newRow("bits above the packs") << "300" << 44;
        QTest::newRow("largest int") << "2147483647" << 255;
        QTest::newRow("largest int, leading zeros") << "000000000000002147483647" << 255;
        QTest::newRow("many leading zeros") << "0000000000000000000000003" << 3;
        QTest::newRow("one past the largest int") << "2147483648" << 0;
        QTest::newRow("past the largest int, low bits set") << "2147483903" << 0;
        QTest::newRow("eleven nines") << "99999999999" << 0;
        QTest::newRow("too large for 64 bits") << "18446744073709551680" << 0;
        QTest::newRow("negative") << "-1" << 8;
        QTest::newRow("negative, too large") << "-99999999999" << 8;
    }
    void packSet()
    {
        QFETCH(QString, value);
        const Settings read = SettingsFile::fromText("EPFlags=8\r\nEPFlags=" + value, Settings());
        QTEST(read.EPFlags, "expected");
        Settings others = read;
        others.EPFlags = Settings().EPFlags;
        QCOMPARE(describe(others), kDefaults);
    }

    void trueIsWrittenAsOne()
    {
        const Settings read = SettingsFile::fromText("RotateCollege=7\nAutoGoToCollege=9", Settings());
        const QByteArray bytes = SettingsFile::toBytes(read);
        QVERIFY(bytes.contains("\r\nRotateCollege=1\r\n"));
        QVERIFY(bytes.contains("\r\nAutoGoToCollege=1\r\n"));
    }

    // A path saved on Windows in its Western code page keeps its letters.
    void windowsCodePage()
    {
        Settings settings;
        QBuffer buffer;
        buffer.setData("RotationTime=3\r\nSimPELocation=D:/Spiele/SimPE \xE4\x80");
        QVERIFY(buffer.open(QIODevice::ReadOnly));
        QVERIFY(SettingsFile::read(&buffer, &settings));
        QCOMPARE(settings.SimPELocation, QString::fromUtf8("D:/Spiele/SimPE ä€"));
        QCOMPARE(settings.RotationTime, 3);
    }

    void deviceFailingPartWayChangesNothing()
    {
        const QByteArray bytes = fixture("changed.conf");
        for (qint64 failAt : {qint64(0), bytes.size() / 2, bytes.size() - 1}) {
            FailingDevice device(bytes, failAt);
            QVERIFY(device.open(QIODevice::ReadOnly));
            Settings settings;
            QVERIFY(!SettingsFile::read(&device, &settings));
            QCOMPARE(describe(settings), kDefaults);
        }
    }

    void load()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        Settings settings = changedSettings();

        QCOMPARE(SettingsFile::load(dir.filePath("tolvane.conf"), &settings),
                 SettingsFile::LoadResult::Missing);
        QCOMPARE(describe(settings), describe(changedSettings()));

        QVERIFY(QDir(dir.path()).mkdir("folder.conf"));
        QCOMPARE(SettingsFile::load(dir.filePath("folder.conf"), &settings),
                 SettingsFile::LoadResult::Failed);
        QCOMPARE(describe(settings), describe(changedSettings()));

        QVERIFY(writeFile(dir.filePath("tolvane.conf"), "EPFlags=64\r\nRotationTime=3"));
        QCOMPARE(SettingsFile::load(dir.filePath("tolvane.conf"), &settings),
                 SettingsFile::LoadResult::Loaded);
        QCOMPARE(settings.EPFlags, 64);
        QCOMPARE(settings.RotationTime, 3);
        QCOMPARE(settings.SimPELocation, changedSettings().SimPELocation);
    }

    void save()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = dir.filePath("tolvane.conf");
        QVERIFY(SettingsFile::save(path, Settings()));
        QFile written(path);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(written.readAll(), fixture("defaults.conf"));
        written.close();

        QVERIFY(SettingsFile::save(path, changedSettings()));
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(written.readAll(), fixture("changed.conf"));
        written.close();

        // A save that cannot be made leaves nothing behind.
        QVERIFY(QDir(dir.path()).mkdir("folder.conf"));
        QVERIFY(!SettingsFile::save(dir.filePath("folder.conf"), Settings()));
        QVERIFY(QFileInfo(dir.filePath("folder.conf")).isDir());
        QVERIFY(!SettingsFile::save(dir.filePath("missing/tolvane.conf"), Settings()));
        QCOMPARE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
                 QStringList({"folder.conf", "tolvane.conf"}));
    }
};

QTEST_GUILESS_MAIN(TestSettingsFile)
#include "tst_settingsfile.moc"
