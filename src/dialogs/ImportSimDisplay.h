#pragma once

#include <QString>
#include <QWidget>

class QCheckBox;
class QComboBox;
class QHBoxLayout;
class QLineEdit;
class QVBoxLayout;

// One row of an import page: a box whose text describes the sim and whose
// tick selects it, the eight life-state boxes the sim may take, the witch
// alignment and the household. It holds only what it shows.
class ImportSimDisplay : public QWidget
{
public:
    ImportSimDisplay();

    void setName(const QString &name);
    void setGender(const QString &gender);
    void setLifeStage(const QString &lifeStage);
    void setAspirations(const QString &primary, const QString &secondary);
    void setSpecies(const QString &species);
    void setEPFlags(int flags);
    void setHousehold(const QString &household);
    void setSelected(bool selected);
    void setTypeFlags(unsigned int flags);
    void setAlignment(int alignment);

    bool isSelected() const;
    int typeFlags() const;
    QString household() const;
    int alignment() const;

    // The caption and which life-state boxes are enabled.
    void updateDisplay();

private:
    QString m_name;
    QString m_gender;
    QString m_lifeStage;
    QString m_species;
    QString m_primaryAspiration;
    QString m_secondaryAspiration;
    int m_epFlags = 0;
    QCheckBox *m_selectBox;
    // Alien, Zombie, Vampire, Servo, Werewolf, Plantsim, Bigfoot, Witch.
    QCheckBox *m_stateBoxes[8];
    QComboBox *m_alignmentBox;
    QLineEdit *m_householdEdit;
    QHBoxLayout *m_topLine;
    QHBoxLayout *m_flagLine;
    QVBoxLayout *m_column;
};
