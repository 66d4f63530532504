#include "support/WidgetLookup.h"

#include <QAbstractButton>
#include <QLabel>
#include <QWidget>

namespace WidgetLookup {

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

} // namespace WidgetLookup
