#include "support/MessageBoxCatcher.h"

#include <QApplication>
#include <QMessageBox>

MessageBoxCatcher::MessageBoxCatcher()
{
    connect(&timer, &QTimer::timeout, this, &MessageBoxCatcher::closeOpenBox);
    timer.start(5);
}

void MessageBoxCatcher::closeOpenBox()
{
    if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
        texts.append(box->text());
        titles.append(box->windowTitle());
        box->done(QMessageBox::Ok);
    }
}
