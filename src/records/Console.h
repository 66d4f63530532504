#pragma once

#include <QString>

// Progress and diagnostic lines on standard output. Every part writes them
// through here so that they come out in one encoding (UTF-8) and in order
// with each other, whatever else writes to standard output.
namespace Console {

// The text and a line end.
void line(const QString &text);

// The text alone, for output that continues on the same line.
void text(const QString &text);

} // namespace Console
