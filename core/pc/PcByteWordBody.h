#pragma once

#include "PcOpCodeBase.h"

// A body of one byte and one 32-bit word whose meaning the instrument does not know: the
// request's RequestPacket and the reply's Retry.
class PcByteWordBody : public PcOpCodeBase
{
public:
    int writeToBuffer(unsigned char *buffer) const override;
    int readFromBuffer(unsigned char *buffer) override;
    int getSize() const override { return 5; }

    unsigned char value8 = 0;
    unsigned int value32 = 0;
};
