#include "DataManager.h"
#include "GuiTest.h"
#include "InfusionPumpMainScreen.h"
#include "InfusionPumpPowerBoardManager.h"
#include "OcclusionManualTest.h"
#include "PowerBoardSim.h"
#include "RemoteBench.h"
#include "RemoteControlScreen.h"
#include "SummaryManualScreen.h"
#include "TestRegistry.h"

#include <QLabel>
#include <QListWidget>
#include <QTest>

namespace
{

using Reply = PcLinkClient::Reply;

// One channel's row of the grid as the operator reads it.
QStringList row(RemoteControlScreen *screen, int channel)
{
    QStringList texts;
    for (const char *field : {"TestType", "Volume", "Pressure", "FlowRate", "ElaspeTime"})
        texts << screen
                     ->findChild<QLabel *>(
                         QString("label_Channel_%1_%2").arg(channel + 1).arg(field))
                     ->text();
    return texts;
}

QList<int> channelsOf(const QList<Reply> &replies)
{
    QList<int> channels;
    for (const Reply &r : replies)
        channels << r.channel;
    return channels;
}

} // namespace

class TestRemoteControlScreen : public QObject
{
    Q_OBJECT
private slots:
    // Each channel's row by its status: not fitted, ready, running, contact lost.
    void rowsFollowTheChannels()
    {
        RemoteBench bench([](PowerBoardSim &sim) { sim.setAbsent(3, true); });
        QVERIFY(bench.ready());
        RemoteControlScreen *screen = bench.menu->getRemoteScreen();
        QCOMPARE(screen->findChild<QListWidget *>("listWidgetChannels"),
                 QApplication::focusWidget());

        DataManager &data = bench.data();
        bench.pc.startFlow(2, 600, 0, 30);
        QVERIFY(bench.pc.waitForReplies(1, 10000));
        data.vSetTestSetting_Type(2, 2);
        QTRY_VERIFY_WITH_TIMEOUT(data.getTestData(1).u32ElapseTime > 0, 10000);
        // Rows and the values behind them read at one moment.
        screen->fetchData();
        const INFUSION_PUMP_TEST_DATA running = data.getTestData(1);
        const INFUSION_PUMP_TEST_DATA ready = data.getTestData(0);
        const auto values = [&data](const INFUSION_PUMP_TEST_DATA &d) {
            return QStringList{QString::number(d.fVolume, 'f', 2),
                               QString::number(data.getPressureValue(d.s16Pressure), 'f', 2),
                               QString::number(d.fFlowRate_Ave, 'f', 2)};
        };
        QCOMPARE(row(screen, 0), QStringList{"Flow"} + values(ready) + QStringList{"Ready"});
        QCOMPARE(row(screen, 1),
                 QStringList{"Flow"} + values(running) +
                     QStringList{ScreenBase::formatTimeFromPic(running.u32ElapseTime)});
        QCOMPARE(row(screen, 2).first(), QString("PCA"));
        QCOMPARE(row(screen, 3), QStringList({"N/A", "---", "---", "---", "---"}));
        if (qEnvironmentVariableIsSet("RONDIX_PNG_DIR"))
            bench.area.savePng(qEnvironmentVariable("RONDIX_PNG_DIR") + "/RemoteControlScreen.png");

        // Contact lost: the last known type stays.
        bench.area.sim().setSilent(2, true);
        QTRY_COMPARE_WITH_TIMEOUT(bench.area.board()->getChannelStatus(2), (unsigned short)2,
                                  20000);
        data.vSetTestSetting_Type(2, 0);
        screen->fetchData();
        QCOMPARE(row(screen, 2), QStringList({"PCA", "?", "?", "?", "ER1"}));
    }

    // The red key stops and primes every channel and tells the PC of each stop.
    void redKeyStopsEveryChannel()
    {
        RemoteBench bench;
        QVERIFY(bench.ready());
        bench.area.sim().clearCommands();
        GuiTest::key(Qt::Key_F7);
        QVERIFY(bench.pc.waitForReplies(4, 10000));
        QCOMPARE(channelsOf(bench.repliesOf(PcLinkClient::StopReply)), QList<int>({0, 1, 2, 3}));
        QTRY_COMPARE(bench.area.requestsByChannel(),
                     QStringList({"0 I3", "0 I6", "1 I3", "1 I6", "2 I3", "2 I6", "3 I3", "3 I6"}));
        QCOMPARE(bench.area.current(), bench.menu->getRemoteScreen());
    }

