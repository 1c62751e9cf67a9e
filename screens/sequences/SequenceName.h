#pragma once

#include <QString>

class QWidget;

// A new sequence name as the operator types it for New and Rename.
namespace SequenceName
{

// Opens the on-screen keyboard, empty and without a length limit. On the green key the
// typed text, cleaned by the sequence store's rule, goes into name and true is returned;
// the red key returns false.
bool enter(QWidget *parent, QString &name);

// A cleaned name that would store nothing (empty) or a hidden file, which no list shows.
bool isRefused(const QString &cleanedName);

} // namespace SequenceName
