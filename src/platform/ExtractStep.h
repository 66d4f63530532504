#pragma once

#include <QString>

// The export step of an import: the working folder's extract script runs
// the sim editor's export of one neighbourhood, which must leave
// "Veldo/ExportedSims.txt" in the working folder. The script gets the
// editor's path, the working folder and the neighbourhood id as three
// arguments of their own, exactly as given; no shell ever reads them.
namespace ExtractStep {

// The script, in the working folder. It is run by the system's shell
// interpreter as a file, with the three values as its arguments.
QString scriptName();
// The export the script leaves, relative to the working folder.
QString exportPath();

// The message when no export is found after the step.
QString missingOutputText();

// How long the export may run before it is stopped.
constexpr int TimeLimitMs = 10 * 60 * 1000;

struct Result
{
    enum Outcome {
        Succeeded,
        BadNeighborhood, // the id is not four letters, digits or underscores
        ScriptMissing,
        StaleExport, // the export of an earlier run cannot be removed
        NotStarted,
        TimedOut,
        Crashed,
        Failed, // exited with a status other than 0
        NoOutput // exited with 0 but left no export
    };
    Outcome outcome = Succeeded;
    // The exit status of a script that ran to its end.
    int exitCode = 0;
    // What went wrong, in words for the player; empty on success.
    QString message;

    bool succeeded() const { return outcome == Succeeded; }
};

// Removes the export of an earlier run, runs the script with standard input
// closed and waits for it at most `timeLimitMs`, ending it and everything it
// started when it runs longer. Succeeds only when the script exited with
// status 0 and left a new export. Refuses, without running anything, a
// neighbourhood id that is not four ASCII letters, digits or underscores.
Result run(const QString &workingFolder, const QString &simPEExe, const QString &neighborhoodId,
           int timeLimitMs = TimeLimitMs);

} // namespace ExtractStep
