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
    : m_path(path), m_tempPath(tempPathFor(path))
{
}

AtomicFile::~AtomicFile()
{
    if (!m_committed) {
        m_temp.close();
        if (m_opened)
            ::unlink(QFile::encodeName(m_tempPath).constData());
    }
}

bool AtomicFile::open()
{
    // Whatever stands under the temporary name (a cut save's leftover, a link) goes first,
    // and the new file is made afresh, so the write can never go through a link.
    const QByteArray name = QFile::encodeName(m_tempPath);
    ::unlink(name.constData());
    const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0)
        return false;
    if (!m_temp.open(fd, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        ::unlink(name.constData());
        return false;
    }
    m_opened = true;
    return true;
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
        && std::rename(QFile::encodeName(m_tempPath).constData(),
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
