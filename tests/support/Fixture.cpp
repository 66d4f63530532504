#include "support/Fixture.h"

#include <QDir>
#include <QFile>

namespace Fixture {

QByteArray bytes(const QString &path)
{
    QFile file(QStringLiteral(TOLVANE_FIXTURES "/") + path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing fixture %s", qPrintable(path));
    return file.readAll();
}

QStringList fileNames(const QString &folder)
{
    return QDir(QStringLiteral(TOLVANE_FIXTURES "/") + folder).entryList(QDir::Files, QDir::Name);
}

QByteArray cutAfter(const QByteArray &bytes, int lines, int extra)
{
    qsizetype end = 0;
    for (int i = 0; i < lines; ++i)
        end = bytes.indexOf('\n', end) + 1;
    return bytes.left(end + extra);
}

QByteArray withLines(const QByteArray &bytes, int index, const QList<QByteArray> &lines)
{
    QList<QByteArray> all = bytes.split('\n');
    all.remove(index);
    for (qsizetype i = lines.size() - 1; i >= 0; --i)
        all.insert(index, lines.at(i) + '\r');
    return all.join('\n');
}

QByteArray withLine(const QByteArray &bytes, int index, const QByteArray &line)
{
    return withLines(bytes, index, {line});
}

QByteArray withLineEnds(const QByteArray &bytes, const QByteArray &lineEnd, bool finalLineEnd)
{
    QByteArray out = bytes;
    if (!finalLineEnd && out.endsWith("\r\n"))
        out.chop(2);
    return out.replace("\r\n", lineEnd);
}

} // namespace Fixture
