#pragma once

#include <QDialog>
#include <QList>

class QCheckBox;
class QGroupBox;
class QScrollArea;
class QVBoxLayout;

// Fifty check boxes in seven groups, one per bit of the sheet's filter
// masks (see FilterTable). Every toggle is sent on at once as the box's own
// signal with its new state; the sheet's slot of the same name sets the bit
// and rebuilds the list, so the list follows while the dialog stays open.
class FilterDialog : public QDialog
{
    Q_OBJECT

public:
    FilterDialog();

signals:
    void setAliveFilter(bool on);
    void setDeadFilter(bool on);
    void setPlayableFilter(bool on);
    void setTownieFilter(bool on);
    void setNPCFilter(bool on);
    void setRunawayFilter(bool on);
    void setAdoptionFilter(bool on);
    void setDowntownieFilter(bool on);
    void setGardenClubFilter(bool on);
    void setIslandFilter(bool on);
    void setMountainFilter(bool on);
    void setAsianFilter(bool on);
    void setTouristFilter(bool on);
    void setHobbyFilter(bool on);
    void setSocialiteFilter(bool on);
    void setBohemianFilter(bool on);
    void setJockFilter(bool on);
    void setTechieFilter(bool on);
    void setGearheadFilter(bool on);
    void setHumanFilter(bool on);
    void setLargeDogFilter(bool on);
    void setSmallDogFilter(bool on);
    void setCatFilter(bool on);
    void setMaleFilter(bool on);
    void setFemaleFilter(bool on);
    void setBabyFilter(bool on);
    void setToddlerFilter(bool on);
    void setChildFilter(bool on);
    void setTeenFilter(bool on);
    void setYAFilter(bool on);
    void setAdultFilter(bool on);
    void setElderFilter(bool on);
    void setNoneFilter(bool on);
    void setGrowUpFilter(bool on);
    void setFortuneFilter(bool on);
    void setFamilyFilter(bool on);
    void setPopularityFilter(bool on);
    void setRomanceFilter(bool on);
    void setKnowledgeFilter(bool on);
    void setPleasureFilter(bool on);
    void setGrilledCheeseFilter(bool on);
    void setNormalFilter(bool on);
    void setAlienFilter(bool on);
    void setZombieFilter(bool on);
    void setVampireFilter(bool on);
    void setWerewolfFilter(bool on);
    void setServoFilter(bool on);
    void setPlantsimFilter(bool on);
    void setBigfootFilter(bool on);
    void setWitchFilter(bool on);

private:
    // In FilterTable::boxes() order.
    QList<QCheckBox *> m_boxes;
    // In FilterTable::groups() order.
    QList<QGroupBox *> m_groupBoxes;
    // The group boxes, top to bottom, in the scroll area.
    QVBoxLayout *m_mainLayout;
    QScrollArea *m_scrollArea;
};
