#pragma once

// The body of a PC link frame, decoded or to be encoded at a given address (frame offset
// 14). Writers and readers return the number of bytes the body accounts for on the wire.
class PcOpCodeBase
{
public:
    virtual ~PcOpCodeBase() = default;
    virtual int writeToBuffer(unsigned char *buffer) const = 0;
    virtual int readFromBuffer(unsigned char *buffer) = 0;
    virtual int getSize() const = 0;
};
