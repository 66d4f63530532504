#include "support/ChooserAnswer.h"

#include <QApplication>
#include <QFileDialog>

ChooserAnswer::ChooserAnswer(QString choice)
    : choice(std::move(choice))
{
    connect(&timer, &QTimer::timeout, this, &ChooserAnswer::answer);
    timer.start(5);
}

void ChooserAnswer::answer()
{
    auto *chooser = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
    if (!chooser)
        return;
    ++opened;
    caption = chooser->windowTitle();
    nameFilters = chooser->nameFilters();
    if (choice.isEmpty()) {
        chooser->reject();
        return;
    }
    if (chooser->fileMode() == QFileDialog::Directory)
        chooser->setDirectory(choice);
    else
        chooser->selectFile(choice);
    // accept() checks the choice as a click on "Open" would.
    QMetaObject::invokeMethod(chooser, "accept");
}
