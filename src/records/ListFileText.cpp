#include "records/ListFileText.h"

#include <limits>

namespace ListFileText {

bool hasLineBreak(const QString &text)
{
    return text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r'));
}

QString singleLine(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String(" "));
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text;
}

bool hasQuoteComma(const QString &text)
{
    return text.contains(QLatin1String("\","));
}

bool breaksQuotedField(const QString &text)
{
    return hasQuoteComma(text) || text.startsWith(QLatin1Char(','));
}

QString quotedField(QString text)
{
    text = singleLine(text);
    text.replace(QLatin1String("\","), QLatin1String("\" ,"));
    if (text.startsWith(QLatin1Char(',')))
        text.prepend(QLatin1Char(' '));
    return text;
}

QString fieldProblem(const QString &field, const QString &text)
{
    if (hasLineBreak(text))
        return field + QLatin1String(" cannot hold a line break.");
    if (breaksQuotedField(text))
        return field + QLatin1String(" cannot start with a comma or hold a double quote "
                                     "followed by a comma.");
    return QString();
}

QString imagePathProblem(const QString &path)
{
    QString what;
    if (path.contains(QLatin1Char(',')))
        what = QStringLiteral("a comma");
    else if (hasLineBreak(path))
        what = QStringLiteral("a line break");
    else
        return QString();
    return QLatin1String("The picture was not set: its path holds ") + what
        + QLatin1String(", which the list file cannot keep. Rename or move the picture and "
                        "choose it again.");
}

int writtenNumber(QStringView text, bool *ok)
{
    // Called for every number of every line of a list of thousands of sims,
    // so the digits are checked by hand rather than by a pattern.
    *ok = false;
    const bool negative = !text.isEmpty() && text.front() == QLatin1Char('-');
    const QStringView digits = negative ? text.mid(1) : text;
    // Ten digits hold every int; more are out of range whatever they are.
    if (digits.isEmpty() || digits.size() > 10)
        return 0;
    if (digits.front() == QLatin1Char('0') && (negative || digits.size() > 1))
        return 0;
    qint64 value = 0;
    for (const QChar c : digits) {
        const char16_t unit = c.unicode();
        if (unit < u'0' || unit > u'9')
            return 0;
        value = value * 10 + (unit - u'0');
    }
    if (negative)
        value = -value;
    if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
        return 0;
    *ok = true;
    return int(value);
}

} // namespace ListFileText
