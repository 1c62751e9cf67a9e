#include "MappedPinRegisters.h"

#include "MemoryMap.h"
#include "UpdaterPath.h"

#include <unistd.h>

MappedPinRegisters::MappedPinRegisters(unsigned physicalBase)
    : m_MemoryMap(new MemoryMap(UpdaterPath::path(QStringLiteral("/dev/mem")), int(::sysconf(_SC_PAGESIZE)), 3,
                                true, qint64(physicalBase)))
{
}

MappedPinRegisters::~MappedPinRegisters()
{
    delete m_MemoryMap;
}

bool MappedPinRegisters::isMapped() const
{
    return m_MemoryMap->pointer() != nullptr;
}

volatile quint32 *MappedPinRegisters::word(unsigned offset) const
{
    if (!m_MemoryMap->pointer() || offset % 4 != 0
        || offset + 4 > unsigned(m_MemoryMap->mappedLength()))
        return nullptr;
    return reinterpret_cast<volatile quint32 *>(static_cast<char *>(m_MemoryMap->pointer())
                                                + offset);
}

quint32 MappedPinRegisters::read(unsigned offset) const
{
    volatile quint32 *w = word(offset);
    return w ? *w : 0;
}

void MappedPinRegisters::write(unsigned offset, quint32 value)
{
    if (volatile quint32 *w = word(offset))
        *w = value;
}
