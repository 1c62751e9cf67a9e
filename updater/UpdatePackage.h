#pragma once

#include <QString>
#include <QStringList>

// The update package on a drive: a bzip2-compressed tar archive named
// "*firmware_update*.tar.bz2" whose members all lie in the folder "firmware_update".
class UpdatePackage
{
public:
    static const char *const FolderName; // "firmware_update"

    // What one package may unpack; the free space of the target bounds it further.
    struct Limits {
        qint64 maxBytes = Q_INT64_C(1024) * 1024 * 1024;
        int maxMembers = 10000;
    };

    // Entries of a folder whose names match the package pattern, letter case ignored,
    // hidden entries excluded, sorted by name ignoring case.
    static QStringList find(const QString &folder);

    // Removes whatever stands at folder (a link is removed as a link, never followed),
    // makes the folder afresh and unpacks the package into it: the members below
    // "firmware_update" land below folder. The archive is read once, by the same reader
    // that checks each member before it is written. Refused (false, with the reason, and
    // the folder removed again): anything but one bzip2 stream holding a complete tar
    // archive; a member outside "firmware_update" (absolute, "..", beside it, or the
    // folder itself as anything but a folder); a symbolic link whose target is absolute or
    // climbs with ".."; a hard link to anything but a file of the package met before it;
    // devices, pipes and sockets; a member written through a link; more members or bytes
    // than the limits or the target's free space allow.
    static bool unpack(const QString &archivePath, const QString &folder, QString *reason,
                       const Limits &limits);
    static bool unpack(const QString &archivePath, const QString &folder,
                       QString *reason = nullptr);

    // Removes path and, for a folder, all it holds, following no link on the way. True
    // when nothing is left there.
    static bool removeTree(const QString &path);
};
