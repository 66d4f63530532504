#pragma once

#include <QString>
#include <QStringView>

// What a text must not hold to survive a save and reopen of the list file,
// whose records are single comma-separated lines without escaping.
namespace ListFileText {

// A line break would end the record's line early.
bool hasLineBreak(const QString &text);

// The text with every line break written as a blank, for single-line fields.
QString singleLine(QString text);

// A quoted field ends at the first double quote followed by a comma.
bool hasQuoteComma(const QString &text);

// A quoted field also cannot start with a comma: it would read as empty.
bool breaksQuotedField(const QString &text);

// The text made fit for a single-line quoted field, for texts that come
// from elsewhere and cannot be sent back to be mended (the sim editor's
// export): every line break becomes a blank as in singleLine, and a blank
// goes between a double quote and the comma after it, and before a leading
// comma. No character is dropped; a text fieldProblem accepts stays as it is.
QString quotedField(QString text);

// Why a text typed by the player cannot be stored in a single-line quoted
// field (a name, a household, a major); empty when it can. The message
// begins with `field`, which names the field, e.g. "A household name".
QString fieldProblem(const QString &field, const QString &text);

// Why a sim's line cannot hold this picture path; empty when it can. The
// path is stored unquoted before the notes: a comma would end it there and
// push the rest of the path into the notes, and a line break would be
// written as a blank.
QString imagePathProblem(const QString &path);

// The value of a number written as the writer writes every number
// (QString::number): plain ASCII decimal, a minus only before a value other
// than 0, no leading zero, no blank, no plus sign. `ok` is false, and 0 is
// returned, for any other text and for a value past the range of int: a
// changed "-1" read as "-0", or "42" as "02", would otherwise pass for
// another sim or another age without a word.
int writtenNumber(QStringView text, bool *ok);

} // namespace ListFileText
