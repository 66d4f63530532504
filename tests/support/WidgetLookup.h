#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QWidget>

class QAbstractButton;
class QLabel;
class QTreeView;

// Finds the widgets of a page by what the player sees on them.
namespace WidgetLookup {

// The button or check box below root showing exactly this text; null when none.
QAbstractButton *button(const QWidget *root, const QString &text);
// The texts of the labels below root, in creation order.
QStringList labelTexts(const QWidget *root);
// The first label below root showing exactly this text; null when none.
QLabel *label(const QWidget *root, const QString &text);

// The top-level window with this object name; null when none is open.
QWidget *window(const QString &objectName);
template <typename T>
T *window(const QString &objectName)
{
    return qobject_cast<T *>(window(objectName));
}

// The text of the label with this object name below root; empty when none.
QString labelText(const QWidget *root, const QString &objectName);

// Clicks the row of the view whose first column shows this text; true when
// that row became current.
bool clickRow(QTreeView *view, const QString &text);

} // namespace WidgetLookup
