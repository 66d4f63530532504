#include "sheet/SavedState.h"

#include <QCryptographicHash>

namespace {

QByteArray digestOf(const QByteArray &bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
}

} // namespace

void SavedState::mark(const QByteArray &bytes)
{
    m_digest = digestOf(bytes);
}

bool SavedState::differs(const QByteArray &bytes) const
{
    return digestOf(bytes) != m_digest;
}
