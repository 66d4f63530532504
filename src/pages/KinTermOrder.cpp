#include "pages/KinTermOrder.h"

#include <QStringView>
#include <QtAlgorithms>

#include <array>
#include <iterator>

namespace {

// The words that place a text in one of the classes before the cousins,
// found anywhere in the text, also inside a longer word ("son" in
// "Grandson") and in any of several joined terms.
enum ClassWord : int {
    Husband, Wife, Son, Daughter, LowerSon, LowerDaughter, Brother, Sister, Nephew, Niece,
    LowerNephew, LowerNiece, Father, Mother, LowerFather, LowerMother, Uncle, Aunt, GreatUncle,
    GreatAunt, ClassWordCount
};
const char *const ClassWords[ClassWordCount] = {
    "Husband", "Wife",   "Son",    "Daughter", "son",    "daughter", "Brother",
    "Sister",  "Nephew", "Niece",  "nephew",   "niece",  "Father",   "Mother",
    "father",  "mother", "Uncle",  "Aunt",     "Great-Uncle", "Great-Aunt"};

// The classes in order, each with its two words; the first class whose
// word the text holds is the text's. The classes of lower-case words hold
// the "Grand" and "Great-" forms, which sort by length.
struct KinClass
{
    ClassWord words[2];
    bool byLength;
};
const KinClass Classes[] = {
    {{Husband, Wife}, false},
    {{Son, Daughter}, false},
    {{LowerSon, LowerDaughter}, true},
    {{Brother, Sister}, false},
    {{Nephew, Niece}, false},
    {{LowerNephew, LowerNiece}, true},
    {{Father, Mother}, false},
    {{LowerFather, LowerMother}, true},
};
const int PlainUncleClass = 8;
const int GreatUncleClass = 9;
const int CousinClass = 10;

// The class words the text holds, as bits, in one pass over the text.
quint32 classWordsIn(const QString &text)
{
    // For each ASCII letter, the class words that start with it.
    static const auto starting = [] {
        std::array<quint32, 128> table{};
        for (int w = 0; w < ClassWordCount; ++w)
            table[uchar(ClassWords[w][0])] |= 1u << w;
        return table;
    }();
    quint32 found = 0;
    const QStringView view(text);
    for (qsizetype i = 0; i < view.size(); ++i) {
        const char16_t c = view[i].unicode();
        if (c >= 128)
            continue;
        for (quint32 candidates = starting[c]; candidates; candidates &= candidates - 1) {
            const int w = qCountTrailingZeroBits(candidates);
            if (view.mid(i).startsWith(QLatin1String(ClassWords[w])))
                found |= 1u << w;
        }
    }
    return found;
}

// Cousin degrees and removals are whole words, so "Seventeen" is not
// "Seven" and "Fourth" is not "Four". The twelfth degree is written
// "Twefth" in the tab.
const char *const Ordinals[] = {
    "First",    "Second",     "Third",      "Fourth",     "Fifth",     "Sixth",      "Seventh",
    "Eighth",   "Ninth",      "Tenth",      "Eleventh",   "Twelfth",   "Thirteenth", "Fourteenth",
    "Fifteenth", "Sixteenth", "Seventeenth", "Eighteenth", "Nineteenth", "Twentieth"};
const char *const Numbers[] = {
    "Once",    "Twice",    "Three",    "Four",      "Five",      "Six",      "Seven",
    "Eight",   "Nine",     "Ten",      "Eleven",    "Twelve",    "Thirteen", "Fourteen",
    "Fifteen", "Sixteen",  "Seventeen", "Eighteen", "Nineteen",  "Twenty"};

// Calls `visit` with each word of the text: each run of letters.
template <typename Visit>
void forEachWord(const QString &text, Visit visit)
{
    qsizetype start = -1;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        const bool letter = i < text.size() && text.at(i).isLetter();
        if (letter && start < 0) {
            start = i;
        } else if (!letter && start >= 0) {
            visit(QStringView(text).mid(start, i - start));
            start = -1;
        }
    }
}

// -1 when the first word that only one of the two sets holds is in `left`,
// 1 when it is in `right`, 0 when the sets are equal.
int compareWordSets(quint32 left, quint32 right)
{
    const quint32 differ = left ^ right;
    if (!differ)
        return 0;
    const quint32 first = differ & (~differ + 1);
    return (left & first) ? -1 : 1;
}

} // namespace

KinTermKey kinTermKey(const QString &text)
{
    KinTermKey key{CousinClass, 0, 0, false, 0};
    const quint32 words = classWordsIn(text);
    auto holds = [words](ClassWord word) { return (words & (1u << word)) != 0; };
    for (int c = 0; c < int(std::size(Classes)); ++c) {
        if (holds(Classes[c].words[0]) || holds(Classes[c].words[1])) {
            key.kinClass = c;
            key.length = Classes[c].byLength ? text.size() : 0;
            return key;
        }
    }
    if ((holds(Uncle) && !holds(GreatUncle)) || (holds(Aunt) && !holds(GreatAunt))) {
        key.kinClass = PlainUncleClass;
        return key;
    }
    if (holds(GreatUncle) || holds(GreatAunt)) {
        key.kinClass = GreatUncleClass;
        key.length = text.size();
        return key;
    }
    forEachWord(text, [&key](QStringView word) {
        for (int i = 0; i < 20; ++i) {
            if (word == QLatin1String(Ordinals[i]))
                key.ordinals |= 1u << i;
            else if (word == QLatin1String(Numbers[i]))
                key.numbers |= 1u << i;
        }
        if (word == QLatin1String("Twefth"))
            key.ordinals |= 1u << 11;
        else if (word == QLatin1String("Removed"))
            key.removed = true;
    });
    return key;
}

bool operator<(const KinTermKey &l, const KinTermKey &r)
{
    if (l.kinClass != r.kinClass)
        return l.kinClass < r.kinClass;
    if (l.length != r.length)
        return l.length < r.length;
    if (l.kinClass != CousinClass)
        return false;
    if (const int byOrdinal = compareWordSets(l.ordinals, r.ordinals))
        return byOrdinal < 0;
    if (l.removed != r.removed)
        return r.removed;
    return compareWordSets(l.numbers, r.numbers) < 0;
}

bool kinTermLess(const QString &left, const QString &right)
{
    return kinTermKey(left) < kinTermKey(right);
}
