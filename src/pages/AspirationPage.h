#pragma once

#include "records/Sim.h"

#include <QList>
#include <QPointer>
#include <QString>
#include <QWidget>

class AspirationDisplay;
class QComboBox;
class QHBoxLayout;
class QLabel;
class QScrollArea;
class QVBoxLayout;

// The aspiration history of the m_sim last picked on the List of Sims tab:
// one display per shown period, newest on top. Saved edits go straight into
// the m_sim.
class AspirationPage : public QWidget
{
    Q_OBJECT

public:
    explicit AspirationPage(int epFlags);
    ~AspirationPage() override;

    void setSim(QPointer<Sim> sim);
    void setEPFlags(int epFlags);

    // The periods the tab shows: from the first with a primary aspiration up
    // to the next without one (or the end). Empty when none has one.
    static QList<int> shownPeriods(const Sim *sim);

private slots:
    void updateDisplay();
    void updateAspiration(AspirationDisplay *display, int primary, int secondary);
    void updateLTW(AspirationDisplay *display, int want, QString text, int done, int total);
    void deleteAspirationDisplay(AspirationDisplay *display);
    void showStored(AspirationDisplay *display);

private:
    // The period a display stands for; -1 when it is not one of ours.
    int periodOf(AspirationDisplay *display) const;
    void fillWants(AspirationDisplay *display, int period) const;

    QPointer<Sim> m_sim;
    int m_epFlags;
    QList<AspirationDisplay *> m_displays;
    int m_firstPeriod = 0;
    QLabel *m_titleLabel;
    QLabel *m_hobbyLabel;
    QComboBox *m_hobbyBox;
    QWidget *m_displayWidget;
    QScrollArea *m_scrollArea;
    QVBoxLayout *m_displayColumn;
    QHBoxLayout *m_titleRow;
    QHBoxLayout *m_hobbyRow;
    QVBoxLayout *m_mainLayout;
};
