#pragma once

#include "records/ListFileText.h"

#include <QString>
#include <QStringList>
#include <QStringView>

// Walks the comma-separated parts of a list-file line. Every read checks
// that a part is left, so a short or damaged line can never make the reader
// run past its end; the caller stops at the first field that is missing.
// It also keeps whether every number field it read held a whole number, so
// that a garbled digit ("4O") marks the line as damaged.
class PartReader
{
public:
    // What wholeNumbers() asks of a number. Sim lines are read back by the
    // program that wrote them, so a number in any form but the written one
    // ("02", "-0", " 2") is damage there too. The settings line keeps taking
    // whatever QStringView::toInt takes.
    enum class Numbers { Readable, Written };

    explicit PartReader(const QString &line, Numbers numbers = Numbers::Readable)
        : m_parts(line.split(QLatin1Char(','))),
          m_written(numbers == Numbers::Written)
    {
    }

    bool atEnd() const { return m_pos >= m_parts.size(); }
    const QString &peek() const { return m_parts.at(m_pos); }

    bool takePart(QString *out)
    {
        if (atEnd())
            return false;
        *out = m_parts.at(m_pos++);
        return true;
    }

    // A part that is not a decimal integer reads as 0.
    bool takeInt(int *out)
    {
        QString part;
        if (!takePart(&part))
            return false;
        *out = number(part);
        return true;
    }

    // The whole number a text holds, the part or a piece of it; 0 for any
    // other text, which leaves wholeNumbers() false. Read for written
    // numbers, a text that only toInt reads ("02", "-0") gives its value,
    // which is kept as what could be read of the line, but also leaves
    // wholeNumbers() false.
    int number(QStringView text)
    {
        bool ok = false;
        if (m_written) {
            const int value = ListFileText::writtenNumber(text, &ok);
            if (ok)
                return value;
            m_wholeNumbers = false;
        }
        const int value = text.toInt(&ok);
        m_wholeNumbers = m_wholeNumbers && ok;
        return ok ? value : 0;
    }

    bool wholeNumbers() const { return m_wholeNumbers; }

    bool takeBool(bool *out)
    {
        int value = 0;
        if (!takeInt(&value))
            return false;
        *out = value != 0;
        return true;
    }

    // Joins parts until the text closes with a double quote after its
    // opening, then drops the opening and the closing quote. Quotes and
    // commas inside the text are not escaped, so the quote that ends a part
    // is the closing one. False, with nothing taken, when the part does not
    // start with the opening or the quote never closes: a field the writer
    // quotes that has no quote in front is another field, as a list read in
    // another version than its own shows, and taken for text it would swallow
    // the fields after it.
    bool takeQuoted(QString *out, QLatin1String opening = QLatin1String("\""))
    {
        if (atEnd() || !m_parts.at(m_pos).startsWith(opening))
            return false;
        const qsizetype dropFront = opening.size();
        int pos = m_pos;
        QString text = m_parts.at(pos++);
        while (text.size() <= dropFront || !text.endsWith(QLatin1Char('"'))) {
            if (pos >= m_parts.size())
                return false;
            text += QLatin1Char(',') + m_parts.at(pos++);
        }
        m_pos = pos;
        *out = text.mid(dropFront, text.size() - dropFront - 1);
        return true;
    }

    // All parts left, joined back with their commas.
    QString takeRest()
    {
        QString rest = m_parts.mid(m_pos).join(QLatin1Char(','));
        m_pos = int(m_parts.size());
        return rest;
    }

private:
    QStringList m_parts;
    int m_pos = 0;
    bool m_written = false;
    bool m_wholeNumbers = true;
};
