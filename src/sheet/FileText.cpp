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

QString fromWindows1252(QByteArrayView bytes)
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

namespace {

// The UTF-8 sequence that starts at `at`: its length and its code point, or
// a length of 0 where no valid sequence starts (a stray byte, a cut or
// overlong sequence, a surrogate).
struct Sequence
{
    int length = 0;
    char32_t code = 0;
};

Sequence sequenceAt(const QByteArray &bytes, qsizetype at)
{
    const auto byte = [&](qsizetype i) {
        return i < bytes.size() ? static_cast<unsigned char>(bytes.at(i)) : 0u;
    };
    const unsigned lead = byte(at);
    if (lead < 0x80)
        return {1, lead};
    int length = 0;
    char32_t code = 0;
    // The bounds of the first continuation byte rule out overlong forms,
    // surrogates and code points past U+10FFFF.
    unsigned low = 0x80, high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        code = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        code = lead & 0x0F;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        code = lead & 0x07;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return {};
    }
    for (int k = 1; k < length; ++k) {
        const unsigned next = byte(at + k);
        if (next < low || next > high)
            return {};
        code = (code << 6) | (next & 0x3F);
        low = 0x80;
        high = 0xBF;
    }
    return {length, code};
}

bool letterOrMark(char32_t code)
{
    return QChar::isLetter(code) || QChar::isMark(code);
}

// The Windows-1252 marks that end a word, and so may stand right after its
// last letter: … ‘ ’ “ ” – — ™, the no-break space, « » ‹ ›, °, the trade
// marks ® and ©, and ´, which many type for an apostrophe.
bool endsAWord(unsigned char byte)
{
    switch (byte) {
    case 0x85: case 0x8B: case 0x91: case 0x92: case 0x93: case 0x94: case 0x96: case 0x97:
    case 0x99: case 0x9B: case 0xA0: case 0xA9: case 0xAB: case 0xAE: case 0xB0: case 0xB4:
    case 0xBB:
        return true;
    default:
        return false;
    }
}

// Whether a sequence is what Windows-1252 text gives by chance: the last
// letter of a word, accented, followed by the marks that end the word, as
// "CAFÉ’S", "PIÙ…", "weiß“" and "fatigué »" give them. Ã, Ä, Å, Æ, Î, Ï, Ð
// and Ñ are left out: before such a mark they make the letters of the Latin,
// Vietnamese, Greek and Cyrillic names most lists hold, and they rarely end a
// word; so is Þ, which starts words. × is no letter, and leads every Hebrew
// letter.
bool byChance(const QByteArray &bytes, qsizetype at, const Sequence &sequence)
{
    const auto byte = [&](int k) { return static_cast<unsigned char>(bytes.at(at + k)); };
    switch (byte(0)) {
    case 0xC3: case 0xC4: case 0xC5: case 0xC6: case 0xCE: case 0xCF: case 0xD0: case 0xD1:
    case 0xD7: case 0xDE:
        return false;
    default:
        break;
    }
    for (int k = 1; k < sequence.length; ++k) {
        if (!endsAWord(byte(k)))
            return false;
    }
    // Nobody types "È™" or "È›": they are the Romanian ș and ț that end
    // words ("Ionuț", "Grigoraș").
    if (byte(0) == 0xC8 && (byte(1) == 0x99 || byte(1) == 0x9B))
        return false;
    // Windows writers put only a no-break space right after a closing »
    // ("«café»\xA0!"). Another mark there makes a Vietnamese letter (ồ, ị,
    // ễ are "á»“", "á»‹", "á»…") or a Chinese one (任 is "ä»»").
    if (sequence.length == 3 && byte(1) == 0xBB && byte(2) != 0xA0)
        return false;
    return true;
}

// Whether the sequence at `at` shows the text was written in UTF-8: a letter
// of any alphabet in two bytes, or any sequence of three or four, unless it
// is what Windows-1252 text gives by chance. Even then it counts where it
// stands inside a word, as names stand: beside another letter of two bytes
// or more (a Hebrew, Arabic or Armenian name is a run of them), or before a
// small letter (a Romanian "ș" before "a"), which a Windows writer puts right
// after a mark only after an apostrophe, a dash or a no-break space.
bool showsUtf8(const QByteArray &bytes, qsizetype at, const Sequence &sequence,
               bool afterLetter)
{
    if (sequence.length < 2 || (sequence.length == 2 && !letterOrMark(sequence.code)))
        return false;
    if (!byChance(bytes, at, sequence))
        return true;
    if (!letterOrMark(sequence.code))
        return false;
    if (afterLetter)
        return true;
    const qsizetype next = at + sequence.length;
    if (next >= bytes.size())
        return false;
    const char following = bytes.at(next);
    if (following >= 'a' && following <= 'z') {
        // ’, ´, – and —: "JOSÉ’s", "OLÉ—and"; and a no-break space typed for
        // a word space: "JOSÉ\xA0da", "groß\xA0und".
        const auto mark = static_cast<unsigned char>(bytes.at(next - 1));
        return mark != 0x92 && mark != 0xB4 && mark != 0x96 && mark != 0x97 && mark != 0xA0;
    }
    const Sequence after = sequenceAt(bytes, next);
    return after.length >= 2 && letterOrMark(after.code);
}

} // namespace

Lines decodeLines(const QByteArray &bytes)
{
    const bool bom = bytes.startsWith(kUtf8Bom);
    const QByteArray body = bom ? bytes.mid(3) : bytes;
    QStringDecoder decoder(QStringConverter::Utf8, kFlags);
    Lines lines;
    lines.text = decoder.decode(body);
    if (!decoder.hasError())
        return lines;
    bool utf8 = bom;
    bool afterLetter = false;
    for (qsizetype at = 0; !utf8 && at < body.size();) {
        const Sequence sequence = sequenceAt(body, at);
        utf8 = showsUtf8(body, at, sequence, afterLetter);
        afterLetter = sequence.length >= 2 && letterOrMark(sequence.code);
        at += qMax(1, sequence.length);
    }
    if (!utf8) {
        lines.text = fromWindows1252(body);
        return lines;
    }
    // A UTF-8 file with bytes that are not UTF-8, as one changed byte leaves
    // it: each sequence that is UTF-8 is read as UTF-8 and only the other
    // bytes as Windows-1252, so that a bad byte costs one letter and a name
    // on the same line keeps its letters. LF is the same byte in both and
    // never part of a sequence, so the lines are counted as the cursor
    // counts them.
    lines.text.clear();
    lines.text.reserve(body.size());
    qsizetype line = 0;
    for (qsizetype at = 0; at < body.size();) {
        const Sequence sequence = sequenceAt(body, at);
        if (sequence.length == 0) {
            lines.text += fromWindows1252(QByteArrayView(body).sliced(at, 1));
            if (lines.notUtf8.isEmpty() || lines.notUtf8.last() != line)
                lines.notUtf8.append(line);
            ++at;
            continue;
        }
        if (sequence.code == '\n')
            ++line;
        if (QChar::requiresSurrogates(sequence.code)) {
            lines.text += QChar(QChar::highSurrogate(sequence.code));
            lines.text += QChar(QChar::lowSurrogate(sequence.code));
        } else {
            lines.text += QChar(char16_t(sequence.code));
        }
        at += sequence.length;
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
