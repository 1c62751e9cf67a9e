#pragma once

#include <QString>

#include <atomic>
#include <functional>

// What an exchange-file import did, for the transfer screen to tell the operator.
struct ImportReport
{
    // Records or sequences stored, damaged and renamed ones included.
    int stored = 0;
    // Stored under a name other than their own: a sequence whose name cleans to a file
    // this import has already written, or a result whose asset identity or date cannot
    // name a file.
    int renamed = 0;
    // Stored only as far as they were whole: their test list held an element of an
    // unknown type or one cut short.
    int damaged = 0;
    // Not stored: cut short or unreadable, too large, without a usable name, or the
    // save failed.
    int skipped = 0;
    // Of the skipped, those whose save failed; and whether the data partition was full
    // when one failed, which is why as a rule.
    int unwritten = 0;
    bool partitionFull = false;
    // The file is of the other kind (or no exchange file at all); the format warning
    // was shown and nothing was imported.
    bool wrongKind = false;

    // Everything in the file was stored whole.
    bool complete() const { return !wrongKind && damaged == 0 && skipped == 0; }

    // A save of what was read whole failed.
    void saveFailed();
    // What another file's import did, added to this.
    void add(const ImportReport &other);
    // For the operator: how many saves failed and why; empty when none did.
    QString unwrittenNote() const;
};

// Runs the storing part of an import: given to an import, it decides where that part
// runs (a worker thread, say); the part touches no state of the store that calls it.
// An empty runner runs it at once, on the calling thread.
using ImportRunner = std::function<void(const std::function<void()> &work)>;

// Records or sequences an import has gone through so far, stored or not: counted by the
// storing part, wherever it runs, for a screen to show while it waits.
using ImportProgress = std::atomic<int>;
