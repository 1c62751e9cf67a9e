#pragma once

#include <QByteArray>
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

// Why readBounded gave nothing.
enum class ReadRefusal { None, NotRegular, TooLarge, Unreadable };

// Reads a regular file whole when it holds at most maxBytes: a stored file, or one from
// outside, is never read past the size its format can reach. False, with data empty,
// when the path is anything else (a link, even to a regular file, a FIFO, a device, a
// folder), is larger or cannot be read; refusal, when given, says which. Kind and size
// are those of the file opened, not of whatever the name showed a moment before.
bool readBounded(const QString &path, qint64 maxBytes, QByteArray &data,
                 ReadRefusal *refusal = nullptr);

// As readBounded, but a larger regular file gives its first maxBytes (true, with refusal
// TooLarge) rather than nothing.
bool readBeginning(const QString &path, qint64 maxBytes, QByteArray &data,
                   ReadRefusal *refusal = nullptr);

// Cleans a name in place for use as a file name: drops the characters a stored name
// may not hold and turns blanks into "_". The result is never "", "." or "..".
void makeValidName(QString &name);

} // namespace FileUtils
