#include "support/FormDriver.h"

#include "events/UpdateDialog.h"
#include "events/UpdateEntry.h"
#include "events/UpdatePage.h"
#include "support/WidgetLookup.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPointer>
#include <QSpinBox>
#include <QtTest>

FormDriver::FormDriver(int epFlags, int rotationTime)
    : m_sheet(new FixtureSheet)
    , m_ownedPage(new UpdatePage(m_sheet->sims()))
    , m_page(m_ownedPage.get())
{
    UpdatePage *page = m_page;
    FixtureSheet *sheet = m_sheet.get();
    page->setEPFlags(epFlags);
    page->setRotationTime(rotationTime);
    QObject::connect(page, &UpdatePage::holdAllBut, sheet, &FixtureSheet::holdAllBut);
    QObject::connect(page, &UpdatePage::holdHousehold, sheet, &FixtureSheet::holdHousehold);
    QObject::connect(page, &UpdatePage::holdAllHouseholdsBut, sheet,
                     &FixtureSheet::holdAllHouseholdsBut);
    QObject::connect(page, &UpdatePage::newSim, sheet, &FixtureSheet::newSim);
    QObject::connect(page, &UpdatePage::newTowniePair, sheet, &FixtureSheet::newTowniePair);
    QObject::connect(page, &UpdatePage::removeSim, sheet, &FixtureSheet::removeSim);
    QObject::connect(page, &UpdatePage::addToAchievementsPage, sheet,
                     &FixtureSheet::addToAchievementsPage);
    QObject::connect(sheet, &FixtureSheet::simsChanged, page, &UpdatePage::setSimList);
    page->show();
}

FormDriver::FormDriver(UpdatePage *page)
    : m_page(page)
{
}

FormDriver::~FormDriver()
{
    // The page does not own its form window; guard in case it deletes it.
    if (!m_ownedPage)
        return;
    QPointer<UpdateDialog> form = dialog();
    m_ownedPage.reset();
    m_page = nullptr;
    delete form;
}

QWidget *FormDriver::button(QWidget *parent, const QString &text)
{
    if (QAbstractButton *found = WidgetLookup::button(parent, text))
        return found;
    m_error = QStringLiteral("no button \"%1\"").arg(text);
    return nullptr;
}

bool FormDriver::open(const QString &category, const QString &event)
{
    auto *categoryBox = m_page->findChild<QComboBox *>(QStringLiteral("categoryBox"));
    auto *specificBox = m_page->findChild<QComboBox *>(QStringLiteral("specificBox"));
    if (!categoryBox || !specificBox) {
        m_error = QStringLiteral("the page has no categoryBox or specificBox");
        return false;
    }
    const int c = categoryBox->findText(category);
    if (c < 0) {
        m_error = QStringLiteral("no category \"%1\"").arg(category);
        return false;
    }
    categoryBox->setCurrentIndex(c);
    const int e = specificBox->findText(event);
    if (e < 0) {
        QStringList offered;
        for (int i = 0; i < specificBox->count(); ++i)
            offered << specificBox->itemText(i);
        m_error = QStringLiteral("\"%1\" is not offered under \"%2\": %3")
                      .arg(event, category, offered.join(QStringLiteral(", ")));
        return false;
    }
    specificBox->setCurrentIndex(e);
    QWidget *addEvent = button(m_page, QStringLiteral("Add Event"));
    if (!addEvent)
        return false;
    QTest::mouseClick(addEvent, Qt::LeftButton);
    if (!dialog()) {
        m_error = QStringLiteral("\"Add Event\" opened no form");
        return false;
    }
    m_filed = 0;
    QObject::connect(dialog(), &UpdateDialog::newEvent, dialog(), [this] { ++m_filed; });
    return true;
}

UpdateDialog *FormDriver::dialog() const
{
    return m_page ? WidgetLookup::window<UpdateDialog>(QStringLiteral("updateDialog")) : nullptr;
}

QList<QWidget *> FormDriver::pieces() const
{
    QList<QWidget *> out;
    UpdateDialog *d = dialog();
    if (!d || !d->layout() || d->layout()->count() == 0)
        return out;
    QLayout *rows = d->layout()->itemAt(0)->layout();
    if (!rows)
        return out;
    for (int r = 0; r < rows->count(); ++r) {
        QLayout *row = rows->itemAt(r)->layout();
        if (!row)
            continue;
        for (int i = 0; i < row->count(); ++i) {
            if (QWidget *w = row->itemAt(i)->widget())
                out << w;
        }
    }
    return out;
}

QList<QWidget *> FormDriver::inputs() const
{
    QList<QWidget *> out;
    for (QWidget *w : pieces()) {
        if (!qobject_cast<QLabel *>(w))
            out << w;
    }
    return out;
}

