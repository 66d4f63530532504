#include "support/WorkingFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

WorkingFolder::WorkingFolder()
    : previous(QDir::currentPath())
{
    if (!folder.isValid() || !QDir::setCurrent(folder.path()))
        qFatal("cannot make a working folder");
}

WorkingFolder::~WorkingFolder()
{
    QDir::setCurrent(previous);
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
