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

LineCursor::LineCursor(const QString &text)
    : m_text(text)
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
    line.remove(QLatin1Char('\r'));
    return line;
}

} // namespace FileText
