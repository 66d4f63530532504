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
    int ltwCount() const { return int(ltwRows.size()); }

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

    int epFlags;
    QWidget *viewPage;
    QWidget *editPage;
    QPushButton *editButton;
    QPushButton *saveButton;
    QPushButton *deleteButton;
    QLabel *summaryLabel;
    QLabel *aspirationLabel;
    QLabel *secondaryLabel;
    QComboBox *primaryBox;
    QComboBox *secondaryBox;
    QLabel *viewLTWLabel;
    QLabel *editLTWLabel;
    QPushButton *addLTWButton;
    QList<QLabel *> ltwLabels;
    QList<QLineEdit *> ltwEdits;
    QList<QSpinBox *> ltwDoneBoxes;
    QList<QSpinBox *> ltwTotalBoxes;
    QList<QLabel *> ltwOfLabels;
    QList<QLabel *> ltwStepsLabels;
    QPushButton *deleteLastLTWButton;
    QVBoxLayout *buttonColumn;
    QHBoxLayout *summaryRow;
    QHBoxLayout *aspirationRow;
    QHBoxLayout *viewLTWHeader;
    QVBoxLayout *viewLTWColumn;
    QHBoxLayout *editLTWHeader;
    QList<QHBoxLayout *> ltwRows;
    QVBoxLayout *editLTWColumn;
    QVBoxLayout *viewLayout;
    QVBoxLayout *editColumn;
    QHBoxLayout *editLayout;
};
