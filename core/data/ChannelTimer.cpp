#include "ChannelTimer.h"

ChannelTimer::ChannelTimer() : QTimer(nullptr) {}

ChannelTimer::ChannelTimer(QObject *parent) : QTimer(parent) {}

ChannelTimer::ChannelTimer(unsigned short channel, QObject *parent)
    : QTimer(parent), m_u16ChannelId(channel)
{
}
