#include "SmallPartition.h"

#include <QDir>
#include <QFile>

#include <sys/mount.h>

SmallPartition::SmallPartition(const QString &path) : m_path(path)
{
    QDir().mkpath(path);
    const QByteArray size = QByteArray::number(100 * pageSize());
    m_mounted = ::mount("tmpfs", QFile::encodeName(path).constData(), "tmpfs", 0,
                        ("size=" + size).constData()) == 0;
}

SmallPartition::~SmallPartition()
{
    if (m_mounted)
        ::umount(QFile::encodeName(m_path).constData());
}

bool SmallPartition::fillPages(int pages)
{
    QFile f(m_path + "/fill");
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           f.write(QByteArray(pages * pageSize(), 'x')) == pages * pageSize();
}
