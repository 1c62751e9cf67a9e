#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

// Power-off is the instrument's normal shutdown, so a stored file is never rewritten in
// place: the new content goes to a hidden temporary file in the same directory, is
// flushed and synced, and is renamed over the target. A cut at any moment leaves the old
// file or the new one, and a left-over temporary file stays out of every listing.
class AtomicFile
{
public:
    explicit AtomicFile(const QString &path);
    // Drops the temporary file when commit() was not reached.
    ~AtomicFile();
    AtomicFile(const AtomicFile &) = delete;
    AtomicFile &operator=(const AtomicFile &) = delete;

    bool open();
    // The temporary file, to write into.
    QIODevice &device() { return m_temp; }
    // Syncs and renames over the target; false (target untouched) when any write failed.
    bool commit();

    // The whole content of path in one call.
    static bool write(const QString &path, const QByteArray &data);
    // Removes the temporary files that saves into dir left when they were cut off.
    static void removeLeftovers(const QString &dir);
    // Makes a finished rename in dir survive a power cut.
    static void syncDirectory(const QString &dir);

private:
    QString m_path;
    // Kept apart from m_temp, which forgets its name when it is opened on a descriptor.
    QString m_tempPath;
    QFile m_temp;
    bool m_opened = false;
    bool m_committed = false;
};
