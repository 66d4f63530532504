#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// The fixture files under tests/fixtures.
namespace Fixture {

// The bytes of the fixture at this path under tests/fixtures; a missing
// fixture ends the run, since every test that asks for one needs it.
QByteArray bytes(const QString &path);

// The names of the files in a folder under tests/fixtures, in name order.
QStringList fileNames(const QString &folder);

// The first `lines` lines of a file (with their line ends) and `extra`
// bytes of the next one: a file cut short where a crash or a full disk
// left it.
QByteArray cutAfter(const QByteArray &bytes, int lines, int extra = 0);

// A file with CR LF line ends whose line `index` (counted from 0) is
// replaced by the given lines: none to lose it, two copies to repeat it.
QByteArray withLines(const QByteArray &bytes, int index, const QList<QByteArray> &lines);
QByteArray withLine(const QByteArray &bytes, int index, const QByteArray &line);

// A file with CR LF line ends written with other line ends, and without the
// end of its last line when `finalLineEnd` is false.
QByteArray withLineEnds(const QByteArray &bytes, const QByteArray &lineEnd, bool finalLineEnd);

} // namespace Fixture
