#include "DataManager.h"
#include "FlowRateRunningScreen.h"
#include "GuiTest.h"
#include "InfusionPumpMainScreen.h"
#include "InfusionPumpPowerBoardManager.h"
#include "OcclusionManualTest.h"
#include "PcLinkClient.h"
#include "PcRequestDispatcher.h"
#include "PowerBoardSim.h"
#include "RemoteBench.h"
#include "SummaryManualScreen.h"
#include "TestRegistry.h"

#include <QTest>

namespace
{

using Reply = PcLinkClient::Reply;

// Seconds 1..n, one record each, in order.
bool everySecond(const QList<PcLinkClient::Record> &records, int n)
{
    if (records.size() != n)
        return false;
    for (int i = 0; i < n; ++i)
        if (records.at(i).elapsed != quint32(i + 1))
            return false;
    return true;
}

} // namespace

class TestRemoteControlRoad : public QObject
{
    Q_OBJECT
private slots:
    // The PC starts a one-minute flow test on channel 2, polls every record while it
    // runs and is told the test is over once it has them all.
    void flowTest()
    {
        RemoteBench bench;
        QVERIFY(bench.ready());
        QCOMPARE(bench.data().getRemoteControl(), 1u);
        bench.pc.startFlow(2, 60, 0, 30);
        QVERIFY(bench.pc.waitForReplies(1, 10000));
        QCOMPARE(bench.pc.replies().first().opcode, quint32(PcLinkClient::ConfirmReply));
        QCOMPARE(bench.pc.replies().first().channel, quint8(1));
        bench.pc.follow(1, 100);
        QTRY_VERIFY_WITH_TIMEOUT(bench.pc.finished(1), 60000);

        const QList<PcLinkClient::Record> records = bench.pc.records(1);
        QVERIFY(everySecond(records, 60));
        // The simulated pump delivers 100 ml/h: 1.67 ml in a minute, give or take the
        // seconds that one poll of the sped-up controller spans.
        for (int i = 1; i < records.size(); ++i)
            QVERIFY(records.at(i).volume >= records.at(i - 1).volume);
        QVERIFY2(records.last().volume > 1.6f && records.last().volume < 2.0f,
                 qPrintable(QString::number(double(records.last().volume))));
        QVERIFY(records.at(30).flowAverage > 90 && records.at(30).flowAverage < 110);
        QCOMPARE(bench.repliesOf(PcLinkClient::StopReply).size(), 1);
        QVERIFY(bench.area.requests().contains("1 I2"));
        // The flow running screen shows the PC's channel.
        QCOMPARE(bench.menu->getSummaryManualScreen()->getFlowRateRunningScreen()->getChannelId(),
                 (unsigned short)1);
        QCOMPARE(bench.pc.badReplies(), 0);
    }

