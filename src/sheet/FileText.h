#pragma once

#include <QByteArray>
#include <QString>

// The text of the files the program reads: list files and "tolvane.conf".
namespace FileText {

// The bytes as UTF-8 when they are valid UTF-8, else as Windows-1252, the
// Western code page files saved on Windows were written in. A leading
// UTF-8 byte-order mark is dropped.
QString decode(const QByteArray &bytes);

bool isValidUtf8(const QByteArray &bytes);
QString fromWindows1252(const QByteArray &bytes);

// Hands out the lines of a text one at a time: a line ends at LF, every CR
// is dropped, and reading past the end gives empty lines, so every section
// of a file also ends at the end of the file.
class LineCursor
{
public:
    explicit LineCursor(const QString &text);

    QString next();
    bool atEnd() const { return m_pos >= m_text.size(); }
    // False when the last line handed out ran to the end of the text
    // without a line end. A line that ends in CR there lost only its LF:
    // every line is written with CR LF, so the CR shows it was whole.
    bool lineEnded() const { return m_lineEnded; }

private:
    QString m_text;
    qsizetype m_pos = 0;
    bool m_lineEnded = true;
};

} // namespace FileText
