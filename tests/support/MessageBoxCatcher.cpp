#include "support/MessageBoxCatcher.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>

MessageBoxCatcher::MessageBoxCatcher(QMessageBox::StandardButton answer)
    : answer(answer)
{
    connect(&m_timer, &QTimer::timeout, this, &MessageBoxCatcher::closeOpenBox);
    m_timer.start(5);
}

void MessageBoxCatcher::closeOpenBox()
{
    if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
        texts.append(box->text());
        titles.append(box->windowTitle());
        sizes.append(box->size());
        const QList<QLabel *> labels = box->findChildren<QLabel *>();
        for (QLabel *label : labels) {
            if (label->text() == box->text())
                textImages.append(label->grab().toImage());
        }
        const QMessageBox::StandardButton next = answers.isEmpty() ? answer : answers.takeFirst();
        if (QAbstractButton *button = box->button(next); button && next != QMessageBox::Ok)
            button->click();
        else
            box->done(QMessageBox::Ok);
    }
}
