#pragma once

#include <QByteArray>

// Whether a sheet changed since it was last opened or saved, judged by the
// bytes it would save: whatever part of it the player changed (a sim, an
// update, a log entry, a played mark, a family link), the bytes show it.
// Only a digest is kept, so a large sheet is not held twice.
class SavedState
{
public:
    // The bytes of the sheet as it now stands on disk.
    void mark(const QByteArray &bytes);
    bool differs(const QByteArray &bytes) const;

private:
    QByteArray m_digest;
};
