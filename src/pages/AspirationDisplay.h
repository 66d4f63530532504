#pragma once

#include <QList>
#include <QStackedWidget>
#include <QString>

class QComboBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QVBoxLayout;

// Shows and edits one aspiration period: its aspiration(s) and lifetime
// wants. Page 0 views, page 1 edits; edits are reported only by
// "Save and View".
class AspirationDisplay : public QStackedWidget
{
    Q_OBJECT

public:
    explicit AspirationDisplay(int epFlags);

    void setAspirations(int primary, int secondary);
    void addLTW(QString text, int done, int total);
    // Drops every want row (the sim keeps its wants).
    void clearLTWs();

    // "33.3" for 1 of 3: three significant digits, 0 when there are no steps.
    static QString percentDone(int done, int total);
    // A want's line on the view page.
    static QString ltwLine(const QString &text, int done, int total);
    // The view page's summary line (rich text).
    static QString summaryText(int primary, int secondary, bool freeTime);

signals:
    void updateAspiration(AspirationDisplay *display, int primary, int secondary);
    void updateLTW(AspirationDisplay *display, int want, QString text, int done, int total);
    void deleteMe(AspirationDisplay *display);
    // After "Save and View" has reported every edit.
    void saved(AspirationDisplay *display);

private slots:
    void changeToViewPage();
    void changeToEditPage();
    void addLTW();
    void deleteLastLTW();
    void recalcSteps();
    void deleteMe();

private:
    bool freeTime() const;

    int m_epFlags;
    QWidget *m_viewPage;
    QWidget *m_editPage;
    QPushButton *m_editButton;
    QPushButton *m_saveButton;
    QPushButton *m_deleteButton;
    QLabel *m_summaryLabel;
    QLabel *m_aspirationLabel;
    QLabel *m_secondaryLabel;
    QComboBox *m_primaryBox;
    QComboBox *m_secondaryBox;
    QLabel *m_viewLTWLabel;
    QLabel *m_editLTWLabel;
    QPushButton *m_addLTWButton;
    QList<QLabel *> m_ltwLabels;
    QList<QLineEdit *> m_ltwEdits;
    QList<QSpinBox *> m_ltwDoneBoxes;
    QList<QSpinBox *> m_ltwTotalBoxes;
    QList<QLabel *> m_ltwOfLabels;
    QList<QLabel *> m_ltwStepsLabels;
    QPushButton *m_deleteLastLTWButton;
    QVBoxLayout *m_buttonColumn;
    QHBoxLayout *m_summaryRow;
    QHBoxLayout *m_aspirationRow;
    QHBoxLayout *m_viewLTWHeader;
    QVBoxLayout *m_viewLTWColumn;
    QHBoxLayout *m_editLTWHeader;
    QList<QHBoxLayout *> m_ltwRows;
    QVBoxLayout *m_editLTWColumn;
    QVBoxLayout *m_viewLayout;
    QVBoxLayout *m_editColumn;
    QHBoxLayout *m_editLayout;
};
