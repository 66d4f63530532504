#pragma once

#include "support/FixtureSheet.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <memory>

class QComboBox;
class QWidget;
class UpdateDialog;
class UpdateEntry;
class UpdatePage;

// Drives the real Update tab over a fresh fixture sheet the way a player
// does: picks a category and an event, presses "Add Event", sets the form's
// pieces, presses "Add" and "Apply Updates". The page's requests go to the
// fixture sheet, which creates sims and hands the page the new list.
// Operations that can go wrong return false and leave the reason in error().
class FormDriver
{
public:
    FormDriver(int epFlags, int rotationTime);
    // Drives the Update tab of a real sheet, which keeps the page; sim boxes
    // are then set by the sim's name rather than a fixture key.
    explicit FormDriver(UpdatePage *page);
    ~FormDriver();

    FixtureSheet &sheet() { return *m_sheet; }
    UpdatePage &page() { return *m_page; }
    QString error() const { return m_error; }

    // Opens the event's form through the two boxes and "Add Event".
    bool open(const QString &category, const QString &event);
    UpdateDialog *dialog() const;

    // The pieces of the open form in sentence order, and those of them that
    // take input (everything but the fixed words).
    QList<QWidget *> pieces() const;
    QList<QWidget *> inputs() const;
    // The items of the form's n-th input, which must be a choice.
    QStringList choiceItems(int n) const;

    // The range of the form's n-th input, which must be a number; (0, -1)
    // for any other piece.
    QPair<int, int> numberRange(int n) const;

    // Sets the inputs in order: a number, a typed text, a choice's item, or
    // a sim box's sim named by its fixture key ("" leaves the box alone,
    // "=text" types the text over the box's name).
    bool fill(const QStringList &values);
    // Types into the n-th input, which must be a text field.
    bool type(int n, const QString &text);

    // Presses "Add"; true when the form filed exactly one entry.
    bool add();
    // How many entries the form filed since it was opened.
    int filed() const { return m_filed; }
    // What the form shows besides its pieces (its warning or refusal).
    QString message() const;

    // The page's pending entries, top first.
    QList<UpdateEntry *> pending() const;
    // Presses "Apply Updates".
    bool applyAll();

private:
    QWidget *button(QWidget *parent, const QString &text);

    std::unique_ptr<FixtureSheet> m_sheet;
    std::unique_ptr<UpdatePage> m_ownedPage;
    UpdatePage *m_page;
    QString m_error;
    int m_filed = 0;
};
