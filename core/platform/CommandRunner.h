#pragma once

#include <QString>
#include <QStringList>

// Every external command of the main program (mount, modprobe, losetup, sync, date,
// hwclock) runs through here. When INSTRUMENT_EXEC names a program, that program runs
// instead with the whole command line as its one argument and its exit code is taken:
// a desktop run or a test must never mount, format or load modules on the host.
namespace CommandRunner {

// Runs a command line through the shell ("sh -c"); returns the exit code, or -1 when
// the command could not be started or crashed.
int runShell(const QString &commandLine);

// Runs a program with arguments, without a shell; returns as runShell.
int run(const QString &program, const QStringList &arguments);

// The command line a program and its arguments stand for, quoted for the shell where
// an argument needs it; this is what INSTRUMENT_EXEC receives.
QString commandLine(const QString &program, const QStringList &arguments);

} // namespace CommandRunner
