#pragma once

#include "FileUtils.h"
#include "ImportReport.h"

#include <QString>

#include <functional>

// Exchange files that come from outside (the transfer drive, a memory stick, a Bluetooth
// push). A file is read only when it is a regular file no larger than an exchange file
// can be, through the bounded reader; reading it and storing what it holds run on a
// worker thread, while this thread's event loop goes on serving timers and lines (the
// channel poll) and drops the operator's input: a key pressed while an import runs is
// not kept for later, where it could dismiss what the import ends with unseen.
namespace ExchangeImport
{

enum class Kind { Results, Sequences };

// No exchange file the instrument writes comes near this, and its memory must not be
// spent on whatever else lies on a stick.
constexpr qint64 MAX_FILE_BYTES = 64 * 1024 * 1024;

struct Outcome {
    // Why the file was not read; nothing was imported then.
    FileUtils::ReadRefusal refusal = FileUtils::ReadRefusal::None;
    ImportReport report;
};

// Told, on this thread, how many records or sequences the import has gone through: while
// it stores them, whenever that changed in the last PROGRESS_INTERVAL_MS, and once at the
// end.
using Progress = std::function<void(int done)>;
constexpr int PROGRESS_INTERVAL_MS = 100;

// Imports the file at path as kind; the format warning of a file of the other kind is
// shown by the store, on this thread.
Outcome importFile(const QString &path, Kind kind, const Progress &progress = {});

// Runs work on a worker thread and returns when it is done; meanwhile this thread's
// event loop runs, and user input that arrives is dropped.
void runAside(const std::function<void()> &work);

} // namespace ExchangeImport