QStringList FormDriver::choiceItems(int n) const
{
    QStringList out;
    const auto in = inputs();
    if (n < 0 || n >= in.size())
        return out;
    if (auto *box = qobject_cast<QComboBox *>(in.at(n))) {
        for (int i = 0; i < box->count(); ++i)
            out << box->itemText(i);
    }
    return out;
}

QPair<int, int> FormDriver::numberRange(int n) const
{
    const auto in = inputs();
    auto *spin = n >= 0 && n < in.size() ? qobject_cast<QSpinBox *>(in.at(n)) : nullptr;
    return spin ? qMakePair(spin->minimum(), spin->maximum()) : qMakePair(0, -1);
}

bool FormDriver::fill(const QStringList &values)
{
    const auto in = inputs();
    if (in.size() != values.size()) {
        m_error = QStringLiteral("the form takes %1 inputs, the test gives %2")
                      .arg(in.size())
                      .arg(values.size());
        return false;
    }
    for (int n = 0; n < in.size(); ++n) {
        const QString &value = values.at(n);
        QWidget *w = in.at(n);
        if (auto *spin = qobject_cast<QSpinBox *>(w)) {
            bool ok = false;
            const int v = value.toInt(&ok);
            if (!ok || v < spin->minimum() || v > spin->maximum()) {
                m_error = QStringLiteral("input %1: %2 is outside %3..%4")
                              .arg(n)
                              .arg(value)
                              .arg(spin->minimum())
                              .arg(spin->maximum());
                return false;
            }
            spin->setValue(v);
        } else if (qobject_cast<QLineEdit *>(w)) {
            if (!type(n, value))
                return false;
        } else if (auto *box = qobject_cast<QComboBox *>(w)) {
            QString text = value;
            // An empty value leaves a sim box as it is (empty, for one with
            // no sims).
            if (box->isEditable() && value.isEmpty())
                continue;
            // "=text" types the text over a sim box's name, choosing nothing.
            if (box->isEditable() && value.startsWith(QLatin1Char('='))) {
                box->lineEdit()->selectAll();
                QTest::keyClicks(box->lineEdit(), value.mid(1));
                continue;
            }
            if (box->isEditable() && m_sheet) {
                Sim *sim = m_sheet->sim(value);
                if (!sim) {
                    m_error = QStringLiteral("input %1: no fixture sim %2").arg(n).arg(value);
                    return false;
                }
                text = sim->name();
            }
            const int i = box->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
            if (i < 0) {
                m_error = QStringLiteral("input %1: \"%2\" is not offered; the box holds: %3")
                              .arg(n)
                              .arg(text, choiceItems(n).join(QStringLiteral(", ")));
                return false;
            }
            box->setCurrentIndex(i);
        } else {
            m_error = QStringLiteral("input %1 is a %2").arg(n).arg(w->metaObject()->className());
            return false;
        }
    }
    return true;
}

bool FormDriver::type(int n, const QString &text)
{
    const auto in = inputs();
    auto *edit = n >= 0 && n < in.size() ? qobject_cast<QLineEdit *>(in.at(n)) : nullptr;
    if (!edit) {
        m_error = QStringLiteral("input %1 is not a text field").arg(n);
        return false;
    }
    edit->setFocus();
    edit->selectAll();
    if (text.isEmpty())
        QTest::keyClick(edit, Qt::Key_Backspace);
    else
        QTest::keyClicks(edit, text);
    if (edit->text() != text) {
        m_error = QStringLiteral("input %1 reads \"%2\" after typing \"%3\"")
                      .arg(n)
                      .arg(edit->text(), text);
        return false;
    }
    return true;
}

bool FormDriver::add()
{
    UpdateDialog *d = dialog();
    if (!d) {
        m_error = QStringLiteral("no form is open");
        return false;
    }
    QWidget *addButton = button(d, QStringLiteral("Add"));
    if (!addButton)
        return false;
    const int before = m_filed;
    QTest::mouseClick(addButton, Qt::LeftButton);
    if (m_filed != before + 1) {
        m_error = QStringLiteral("\"Add\" filed %1 entries; the form says \"%2\"")
                      .arg(m_filed - before)
                      .arg(message());
        return false;
    }
    return true;
}

QString FormDriver::message() const
{
    QStringList texts;
    UpdateDialog *d = dialog();
    if (!d || !d->layout())
        return QString();
    QLayout *main = d->layout();
    for (int i = 0; i < main->count(); ++i) {
        if (auto *label = qobject_cast<QLabel *>(main->itemAt(i)->widget())) {
            if (!label->text().isEmpty())
                texts << label->text();
        }
    }
    return texts.join(QLatin1Char(' '));
}

QList<UpdateEntry *> FormDriver::pending() const
{
    return m_page->pendingEntries();
}

bool FormDriver::applyAll()
{
    QWidget *apply = button(m_page, QStringLiteral("Apply Updates"));
    if (!apply)
        return false;
    QTest::mouseClick(apply, Qt::LeftButton);
    return true;
}
