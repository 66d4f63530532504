#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

// Answers the file chooser that opens while it lives: chooses `file`, or
// cancels when `file` is empty. `nameFilters` keeps the chooser's filters.
class FileChooserAnswer : public QObject
{
public:
    explicit FileChooserAnswer(QString file);

    QStringList nameFilters;

private:
    void answer();

    QString file;
    QTimer timer;
};
