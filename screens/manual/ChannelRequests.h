#pragma once

#include "InfusionPumpPowerBoardManager.h"
#include "ScreenBase.h"

#include <QList>

// What the prime and drain screens ask of the board manager: channel statuses, and their
// request signals wired to its request slots (direct, so a request is raised before the
// emitting call returns).
namespace ChannelRequests {

// Channel number that stands for all channels.
constexpr unsigned short allChannels = 4;

// Status 1: the channel answers and takes requests.
bool isUsable(unsigned short channel);

// The usable channels of a choice: all of 0..3 for allChannels, else the one channel.
QList<unsigned short> usableChannels(unsigned short choice);

template<class Screen>
void connectTo(Screen *screen, void (Screen::*signal)(unsigned short),
               void (InfusionPumpPowerBoardManager::*request)(unsigned short))
{
    if (ScreenBase::board)
        QObject::connect(screen, signal, ScreenBase::board, request);
}

template<class Screen>
void connectStop(Screen *screen, void (Screen::*signal)(unsigned short))
{
    connectTo(screen, signal, &InfusionPumpPowerBoardManager::vSetStopRsq);
}

template<class Screen>
void connectPrime(Screen *screen, void (Screen::*signal)(unsigned short))
{
    connectTo(screen, signal, &InfusionPumpPowerBoardManager::vSetStartPrimingRsq);
}

template<class Screen>
void connectDrain(Screen *screen, void (Screen::*signal)(unsigned short))
{
    connectTo(screen, signal, &InfusionPumpPowerBoardManager::vSetStartDrainingRsq);
}

} // namespace ChannelRequests
