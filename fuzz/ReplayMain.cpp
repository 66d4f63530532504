// Runs a fuzz target over files and folders of inputs, once each, so that the
// corpus is a regression test in the ordinary build, without a fuzzer.
#include "FuzzCheck.h"

#include <QCoreApplication>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QStringList files;
    for (const QString &arg : app.arguments().mid(1)) {
        if (QFileInfo(arg).isDir()) {
            QDirIterator it(arg, QDir::Files, QDirIterator::Subdirectories);
            while (it.hasNext())
                files << it.next();
        } else {
            files << arg;
        }
    }
    std::sort(files.begin(), files.end());
    if (files.isEmpty()) {
        std::fprintf(stderr, "No inputs given.\n");
        return 2;
    }
    for (const QString &path : std::as_const(files)) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "Cannot read %s\n", qPrintable(path));
            return 2;
        }
        const QByteArray input = file.readAll();
        LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t *>(input.constData()),
                               size_t(input.size()));
    }
    std::printf("%lld inputs ran cleanly.\n", static_cast<long long>(files.size()));
    return 0;
}
