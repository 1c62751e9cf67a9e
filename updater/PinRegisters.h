#pragma once

#include <QtGlobal>

#include <functional>
#include <memory>

// One page of the processor's pin-control registers, seen as 32-bit words by byte
// offset. On the instrument it is a mapping of physical memory; elsewhere a stand-in
// page can be installed, so the logic that clocks the programming lines can run on a PC
// without ever mapping physical memory there.
class PinRegisters
{
public:
    virtual ~PinRegisters() = default;

    // False when the page could not be reached; reads then give 0 and writes go nowhere.
    virtual bool isMapped() const = 0;
    virtual quint32 read(unsigned offset) const = 0;
    virtual void write(unsigned offset, quint32 value) = 0;

    using Factory = std::function<std::shared_ptr<PinRegisters>(unsigned physicalBase)>;

    // The page at physicalBase: the installed stand-in, else a mapping of "/dev/mem".
    static std::shared_ptr<PinRegisters> open(unsigned physicalBase);
    // Installs a stand-in for every later open(); an empty factory restores the device.
    static void setFactory(Factory factory);
};
