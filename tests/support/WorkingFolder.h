#pragma once

#include <QString>
#include <QTemporaryDir>

// A fresh temporary folder that is the working folder while this lives,
// where the program keeps its list files, settings and import output. It is
// also the one drive root (TOLVANE_DRIVES) the program searches.
class WorkingFolder
{
public:
    WorkingFolder();
    ~WorkingFolder();
    WorkingFolder(const WorkingFolder &) = delete;
    WorkingFolder &operator=(const WorkingFolder &) = delete;

    QString path() const { return folder.path(); }
    // Writes a file under the folder (or at an absolute path), making its
    // folders; fails the run when it cannot.
    void write(const QString &relativePath, const QByteArray &bytes) const;

private:
    QTemporaryDir folder;
    QString previous;
    QByteArray previousDrives;
    bool hadDrives;
};
