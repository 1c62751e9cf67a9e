#pragma once

#include "FileUtils.h"
#include "ImportReport.h"

#include <QString>

#include <functional>

// Exchange files that come from outside (the transfer drive, a memory stick, a Bluetooth
// push). A file is read only when it is a regular file no larger than an exchange file
// can be, through the bounded reader; reading it and storing what it holds run on a
// worker thread, while this thread's event loop goes on serving timers and lines (the
// channel poll) and holds the operator's input back until the import is done.
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

// Imports the file at path as kind; the format warning of a file of the other kind is
// shown by the store, on this thread.
Outcome importFile(const QString &path, Kind kind);

// Runs work on a worker thread and returns when it is done; meanwhile this thread's
// event loop runs, user input excepted.
void runAside(const std::function<void()> &work);

} // namespace ExchangeImport