    // The green or select key acknowledges the manual occlusion channels, lower first;
    // auto-reverse pumps and other test types are not touched.
    void greenKeyActsOnManualOcclusionChannels_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("green") << int(Qt::Key_F6);
        QTest::newRow("select") << int(Qt::Key_Escape);
    }
    void greenKeyActsOnManualOcclusionChannels()
    {
        QFETCH(int, key);
        RemoteBench bench;
        QVERIFY(bench.ready());
        DataManager &data = bench.data();
        const unsigned char types[4][2] = {{1, 0}, {0, 0}, {1, 1}, {1, 0}};
        OcclusionManualTest *occlusion =
            bench.menu->getSummaryManualScreen()->getOcclusionRunningScreen();
        for (unsigned short c = 0; c < 4; ++c) {
            data.vSetTestSetting_Type(c, types[c][0]);
            data.vSetOcclusionInfusionPumpType(c, types[c][1]);
            // Each runs a PC test that waits for its alarm's acknowledgement.
            occlusion->setRemoteRun(c, true);
            data.vSetTestRunningFlag(PicRunningData(c, 1));
        }
        GuiTest::key(key);
        QVERIFY(bench.pc.waitForReplies(2, 10000));
        QVERIFY(!bench.pc.waitForReplies(3, 300));
        QCOMPARE(channelsOf(bench.repliesOf(PcLinkClient::AlarmReply)), QList<int>({0, 3}));
        QCOMPARE(occlusion->getChannelId(), (unsigned short)3);
    }

    // The green key acknowledges only a PC run that is on and waits for it. Channel 1's
    // run, acknowledged and over, is not started again; channel 2's run, stopped with the
    // red key, is not released, and the PC hears of no alarm.
    void greenKeyLeavesEndedAndStoppedRunsAlone()
    {
        RemoteBench bench([](PowerBoardSim &sim) { sim.controller(0).pump().pressureRise = 50.0; });
        QVERIFY(bench.ready());
        DataManager &data = bench.data();
        bench.pc.startOcclusion(1, 0);
        QVERIFY(bench.pc.waitForReplies(1, 10000));
        bench.pc.follow(0, 100);
        QVERIFY(bench.pressureReaches(0, 400));
        GuiTest::key(Qt::Key_F6);
        QTRY_COMPARE_WITH_TIMEOUT(bench.repliesOf(PcLinkClient::AlarmReply).size(), 1, 10000);
        QTRY_VERIFY_WITH_TIMEOUT(bench.pc.finished(0), 30000);
        QVERIFY(data.getOcclusionTestComplete(0));
        QTRY_VERIFY(bench.area.requests().contains("0 I6")); // primed after its end

        bench.pc.startOcclusion(2, 0);
        QTRY_COMPARE_WITH_TIMEOUT(bench.repliesOf(PcLinkClient::ConfirmReply).size(), 2, 10000);
        QTRY_VERIFY_WITH_TIMEOUT(bench.area.requests().contains("1 I2"), 10000);
        QCOMPARE(int(data.vGetTestRunningFlag(1)), 1);
        bench.area.sim().clearCommands();
        GuiTest::key(Qt::Key_F7);
        QTRY_COMPARE_WITH_TIMEOUT(bench.repliesOf(PcLinkClient::StopReply).size(), 5, 10000);
        QTRY_COMPARE_WITH_TIMEOUT(
            bench.area.requestsByChannel(),
            QStringList({"0 I3", "0 I6", "1 I3", "1 I6", "2 I3", "2 I6", "3 I3", "3 I6"}), 10000);

        bench.pc.takeReplies();
        bench.area.sim().clearCommands();
        GuiTest::key(Qt::Key_F6);
        QTest::qWait(1500);
        QCOMPARE(bench.area.requests(), QStringList());
        QVERIFY(bench.pc.replies().isEmpty());
    }

    // Back stops every channel and shows the main menu; the link serves the PC for two
    // more seconds, then it is closed and remote mode ends.
    void backClosesTheLinkTwoSecondsLater()
    {
        RemoteBench bench;
        QVERIFY(bench.ready());
        DataManager &data = bench.data();
        GuiTest::key(Qt::Key_F1);
        QCOMPARE(bench.area.current(), bench.menu);
        QVERIFY(data.m_pPacketHandler);
        bench.pc.requestInfo(1);
        QVERIFY(bench.pc.waitForReplies(5, 1500));
        QCOMPARE(channelsOf(bench.repliesOf(PcLinkClient::StopReply)), QList<int>({0, 1, 2, 3}));
        QCOMPARE(bench.repliesOf(PcLinkClient::InfoReply).size(), 1);
        QCOMPARE(data.getRemoteControl(), 1u);

        QTRY_VERIFY_WITH_TIMEOUT(!data.m_pPacketHandler, 5000);
        QCOMPARE(data.getRemoteControl(), 0u);
        bench.pc.requestInfo(1);
        QVERIFY(!bench.pc.waitForReplies(6, 300));
    }

    // Leaving and coming straight back opens a new link that the earlier leave does not
    // close.
    void reenteringKeepsTheNewLink()
    {
        RemoteBench bench;
        QVERIFY(bench.ready());
        DataManager &data = bench.data();
        GuiTest::key(Qt::Key_F1);
        GuiTest::key(Qt::Key_Escape); // "Remote Control" again
        QCOMPARE(bench.area.current(), bench.menu->getRemoteScreen());
        QTest::qWait(RemoteControlScreen::closeDelayMs + 500);
        QVERIFY(data.m_pPacketHandler);
        QCOMPARE(data.getRemoteControl(), 1u);
        bench.pc.takeReplies();
        bench.pc.requestInfo(1);
        QVERIFY(bench.pc.waitForReplies(1, 5000));
    }
};

RONDIX_TEST(TestRemoteControlScreen)
#include "tst_RemoteControlScreen.moc"
