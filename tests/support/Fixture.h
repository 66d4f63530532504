#pragma once

#include <QByteArray>
#include <QString>

// The fixture files under tests/fixtures.
namespace Fixture {

// The bytes of the fixture at this path under tests/fixtures; a missing
// fixture ends the run, since every test that asks for one needs it.
QByteArray bytes(const QString &path);

// The first `lines` lines of a file (with their line ends) and `extra`
// bytes of the next one: a file cut short where a crash or a full disk
// left it.
QByteArray cutAfter(const QByteArray &bytes, int lines, int extra = 0);

} // namespace Fixture
