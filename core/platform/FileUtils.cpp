#include "FileUtils.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>
#include <sys/statfs.h>

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

bool readBounded(const QString &path, qint64 maxBytes, QByteArray &data)
{
    data.clear();
    const QFileInfo info(path);
    if (!info.isFile() || info.size() > maxBytes)
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    // Bounded again: a file that grew since, or one whose size the system cannot tell.
    QByteArray read = file.read(qMin(info.size(), maxBytes) + 1);
    while (read.size() <= maxBytes && !file.atEnd() && file.error() == QFileDevice::NoError)
        read += file.read(qMin<qint64>(64 * 1024, maxBytes + 1 - read.size()));
    if (file.error() != QFileDevice::NoError || read.size() > maxBytes)
        return false;
    data = read;
    return true;
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
