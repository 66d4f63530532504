#include "pages/KinTermOrder.h"

#include <QStringList>

#include <iterator>

namespace {

// The classes before the cousins, each with the words that place a text in
// it; the first class whose word the text holds anywhere is the text's.
// The classes of lower-case words hold the "Grand" and "Great-" forms, which
// sort by length.
struct KinClass
{
    const char *words[2];
    bool byLength;
};

const KinClass Classes[] = {
    {{"Husband", "Wife"}, false},
    {{"Son", "Daughter"}, false},
    {{"son", "daughter"}, true},
    {{"Brother", "Sister"}, false},
    {{"Nephew", "Niece"}, false},
    {{"nephew", "niece"}, true},
    {{"Father", "Mother"}, false},
    {{"father", "mother"}, true},
};
const int PlainUncleClass = 8;
const int GreatUncleClass = 9;
const int CousinClass = 10;

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

struct KinKey
{
    int kinClass = CousinClass;
    qsizetype length = 0;
    // Bit i: the text holds the i-th ordinal, or the i-th number word.
    quint32 ordinals = 0;
    bool removed = false;
    quint32 numbers = 0;
};

QStringList wordsOf(const QString &text)
{
    QStringList words;
    qsizetype start = -1;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        const bool letter = i < text.size() && text.at(i).isLetter();
        if (letter && start < 0)
            start = i;
        else if (!letter && start >= 0) {
            words.append(text.mid(start, i - start));
            start = -1;
        }
    }
    return words;
}

bool holdsEither(const QString &text, const char *const (&words)[2])
{
    return text.contains(QLatin1String(words[0])) || text.contains(QLatin1String(words[1]));
}

KinKey keyOf(const QString &text)
{
    KinKey key;
    for (int c = 0; c < int(std::size(Classes)); ++c) {
        if (holdsEither(text, Classes[c].words)) {
            key.kinClass = c;
            key.length = Classes[c].byLength ? text.size() : 0;
            return key;
        }
    }
    const bool plainUncle = text.contains(QLatin1String("Uncle"))
        && !text.contains(QLatin1String("Great-Uncle"));
    const bool plainAunt = text.contains(QLatin1String("Aunt"))
        && !text.contains(QLatin1String("Great-Aunt"));
    if (plainUncle || plainAunt) {
        key.kinClass = PlainUncleClass;
        return key;
    }
    if (text.contains(QLatin1String("Great-Uncle")) || text.contains(QLatin1String("Great-Aunt"))) {
        key.kinClass = GreatUncleClass;
        key.length = text.size();
        return key;
    }
    const QStringList words = wordsOf(text);
    for (int i = 0; i < 20; ++i) {
        if (words.contains(QLatin1String(Ordinals[i])))
            key.ordinals |= 1u << i;
        if (words.contains(QLatin1String(Numbers[i])))
            key.numbers |= 1u << i;
    }
    if (words.contains(QLatin1String("Twefth")))
        key.ordinals |= 1u << 11;
    key.removed = words.contains(QLatin1String("Removed"));
    return key;
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

bool kinTermLess(const QString &left, const QString &right)
{
    const KinKey l = keyOf(left);
    const KinKey r = keyOf(right);
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
