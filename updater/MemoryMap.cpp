#include "MemoryMap.h"

#include <QDebug>
#include <QFile>

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

MemoryMap::MemoryMap(const QString &path, int length, int protection, bool shared, qint64 offset)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_SYNC | O_CLOEXEC);
    if (fd < 0) {
        qDebug() << "failed to open memory map file " << path;
        return;
    }
    // A plain file shorter than the stretch would map, then fault on the first access.
    struct stat st {};
    const bool fits = ::fstat(fd, &st) == 0
        && (!S_ISREG(st.st_mode) || st.st_size >= offset + length);
    int prot = 0;
    if (protection & 1)
        prot |= PROT_READ;
    if (protection & 2)
        prot |= PROT_WRITE;
    if (protection & 4)
        prot |= PROT_EXEC;
    void *p = fits ? ::mmap(nullptr, size_t(length), prot, shared ? MAP_SHARED : MAP_PRIVATE, fd,
                            off_t(offset))
                   : MAP_FAILED;
    ::close(fd); // the mapping keeps the file
    if (p == MAP_FAILED) {
        qDebug() << "failed to map memory map file " << path;
        return;
    }
    m_Pointer = p;
    m_MappedLength = length;
}

MemoryMap::~MemoryMap()
{
    if (m_Pointer)
        ::munmap(m_Pointer, size_t(m_MappedLength));
}
