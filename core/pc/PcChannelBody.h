#pragma once

#include "PcOpCodeBase.h"

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
