#include "MemoryMappedPinController.h"

#include "PinRegisters.h"

MemoryMappedPinController::MemoryMappedPinController(unsigned int physicalBase)
    : m_Registers(PinRegisters::open(physicalBase))
{
}

MemoryMappedPinController::~MemoryMappedPinController() = default;

bool MemoryMappedPinController::isMapped() const
{
    return m_Registers && m_Registers->isMapped();
}

void MemoryMappedPinController::change(unsigned int registerOffset, unsigned int mask, bool set)
{
    if (!isMapped())
        return;
    const quint32 word = m_Registers->read(registerOffset);
    m_Registers->write(registerOffset, set ? (word | mask) : (word & ~mask));
}

void MemoryMappedPinController::setDirection(unsigned int registerOffset, unsigned int mask,
                                             PIN_DIRECTION direction)
{
    change(registerOffset, mask, direction == Output);
}

void MemoryMappedPinController::setValue(unsigned int registerOffset, unsigned int mask,
                                         unsigned char value)
{
    change(registerOffset, mask, value == 1);
}

bool MemoryMappedPinController::getValue(unsigned int registerOffset, unsigned int mask) const
{
    return isMapped() && (m_Registers->read(registerOffset) & mask) != 0;
}
