#include "SmallPartition.h"

#include <QDir>
#include <QFile>

#include <sys/mount.h>
#include <sys/statvfs.h>

SmallPartition::SmallPartition(const QString &path, int pages) : m_path(path), m_pages(pages)
{
    QDir().mkpath(path);
    const QByteArray size = QByteArray::number(pages * pageSize());
    m_mounted = ::mount("tmpfs", QFile::encodeName(path).constData(), "tmpfs", 0,
                        ("size=" + size).constData())
        == 0;
}

SmallPartition::~SmallPartition()
{
    if (m_mounted)
        ::umount(QFile::encodeName(m_path).constData());
}

bool SmallPartition::fillPages(int pages)
{
    QFile f(m_path + "/fill");
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate)
        && f.write(QByteArray(pages * pageSize(), 'x')) == pages * pageSize();
}

bool SmallPartition::leaveFree(int pages)
{
    if (!fillPages(0))
        return false;
    struct statvfs fs;
    if (::statvfs(QFile::encodeName(m_path).constData(), &fs) != 0)
        return false;
    const qint64 freePages = qint64(fs.f_bavail) * qint64(fs.f_frsize) / pageSize();
    return freePages >= pages && fillPages(int(freePages - pages));
}

bool SmallPartition::fillUp()
{
    QFile f(m_path + "/fill-up");
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered))
        return false;
    const QByteArray page(int(pageSize()), 'x');
    for (int pages = 0; pages <= m_pages; ++pages) {
        if (f.write(page) != page.size())
            return true;
    }
    return false;
}