    // Occlusion tests with manual pumps: the pressure builds, the PC acknowledges the
    // pump's alarm and gets two alarm packets (its answer, then the running screen's), and
    // the test ends. The acknowledgement acts on the PC's channel, not on the one the
    // running screen shows; a later run on that channel waits for its own countdown.
    void occlusionTests()
    {
        RemoteBench bench([](PowerBoardSim &sim) {
            sim.controller(0).pump().pressureRise = 50.0;
            sim.controller(1).pump().pressureRise = 50.0;
        });
        QVERIFY(bench.ready());
        OcclusionManualTest *screen =
            bench.menu->getSummaryManualScreen()->getOcclusionRunningScreen();
        const auto alarmsFor = [&bench](quint8 channel) {
            int n = 0;
            for (const Reply &r : bench.repliesOf(PcLinkClient::AlarmReply))
                n += r.channel == channel;
            return n;
        };

        bench.pc.startOcclusion(1, 0);
        bench.pc.startOcclusion(2, 0);
        QVERIFY(bench.pc.waitForReplies(2, 10000));
        QCOMPARE(bench.repliesOf(PcLinkClient::ConfirmReply).size(), 2);
        QCOMPARE(screen->getChannelId(), (unsigned short)1);
        bench.pc.follow(0, 100);
        bench.pc.follow(1, 100);
        QVERIFY(bench.pressureReaches(0, 400));
        QVERIFY(bench.pressureReaches(1, 400));
        bench.pc.alarm(1);
        QTRY_COMPARE_WITH_TIMEOUT(alarmsFor(0), 2, 10000);
        QTRY_VERIFY_WITH_TIMEOUT(bench.pc.finished(0), 30000);
        QVERIFY(bench.data().getOcclusionTestComplete(0));
        QCOMPARE(alarmsFor(1), 0);
        QVERIFY(!bench.pc.finished(1));
        QCOMPARE(int(bench.data().vGetTestRunningFlag(1)), 1);
        bench.pc.alarm(2);
        QTRY_COMPARE_WITH_TIMEOUT(alarmsFor(1), 2, 10000);
        QTRY_VERIFY_WITH_TIMEOUT(bench.pc.finished(1), 30000);
        for (quint8 c : {0, 1}) {
            const QList<PcLinkClient::Record> records = bench.pc.records(c);
            QVERIFY(records.size() >= 8);
            QVERIFY(everySecond(records, records.size()));
        }

        // Channel 1 again, now on show.
        bench.pc.takeReplies();
        bench.pc.startOcclusion(1, 0);
        QVERIFY(bench.pc.waitForReplies(1, 10000));
        bench.pc.follow(0, 100);
        QVERIFY(bench.pressureReaches(0, 400));
        bench.pc.alarm(1);
        QTRY_COMPARE_WITH_TIMEOUT(alarmsFor(0), 2, 10000);
        QCOMPARE(int(bench.data().vGetTestRunningFlag(0)), 1);
        QTRY_VERIFY_WITH_TIMEOUT(bench.pc.finished(0), 30000);
    }

    // A PCA test of two minutes on channel 3, with the pump's boluses in its records.
    void pcaTest()
    {
        RemoteBench bench([](PowerBoardSim &sim) {
            SimController::Pump &pump = sim.controller(2).pump();
            pump.bolusVolume = 3.0; // 36 s at 300 ml/h, seen in several polls
            pump.firstBolus = 20;
            pump.bolusInterval = 200;
        });
        QVERIFY(bench.ready());
        bench.pc.startPca(3, 120, 10.0f, 3.0f);
        QVERIFY(bench.pc.waitForReplies(1, 10000));
        QCOMPARE(bench.pc.replies().first().channel, quint8(2));
        bench.pc.follow(2, 100);
        QTRY_VERIFY_WITH_TIMEOUT(bench.pc.finished(2), 60000);
        const QList<PcLinkClient::Record> records = bench.pc.records(2);
        QVERIFY(everySecond(records, 120));
        QCOMPARE(int(records.last().testType), 2);
        QCOMPARE(int(records.last().bolusCount), 1);
        QVERIFY(records.last().bolusVolume > 2.0f);
        QCOMPARE(bench.data().getPCATestSetting(2).fBasalFlowRateSetting, 10.0f);
    }

    // Choosing remote control again opens a new port with an empty receive buffer: half
    // a frame from before never joins the next frame. Closed, nothing is answered.
    void portReopened()
    {
        RemoteBench bench;
        QVERIFY(bench.ready());
        const QByteArray info = PcLinkClient::frame(1, 5, QByteArray(1, '\x02'));
        bench.pc.sendRaw(info.left(9));
        QTRY_COMPARE(bench.menu->getPcRequestDispatcher()->receivedCount(), 9u);
        bench.menu->initialiseSerialPort();
        QCOMPARE(bench.menu->getPcRequestDispatcher()->receivedCount(), 0u);
        bench.pc.sendRaw(info);
        QVERIFY(bench.pc.waitForReplies(1, 10000));
        QCOMPARE(bench.pc.replies().first().info.channel, quint8(2));

        bench.menu->removeSerialPort();
        QVERIFY(!bench.data().m_pPacketHandler);
        bench.pc.sendRaw(info);
        QVERIFY(!bench.pc.waitForReplies(2, 300));
    }
};

RONDIX_TEST(TestRemoteControlRoad)
#include "tst_RemoteControlRoad.moc"
