#include "records/Sim.h"
#include "sheet/ListFile.h"
#include "sheet/SafeFile.h"
#include "support/ChildProcess.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <csignal>
#include <memory>
#include <vector>

#include <unistd.h>

namespace {

// A sheet large enough that writing it takes a while: many sims with long
// notes, married in pairs.
QByteArray largeSheet(int count)
{
    std::vector<std::unique_ptr<Sim>> owned;
    SimList sims;
    const QString notes = QStringLiteral("Kept a diary for years;;").repeated(20);
    for (int i = 0; i < count; ++i) {
        owned.push_back(std::make_unique<Sim>(QStringLiteral("Sim %1").arg(i), 30, 1 + i % 2, 1,
                                              0, true, 0, notes, QString()));
        sims << owned.back().get();
        if (i % 2 == 1)
            sims.at(i)->setSpouse(sims.at(i - 1));
    }
    ListFile::Sections sections;
    sections.settingsLine = QStringLiteral("1,1,2,0,5,1,1,1,C:/Program Files/SimPE/,0,0,0,0,0,0,0,0,");
    return ListFile::write(sims, sections);
}

QByteArray contentOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

// A save that the player's machine cuts off (a crash, a power cut, a killed
// process) leaves the list file whole: the old one or the new one, never a
// part of either.
class TestInterruptedSave : public QObject
{
    Q_OBJECT

private slots:
    void killedWhileSaving()
    {
        const QByteArray oldBytes = largeSheet(3);
        const QByteArray newBytes = largeSheet(20000);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = dir.filePath("legacy.sls");

        // How long one save takes here, so that the kills fall before,
        // during and after the writing.
        QElapsedTimer timer;
        timer.start();
        QVERIFY(SafeFile::write(dir.filePath("timing.sls"), newBytes));
        const qint64 saveMicros = qMax<qint64>(timer.nsecsElapsed() / 1000, 1000);

        const int rounds = 16;
        int oldWhole = 0;
        int newWhole = 0;
        for (int round = 0; round < rounds; ++round) {
            QVERIFY(SafeFile::write(path, oldBytes));
            const pid_t child = ChildProcess::start(
                [&] { return SafeFile::write(path, newBytes) ? 0 : 1; });
            QVERIFY(child > 0);
            QThread::usleep(quint64(saveMicros * round / (rounds - 4)));
            ::kill(child, SIGKILL);
            ChildProcess::wait(child);

            const QByteArray now = contentOf(path);
            QVERIFY2(now == oldBytes || now == newBytes,
                     qPrintable(QStringLiteral("round %1 left %2 bytes").arg(round).arg(now.size())));
            (now == oldBytes ? oldWhole : newWhole) += 1;
        }
        qInfo("%d saves killed before the new file replaced the old, %d after", oldWhole,
              newWhole);
    }
};

QTEST_GUILESS_MAIN(TestInterruptedSave)
#include "tst_interruptedsave.moc"
