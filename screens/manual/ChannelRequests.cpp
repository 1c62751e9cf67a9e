#include "ChannelRequests.h"

namespace ChannelRequests {

bool isUsable(unsigned short channel)
{
    return ScreenBase::board && channel < allChannels && ScreenBase::board->getChannelStatus(channel) == 1;
}

QList<unsigned short> usableChannels(unsigned short choice)
{
    QList<unsigned short> channels;
    for (unsigned short channel = 0; channel < allChannels; ++channel) {
        if ((choice == allChannels || choice == channel) && isUsable(channel))
            channels << channel;
    }
    return channels;
}

} // namespace ChannelRequests
