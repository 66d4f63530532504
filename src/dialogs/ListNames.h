#pragma once

#include <QString>
#include <QStringList>

// Names of list files: a list "Name" lives in "Name.sls" in the working
// folder, and the dialogs show and pass on the name without its extension.
namespace ListNames {

// The names of the list files in a folder: files only, whose names end in
// ".sls" exactly, sorted by character code.
QStringList inFolder(const QString &folder);

// A typed name as the sheet should get it: blanks around it dropped and one
// ".sls" at its end removed, since the sheet adds the extension itself.
QString clean(const QString &typed);

// Why a cleaned name cannot be saved under: empty when it can. A name must
// name a file of the working folder and nothing else.
QString problem(const QString &name);

} // namespace ListNames
