#pragma once

#include "PinRegisters.h"

class MemoryMap;

// The instrument's pin-control page: one page of "/dev/mem" at the block's physical base.
class MappedPinRegisters : public PinRegisters
{
public:
    explicit MappedPinRegisters(unsigned physicalBase);
    ~MappedPinRegisters() override;

    bool isMapped() const override;
    quint32 read(unsigned offset) const override;
    void write(unsigned offset, quint32 value) override;

private:
    volatile quint32 *word(unsigned offset) const;

    MemoryMap *m_MemoryMap;
};
