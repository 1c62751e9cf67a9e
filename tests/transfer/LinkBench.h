#pragma once

#include "PcLinkClient.h"
#include "ScreenArea.h"

#include <QList>

#include <functional>
#include <memory>

class DataManager;
class DorvalenPacketHandler;
class PcRequestDispatcher;

// The PC link on its own: the board manager on the power-board simulator, the PC
// application's end of the line (open before the instrument opens its port), the
// instrument's port on "/dev/ttyGS0" and the dispatcher reading it. No screen is built;
// a Start raises the stop and start of its test on the board manager as the running
// screens do.
class LinkBench
{
public:
    explicit LinkBench(const QList<int> &absentChannels = {},
                       const QByteArray &settings = ScreenArea::defaultSettings());
    ~LinkBench();

    DataManager &data();
    // What the PC gets in answer to what send() writes: every reply up to the answer of
    // a RequestInfo sent behind it, which is left out. So "no reply" needs no waiting.
    QList<PcLinkClient::Reply> answersTo(const std::function<void()> &send);
    // Change-setting and start commands that reached the channel controllers.
    QStringList settingCommands() const;

    ScreenArea area;
    PcLinkClient pc;
    DorvalenPacketHandler *port = nullptr;
    std::unique_ptr<PcRequestDispatcher> dispatcher;
};
