#include "dialogs/SettingsDialog.h"
#include "dialogs/SettingsLine.h"
#include "records/Codes.h"
#include "sheet/Settings.h"
#include "support/CapturedStdout.h"
#include "support/ChooserAnswer.h"
#include "support/WidgetLookup.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

const QString defaultLine = QStringLiteral("1,1,2,0,5,1,1,1,C:/Program Files/SimPE/,0,0,0,0,0,0,0,0,");

std::unique_ptr<SettingsDialog> dialogFor(const Settings &s)
{
    return std::make_unique<SettingsDialog>(s.RotationTime, s.RotateCollege, s.CollegeRotationTime,
                                            s.AutoGoToCollege, s.AutoGoToCollegeTime,
                                            s.AutoBirthdays, s.AutoBirthdaysTime, s.AgeDisplay,
                                            s.EPFlags, s.SimPELocation);
}

// Every signal of the dialog as "name(value)", in the order sent.
class SignalLog : public QObject
{
public:
    explicit SignalLog(SettingsDialog *dialog)
    {
        auto number = [this](const char *name) {
            return [this, name](int value) { lines.append(QStringLiteral("%1(%2)").arg(name).arg(value)); };
        };
        auto flag = [this](const char *name) {
            return [this, name](bool on) {
                lines.append(QStringLiteral("%1(%2)").arg(name, on ? "true" : "false"));
            };
        };
        connect(dialog, &SettingsDialog::setRotation, this, number("setRotation"));
        connect(dialog, &SettingsDialog::setAutoCollegeRotation, this, flag("setAutoCollegeRotation"));
        connect(dialog, &SettingsDialog::setCollegeRotation, this, number("setCollegeRotation"));
        connect(dialog, &SettingsDialog::setAutoGoToCollege, this, flag("setAutoGoToCollege"));
        connect(dialog, &SettingsDialog::setGoToCollegeTime, this, number("setGoToCollegeTime"));
        connect(dialog, &SettingsDialog::setAutoBirthday, this, flag("setAutoBirthday"));
        connect(dialog, &SettingsDialog::setAutoBirthdayTime, this, number("setAutoBirthdayTime"));
        connect(dialog, &SettingsDialog::setEPFlags, this, number("setEPFlags"));
        connect(dialog, &SettingsDialog::setAgeDisplay, this, number("setAgeDisplay"));
        connect(dialog, &SettingsDialog::setSimPELocation, this,
                [this](const QString &text) { lines.append("setSimPELocation(" + text + ")"); });
    }

    QStringList take() { return std::exchange(lines, {}); }

    QStringList lines;
};

template <typename T>
T *child(QWidget *dialog, const char *name)
{
    T *widget = dialog->findChild<T *>(QLatin1String(name));
    if (!widget)
        qFatal("no widget %s", name);
    return widget;
}

// Clicks the box's indicator: a box in a wide cell is wider than its text.
void click(QWidget *dialog, const char *boxName)
{
    QCheckBox *box = child<QCheckBox>(dialog, boxName);
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(4, box->height() / 2));
}

} // namespace

// The settings dialog, its ten signals and the list file's settings line.
class TestSettingsDialog : public QObject
{
    Q_OBJECT

private slots:
    void opensWithTheDefaults()
    {
        auto dialog = dialogFor(Settings());
        SignalLog log(dialog.get());
        dialog->show();
        QCOMPARE(child<QSpinBox>(dialog.get(), "rotationTimeSpin")->value(), 1);
        QCOMPARE(child<QSpinBox>(dialog.get(), "rotationTimeSpin")->suffix(), QString(" sim days"));
        auto *college = child<QCheckBox>(dialog.get(), "rotateCollegeBox");
        QVERIFY(college->isChecked() && !college->isEnabled());
        QCOMPARE(child<QSpinBox>(dialog.get(), "collegeRotationTimeSpin")->value(), 2);
        QVERIFY(!child<QSpinBox>(dialog.get(), "collegeRotationTimeSpin")->isEnabled());
        auto *goToCollege = child<QCheckBox>(dialog.get(), "autoGoToCollegeBox");
        QVERIFY(!goToCollege->isChecked() && !goToCollege->isEnabled());
        QCOMPARE(child<QSpinBox>(dialog.get(), "autoGoToCollegeTimeSpin")->value(), 5);
        QVERIFY(!child<QSpinBox>(dialog.get(), "autoGoToCollegeTimeSpin")->isEnabled());
        QVERIFY(child<QCheckBox>(dialog.get(), "autoBirthdaysBox")->isChecked());
        QCOMPARE(child<QComboBox>(dialog.get(), "autoBirthdaysTimeCombo")->currentText(),
                 QString("at or after"));
        QCOMPARE(child<QComboBox>(dialog.get(), "ageDisplayCombo")->currentText(),
                 QString("## days until Lifestage"));
        QCOMPARE(child<QLineEdit>(dialog.get(), "simPELocationEdit")->text(),
                 QString("C:/Program Files/SimPE/"));
        for (const char *pack : {"universityBox", "nightlifeBox", "openForBusinessBox", "petsBox",
                                 "seasonsBox", "bonVoyageBox", "freeTimeBox", "apartmentLifeBox"})
            QVERIFY(!child<QCheckBox>(dialog.get(), pack)->isChecked());
        QCOMPARE(dialog->settingsString(), defaultLine);
        QVERIFY(log.lines.isEmpty());
    }

