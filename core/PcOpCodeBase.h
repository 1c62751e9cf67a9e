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

// A body that is one channel byte: the request's Stop, Alarm and RequestInfo, and the
// reply's Alarm, Stop and Confirm.
class PcChannelBody : public PcOpCodeBase
{
public:
    PcChannelBody() = default;
    explicit PcChannelBody(unsigned char channelNumber) : channel(channelNumber) {}

    int writeToBuffer(unsigned char *buffer) const override
    {
        buffer[0] = channel;
        return 1;
    }
    int readFromBuffer(unsigned char *buffer) override
    {
        channel = buffer[0];
        return 1;
    }
    int getSize() const override { return 1; }

    unsigned char channel = 0;
};
