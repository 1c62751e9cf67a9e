#pragma once

#include <QString>
#include <QStringList>

// The update package on a drive: a bzip2-compressed tar archive named
// "*firmware_update*.tar.bz2" that unpacks into the folder "firmware_update".
class UpdatePackage
{
public:
    static const char *const FolderName; // "firmware_update"

    // Entries of a folder whose names match the package pattern, letter case ignored,
    // hidden entries excluded, sorted by name ignoring case.
    static QStringList find(const QString &folder);

    // Reads the whole archive before anything is unpacked. Refuses (returns false with the
    // reason) a file that is not a complete, uncorrupted archive, and any member that
    // would land outside "firmware_update": absolute names, ".." components, names
    // outside the folder, links whose target is absolute or climbs with "..", and special
    // files (devices, pipes).
    static bool checkArchive(const QString &archivePath, QString *reason = nullptr);

    // The same check on the decompressed tar bytes (for callers that already hold them).
    static bool checkTar(const QByteArray &tar, QString *reason = nullptr);
};
