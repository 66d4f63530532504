#include "dialogs/ListNames.h"

#include <QDir>

namespace ListNames {

namespace {
const QString extension = QStringLiteral(".sls");
}

QStringList inFolder(const QString &folder)
{
    QStringList names;
    const QStringList files = QDir(folder).entryList({QStringLiteral("*") + extension}, QDir::Files);
    for (const QString &file : files) {
        // The wildcard ignores letter case; the sheet opens "<name>.sls" only.
        if (file.endsWith(extension) && file.size() > extension.size())
            names.append(file.chopped(extension.size()));
    }
    names.sort(Qt::CaseSensitive);
    return names;
}

QString clean(const QString &typed)
{
    QString name = typed.trimmed();
    if (name.endsWith(extension))
        name.chop(extension.size());
    return name;
}

QString problem(const QString &name)
{
    if (name.isEmpty() || name.startsWith(QLatin1Char('.')) || name.contains(QLatin1Char('/'))
        || name.contains(QLatin1Char('\\')) || name.contains(QLatin1String("..")))
        return QStringLiteral("Please give the list a name that does not start with \".\" and "
                              "holds no \"/\", \"\\\" or \"..\".");
    return QString();
}

} // namespace ListNames
