#pragma once

#include "dialogs/ExportReader.h"

#include <initializer_list>
#include <utility>

// An import record of a living human adult "Kim Lo" of family instance 7,
// selected, with the given positions changed.
ImportRecord importRecord(std::initializer_list<std::pair<int, QString>> changes = {});
