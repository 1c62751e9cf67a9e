#pragma once

#include <QMetaType>

// A channel (0 to 3) and a monitor code: 12 channel absent, 14 communication lost,
// 15 communication restored.
class MonitorData
{
public:
    MonitorData() = default;
    MonitorData(int channel, unsigned short code) : m_iChannel(channel), m_u16MonitorCode(code) {}
    virtual ~MonitorData() = default;
    MonitorData(const MonitorData &) = default;
    MonitorData &operator=(const MonitorData &) = default;

    int m_iChannel = 0;
    unsigned short m_u16MonitorCode = 0;
};

Q_DECLARE_METATYPE(MonitorData)
