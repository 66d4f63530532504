#pragma once

#include <QString>

// The order of the Family Ties tab's "Relationship" column: the spouse,
// children, grandchildren, siblings, nephews and nieces, grandnephews and
// grandnieces, parents, grandparents, uncles and aunts, great-uncles and
// great-aunts, then the cousins by degree, unremoved before removed, and by
// removal. A text of several joined terms sorts by the first of those
// classes any of its terms reaches; among grandchildren, grandnephews,
// grandparents and great-uncles the shorter text comes first, which puts
// the generations in order.
//
// True when `left` stands before `right`. It is a strict weak ordering:
// texts of the same place compare false both ways, and the caller breaks
// the tie.
bool kinTermLess(const QString &left, const QString &right);

// The place of a text in that order, for callers that compare one text many
// times: kinTermLess(a, b) is kinTermKey(a) < kinTermKey(b).
struct KinTermKey
{
    int kinClass;
    qsizetype length;
    // Bit i: the text holds the i-th ordinal, or the i-th number word.
    quint32 ordinals;
    bool removed;
    quint32 numbers;
};
KinTermKey kinTermKey(const QString &text);
bool operator<(const KinTermKey &left, const KinTermKey &right);
