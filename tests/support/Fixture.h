#pragma once

#include <QByteArray>
#include <QString>

// The fixture files under tests/fixtures.
namespace Fixture {

// The bytes of the fixture at this path under tests/fixtures; a missing
// fixture ends the run, since every test that asks for one needs it.
QByteArray bytes(const QString &path);

} // namespace Fixture
