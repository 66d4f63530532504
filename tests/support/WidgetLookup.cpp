#include "support/WidgetLookup.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QTreeView>
#include <QWidget>

namespace WidgetLookup {

QWidget *window(const QString &objectName)
{
    const auto windows = QApplication::topLevelWidgets();
    for (QWidget *candidate : windows) {
        if (candidate->objectName() == objectName)
            return candidate;
    }
    return nullptr;
}

QString labelText(const QWidget *root, const QString &objectName)
{
    const QLabel *found = root ? root->findChild<QLabel *>(objectName) : nullptr;
    return found ? found->text() : QString();
}

QAbstractButton *button(const QWidget *root, const QString &text)
{
    const auto buttons = root->findChildren<QAbstractButton *>();
    for (QAbstractButton *candidate : buttons) {
        if (candidate->text() == text)
            return candidate;
    }
    return nullptr;
}

QStringList labelTexts(const QWidget *root)
{
    QStringList texts;
    const auto labels = root->findChildren<QLabel *>();
    for (const QLabel *candidate : labels)
        texts.append(candidate->text());
    return texts;
}

QLabel *label(const QWidget *root, const QString &text)
{
    const auto labels = root->findChildren<QLabel *>();
    for (QLabel *candidate : labels) {
        if (candidate->text() == text)
            return candidate;
    }
    return nullptr;
}

bool clickRow(QTreeView *view, const QString &text)
{
    const QModelIndexList found = view->model()->match(view->model()->index(0, 0), Qt::DisplayRole,
                                                       text, 1, Qt::MatchExactly);
    if (found.isEmpty())
        return false;
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(found.first()).center());
    return view->currentIndex().data().toString() == text;
}

} // namespace WidgetLookup
