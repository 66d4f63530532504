#pragma once

#include <QDialog>
#include <QString>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QHBoxLayout;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QVBoxLayout;

// Edits the sheet's ten settings. Every change goes out at once through one
// of the ten signals; there is no OK or Cancel, and "Close" only hides the
// window. The widgets are also the source of the list file's settings line.
class SettingsDialog : public QDialog
{
    Q_OBJECT

public:
    // Values outside what the widgets can show are held to their ranges, and
    // pack bits above Apartment Life are dropped.
    SettingsDialog(int rotationTime, bool rotateCollege, int collegeRotationTime,
                   bool autoGoToCollege, int autoGoToCollegeTime, bool autoBirthdays,
                   int autoBirthdaysTime, int ageDisplay, int epFlags, QString simPELocation);

    // The settings line of the list file, in the 17-value form.
    QString settingsString() const;
    // Applies a settings line of a list-format index (0 to 4) to the
    // widgets, each change going out as if the player had made it.
    void readSettingsString(QString line, int format);
    void readBasicSettings(QString line);
    void readSettingsWithPacks(QString line);

signals:
    void setRotation(int days);
    void setAutoCollegeRotation(bool on);
    void setCollegeRotation(int semesters);
    void setAutoGoToCollege(bool on);
    void setGoToCollegeTime(int days);
    void setAutoBirthday(bool on);
    void setAutoBirthdayTime(int index);
    void setEPFlags(int flags);
    void setAgeDisplay(int index);
    void setSimPELocation(QString location);

private slots:
    void updateEPFlags();
    void browseForSimPE();

private:
    void readLine(const QString &line, int format);
    int packFlags() const;

    QSpinBox *m_rotationTimeSpin;
    QCheckBox *m_rotateCollegeBox;
    QSpinBox *m_collegeRotationTimeSpin;
    QCheckBox *m_autoGoToCollegeBox;
    QSpinBox *m_autoGoToCollegeTimeSpin;
    QCheckBox *m_autoBirthdaysBox;
    QComboBox *m_autoBirthdaysTimeCombo;
    QComboBox *m_ageDisplayCombo;
    QLineEdit *m_simPELocationEdit;
    QPushButton *m_browseButton;
    // University to Apartment Life, bits 1 to 128.
    QCheckBox *m_packBoxes[8];
    QPushButton *m_closeButton;
    QHBoxLayout *m_rotationRow;
    QHBoxLayout *m_collegeRow;
    QHBoxLayout *m_goToCollegeRow;
    QHBoxLayout *m_birthdaysRow;
    QHBoxLayout *m_ageDisplayRow;
    QHBoxLayout *m_locationRow;
    QGridLayout *m_packGrid;
    QVBoxLayout *m_layout;
};
