#include "FileUtils.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>

#include <cerrno>
#include <fcntl.h>
#include <limits>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <unistd.h>

namespace FileUtils {

namespace {

QFileInfoList entries(const QString &path)
{
    return QDir(path).entryInfoList(QDir::NoDotAndDotDot | QDir::System | QDir::Hidden
                                        | QDir::AllDirs | QDir::Files,
                                    QDir::DirsFirst);
}

// A link (even one to a directory, even a dangling one) is an entry of its own: removing
// or measuring it must never reach into the tree it points at.
bool isRealDir(const QFileInfo &info)
{
    return info.isDir() && !info.isSymLink();
}

} // namespace

bool removeDirContents(const QString &path)
{
    if (!QDir(path).exists(path))
        return true;
    for (const QFileInfo &info : entries(path)) {
        const bool ok = isRealDir(info) ? removeDir(info.absoluteFilePath())
                                        : QFile::remove(info.absoluteFilePath());
        if (!ok)
            return false;
    }
    return true;
}

bool removeDir(const QString &path)
{
    const QFileInfo top(path);
    if (top.isSymLink())
        return QFile::remove(path);
    if (!QDir(path).exists(path))
        return true;
    if (!removeDirContents(path))
        return false;
    return QDir().rmdir(path);
}

namespace {
// Reads a regular file of at most maxBytes; a larger one gives nothing, or its first
// maxBytes when the beginning is wanted.
bool readRegular(const QString &path, qint64 maxBytes, QByteArray &data, ReadRefusal *refusal,
                 bool beginning)
{
    data.clear();
    // What one byte array can hold.
    maxBytes = qMin<qint64>(maxBytes, std::numeric_limits<int>::max() - 1);
    ReadRefusal unused;
    ReadRefusal &why = refusal ? *refusal : unused;
    why = ReadRefusal::Unreadable;
    const QByteArray native = QFile::encodeName(path);
    // A look at the name first, so that no device is opened at all (opening one can act);
    // the file opened is checked again below, since the name can be swapped meanwhile.
    struct stat st;
    if (::lstat(native.constData(), &st) != 0)
        return false;
    if (!S_ISREG(st.st_mode)) {
        why = ReadRefusal::NotRegular;
        return false;
    }
    // No link is followed, and a FIFO put in its place cannot hold up the open.
    const int fd = ::open(native.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ELOOP)
            why = ReadRefusal::NotRegular;
        return false;
    }
    const auto closeFile = qScopeGuard([fd] { ::close(fd); });
    if (::fstat(fd, &st) != 0)
        return false;
    if (!S_ISREG(st.st_mode)) {
        why = ReadRefusal::NotRegular;
        return false;
    }
    if (st.st_size > maxBytes && !beginning) {
        why = ReadRefusal::TooLarge;
        return false;
    }
    // Bounded again while reading: the file may grow after it was measured.
    QByteArray read(int(qMin<qint64>(st.st_size, maxBytes)) + 1, Qt::Uninitialized);
    qint64 got = 0;
    for (;;) {
        if (got == read.size()) {
            if (got > maxBytes)
                break;
            read.resize(int(qMin(2 * got, maxBytes + 1)));
        }
        const ssize_t n = ::read(fd, read.data() + got, size_t(read.size() - got));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0)
            break;
        got += n;
    }
    if (got > maxBytes && !beginning) {
        why = ReadRefusal::TooLarge;
        return false;
    }
    why = got > maxBytes ? ReadRefusal::TooLarge : ReadRefusal::None;
    read.truncate(int(qMin(got, maxBytes)));
    data = read;
    return true;
}
} // namespace

bool readBounded(const QString &path, qint64 maxBytes, QByteArray &data, ReadRefusal *refusal)
{
    return readRegular(path, maxBytes, data, refusal, false);
}

bool readBeginning(const QString &path, qint64 maxBytes, QByteArray &data, ReadRefusal *refusal)
{
    return readRegular(path, maxBytes, data, refusal, true);
}

quint64 dirSize(const QString &path)
{
    if (!QDir(path).exists(path))
        return 0;
    quint64 size = 0;
    for (const QFileInfo &info : entries(path)) {
        if (info.isSymLink())
            continue;
        size += info.isDir() ? dirSize(info.absoluteFilePath()) : quint64(info.size());
    }
    return size;
}

bool dirUsage(const QString &path, double &total, double &available)
{
    const QByteArray native = QFile::encodeName(path);
    struct stat st;
    if (::stat(native.constData(), &st) != 0) {
        qDebug() << Q_FUNC_INFO << "failed stat";
        return false;
    }
    struct statfs fs;
    if (::statfs(native.constData(), &fs) != 0) {
        qDebug() << Q_FUNC_INFO << "failed statfs";
        return false;
    }
    // Block counts are in units of the fragment size; the preferred I/O size of stat
    // can differ from it and would scale the figures wrongly.
    const quint64 unit = quint64(fs.f_frsize);
    total = double(quint64(fs.f_blocks) * unit);
    available = double(quint64(fs.f_bavail) * unit);
    return true;
}

void makeValidName(QString &name)
{
    static const QString forbidden = QStringLiteral("`~!@#$%^&*()+=|:;<>,?/{}'\"[]\\");
    QString cleaned;
    cleaned.reserve(name.size());
    for (const QChar c : qAsConst(name)) {
        if (!forbidden.contains(c))
            cleaned.append(c == QLatin1Char(' ') ? QLatin1Char('_') : c);
    }
    // These would name the directory itself or its parent once used as a file name.
    if (cleaned.isEmpty() || cleaned == QLatin1String("."))
        cleaned = QStringLiteral("_");
    else if (cleaned == QLatin1String(".."))
        cleaned = QStringLiteral("__");
    name = cleaned;
}

} // namespace FileUtils
