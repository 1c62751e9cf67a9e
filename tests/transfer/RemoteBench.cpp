#include "RemoteBench.h"

#include "GuiTest.h"
#include "InfusionPumpMainScreen.h"
#include "InfusionPumpPowerBoardManager.h"
#include "PowerBoardSim.h"
#include "RemoteControlScreen.h"

#include <QElapsedTimer>
#include <QTest>

#include <memory>

RemoteBench::RemoteBench(const std::function<void(PowerBoardSim &)> &configure)
{
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    area.startBoard([&](PowerBoardSim &sim) {
        sim.setClock([clock] { return clock->elapsed() * clockFactor; });
        if (configure)
            configure(sim);
    });
    menu = new InfusionPumpMainScreen(nullptr, nullptr);
    if (!area.settle() || !pc.open(area.root().root()) || !area.activate())
        return;
    menu->showScreen(true);
    GuiTest::turn(1); // "Remote Control"
    GuiTest::key(Qt::Key_Escape);
}

DataManager &RemoteBench::data()
{
    return area.board()->m_DataManager;
}

bool RemoteBench::ready() const
{
    return menu && menu->getPcRequestDispatcher() && area.board()->m_DataManager.m_pPacketHandler &&
           area.current() == menu->getRemoteScreen();
}

QList<PcLinkClient::Reply> RemoteBench::repliesOf(quint32 opcode) const
{
    QList<PcLinkClient::Reply> kept;
    for (const PcLinkClient::Reply &r : pc.replies())
        if (r.opcode == opcode)
            kept.append(r);
    return kept;
}

bool RemoteBench::pressureReaches(quint8 channel, int mmHg)
{
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 60000) {
        for (const PcLinkClient::Record &r : pc.records(channel))
            if (r.pressure >= mmHg)
                return true;
        QTest::qWait(20);
    }
    return false;
}
