#include "AtomicFile.h"

#include <QDir>
#include <QFileInfo>

#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace {
QString tempPathFor(const QString &path)
{
    const QFileInfo info(path);
    return info.absolutePath() + QLatin1String("/.") + info.fileName() + QLatin1String(".part");
}
} // namespace

AtomicFile::AtomicFile(const QString &path)
    : m_path(path), m_temp(tempPathFor(path))
{
}

AtomicFile::~AtomicFile()
{
    if (!m_committed) {
        m_temp.close();
        m_temp.remove();
    }
}

bool AtomicFile::open()
{
    return m_temp.open(QIODevice::WriteOnly | QIODevice::Truncate);
}

bool AtomicFile::commit()
{
    if (!m_temp.isOpen())
        return false;
    bool ok = m_temp.error() == QFileDevice::NoError && m_temp.flush();
    ok = ok && ::fsync(m_temp.handle()) == 0;
    m_temp.close();
    ok = ok && m_temp.error() == QFileDevice::NoError;
    // rename(2) replaces the target in one step, which QFile::rename will not do.
    ok = ok
        && std::rename(QFile::encodeName(m_temp.fileName()).constData(),
                       QFile::encodeName(m_path).constData())
            == 0;
    if (!ok)
        return false;
    m_committed = true;
    syncDirectory(QFileInfo(m_path).absolutePath());
    return true;
}

bool AtomicFile::write(const QString &path, const QByteArray &data)
{
    AtomicFile file(path);
    return file.open() && file.device().write(data) == data.size() && file.commit();
}

void AtomicFile::removeLeftovers(const QString &dir)
{
    const QStringList parts = QDir(dir).entryList({QStringLiteral(".*.part")},
                                                  QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &part : parts)
        QFile::remove(dir + QLatin1Char('/') + part);
}

void AtomicFile::syncDirectory(const QString &dir)
{
    const int fd = ::open(QFile::encodeName(dir).constData(), O_RDONLY | O_DIRECTORY);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}
