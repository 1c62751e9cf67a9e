#pragma once

#include <QString>
#include <QtGlobal>

// Directory trees, file-system usage and file-name cleaning, shared by the factory
// restore, the memory-usage screen, the drive controller and the sequence store.
namespace FileUtils {

// Removes the directory and everything below it. A path that does not exist counts as
// removed. Symbolic links are removed as links, never followed. Stops at the first
// entry that cannot be removed and returns false.
bool removeDir(const QString &path);

// Removes everything inside the directory and keeps the directory itself.
bool removeDirContents(const QString &path);

// Total size in bytes of the files below the directory (links not followed); 0 when
// the directory does not exist.
quint64 dirSize(const QString &path);

// Total and available bytes of the file system that holds path. Returns false and
// leaves both untouched when the path cannot be measured.
bool dirUsage(const QString &path, double &total, double &available);

// Cleans a name in place for use as a file name: drops the characters a stored name
// may not hold and turns blanks into "_". The result is never "", "." or "..".
void makeValidName(QString &name);

} // namespace FileUtils
