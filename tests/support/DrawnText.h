#pragma once

#include <QList>
#include <QSize>
#include <QString>

class QImage;
class QWidget;

// Where text lies in what a widget draws, to tell the order in which its
// parts are shown.
namespace DrawnText {

// The ink of each pixel column of the widget as drawn, from its left edge
// to its last inked column. A column's ink is how much darker than the
// background its pixels are, summed.
QList<int> inkColumns(QWidget *widget);

// The ink columns of `text` drawn by a stock plain-text label of `size`
// from its left edge, in the direction the text takes by itself: a name
// alone reads in its own direction.
QList<int> inkColumnsOf(const QString &text, const QSize &size);

// The ink columns of `sentence` read as a left-to-right paragraph, as a
// stock label of `size` draws it when a left-to-right mark comes first:
// Unicode's own way of saying which way a paragraph runs.
QList<int> inkColumnsLeftToRight(const QString &sentence, const QSize &size);

// Where each line of text in `image` starts: for each band of rows with
// ink, top to bottom, its first inked column.
QList<int> lineStarts(const QImage &image);

// Test rows of English sentences that begin with a name: columns
// "sentence" and "first", the name it begins with.
void addSentencesBeginningWithNames();

} // namespace DrawnText
