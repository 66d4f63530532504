#pragma once

#include <QString>
#include <QStringList>

// What the program takes from the machine it runs on: the user, the drives
// and the game's neighbourhood folder under them.
namespace Platform {

// The name of the user running the program; empty when the system names
// none.
QString userName();

// The root folders of the machine's drives, in the platform's order. The
// environment variable TOLVANE_DRIVES, a list of folders separated as in
// PATH, stands in for them: the game's drive may be a folder of its own,
// such as the drive of a Windows compatibility layer.
QStringList driveRoots();

// The game's neighbourhood folder of `user` under the first of `roots` that
// holds one; empty when none does.
QString neighborhoodFolder(const QString &user, const QStringList &roots);
// The same for the current user and the machine's drives.
QString neighborhoodFolder();

// Whether a text is a neighbourhood id: exactly four ASCII letters, digits
// or underscores. Nothing else is ever handed to the extract step.
bool isNeighborhoodId(const QString &text);

// The neighbourhood ids of a neighbourhood folder: its entries whose names
// are ids, by name with letter case ignored. Nothing for an empty or
// missing folder.
QStringList neighborhoodIds(const QString &folder);

} // namespace Platform
