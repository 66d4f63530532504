#include "platform/ExtractStep.h"

#include "platform/Platform.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#ifdef Q_OS_UNIX
#include <csignal>
#include <unistd.h>
#endif

namespace ExtractStep {

namespace {

Result failure(Result::Outcome outcome, const QString &message, int exitCode = 0)
{
    Result result;
    result.outcome = outcome;
    result.exitCode = exitCode;
    result.message = message;
    return result;
}

// Ends the script and whatever it started: the script runs in a process
// group of its own, so a hanging export does not outlive it.
void stop(QProcess &process)
{
#ifdef Q_OS_UNIX
    const qint64 pid = process.processId();
    if (pid > 0)
        ::kill(-pid_t(pid), SIGKILL);
#endif
    process.kill();
    process.waitForFinished(5000);
}

} // namespace

QString scriptName()
{
    return QStringLiteral("extract.sh");
}

QString exportPath()
{
    return QStringLiteral("Veldo/ExportedSims.txt");
}

QString missingOutputText()
{
    return QStringLiteral("Cannot find output file.  ") + QStringLiteral("Check that you are using ")
        + QStringLiteral("the AL version of SimPE.");
}

Result run(const QString &workingFolder, const QString &simPEExe, const QString &neighborhoodId,
           int timeLimitMs)
{
    if (!Platform::isNeighborhoodId(neighborhoodId))
        return failure(Result::BadNeighborhood, QStringLiteral(
            "The neighborhood must be exactly four letters, digits or underscores, such as N001."));

    const QDir folder(workingFolder);
    const QString script = folder.filePath(scriptName());
    if (!QFileInfo(script).isFile())
        return failure(Result::ScriptMissing, QStringLiteral("Cannot find %1 in the working folder.").arg(scriptName()));

    // An export left by an earlier run must never pass for this run's.
    const QString exportFile = folder.filePath(exportPath());
    if (QFileInfo::exists(exportFile) && !QFile::remove(exportFile))
        return failure(Result::StaleExport, QStringLiteral("Cannot remove the SimPE output of an earlier import."));

    QProcess process;
    process.setWorkingDirectory(workingFolder);
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
#ifdef Q_OS_UNIX
    process.setChildProcessModifier([] { ::setpgid(0, 0); });
#endif
    process.start(QStringLiteral("/bin/sh"),
                  {script, simPEExe, QDir::toNativeSeparators(workingFolder), neighborhoodId});
    if (!process.waitForStarted())
        return failure(Result::NotStarted, QStringLiteral("Could not start %1.").arg(scriptName()));
    if (!process.waitForFinished(timeLimitMs) && process.state() != QProcess::NotRunning) {
        stop(process);
        return failure(Result::TimedOut, QStringLiteral("The export took too long and was stopped."));
    }
    if (process.exitStatus() != QProcess::NormalExit)
        return failure(Result::Crashed, QStringLiteral("The export stopped before it ended."));
    if (process.exitCode() != 0)
        return failure(Result::Failed,
                       QStringLiteral("The export failed with exit status %1.").arg(process.exitCode()),
                       process.exitCode());
    if (!QFileInfo::exists(exportFile))
        return failure(Result::NoOutput, missingOutputText());
    return Result();
}

} // namespace ExtractStep
