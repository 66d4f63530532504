#include "platform/Platform.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace Platform {

QString userName()
{
    // Windows names the user in USERNAME, the other systems in USER.
    const char *const variables[] = {"USERNAME", "USER", "LOGNAME"};
    for (const char *variable : variables) {
        const QString name = qEnvironmentVariable(variable);
        if (!name.isEmpty())
            return name;
    }
    return QString();
}

QStringList driveRoots()
{
    QStringList roots;
    const QString override = qEnvironmentVariable("TOLVANE_DRIVES");
    if (!override.isEmpty()) {
        const QStringList folders = override.split(QDir::listSeparator(), Qt::SkipEmptyParts);
        for (const QString &folder : folders)
            roots.append(QDir::fromNativeSeparators(folder));
        return roots;
    }
    const QFileInfoList drives = QDir::drives();
    for (const QFileInfo &drive : drives)
        roots.append(drive.absolutePath());
    return roots;
}

QString neighborhoodFolder(const QString &user, const QStringList &roots)
{
    // Without a user name the path would name another folder than the
    // user's own.
    if (user.isEmpty())
        return QString();
    for (const QString &root : roots) {
        const QString candidate = root + QStringLiteral("/Documents and Settings/") + user
            + QStringLiteral("/My Documents/EA Games/The Sims 2/Neighborhoods/");
        if (QFileInfo(candidate).isDir())
            return candidate;
    }
    return QString();
}

QString neighborhoodFolder()
{
    return neighborhoodFolder(userName(), driveRoots());
}

bool isNeighborhoodId(const QString &text)
{
    static const QRegularExpression id(
        QRegularExpression::anchoredPattern(QStringLiteral("[A-Za-z0-9_]{4}")));
    return id.match(text).hasMatch();
}

QStringList neighborhoodIds(const QString &folder)
{
    if (folder.isEmpty())
        return {};
    QStringList ids;
    const QStringList entries =
        QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QString &entry : entries) {
        if (isNeighborhoodId(entry))
            ids.append(entry);
    }
    return ids;
}

} // namespace Platform
