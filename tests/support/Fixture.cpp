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

QByteArray cutAfter(const QByteArray &bytes, int lines, int extra)
{
    qsizetype end = 0;
    for (int i = 0; i < lines; ++i)
        end = bytes.indexOf('\n', end) + 1;
    return bytes.left(end + extra);
}

} // namespace Fixture
