#include "LinkBench.h"

#include "DorvalenPacketHandler.h"
#include "InfusionPumpPowerBoardManager.h"
#include "PcRequestDispatcher.h"
#include "PowerBoardSim.h"

#include <QDeadlineTimer>
#include <QTest>

LinkBench::LinkBench(const QList<int> &absentChannels, const QByteArray &settings) : area(settings)
{
    area.startBoard([&](PowerBoardSim &sim) {
        for (int channel : absentChannels)
            sim.setAbsent(channel, true);
    });
    if (!area.settle() || !pc.open(area.root().root()))
        return;
    dispatcher.reset(new PcRequestDispatcher(*area.board()));
    // What the running screens raise for a Start from the PC, as the main menu has them.
    InfusionPumpPowerBoardManager *board = area.board();
    QObject::connect(dispatcher.get(), &PcRequestDispatcher::startRequested, board,
                     [board](unsigned short channel, unsigned int) {
                         board->vSetStopRsq(channel);
                         board->vSetStartFlowRateRsq(channel);
                     });
    port = new DorvalenPacketHandler(QStringLiteral("/dev/ttyGS0"), 4);
    data().m_pPacketHandler = port;
    QObject::connect(port, &DorvalenPacketHandler::readyRead,
                     [this] { dispatcher->readFrom(*port); });
}

LinkBench::~LinkBench()
{
    if (area.board())
        data().m_pPacketHandler = nullptr;
    delete port;
}

DataManager &LinkBench::data()
{
    return area.board()->m_DataManager;
}

QList<PcLinkClient::Reply> LinkBench::answersTo(const std::function<void()> &send)
{
    // The marker asks for a channel no request of a test uses, so its answer is never
    // taken for an answer to the request itself.
    constexpr quint8 markerChannel = 0xEE;
    const auto isMarker = [](const PcLinkClient::Reply &r) {
        return r.opcode == PcLinkClient::InfoReply && r.info.channel == markerChannel;
    };
    pc.takeReplies();
    send();
    pc.requestInfo(markerChannel);
    QDeadlineTimer deadline(15000);
    while (!deadline.hasExpired() && (pc.replies().isEmpty() || !isMarker(pc.replies().last())))
        QTest::qWait(5);
    QList<PcLinkClient::Reply> replies = pc.takeReplies();
    if (!replies.isEmpty() && isMarker(replies.last()))
        replies.removeLast();
    else
        qWarning("LinkBench: the instrument did not answer the marker request");
    return replies;
}

QStringList LinkBench::settingCommands() const
{
    QStringList kept;
    for (const QString &line : area.requests())
        if (line.section(QLatin1Char(' '), 1, 1).startsWith(QLatin1String("IF")) ||
            line.section(QLatin1Char(' '), 1, 1) == QLatin1String("I2"))
            kept.append(line);
    return kept;
}
