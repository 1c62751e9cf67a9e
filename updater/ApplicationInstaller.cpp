#include "ApplicationInstaller.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{

bool writeAll(int fd, const char *data, qint64 size)
{
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size_t(size));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        data += n;
        size -= n;
    }
    return true;
}

bool syncFolder(const QByteArray &folder)
{
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool ok = ::fsync(fd) == 0;
    return ::close(fd) == 0 && ok;
}

QString systemError()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

// The whole of in into fd, with its final mode, on the disk; empty when all went well.
QString writeCopy(QFile &in, int fd, mode_t mode)
{
    for (;;) {
        const QByteArray chunk = in.read(256 * 1024);
        if (chunk.isEmpty())
            break;
        if (!writeAll(fd, chunk.constData(), chunk.size()))
            return QStringLiteral("cannot write the copy: %1").arg(systemError());
    }
    if (in.error() != QFileDevice::NoError)
        return QStringLiteral("cannot read %1: %2").arg(in.fileName(), in.errorString());
    if (::fchmod(fd, mode) != 0 || ::fsync(fd) != 0)
        return QStringLiteral("cannot finish the copy: %1").arg(systemError());
    return QString();
}

} // namespace

bool ApplicationInstaller::install(const QString &source, const QString &target, QString *reason)
{
    auto fail = [reason](const QString &why) {
        if (reason)
            *reason = why;
        return false;
    };
    QFile in(source);
    if (!QFileInfo(source).isFile() || !in.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("cannot read %1").arg(source));

    const QByteArray targetName = QFile::encodeName(target);
    mode_t mode = 0755;
    struct stat old;
    if (::stat(targetName.constData(), &old) == 0) {
        if (!S_ISREG(old.st_mode))
            return fail(QStringLiteral("%1 is not a file").arg(target));
        mode = old.st_mode & 07777;
    } else if (errno != ENOENT) {
        return fail(QStringLiteral("cannot read %1: %2").arg(target, systemError()));
    }

    // A copy left by an update that was cut short is replaced, never written through.
    const QByteArray temporary = targetName + ".new";
    if (::unlink(temporary.constData()) != 0 && errno != ENOENT)
        return fail(QStringLiteral("cannot remove %1: %2")
                        .arg(QFile::decodeName(temporary), systemError()));
    const int fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0)
        return fail(QStringLiteral("cannot create %1: %2")
                        .arg(QFile::decodeName(temporary), systemError()));

    QString why = writeCopy(in, fd, mode);
    if (::close(fd) != 0 && why.isEmpty())
        why = QStringLiteral("cannot finish the copy: %1").arg(systemError());
    if (why.isEmpty() && ::rename(temporary.constData(), targetName.constData()) != 0)
        why = QStringLiteral("cannot replace %1: %2").arg(target, systemError());
    if (!why.isEmpty()) {
        ::unlink(temporary.constData());
        return fail(why);
    }
    // The rename itself reaches the disk only with its folder.
    if (!syncFolder(QFile::encodeName(QFileInfo(target).absolutePath())))
        return fail(
            QStringLiteral("cannot write the folder of %1 through: %2").arg(target, systemError()));
    return true;
}
