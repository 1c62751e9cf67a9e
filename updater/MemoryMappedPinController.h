#pragma once

#include <QtGlobal>

#include <memory>

class PinRegisters;

// Sets, clears and reads single bits of the pin-control registers. Callers pass the
// whole register offset (DOUT 0x700 + 0x10 x bank, DIN 0x900 + ..., DOE 0xB00 + ...) and
// a mask; every change is a read-modify-write of the one 32-bit register.
class MemoryMappedPinController
{
public:
    enum PIN_DIRECTION { Input = 0, Output = 1 };

    explicit MemoryMappedPinController(unsigned int physicalBase);
    ~MemoryMappedPinController();
    MemoryMappedPinController(const MemoryMappedPinController &) = delete;
    MemoryMappedPinController &operator=(const MemoryMappedPinController &) = delete;

    // False when the register page could not be reached: users must then leave every
    // line alone and fail.
    bool isMapped() const;

    void setDirection(unsigned int registerOffset, unsigned int mask, PIN_DIRECTION direction);
    // Only the value 1 sets the bits; any other value clears them.
    void setValue(unsigned int registerOffset, unsigned int mask, unsigned char value);
    bool getValue(unsigned int registerOffset, unsigned int mask) const;

private:
    void change(unsigned int registerOffset, unsigned int mask, bool set);

    std::shared_ptr<PinRegisters> m_Registers;
};