    // A value the widgets cannot hold is held to their range, so the
    // settings line never carries an index no combo box has.
    void holdsValuesToTheWidgetsRanges()
    {
        Settings s;
        s.RotationTime = 20;
        s.CollegeRotationTime = 0;
        s.AutoGoToCollegeTime = 99;
        s.AutoBirthdaysTime = 5;
        s.AgeDisplay = -1;
        s.EPFlags = 256 + EPFlags::Pets;
        auto dialog = dialogFor(s);
        SignalLog log(dialog.get());
        QCOMPARE(child<QComboBox>(dialog.get(), "autoBirthdaysTimeCombo")->currentIndex(),
                 Settings::MaxAutoBirthdaysTime);
        QCOMPARE(child<QComboBox>(dialog.get(), "ageDisplayCombo")->currentIndex(),
                 Settings::MinAgeDisplay);
        QCOMPARE(dialog->settingsString(),
                 QString("14,1,1,0,14,1,1,0,C:/Program Files/SimPE/,0,0,0,1,0,0,0,0,"));
        QVERIFY(log.lines.isEmpty());

        s.RotationTime = Settings::MinRotationTime - 1;
        QVERIFY(dialogFor(s)->settingsString().startsWith("1,"));
    }

    void settingsString_data()
    {
        QTest::addColumn<int>("rotation");
        QTest::addColumn<bool>("rotateCollege");
        QTest::addColumn<int>("semesters");
        QTest::addColumn<bool>("goToCollege");
        QTest::addColumn<int>("goToCollegeTime");
        QTest::addColumn<bool>("birthdays");
        QTest::addColumn<int>("birthdayTime");
        QTest::addColumn<int>("ageDisplay");
        QTest::addColumn<int>("packs");
        QTest::addColumn<QString>("location");
        QTest::addColumn<QString>("line");
        QTest::newRow("defaults") << 1 << true << 2 << false << 5 << true << 1 << 1 << 0
                                  << "C:/Program Files/SimPE/" << defaultLine;
        QTest::newRow("all packs") << 14 << false << 8 << true << 14 << false << 0 << 0 << 255
                                   << "/opt/simpe/" << "14,0,8,1,14,0,0,0,/opt/simpe/,1,1,1,1,1,1,1,1,";
        QTest::newRow("some packs") << 3 << true << 1 << false << 1 << true << 0 << 1
                                    << (EPFlags::University | EPFlags::Seasons | EPFlags::ApartmentLife)
                                    << "D:/SimPE/" << "3,1,1,0,1,1,0,1,D:/SimPE/,1,0,0,0,1,0,0,1,";
        QTest::newRow("empty folder") << 1 << true << 2 << false << 5 << true << 1 << 1 << 2 << ""
                                      << "1,1,2,0,5,1,1,1,,0,1,0,0,0,0,0,0,";
    }
    void settingsString()
    {
        QFETCH(int, rotation);
        QFETCH(bool, rotateCollege);
        QFETCH(int, semesters);
        QFETCH(bool, goToCollege);
        QFETCH(int, goToCollegeTime);
        QFETCH(bool, birthdays);
        QFETCH(int, birthdayTime);
        QFETCH(int, ageDisplay);
        QFETCH(int, packs);
        QFETCH(QString, location);
        QFETCH(QString, line);
        SettingsDialog dialog(rotation, rotateCollege, semesters, goToCollege, goToCollegeTime,
                              birthdays, birthdayTime, ageDisplay, packs, location);
        QCOMPARE(dialog.settingsString(), line);
    }

