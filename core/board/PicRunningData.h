#pragma once

#include <QMetaType>

// A channel (0 to 3) and the test-running flag to store for it: 1 running, 0 not.
class PicRunningData
{
public:
    PicRunningData() = default;
    PicRunningData(int channel, unsigned char running) : m_iChannel(channel), m_u8Running(running) {}
    virtual ~PicRunningData() = default;
    PicRunningData(const PicRunningData &) = default;
    PicRunningData &operator=(const PicRunningData &) = default;

    int m_iChannel = 0;
    unsigned char m_u8Running = 0;
};

Q_DECLARE_METATYPE(PicRunningData)
