#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

// Answers the folder chooser that opens while it lives: chooses `folder`,
// or cancels when `folder` is empty. `opened` counts the choosers it saw.
class FolderChooserAnswer : public QObject
{
public:
    explicit FolderChooserAnswer(QString folder);

    int opened = 0;
    QString caption;

private:
    void answer();

    QString folder;
    QTimer timer;
};
