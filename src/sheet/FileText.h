#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

// The text of the files the program reads: list files and "tolvane.conf".
namespace FileText {

// The bytes as UTF-8 when they are valid UTF-8, else as Windows-1252, the
// Western code page files saved on Windows were written in. A leading
// UTF-8 byte-order mark is dropped.
QString decode(const QByteArray &bytes);

bool isValidUtf8(const QByteArray &bytes);
QString fromWindows1252(QByteArrayView bytes);

// A list file's text, line by line where it has to be.
struct Lines
{
    QString text;
    // The lines, counted from 0 at LF as LineCursor hands them out, that
    // hold bytes that are not UTF-8 in a file written in UTF-8: ascending,
    // and empty for a file that is UTF-8 throughout or Windows-1252
    // throughout.
    QList<qsizetype> notUtf8;
};

// As decode, but a file that is not valid UTF-8 throughout and yet shows it
// was written in UTF-8 is a UTF-8 file with bad bytes, as one changed byte
// leaves it: every UTF-8 sequence is read as UTF-8 and only the bytes that
// are not UTF-8 as Windows-1252, and the lines that hold such bytes are
// listed. What shows it is what Windows-1252 text does not give by chance:
// a byte-order mark, a letter of any alphabet in two bytes or any sequence
// of three or four, but not an accented letter followed by the marks that
// end a word ("CAFÉ’S", "fatigué »") unless it stands inside a word or
// nobody types it so ("È™" is Romanian ș, "á»“" Vietnamese ồ). A file
// without such evidence is an older list written in the Windows code page,
// and reads as decode reads it.
Lines decodeLines(const QByteArray &bytes);

// Hands out the lines of a text one at a time: a line ends at LF, every CR
// is dropped, and reading past the end gives empty lines, so every section
// of a file also ends at the end of the file.
class LineCursor
{
public:
    explicit LineCursor(const QString &text, const QList<qsizetype> &notUtf8 = {});

    QString next();
    bool atEnd() const { return m_pos >= m_text.size(); }
    // False when the last line handed out ran to the end of the text
    // without a line end. A line that ends in CR there lost only its LF:
    // every line is written with CR LF, so the CR shows it was whole.
    bool lineEnded() const { return m_lineEnded; }
    // Whether the last line handed out is one of the lines not UTF-8.
    bool lineNotUtf8() const { return m_lineNotUtf8; }

private:
    QString m_text;
    qsizetype m_pos = 0;
    bool m_lineEnded = true;
    QList<qsizetype> m_notUtf8;
    qsizetype m_line = -1;
    qsizetype m_nextNotUtf8 = 0; // index into m_notUtf8
    bool m_lineNotUtf8 = false;
};

} // namespace FileText
