#pragma once

#include <QtGlobal>

#include <limits>

// Ages, semesters and positions come from files and may be anything: sums
// saturate instead of overflowing, and every index is checked before use.
inline int addSaturated(int value, int delta)
{
    const qint64 sum = qint64(value) + delta;
    const qint64 low = std::numeric_limits<int>::min();
    const qint64 high = std::numeric_limits<int>::max();
    return int(qBound(low, sum, high));
}

inline bool inRange(int index, qsizetype size)
{
    return index >= 0 && index < size;
}
