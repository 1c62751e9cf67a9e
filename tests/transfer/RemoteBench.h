#pragma once

#include "PcLinkClient.h"
#include "ScreenArea.h"

#include <functional>

class DataManager;
class InfusionPumpMainScreen;
class PowerBoardSim;

// The instrument as the desktop run has it, with a PC on its PC link: the main menu on
// the screen area, the power board behind it, and the operator choosing "Remote Control".
struct RemoteBench {
    // The simulated controllers run this many times faster than the wall clock: a minute's
    // test takes six seconds, and each once-a-second poll still sees the time move on by
    // less than the live data's 25 s limit.
    static constexpr int clockFactor = 10;

    ScreenArea area;
    PcLinkClient pc;
    InfusionPumpMainScreen *menu = nullptr;

    explicit RemoteBench(const std::function<void(PowerBoardSim &)> &configure = {});
    DataManager &data();
    // The PC port is open and the remote screen on show.
    bool ready() const;

    QList<PcLinkClient::Reply> repliesOf(quint32 opcode) const;
    // Waits for the first record of the channel at or above the pressure.
    bool pressureReaches(quint8 channel, int mmHg);
};
