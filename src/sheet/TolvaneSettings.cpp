// The sheet's ten settings: "tolvane.conf" and the settings dialog's setters.
#include "sheet/Tolvane.h"

#include "events/UpdatePage.h"
#include "pages/AspirationPage.h"
#include "sheet/SettingsFile.h"

#include <QMessageBox>

void Tolvane::readSettings()
{
    const SettingsFile::LoadResult result =
        SettingsFile::load(SettingsFile::fileName(), &m_settings);
    if (result == SettingsFile::LoadResult::Failed)
        QMessageBox::warning(this, QString(), SettingsFile::readFailedMessage());
}

void Tolvane::writeSettings()
{
    if (!SettingsFile::save(SettingsFile::fileName(), m_settings))
        QMessageBox::warning(this, QString(), SettingsFile::writeFailedMessage());
}

// Every setter holds its value to the settings dialog's range: a rotation
// of two thousand million days would never end.

void Tolvane::setRotationTime(int days)
{
    m_settings.RotationTime = Settings::clampRotationTime(days);
    m_updatePage->setRotationTime(m_settings.RotationTime);
}

void Tolvane::setCollegeRotation(bool on)
{
    m_settings.RotateCollege = on;
}

void Tolvane::setCollegeRotationTime(int semesters)
{
    m_settings.CollegeRotationTime = Settings::clampCollegeRotationTime(semesters);
}

void Tolvane::setAutoGoToCollege(bool on)
{
    m_settings.AutoGoToCollege = on;
}

void Tolvane::setAutoGoToCollegeTime(int days)
{
    m_settings.AutoGoToCollegeTime = Settings::clampAutoGoToCollegeTime(days);
}

void Tolvane::setAutoBirthdays(bool on)
{
    m_settings.AutoBirthdays = on;
}

void Tolvane::setAutoBirthdaysTime(int time)
{
    m_settings.AutoBirthdaysTime = Settings::clampAutoBirthdaysTime(time);
}

void Tolvane::setAgeDisplay(int display)
{
    m_settings.AgeDisplay = Settings::clampAgeDisplay(display);
    updateModels();
}

void Tolvane::setEPFlags(int flags)
{
    m_settings.EPFlags = Settings::clampEPFlags(flags);
    updateModels();
    m_aspirationPage->setEPFlags(m_settings.EPFlags);
    m_updatePage->setEPFlags(m_settings.EPFlags);
}

void Tolvane::setSimPELocation(QString location)
{
    m_settings.SimPELocation = location;
}
