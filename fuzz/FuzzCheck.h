#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

// Each target defines this; libFuzzer calls it, and so does the replay
// driver that runs the corpus in the normal test build.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);

// A broken invariant is a finding like a crash: say what broke and abort, so
// that the fuzzer keeps the input and the replay test fails.
#define FUZZ_CHECK(condition, what)                                                         \
    do {                                                                                    \
        if (!(condition)) {                                                                 \
            std::fprintf(stderr, "Invariant broken: %s\n", what);                          \
            std::abort();                                                                   \
        }                                                                                   \
    } while (false)

namespace Fuzz {

inline QByteArray bytes(const uint8_t *data, size_t size)
{
    return QByteArray(reinterpret_cast<const char *>(data), qsizetype(size));
}

// The lines of the input as the list file's reader sees them: split at LF,
// carriage returns dropped.
inline QStringList lines(const uint8_t *data, size_t size)
{
    QStringList out;
    const QString text = QString::fromUtf8(bytes(data, size));
    for (QString line : text.split(QLatin1Char('\n'))) {
        line.remove(QLatin1Char('\r'));
        out << line;
    }
    return out;
}

} // namespace Fuzz
