#include "UpdatePackage.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QSet>

#include <archive.h>
#include <archive_entry.h>

#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

const char *const UpdatePackage::FolderName = "firmware_update";

QStringList UpdatePackage::find(const QString &folder)
{
    QDir dir(folder);
    return dir.entryList(QStringList{QStringLiteral("*firmware_update*.tar.bz2")},
                         QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot,
                         QDir::Name | QDir::IgnoreCase);
}

namespace
{

// Room for the headers, long names and padding of an archive beside the data it unpacks.
constexpr qint64 StreamOverhead = 16 * 1024 * 1024;
constexpr qint64 DefaultBlock = 4096;

bool removeAt(int dirFd, const char *name)
{
    struct stat st;
    if (fstatat(dirFd, name, &st, AT_SYMLINK_NOFOLLOW) != 0)
        return errno == ENOENT;
    if (!S_ISDIR(st.st_mode))
        return unlinkat(dirFd, name, 0) == 0 || errno == ENOENT;
    const int fd = openat(dirFd, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return false;
    DIR *dir = fdopendir(fd);
    if (!dir) {
        close(fd);
        return false;
    }
    bool ok = true;
    while (const dirent *e = readdir(dir)) {
        if (qstrcmp(e->d_name, ".") == 0 || qstrcmp(e->d_name, "..") == 0)
            continue;
        ok = removeAt(fd, e->d_name) && ok;
    }
    closedir(dir);
    return ok && (unlinkat(dirFd, name, AT_REMOVEDIR) == 0 || errno == ENOENT);
}

// The parts of a member name below the archive's top; false when it is absolute or
// climbs with "..". Empty parts and "." are dropped, as the reader of the disk does.
bool relativeParts(const char *name, QList<QByteArray> *parts)
{
    if (!name || !*name || name[0] == '/')
        return false;
    for (const QByteArray &p : QByteArray(name).split('/')) {
        if (p == "..")
            return false;
        if (!p.isEmpty() && p != ".")
            parts->append(p);
    }
    return true;
}

QString text(const char *s)
{
    return s ? QString::fromLocal8Bit(s) : QStringLiteral("(unreadable)");
}

// The working folder, which the secure extraction resolves member names against, moved
// into the package folder for as long as this lives.
class WorkingFolder
{
public:
    WorkingFolder() : m_saved(open(".", O_PATH | O_DIRECTORY | O_CLOEXEC)) {}
    ~WorkingFolder()
    {
        if (m_saved >= 0) {
            if (m_entered && fchdir(m_saved) != 0)
                qWarning("cannot return to the working folder");
            close(m_saved);
        }
    }
    WorkingFolder(const WorkingFolder &) = delete;
    WorkingFolder &operator=(const WorkingFolder &) = delete;

    // Enters folder, and only the folder made just before (same device and inode).
    bool enter(const QByteArray &folder, const struct stat &made)
    {
        if (m_saved < 0 || chdir(folder.constData()) != 0)
            return false;
        m_entered = true;
        struct stat here;
        return stat(".", &here) == 0 && here.st_dev == made.st_dev && here.st_ino == made.st_ino;
    }

private:
    int m_saved;
    bool m_entered = false;
};

class Unpacker
{
public:
    Unpacker(const UpdatePackage::Limits &limits, qint64 budget, qint64 block)
        : m_limits(limits), m_budget(budget), m_block(block)
    {
    }
    ~Unpacker()
    {
        if (m_disk)
            archive_write_free(m_disk);
        if (m_inner)
            archive_read_free(m_inner);
        if (m_outer)
            archive_read_free(m_outer);
    }
    Unpacker(const Unpacker &) = delete;
    Unpacker &operator=(const Unpacker &) = delete;

    bool run(const QByteArray &archivePath);
    QString reason;

private:
    bool fail(const QString &why)
    {
        if (reason.isEmpty())
            reason = why;
        return false;
    }
    bool open(const QByteArray &archivePath);
    bool member(archive_entry *entry);
    bool copyData(qint64 size);
    bool drain();
    bool countStream(size_t size);
    static la_ssize_t readStream(archive *inner, void *self, const void **buffer);

    const UpdatePackage::Limits m_limits;
    const qint64 m_budget;
    const qint64 m_block;
    // The compressed file, read as one stream of bytes, feeds the tar reader, so that the
    // whole stream is decompressed and checked, also past the archive's end marker.
    archive *m_outer = nullptr;
    archive *m_inner = nullptr;
    archive *m_disk = nullptr;
    qint64 m_streamBytes = 0;
    qint64 m_charged = 0;
    int m_members = 0;
    QSet<QByteArray> m_files; // regular files written so far, for hard links to name
};

bool Unpacker::countStream(size_t size)
{
    m_streamBytes += qint64(size);
    if (m_streamBytes > m_limits.maxBytes + StreamOverhead)
        return fail(QStringLiteral("package unpacks to more than %1 bytes").arg(m_limits.maxBytes));
    return true;
}

la_ssize_t Unpacker::readStream(archive *inner, void *self, const void **buffer)
{
    auto *u = static_cast<Unpacker *>(self);
    size_t size = 0;
    la_int64_t offset = 0;
    const int r = archive_read_data_block(u->m_outer, buffer, &size, &offset);
    if (r == ARCHIVE_EOF)
        return 0;
    if (r != ARCHIVE_OK) {
        u->fail(QStringLiteral("damaged compressed data: %1")
                    .arg(text(archive_error_string(u->m_outer))));
        archive_set_error(inner, EIO, "damaged compressed data");
        return -1;
    }
    if (!u->countStream(size)) {
        archive_set_error(inner, EIO, "package too large");
        return -1;
    }
    return la_ssize_t(size);
}

bool Unpacker::open(const QByteArray &archivePath)
{
    m_outer = archive_read_new();
    m_inner = archive_read_new();
    m_disk = archive_write_disk_new();
    if (!m_outer || !m_inner || !m_disk)
        return fail(QStringLiteral("out of memory"));
    if (archive_read_support_filter_bzip2(m_outer) != ARCHIVE_OK ||
        archive_read_support_format_raw(m_outer) != ARCHIVE_OK ||
        archive_read_support_format_tar(m_inner) != ARCHIVE_OK)
        return fail(QStringLiteral("archive reader incomplete"));
    if (archive_read_open_filename(m_outer, archivePath.constData(), 64 * 1024) != ARCHIVE_OK)
        return fail(
            QStringLiteral("cannot open the package: %1").arg(text(archive_error_string(m_outer))));
    archive_entry *stream = nullptr;
    if (archive_read_next_header(m_outer, &stream) != ARCHIVE_OK)
        return fail(
            QStringLiteral("cannot read the package: %1").arg(text(archive_error_string(m_outer))));
    // One bzip2 stream over the file, as "tar j" reads it: not plain, not compressed twice.
    if (archive_filter_count(m_outer) != 2 ||
        archive_filter_code(m_outer, 0) != ARCHIVE_FILTER_BZIP2)
        return fail(QStringLiteral("not a bzip2-compressed file"));
    if (archive_read_open(m_inner, this, nullptr, &Unpacker::readStream, nullptr) != ARCHIVE_OK)
        return fail(
            QStringLiteral("not a tar archive: %1").arg(text(archive_error_string(m_inner))));
    // Owners, set-id bits, attributes and flags of the archive are not restored.
    const int flags = ARCHIVE_EXTRACT_SECURE_NOABSOLUTEPATHS | ARCHIVE_EXTRACT_SECURE_NODOTDOT |
                      ARCHIVE_EXTRACT_SECURE_SYMLINKS | ARCHIVE_EXTRACT_PERM | ARCHIVE_EXTRACT_TIME;
    if (archive_write_disk_set_options(m_disk, flags) != ARCHIVE_OK)
        return fail(QStringLiteral("cannot set the extraction options"));
    return true;
}

bool Unpacker::run(const QByteArray &archivePath)
{
    if (!open(archivePath))
        return false;
    for (;;) {
        archive_entry *entry = nullptr;
        const int r = archive_read_next_header(m_inner, &entry);
        if (r == ARCHIVE_EOF)
            break;
        if (r != ARCHIVE_OK)
            return fail(
                QStringLiteral("damaged archive: %1").arg(text(archive_error_string(m_inner))));
        if (!member(entry))
            return false;
    }
    if (!drain())
        return false;
    // Folder modes and times are set here, at the end.
    if (archive_write_close(m_disk) != ARCHIVE_OK)
        return fail(
            QStringLiteral("cannot finish unpacking: %1").arg(text(archive_error_string(m_disk))));
    return true;
}

bool Unpacker::member(archive_entry *entry)
{
    if (++m_members > m_limits.maxMembers)
        return fail(QStringLiteral("package holds more than %1 members").arg(m_limits.maxMembers));
    const char *name = archive_entry_pathname(entry);
    const char *hardLink = archive_entry_hardlink(entry);
    const mode_t type = archive_entry_filetype(entry);
    QList<QByteArray> parts;
    if (!relativeParts(name, &parts))
        return fail(QStringLiteral("member outside the package: %1").arg(text(name)));
    if (parts.isEmpty() || (parts.size() == 1 && parts.first() == UpdatePackage::FolderName)) {
        // "./" (the folder the archive was made in) or the package folder itself, which is
        // made afresh here: as anything but a folder it would redirect every member.
        if (hardLink || type != AE_IFDIR)
            return fail(QStringLiteral("%1 is not a folder").arg(text(name)));
        return copyData(0);
    }
    if (parts.first() != UpdatePackage::FolderName)
        return fail(
            QStringLiteral("member outside %1: %2").arg(UpdatePackage::FolderName, text(name)));
    parts.removeFirst();
    const QByteArray path = parts.join('/');

    if (hardLink) {
        QList<QByteArray> target;
        if (!relativeParts(hardLink, &target) || target.size() < 2 ||
            target.first() != UpdatePackage::FolderName)
            return fail(QStringLiteral("link pointing outside the package: %1 -> %2")
                            .arg(text(name), text(hardLink)));
        target.removeFirst();
        const QByteArray inside = target.join('/');
        if (!m_files.contains(inside))
            return fail(QStringLiteral("hard link to no file of the package: %1 -> %2")
                            .arg(text(name), text(hardLink)));
        archive_entry_set_hardlink(entry, inside.constData());
    } else if (type == AE_IFLNK) {
        // Without "..", a relative target can only point down into the package, however
        // the links it passes through resolve.
        const char *target = archive_entry_symlink(entry);
        QList<QByteArray> ignored;
        if (!target || !*target || !relativeParts(target, &ignored))
            return fail(QStringLiteral("link pointing outside the package: %1 -> %2")
                            .arg(text(name), text(target)));
    } else if (type != AE_IFREG && type != AE_IFDIR) {
        return fail(QStringLiteral("special file in the package: %1").arg(text(name)));
    }
    if (type == AE_IFREG && !hardLink)
        m_files.insert(path);
    else
        m_files.remove(path);

    const qint64 size = archive_entry_size_is_set(entry) ? archive_entry_size(entry) : 0;
    if (size < 0)
        return fail(QStringLiteral("bad member size: %1").arg(text(name)));
    // Whole blocks of the file system, and at least one per member.
    m_charged += qMax<qint64>(1, (size + m_block - 1) / m_block) * m_block;
    if (m_charged > m_budget)
        return fail(QStringLiteral("package unpacks to more than %1 bytes").arg(m_budget));

    // Nobody but the updater writes into the unpacked package between its check and its
    // use; folders stay open to the updater so they can always be emptied.
    mode_t perm = archive_entry_perm(entry) & 0755;
    if (type == AE_IFDIR)
        perm |= 0700;
    archive_entry_set_perm(entry, perm);
    archive_entry_set_pathname(entry, path.constData());
    if (archive_write_header(m_disk, entry) != ARCHIVE_OK)
        return fail(QStringLiteral("cannot unpack %1: %2")
                        .arg(text(name), text(archive_error_string(m_disk))));
    if (!copyData(size))
        return false;
    if (archive_write_finish_entry(m_disk) != ARCHIVE_OK)
        return fail(QStringLiteral("cannot unpack %1: %2")
                        .arg(text(name), text(archive_error_string(m_disk))));
    return true;
}

bool Unpacker::copyData(qint64 size)
{
    for (;;) {
        const void *buffer = nullptr;
        size_t length = 0;
        la_int64_t offset = 0;
        const int r = archive_read_data_block(m_inner, &buffer, &length, &offset);
        if (r == ARCHIVE_EOF)
            return true;
        if (r != ARCHIVE_OK)
            return fail(
                QStringLiteral("damaged archive: %1").arg(text(archive_error_string(m_inner))));
        if (offset < 0 || offset + qint64(length) > size)
            return fail(QStringLiteral("member data beyond its size"));
        if (archive_write_data_block(m_disk, buffer, length, offset) != ARCHIVE_OK)
            return fail(QStringLiteral("cannot write: %1").arg(text(archive_error_string(m_disk))));
    }
}

bool Unpacker::drain()
{
    // What follows the archive's end marker is still decompressed, so that a damaged or
    // cut stream is refused as the whole-file reader of "tar j" would refuse it.
    for (;;) {
        const void *buffer = nullptr;
        size_t length = 0;
        la_int64_t offset = 0;
        const int r = archive_read_data_block(m_outer, &buffer, &length, &offset);
        if (r == ARCHIVE_EOF)
            return true;
        if (r != ARCHIVE_OK)
            return fail(QStringLiteral("damaged compressed data: %1")
                            .arg(text(archive_error_string(m_outer))));
        if (!countStream(length))
            return false;
    }
}

} // namespace

bool UpdatePackage::removeTree(const QString &path)
{
    const QFileInfo info(path);
    const QByteArray parent = QFile::encodeName(info.absolutePath());
    const QByteArray name = QFile::encodeName(info.fileName());
    if (name.isEmpty() || name == "." || name == "..")
        return false;
    const int fd = open(parent.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return errno == ENOENT;
    const bool ok = removeAt(fd, name.constData());
    close(fd);
    return ok;
}

bool UpdatePackage::unpack(const QString &archivePath, const QString &folder, QString *reason)
{
    return unpack(archivePath, folder, reason, Limits());
}

bool UpdatePackage::unpack(const QString &archivePath, const QString &folder, QString *reason,
                           const Limits &limits)
{
    auto refuse = [&](const QString &why) {
        if (reason)
            *reason = why;
        return false;
    };
    if (!removeTree(folder))
        return refuse(QStringLiteral("cannot empty %1").arg(folder));
    const QByteArray where = QFile::encodeName(folder);
    struct stat made;
    if (mkdir(where.constData(), 0755) != 0 || lstat(where.constData(), &made) != 0 ||
        !S_ISDIR(made.st_mode))
        return refuse(QStringLiteral("cannot make %1").arg(folder));

    qint64 budget = limits.maxBytes;
    qint64 block = DefaultBlock;
    struct statvfs fs;
    if (statvfs(where.constData(), &fs) == 0 && fs.f_frsize > 0) {
        block = qint64(fs.f_frsize);
        budget = qMin(budget, qint64(fs.f_bavail) * block);
    }

    bool ok = false;
    QString why;
    {
        // The reader and the working folder are released before anything is removed.
        WorkingFolder working;
        if (!working.enter(where, made)) {
            why = QStringLiteral("cannot enter %1").arg(folder);
        } else {
            Unpacker unpacker(limits, budget, block);
            ok = unpacker.run(QFile::encodeName(QFileInfo(archivePath).absoluteFilePath()));
            why = unpacker.reason;
        }
    }
    if (!ok) {
        removeTree(folder);
        return refuse(why);
    }
    return true;
}
