#pragma once

#include <QApplication>
#include <QString>
#include <QStringList>

class QAbstractButton;
class QLabel;
class QTreeView;
class QWidget;

// Finds the widgets of a page by what the player sees on them.
namespace WidgetLookup {

// The button or check box below root showing exactly this text; null when none.
QAbstractButton *button(const QWidget *root, const QString &text);
// The texts of the labels below root, in creation order.
QStringList labelTexts(const QWidget *root);
// The first label below root showing exactly this text; null when none.
QLabel *label(const QWidget *root, const QString &text);

// Clicks the row of the view whose first column shows this text; true when
// that row became current.
bool clickRow(QTreeView *view, const QString &text);

// The first top-level window of type T, such as a dialog a page opened;
// null when there is none.
template <typename T>
T *window()
{
    const auto windows = QApplication::topLevelWidgets();
    for (QWidget *candidate : windows) {
        if (auto *found = qobject_cast<T *>(candidate))
            return found;
    }
    return nullptr;
}

} // namespace WidgetLookup
