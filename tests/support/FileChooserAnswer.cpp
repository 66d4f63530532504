#include "support/FileChooserAnswer.h"

#include <QApplication>
#include <QFileDialog>

FileChooserAnswer::FileChooserAnswer(QString file)
    : file(std::move(file))
{
    connect(&timer, &QTimer::timeout, this, &FileChooserAnswer::answer);
    timer.start(5);
}

void FileChooserAnswer::answer()
{
    auto *chooser = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
    if (!chooser)
        return;
    nameFilters = chooser->nameFilters();
    if (file.isEmpty()) {
        chooser->reject();
        return;
    }
    chooser->selectFile(file);
    // accept() checks the choice as a click on "Open" would.
    QMetaObject::invokeMethod(chooser, "accept");
}
