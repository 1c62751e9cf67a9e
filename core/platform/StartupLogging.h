#pragma once

#include <QtGlobal>

class QMessageLogContext;
class QString;

// The main program's diagnostics: one line per message on standard error,
// "Debug: ", "Warning: ", "Critical: " or "Fatal: " and the text; a fatal message
// aborts. The abort handler reports "Error: signal <n>:" on standard output and up to
// ten frames of backtrace on standard error, and ends the process with status 1.

// Abort-signal handler; uses only what is safe in a signal handler.
void handler(int sig);

void myMessageOutput(QtMsgType type, const QMessageLogContext &context, const QString &msg);

// Installs handler for SIGABRT (loading what the backtrace needs beforehand, so
// nothing is loaded inside the handler).
void installAbortHandler();
