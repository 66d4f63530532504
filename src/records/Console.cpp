#include "records/Console.h"

#include <cstdio>

namespace Console {

void text(const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    std::fflush(stdout);
}

void line(const QString &text)
{
    Console::text(text + QLatin1Char('\n'));
}

} // namespace Console
