#include "support/MessageBoxCatcher.h"

#include <QApplication>
#include <QMessageBox>

MessageBoxCatcher::MessageBoxCatcher()
{
    connect(&m_timer, &QTimer::timeout, this, &MessageBoxCatcher::closeOpenBox);
    m_timer.start(5);
}

void MessageBoxCatcher::closeOpenBox()
{
    if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
        texts.append(box->text());
        titles.append(box->windowTitle());
        box->done(QMessageBox::Ok);
    }
}
