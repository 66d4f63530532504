#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

// Answers the file or folder chooser that opens while it lives: chooses
// `choice` (a file, or a folder when the chooser asks for one), or cancels
// when `choice` is empty. It keeps what the chooser showed.
class ChooserAnswer : public QObject
{
public:
    explicit ChooserAnswer(QString choice);

    // The number of choosers it answered, the last one's title and filters.
    int opened = 0;
    QString caption;
    QStringList nameFilters;

private:
    void answer();

    QString choice;
    QTimer timer;
};
