#include "support/FolderChooserAnswer.h"

#include <QApplication>
#include <QFileDialog>

FolderChooserAnswer::FolderChooserAnswer(QString folder)
    : folder(std::move(folder))
{
    connect(&timer, &QTimer::timeout, this, &FolderChooserAnswer::answer);
    timer.start(5);
}

void FolderChooserAnswer::answer()
{
    auto *chooser = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
    if (!chooser)
        return;
    ++opened;
    caption = chooser->windowTitle();
    if (folder.isEmpty()) {
        chooser->reject();
        return;
    }
    chooser->setDirectory(folder);
    QMetaObject::invokeMethod(chooser, "accept");
}
