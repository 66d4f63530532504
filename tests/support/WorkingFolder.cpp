#include "support/WorkingFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

WorkingFolder::WorkingFolder()
    : previous(QDir::currentPath())
    , previousDrives(qgetenv("TOLVANE_DRIVES"))
    , hadDrives(qEnvironmentVariableIsSet("TOLVANE_DRIVES"))
{
    if (!folder.isValid() || !QDir::setCurrent(folder.path()))
        qFatal("cannot make a working folder");
    // The folder is also the only drive the program looks for the game's
    // neighbourhoods on, so no test reads the machine's own drives.
    qputenv("TOLVANE_DRIVES", folder.path().toUtf8());
}

WorkingFolder::~WorkingFolder()
{
    QDir::setCurrent(previous);
    if (hadDrives)
        qputenv("TOLVANE_DRIVES", previousDrives);
    else
        qunsetenv("TOLVANE_DRIVES");
}

void WorkingFolder::write(const QString &relativePath, const QByteArray &bytes) const
{
    const QString path =
        QDir::isAbsolutePath(relativePath) ? relativePath : folder.filePath(relativePath);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}