    void everyChangeGoesOutAtOnce()
    {
        auto dialog = dialogFor(Settings());
        SignalLog log(dialog.get());
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));

        auto *rotation = child<QSpinBox>(dialog.get(), "rotationTimeSpin");
        rotation->setValue(5);
        log.take();
        rotation->setFocus();
        rotation->selectAll();
        QTest::keyClick(rotation, Qt::Key_1);
        QTest::keyClick(rotation, Qt::Key_2);
        QCOMPARE(log.take(), QStringList({"setRotation(1)", "setRotation(12)"}));

        click(dialog.get(), "autoBirthdaysBox");
        QVERIFY(!child<QComboBox>(dialog.get(), "autoBirthdaysTimeCombo")->isEnabled());
        child<QComboBox>(dialog.get(), "autoBirthdaysTimeCombo")->setCurrentIndex(0);
        child<QComboBox>(dialog.get(), "ageDisplayCombo")->setCurrentIndex(0);
        auto *location = child<QLineEdit>(dialog.get(), "simPELocationEdit");
        location->clear();
        QTest::keyClicks(location, "D:");
        QCOMPARE(log.take(), QStringList({"setAutoBirthday(false)", "setAutoBirthdayTime(0)",
                                          "setAgeDisplay(0)", "setSimPELocation()",
                                          "setSimPELocation(D)", "setSimPELocation(D:)"}));
        QCOMPARE(dialog->settingsString(), QString("12,1,2,0,5,0,0,0,D:,0,0,0,0,0,0,0,0,"));

        QTest::mouseClick(WidgetLookup::button(dialog.get(), "Close"), Qt::LeftButton);
        QVERIFY(dialog->isHidden());
        dialog->show();
        QCOMPARE(rotation->value(), 12);
        QCOMPARE(location->text(), QString("D:"));
    }

    void universityGovernsTheCollegeBoxes()
    {
        auto dialog = dialogFor(Settings());
        SignalLog log(dialog.get());
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
        auto *college = child<QCheckBox>(dialog.get(), "rotateCollegeBox");
        auto *semesters = child<QSpinBox>(dialog.get(), "collegeRotationTimeSpin");
        auto *goToCollege = child<QCheckBox>(dialog.get(), "autoGoToCollegeBox");
        auto *goToCollegeTime = child<QSpinBox>(dialog.get(), "autoGoToCollegeTimeSpin");

        click(dialog.get(), "universityBox");
        QCOMPARE(log.take(), QStringList({"setEPFlags(1)"}));
        QVERIFY(college->isEnabled() && semesters->isEnabled() && goToCollege->isEnabled());
        QVERIFY(!goToCollegeTime->isEnabled());

        click(dialog.get(), "autoGoToCollegeBox");
        QVERIFY(goToCollegeTime->isEnabled());
        log.take();

        // University off turns both boxes off and disables everything.
        click(dialog.get(), "universityBox");
        QCOMPARE(log.take(), QStringList({"setAutoCollegeRotation(false)",
                                          "setAutoGoToCollege(false)", "setEPFlags(0)"}));
        QVERIFY(!college->isChecked() && !college->isEnabled() && !semesters->isEnabled());
        QVERIFY(!goToCollege->isChecked() && !goToCollege->isEnabled()
                && !goToCollegeTime->isEnabled());

        // On again: the boxes stay off but can be used.
        click(dialog.get(), "universityBox");
        QVERIFY(!college->isChecked() && college->isEnabled() && !semesters->isEnabled());
        QVERIFY(!goToCollege->isChecked() && goToCollege->isEnabled());

        click(dialog.get(), "petsBox");
        QCOMPARE(log.take(), QStringList({"setEPFlags(1)", "setEPFlags(9)"}));
        click(dialog.get(), "petsBox");
        QCOMPARE(log.take(), QStringList({"setEPFlags(1)"}));
    }

    void aPackChangeWakesTheGoToCollegeTime()
    {
        Settings s;
        s.AutoGoToCollege = true;
        s.EPFlags = EPFlags::University;
        auto dialog = dialogFor(s);
        auto *time = child<QSpinBox>(dialog.get(), "autoGoToCollegeTimeSpin");
        QVERIFY(!time->isEnabled());
        child<QCheckBox>(dialog.get(), "petsBox")->setChecked(true);
        QVERIFY(time->isEnabled());
    }

    void readsTheBasicForm()
    {
        Settings s;
        s.EPFlags = EPFlags::University;
        auto dialog = dialogFor(s);
        SignalLog log(dialog.get());
        CapturedStdout out;
        dialog->readSettingsString("3,0,4,1,7,0,0,0", 0);
        QCOMPARE(out.text(), QString("Settings dialog\n8\n"));
        QCOMPARE(log.take(), QStringList({"setRotation(3)", "setAutoCollegeRotation(false)",
                                          "setCollegeRotation(4)", "setAutoGoToCollege(true)",
                                          "setGoToCollegeTime(7)", "setAutoBirthday(false)",
                                          "setAutoBirthdayTime(0)", "setAgeDisplay(0)"}));
        QVERIFY(!child<QSpinBox>(dialog.get(), "collegeRotationTimeSpin")->isEnabled());
        QVERIFY(child<QSpinBox>(dialog.get(), "autoGoToCollegeTimeSpin")->isEnabled());
        QVERIFY(!child<QComboBox>(dialog.get(), "autoBirthdaysTimeCombo")->isEnabled());
        QCOMPARE(dialog->settingsString(),
                 QString("3,0,4,1,7,0,0,0,C:/Program Files/SimPE/,1,0,0,0,0,0,0,0,"));
    }

    void readsTheFullFormPositionByPosition()
    {
        Settings s;
        s.RotateCollege = false;
        s.EPFlags = EPFlags::University;
        auto dialog = dialogFor(s);
        SignalLog log(dialog.get());
        CapturedStdout out;
        dialog->readSettingsString("1,1,2,1,5,1,1,1,/games/SimPE/,0,0,0,0,0,0,0,0,", 4);
        QCOMPARE(out.text(), QString("Settings dialog\n18\n"));
        QCOMPARE(log.take(), QStringList({"setAutoCollegeRotation(true)", "setAutoGoToCollege(true)",
                                          "setSimPELocation(/games/SimPE/)",
                                          "setAutoCollegeRotation(false)",
                                          "setAutoGoToCollege(false)", "setEPFlags(0)"}));
    }

    void readsPacksWithoutFolder()
    {
        auto dialog = dialogFor(Settings());
        SignalLog log(dialog.get());
        CapturedStdout out;
        dialog->readSettingsString("1,1,2,0,5,1,1,1,0,0,0,1,0,0,0,0", 2);
        QCOMPARE(out.text(), QString("Settings dialog\n16\n"));
        // Any pack change while University is off turns the college box off.
        QCOMPARE(log.take(), QStringList({"setAutoCollegeRotation(false)", "setEPFlags(8)"}));
        QCOMPARE(dialog->settingsString(),
                 QString("1,0,2,0,5,1,1,1,C:/Program Files/SimPE/,0,0,0,1,0,0,0,0,"));
    }

    // A line shorter than its form changes nothing; numbers are held to the
    // widgets, so no combo box is left without an item.
    void readsShortAndDamagedLinesSafely()
    {
        auto dialog = dialogFor(Settings());
        SignalLog log(dialog.get());
        CapturedStdout out;
        dialog->readSettingsString("30,1,x,0,5,1,7", 4);
        dialog->readSettingsString("", 2);
        QVERIFY(log.lines.isEmpty());
        QCOMPARE(dialog->settingsString(), defaultLine);
        dialog->readSettingsString("30,1,x,0,5,1,7,-4", 0);
        QCOMPARE(out.text(), QString("Settings dialog\n7\nSettings dialog\n1\nSettings dialog\n8\n"));
        QCOMPARE(log.take(), QStringList({"setRotation(14)", "setCollegeRotation(1)",
                                          "setAgeDisplay(0)"}));
        QCOMPARE(dialog->settingsString(),
                 QString("14,1,1,0,5,1,1,0,C:/Program Files/SimPE/,0,0,0,0,0,0,0,0,"));
    }

    void theLineRoundTrips_data()
    {
        QTest::addColumn<QString>("line");
        QTest::newRow("defaults") << defaultLine;
        QTest::newRow("everything") << "14,0,8,1,14,0,0,0,/opt/simpe/,1,1,1,1,1,1,1,1,";
        QTest::newRow("no folder") << "2,1,3,0,4,1,0,1,,0,1,0,1,0,1,0,1,";
    }
    void theLineRoundTrips()
    {
        QFETCH(QString, line);
        const SettingsLine::Read read = SettingsLine::read(line, 4);
        QCOMPARE(read.positions.size(), 17);
        QCOMPARE(SettingsLine::format(read.values), line);
    }

    // A cancelled chooser leaves the folder as it was.
    void browsingForSimPE()
    {
        QTemporaryDir folder;
        auto dialog = dialogFor(Settings());
        SignalLog log(dialog.get());
        dialog->show();
        auto *location = child<QLineEdit>(dialog.get(), "simPELocationEdit");
        {
            ChooserAnswer cancel{QString()};
            QTest::mouseClick(WidgetLookup::button(dialog.get(), "Browse..."), Qt::LeftButton);
            QCOMPARE(cancel.opened, 1);
            QCOMPARE(cancel.caption, QString("Browse to the location of SimPE.exe"));
        }
        QCOMPARE(location->text(), QString("C:/Program Files/SimPE/"));
        QVERIFY(log.lines.isEmpty());
        {
            ChooserAnswer choose{folder.path()};
            QTest::mouseClick(WidgetLookup::button(dialog.get(), "Browse..."), Qt::LeftButton);
            QCOMPARE(choose.opened, 1);
        }
        QCOMPARE(location->text(), folder.path() + "/");
        QCOMPARE(location->cursorPosition(), 0);
        QCOMPARE(log.take(), QStringList({"setSimPELocation(" + folder.path() + "/)"}));
    }
};

QTEST_MAIN(TestSettingsDialog)
#include "tst_settingsdialog.moc"
