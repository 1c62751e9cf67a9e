#pragma once

#include <QString>
#include <QStringList>

// Every external command of the updater (modprobe, mount, losetup, tar, cp, the flash
// tools, sync) runs through here as a program with its arguments, never through a shell,
// so a file name from an update drive can never become two arguments or a second command.
// When INSTRUMENT_EXEC names a program, that program runs instead with the whole command
// line as its one argument and its exit code is taken: a desktop run or a test must never
// mount, erase flash or load modules on the host.
namespace UpdaterCommandRunner {

// Runs the program and blocks until it ends, with no time limit; returns its exit code,
// or -1 when it could not be started or crashed. Its standard input is the null device
// and its command line is written to the debug log before it starts.
int run(const QString &program, const QStringList &arguments);

// The command line a program and its arguments stand for, quoted for the shell where an
// argument needs it; this is what INSTRUMENT_EXEC receives.
QString commandLine(const QString &program, const QStringList &arguments);

} // namespace UpdaterCommandRunner
