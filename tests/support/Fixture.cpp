#include "support/Fixture.h"

#include <QFile>

namespace Fixture {

QByteArray bytes(const QString &path)
{
    QFile file(QStringLiteral(TOLVANE_FIXTURES "/") + path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing fixture %s", qPrintable(path));
    return file.readAll();
}

} // namespace Fixture
