#include "sheet/FileText.h"

#include <QStringDecoder>

namespace FileText {

namespace {

// Windows-1252 differs from Latin-1 only in 0x80..0x9F. The five codes it
// leaves undefined map to the control characters of the same number, as
// Windows itself maps them.
const char16_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

const char kUtf8Bom[] = "\xEF\xBB\xBF";

// The caller drops the byte-order mark itself, so that the decoder never
// drops a second one.
constexpr QStringConverter::Flags kFlags =
    QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom;

} // namespace

bool isValidUtf8(const QByteArray &bytes)
{
    QStringDecoder decoder(QStringConverter::Utf8, kFlags);
    const QString text = decoder.decode(bytes);
    Q_UNUSED(text);
    return !decoder.hasError();
}

QString fromWindows1252(const QByteArray &bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        *out++ = (byte >= 0x80 && byte < 0xA0) ? QChar(kHighControls[byte - 0x80]) : QChar(byte);
    }
    return text;
}

QString decode(const QByteArray &bytes)
{
    const QByteArray body = bytes.startsWith(kUtf8Bom) ? bytes.mid(3) : bytes;
    QStringDecoder decoder(QStringConverter::Utf8, kFlags);
    const QString text = decoder.decode(body);
    return decoder.hasError() ? fromWindows1252(body) : text;
}

Lines decodeLines(const QByteArray &bytes)
{
    const bool bom = bytes.startsWith(kUtf8Bom);
    const QByteArray body = bom ? bytes.mid(3) : bytes;
    QStringDecoder decoder(QStringConverter::Utf8, kFlags);
    Lines lines;
    lines.text = decoder.decode(body);
    if (!decoder.hasError())
        return lines;
    // Split at LF, which is the same byte in both encodings and never part
    // of a UTF-8 letter.
    QList<QByteArrayView> parts;
    bool utf8Letters = bom;
    for (qsizetype start = 0; start <= body.size();) {
        qsizetype end = body.indexOf('\n', start);
        if (end < 0)
            end = body.size();
        const QByteArrayView part(body.constData() + start, end - start);
        parts.append(part);
        if (!utf8Letters) {
            bool high = false;
            for (const char c : part)
                high = high || static_cast<unsigned char>(c) >= 0x80;
            utf8Letters = high && isValidUtf8(part.toByteArray());
        }
        start = end + 1;
    }
    if (!utf8Letters) {
        lines.text = fromWindows1252(body);
        return lines;
    }
    lines.text.clear();
    lines.text.reserve(body.size());
    for (qsizetype i = 0; i < parts.size(); ++i) {
        if (i > 0)
            lines.text += QLatin1Char('\n');
        const QByteArray part = parts.at(i).toByteArray();
        if (isValidUtf8(part)) {
            lines.text += QString::fromUtf8(part);
        } else {
            lines.text += fromWindows1252(part);
            lines.notUtf8.append(i);
        }
    }
    return lines;
}

LineCursor::LineCursor(const QString &text, const QList<qsizetype> &notUtf8)
    : m_text(text)
    , m_notUtf8(notUtf8)
{
}

QString LineCursor::next()
{
    if (atEnd())
        return QString();
    qsizetype end = m_text.indexOf(QLatin1Char('\n'), m_pos);
    if (end >= 0) {
        m_lineEnded = true;
    } else {
        end = m_text.size();
        m_lineEnded = m_text.endsWith(QLatin1Char('\r'));
    }
    QString line = m_text.mid(m_pos, end - m_pos);
    m_pos = end + 1;
    ++m_line;
    while (m_nextNotUtf8 < m_notUtf8.size() && m_notUtf8.at(m_nextNotUtf8) < m_line)
        ++m_nextNotUtf8;
    m_lineNotUtf8 = m_nextNotUtf8 < m_notUtf8.size() && m_notUtf8.at(m_nextNotUtf8) == m_line;
    line.remove(QLatin1Char('\r'));
    return line;
}

} // namespace FileText
