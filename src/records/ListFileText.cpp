#include "records/ListFileText.h"

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

} // namespace ListFileText
