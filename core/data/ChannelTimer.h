#pragma once

#include <QTimer>

// A timer that knows which channel (0 to 3) it belongs to, so one slot can serve the
// timers of all channels and find the channel from the sender.
class ChannelTimer : public QTimer
{
    Q_OBJECT
public:
    ChannelTimer();
    explicit ChannelTimer(QObject *parent);
    ChannelTimer(unsigned short channel, QObject *parent);

    unsigned short getChannel_Id() const { return m_u16ChannelId; }
    void setChannel_Id(unsigned short channel) { m_u16ChannelId = channel; }

private:
    unsigned short m_u16ChannelId = 0;
};
