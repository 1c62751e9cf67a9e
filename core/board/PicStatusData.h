#pragma once

#include <QMetaType>

// A channel (0 to 3) and its controller status as the data manager reads it.
class PicStatusData
{
public:
    PicStatusData() = default;
    PicStatusData(int channel, int status) : m_iChannel(channel), m_iStatus(status) {}
    virtual ~PicStatusData() = default;
    PicStatusData(const PicStatusData &) = default;
    PicStatusData &operator=(const PicStatusData &) = default;

    int m_iChannel = 0;
    int m_iStatus = 0;
};

Q_DECLARE_METATYPE(PicStatusData)
