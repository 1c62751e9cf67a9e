#include "InfusionPumpPowerBoardManager.h"
#include "PowerBoardSim.h"
#include "SimFrame.h"
#include "TempRoot.h"
#include "TestRegistry.h"
#include "TtyHandler.h"

#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {
// "<channel> <command letters> <argument bytes in hex>", e.g. "2 IF2 fe ff".
QString line(const PowerBoardSim::Command &c)
{
    // The change-setting commands are three letters and binary arguments.
    int letters = c.payload.startsWith("IF") ? 3 : c.payload.size();
    QString s = QString("%1 %2").arg(c.channel).arg(QString::fromLatin1(c.payload.left(letters)));
    if (letters < c.payload.size())
        s += ' ' + QString::fromLatin1(c.payload.mid(letters).toHex(' '));
    return s;
}

// The instrument's board manager on the simulated power board.
struct Bench
{
    TempRoot root;
    PowerBoardSim sim;
    std::unique_ptr<InfusionPumpPowerBoardManager> board;

    Bench() { QVERIFY(sim.start(root.root())); }
    void start() { board.reset(new InfusionPumpPowerBoardManager("/dev/ttyAPP1")); }

    QStringList lines(int channel = -3) const
    {
        QStringList out;
        for (const PowerBoardSim::Command &c : sim.commands())
            if (channel == -3 || c.channel == channel)
                out << line(c);
        return out;
    }
    // Until the start-up stop and prime of every channel and one whole poll have gone
    // out: the line is then quiet for most of a second.
    bool settle()
    {
        const int before = sim.commands().size();
        QDeadlineTimer deadline(15000);
        while (!deadline.hasExpired()) {
            QTest::qWait(10);
            const QStringList l = lines().mid(before);
            if (l.contains("3 I6") && !l.isEmpty() && l.last() == "3 I4") {
                QTest::qWait(30);
                return true;
            }
        }
        return false;
    }
    QByteArray gpio(int number) const
    {
        return root.readFile(QString("/sys/class/gpio/gpio%1/value").arg(number));
    }
};

} // namespace

class TestInfusionPumpPowerBoardManager : public QObject
{
    Q_OBJECT
private slots:
    void startUpResetsThenStopsAndPrimesEveryChannel()
    {
        Bench b;
        b.start();
        QSignalSpy initialised(b.board.get(), &InfusionPumpPowerBoardManager::initializeDone);
        QVERIFY(b.settle());
        // Each controller held in reset for its turn, its chip-select driven high first.
        // (Chip-select value files are written again by every exchange, so only their
        // direction writes can be read back in order.)
        QStringList expected;
        for (int ch = 0; ch < 4; ++ch) {
            const int cs = InfusionPumpPowerBoardManager::m_Gpio_pins[ch];
            const int reset = InfusionPumpPowerBoardManager::m_PIC_MCLR_pins[ch];
            expected << QString("%1 direction high").arg(cs) << QString("%1 direction low").arg(reset)
                     << QString("%1 value 1").arg(reset);
        }
        QStringList writes = b.sim.gpioWrites();
        for (int cs : InfusionPumpPowerBoardManager::m_Gpio_pins)
            writes = writes.filter(QRegularExpression(QString("^(?!%1 value)").arg(cs)));
        QCOMPARE(QStringList(writes.mid(0, 12)), expected);
        QCOMPARE(b.sim.resets(), QList<int>({0, 1, 2, 3}));
        // The channels take turns on the line: every stop, then every prime.
        QCOMPARE(QStringList(b.lines().mid(0, 12)), QStringList({"0 I3", "1 I3", "2 I3", "3 I3", "0 I6", "1 I6", "2 I6",
                                                    "3 I6", "0 I4", "1 I4", "2 I4", "3 I4"}));
        QCOMPARE(initialised.size(), 4);
        for (int ch = 0; ch < 4; ++ch) {
            QCOMPARE(initialised.at(ch).at(0).value<unsigned short>(), ch);
            QCOMPARE(b.board->getChannelStatus(ch), ushort(1));
            QCOMPARE(b.sim.controller(ch).status(), SimController::Prime);
        }
        QVERIFY(b.sim.faults().isEmpty());
        QCOMPARE(InfusionPumpPowerBoardManager::getInstance(), b.board.get());
        QCOMPARE(DataManager::board, b.board.get());
    }

    // A controller that never answers costs the others one retransmission time per turn
    // of its own: each healthy channel has its start-up stop and prime before that
    // controller's second try. Five tries in all make it absent, and what it still had
    // waiting (the about pages' questions among it) is refused, not tried a second each.
    void channelThatNeverAnswersIsAbsentAndNotPolled_data()
    {
        QTest::addColumn<int>("absent");
        QTest::newRow("first channel") << 0;
        QTest::newRow("third channel") << 2;
    }
    void channelThatNeverAnswersIsAbsentAndNotPolled()
    {
        QFETCH(int, absent);
        Bench b;
        b.sim.setAbsent(absent, true);
        b.start();
        QSignalSpy monitor(b.board.get(), &InfusionPumpPowerBoardManager::updateMonitor);
        for (unsigned short ch = 0; ch < 4; ++ch) {
            b.board->vSetGetVersionRequest(ch);
            b.board->vSetGetSerialNoRequest(ch);
            b.board->vSetGetCalDateRsq(ch);
            b.board->vSetGetVerifyDateRsq(ch);
        }
        QTRY_COMPARE_WITH_TIMEOUT(b.board->getChannelStatus(absent), ushort(0), 15000);
        QTRY_VERIFY_WITH_TIMEOUT(
            b.lines((absent + 1) % 4).count(QString("%1 I4").arg((absent + 1) % 4)) >= 2, 15000);
        const QStringList all = b.lines();
        const QString who = QString::number(absent) + ' ';
        int secondTry = -1;
        for (int i = 0, tries = 0; i < all.size() && secondTry < 0; ++i) {
            if (all.at(i).startsWith(who) && ++tries == 2)
                secondTry = i;
        }
        QVERIFY(secondTry > 0);
        for (int ch = 0; ch < 4; ++ch) {
            if (ch == absent)
                continue;
            for (const char *command : {"I3", "I6"}) {
                const int at = all.indexOf(QString("%1 %2").arg(ch).arg(command));
                QVERIFY2(at >= 0 && at < secondTry, qPrintable(all.join(", ")));
            }
            QCOMPARE(b.board->getChannelStatus(ch), ushort(1));
            QCOMPARE(b.board->m_u16VersionReady[ch], ushort(1));
        }
        QCOMPARE(b.lines(absent).size(), 5);
        QCOMPARE(monitor.size(), 1);
        const MonitorData m = monitor.at(0).at(0).value<MonitorData>();
        QCOMPARE(m.m_iChannel, absent);
        QCOMPARE(m.m_u16MonitorCode, ushort(12));
        QCOMPARE(b.board->m_u16VersionReady[absent], ushort(1));
        QCOMPARE(b.board->m_u16SerialNoReady[absent], ushort(1));
        QCOMPARE(b.board->m_u16CalDateReady[absent], ushort(1));
        QCOMPARE(b.board->m_u16VerifyDateReady[absent], ushort(1));

        // Refused requests read as answered and leave what was stored.
        b.board->m_baVersionReply[absent] = "old";
        b.board->vSetGetVersionRequest(absent);
        b.board->vSetStopRsq(absent);
        QCOMPARE(b.board->m_u16VersionReady[absent], ushort(1));
        QCOMPARE(b.board->m_baVersionReply[absent], QByteArray("old"));
        QTest::qWait(2500);
        QCOMPARE(b.lines(absent).size(), 5);
    }

    void lowerChannelsAndStopGoFirst()
    {
        Bench b;
        b.start();
        QVERIFY(b.settle());
        b.sim.clearCommands();
        b.board->vSetGetVersionRequest(0); // on the line at once; the rest must wait
        b.board->vSetStopRsq(2);
        b.board->vSetStopRsq(2);
        b.board->vSetGetTestDataRsq(1);
        b.board->vSetGetTestDataRsq(3);
        b.board->vSetStopRsq(3);
        QTRY_VERIFY(b.lines().size() >= 5);
        QTest::qWait(100);
        QStringList l = b.lines();
        l.removeAll("0 I4"); // a poll may come in between
        l.removeAll("2 I4");
        QCOMPARE(l.mid(0, 5), QStringList({"0 IV", "1 I4", "2 I3", "3 I3", "3 I4"}));
        QCOMPARE(l.count("2 I3"), 1); // raised twice before it went: one command
    }

    void threeFailedExchangesLoseAChannelAndTestDataRestoresIt()
    {
        Bench b;
        b.start();
        QVERIFY(b.settle());
        QSignalSpy monitor(b.board.get(), &InfusionPumpPowerBoardManager::updateMonitor);
        // Channel 1 fails twice, answers once, then fails for good.
        QList<int> statusAfterFailure;
        int goodExchanges = 0;
        auto lastChannel = [&] { return b.sim.commands().isEmpty() ? -1 : b.sim.commands().last().channel; };
        QObject::connect(b.board.get(), &PowerBoardManager::txFailed, [&] {
            if (lastChannel() != 1)
                return;
            statusAfterFailure << b.board->getChannelStatus(1);
            if (statusAfterFailure.size() == 2)
                b.sim.setSilent(1, false);
        });
        QObject::connect(b.board.get(), &PowerBoardManager::txComplete, [&] {
            if (lastChannel() == 1 && statusAfterFailure.size() == 2 && ++goodExchanges == 1)
                b.sim.setSilent(1, true);
        });
        b.sim.setSilent(1, true);
        QTRY_VERIFY_WITH_TIMEOUT(b.board->getChannelStatus(1) == 2, 20000);
        QCOMPARE(statusAfterFailure, QList<int>({1, 1, 1, 1, 2}));
        QCOMPARE(monitor.size(), 1);
        QCOMPARE(monitor.at(0).at(0).value<MonitorData>().m_u16MonitorCode, ushort(14));
        QCOMPARE(monitor.at(0).at(0).value<MonitorData>().m_iChannel, 1);

        // While lost it is polled, may be stopped, and nothing else is accepted.
        const int before = b.sim.commands().size();
        b.board->vSetStartPrimingRsq(1);
        b.board->vSetStopRsq(1);
        QTRY_VERIFY_WITH_TIMEOUT(b.lines().mid(before).contains("1 I3"), 5000);
        QTRY_VERIFY_WITH_TIMEOUT(b.lines().mid(before).contains("1 I4"), 5000);
        QVERIFY(!b.lines().mid(before).contains("1 I6"));

        b.sim.setSilent(1, false);
        QTRY_COMPARE_WITH_TIMEOUT(b.board->getChannelStatus(1), ushort(1), 10000);
        QCOMPARE(monitor.last().at(0).value<MonitorData>().m_u16MonitorCode, ushort(15));
    }

    void silentLowChannelDoesNotStarveTheOthers()
    {
        Bench b;
        b.start();
        QVERIFY(b.settle());
        b.sim.setSilent(0, true);
        QTRY_VERIFY_WITH_TIMEOUT(b.board->getChannelStatus(0) == 2, 20000);
        // Each failed poll of channel 0 lasts about a second, as long as the poll period.
        const int before = b.sim.commands().size();
        QTest::qWait(5000);
        const QStringList l = b.lines().mid(before);
        QVERIFY2(l.count("3 I4") >= 3, qPrintable(l.join(", ")));
        QVERIFY2(l.count("1 I4") >= 3, qPrintable(l.join(", ")));
        QCOMPARE(b.board->getChannelStatus(3), ushort(1));
        // The lost channel is still polled, and comes back when it answers again.
        b.sim.setSilent(0, false);
        QTRY_COMPARE_WITH_TIMEOUT(b.board->getChannelStatus(0), ushort(1), 10000);
    }

    // A controller that answers every frame with a NAK and then an ACK of another number
    // gets each frame five times, like a silent one, and the others are polled on.
    void nakWithStrayAckCannotHoldTheLine()
    {
        Bench b;
        b.start();
        QVERIFY(b.settle());
        b.sim.setNakWithStrayAck(0, true);
        const int before = b.sim.commands().size();
        const qint64 from = b.sim.wallMs();
        QTest::qWait(6000);
        QList<qint64> gaps;
        for (int ch = 0; ch < 4; ++ch)
            gaps << b.sim.longestGap(ch, "I4", from);
        qInfo("longest gaps between polls over 6 s (ms): %lld %lld %lld %lld", gaps[0], gaps[1], gaps[2],
              gaps[3]);
        const QStringList l = b.lines().mid(before);
        for (int ch : {1, 2, 3}) {
            QVERIFY2(gaps[ch] < 2000, qPrintable(QString("channel %1: %2 ms").arg(ch).arg(gaps[ch])));
            QCOMPARE(b.board->getChannelStatus(ch), ushort(1));
        }
        // About one poll a second, each given up after its five transmissions.
        QVERIFY2(l.count("0 I4") <= 5 * 8, qPrintable(QString::number(l.count("0 I4"))));
        QCOMPARE(b.board->getChannelStatus(0), ushort(2));
        b.sim.setNakWithStrayAck(0, false);
        QTRY_COMPARE_WITH_TIMEOUT(b.board->getChannelStatus(0), ushort(1), 10000);
    }

    // Copies of a command the link gave up on, still queued on a stalled line, must not
    // reach the controller selected next.
    void givenUpCommandLeavesTheLine()
    {
        Bench b;
        b.start();
        QVERIFY(b.settle());
        QSignalSpy failed(b.board.get(), &PowerBoardManager::txFailed);
        const int before = b.sim.commands().size();
        b.sim.setLineStalled(true);
        b.board->vSetStopRsq(1);
        QTRY_COMPARE_WITH_TIMEOUT(failed.size(), 1, 5000);
        QTest::qWait(100); // the next exchange has begun on another channel
        b.sim.setLineStalled(false);
        QTRY_VERIFY_WITH_TIMEOUT(b.lines().mid(before).count("3 I4") >= 1, 5000);
        const QStringList heard = b.lines().mid(before);
        QVERIFY2(heard.filter("I3").isEmpty(), qPrintable(heard.join(", ")));
        for (int ch = 0; ch < 4; ++ch)
            QCOMPARE(b.sim.controller(ch).status(), SimController::Prime);
        QCOMPARE(b.sim.lineOutputFlushes(), 1);
    }

    void lostAcknowledgementsAreRetransmitted_data()
    {
        QTest::addColumn<int>("dropped");
        QTest::addColumn<int>("failures");
        QTest::newRow("four lost: the fifth transmission succeeds") << 4 << 0;
        QTest::newRow("five lost: the exchange fails") << 5 << 1;
    }
    void lostAcknowledgementsAreRetransmitted()
    {
        QFETCH(int, dropped);
        Bench b;
        b.start();
        QVERIFY(b.settle());
        QSignalSpy failed(b.board.get(), &PowerBoardManager::txFailed);
        b.sim.clearCommands();
        b.sim.setDropAcks(3, dropped);
        b.board->vSetStartDrainingRsq(3);
        QTRY_VERIFY_WITH_TIMEOUT(b.sim.commands().size() >= 5, 5000);
        QTest::qWait(300);
        QCOMPARE(QStringList(b.lines(3).mid(0, 5)), QStringList({"3 I7", "3 I7", "3 I7", "3 I7", "3 I7"}));
        QCOMPARE(b.lines(3).count("3 I7"), 5);
        QTEST(int(failed.size()), "failures");
        // The controller acted once however often it heard the command, and one failure
        // of a contacted channel is not yet a lost channel.
        QCOMPARE(b.sim.controller(3).status(), SimController::Drain);
        QCOMPARE(b.board->getChannelStatus(3), ushort(1));
    }

    void changeSettingSendsTheStagedValues_data()
    {
        QTest::addColumn<bool>("stage");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("nothing staged yet") << false << QStringList({"2 IF1 00", "2 IF2 00 00", "2 IF4 1e 00", "2 IF5 00"});
        QTest::newRow("staged") << true << QStringList({"2 IF1 01", "2 IF2 fe ff", "2 IF4 2c 01", "2 IF5 01"});
    }
    void changeSettingSendsTheStagedValues()
    {
        QFETCH(bool, stage);
        Bench b;
        b.start();
        QVERIFY(b.settle());
        b.sim.clearCommands();
        if (stage) {
            b.board->vSetSendToPicData_TestType(1);
            b.board->vSetSendToPicData_BackPressure(-2);
            b.board->vSetSendToPicData_WindowSize(300);
            b.board->vSetSendToPicData_InfusionPumpType(1);
        }
        b.board->vSetChangeSettingRsq(2);
        QTRY_VERIFY(b.lines(2).size() >= 4);
        QTEST(QStringList(b.lines(2).mid(0, 4)), "expected");
        QTRY_COMPARE(b.sim.controller(2).pumpType(), quint8(stage ? 1 : 0));
        QCOMPARE(b.sim.controller(2).backPressure(), qint16(stage ? -2 : 0));
    }

    // Two channels set up while the line is busy, each with its own values: each gets
    // the values staged when its request was raised, not the last ones staged.
    void waitingChangeSettingKeepsItsOwnValues()
    {
        Bench b;
        b.start();
        QVERIFY(b.settle());
        b.sim.clearCommands();
        b.board->vSetGetVersionRequest(0); // on the line at once; the rest must wait
        b.board->vSetSendToPicData_TestType(1);
        b.board->vSetSendToPicData_BackPressure(-2);
        b.board->vSetSendToPicData_WindowSize(300);
        b.board->vSetSendToPicData_InfusionPumpType(1);
        b.board->vSetChangeSettingRsq(1);
        b.board->vSetSendToPicData_TestType(0);
        b.board->vSetSendToPicData_BackPressure(5);
        b.board->vSetSendToPicData_WindowSize(30); // the pump type stays as staged last
        b.board->vSetChangeSettingRsq(2);
        QTRY_VERIFY(b.lines(2).size() >= 4);
        QCOMPARE(b.lines(1).mid(0, 4), QStringList({"1 IF1 01", "1 IF2 fe ff", "1 IF4 2c 01", "1 IF5 01"}));
        QCOMPARE(b.lines(2).mid(0, 4), QStringList({"2 IF1 00", "2 IF2 05 00", "2 IF4 1e 00", "2 IF5 01"}));
    }

    void identityRepliesAreStored()
    {
        Bench b;
        b.start();
        QVERIFY(b.settle());
        b.board->vSetGetVersionRequest(1);
        b.board->vSetGetSerialNoRequest(1);
        b.board->vSetGetCalDateRsq(1);
        b.board->vSetGetVerifyDateRsq(1);
        QCOMPARE(b.board->m_u16VersionReady[1] + b.board->m_u16SerialNoReady[1] + b.board->m_u16CalDateReady[1]
                     + b.board->m_u16VerifyDateReady[1],
                 0);
        QTRY_VERIFY(b.board->m_u16VersionReady[1] && b.board->m_u16SerialNoReady[1] && b.board->m_u16CalDateReady[1]
                    && b.board->m_u16VerifyDateReady[1]);
        // Whole frames: sequence number, length, payload, checksum.
        const QByteArray version = b.board->m_baVersionReply[1];
        QCOMPARE(version.size(), 3 + 11 + 2);
        QCOMPARE(version.mid(1, 2), QByteArray("\x0b\x00", 2));
        QCOMPARE(version.mid(3, 11), QByteArray("NV2.07,PB-C"));
        QCOMPARE(b.board->m_baSerialNoReply[1].mid(3, 15), QByteArray("ENPB2403-102\r\n\0", 15));
        // Dates from the date bytes on: minute, hour, day, month, year (low byte first).
        QCOMPARE(b.board->m_baCalDateReply[1].size(), 8);
        QCOMPARE(b.board->m_baCalDateReply[1].left(6).toHex(' '), QByteArray("05 0e 0d 03 ea 07"));
        QCOMPARE(b.board->m_baVerifyDateReply[1].left(6).toHex(' '), QByteArray("1e 09 02 04 ea 07"));
        QCOMPARE(b.board->m_baVersionReply[0], QByteArray());
    }

    void flowTestReachesLiveData()
    {
        Bench b;
        b.start();
        QVERIFY(b.settle());
        DataManager &data = b.board->m_DataManager;
        data.m_vecRealTimeData[0].append(INFUSION_PUMP_REAL_TIME_DATA());
        b.board->vSetStartFlowRateRsq(0);
        QVERIFY(data.m_vecRealTimeData[0].isEmpty()); // cleared when raised, not when sent
        QTRY_COMPARE(data.vGetTestRunningFlag(0), quint8(1));
        QTRY_VERIFY_WITH_TIMEOUT(data.getTestData(0).u32ElapseTime >= 2, 10000);
        const INFUSION_PUMP_TEST_DATA live = data.getTestData(0);
        QCOMPARE(live.u8PIC_Status, quint8(3));
        QVERIFY(live.fVolume > 0);
        QVERIFY(!data.m_vecRealTimeData[0].isEmpty());
        b.board->vSetStopRsq(0);
        QTRY_COMPARE(data.vGetTestRunningFlag(0), quint8(0));
        QTRY_COMPARE(b.sim.controller(0).status(), SimController::Idle);
    }

    // A frame is a channel's reply only as the one answer, of the kind asked for, to the
    // command on the line: a repeat landing while the next channel's chip-select settles,
    // a frame nobody asked for between exchanges, a second answer and an answer of
    // another kind are all dropped and counted, and never end a test. Two flow tests run
    // (200 and 100 ml/h); what each channel took must be what its own controller sent.
    void onlyTheAnswerToTheCommandOnTheLineIsTaken_data()
    {
        QTest::addColumn<QString>("stray");
        QTest::newRow("repeat while the next chip-select settles") << "repeat";
        QTest::newRow("frames nobody asked for") << "unasked";
        QTest::newRow("a second answer") << "second";
        QTest::newRow("an answer of another kind") << "kind";
    }
    void onlyTheAnswerToTheCommandOnTheLineIsTaken()
    {
        QFETCH(QString, stray);
        Bench b;
        b.sim.controller(0).pump().rate = 200;
        b.sim.controller(1).pump().rate = 100;
        b.start();
        QVERIFY(b.settle());
        InfusionPumpPowerBoardManager *board = b.board.get();
        // An idle controller's test data, as a controller on a stuck chip-select sends it.
        const QByteArray idle = QByteArray("EPS") + QByteArray(27, '\0');
        QByteArray lastAnswer = idle;
        int seq = 4;
        int injected = 0;
        const auto inject = [&](const QByteArray &payload) {
            ++injected;
            seq = SimFrame::nextSequence(seq);
            board->receiveBytes(SimFrame::encode(seq, payload));
        };
        QList<TestData> taken;
        QObject::connect(board, &InfusionPumpPowerBoardManager::testDataReady,
                         [&](const TestData &t) {
                             taken << t;
                             lastAnswer = t.m_data.mid(3, t.m_data.size() - 5);
                             if (stray == "second")
                                 inject(idle);
                         });
        // The end of an exchange has the next one begin at once: its chip-select settles.
        QObject::connect(board, &PowerBoardManager::txComplete, [&] {
            if (stray == "repeat")
                inject(lastAnswer);
        });
        QObject::connect(&b.sim, &PowerBoardSim::commandReceived,
                         [&](int, const QByteArray &command) {
                             if (stray == "kind")
                                 inject(command == "I4" ? QByteArray("ES\x03") : idle);
                         });
        QTimer unasked;
        QObject::connect(&unasked, &QTimer::timeout, [&] {
            if (!board->commandOut())
                inject(idle);
        });
        if (stray == "unasked")
            unasked.start(7);

        DataManager &data = board->m_DataManager;
        for (unsigned short ch : {0, 1}) {
            board->vSetStopRsq(ch);
            board->vSetStartFlowRateRsq(ch);
        }
        QTRY_VERIFY_WITH_TIMEOUT(data.getTestData(1).u32ElapseTime >= 4, 15000);
        unasked.stop();
        for (unsigned short ch : {0, 1})
            QCOMPARE(int(data.vGetTestRunningFlag(ch)), 1);
        QVERIFY(injected > 3);
        QCOMPARE(board->droppedFrames(), quint32(injected));
        for (const TestData &t : taken) {
            const QByteArray payload = t.m_data.mid(3, t.m_data.size() - 5);
            bool sent = false;
            for (const PowerBoardSim::SentTestData &d : b.sim.sentTestData(t.m_channel))
                sent = sent || d.payload == payload;
            QVERIFY2(sent, qPrintable(QString("channel %1 took %2")
                                          .arg(t.m_channel)
                                          .arg(QString(payload.toHex(' ')))));
        }
        QVERIFY(qAbs(data.getTestData(0).fFlowRate_Ave - 200) < 20);
        QVERIFY(qAbs(data.getTestData(1).fFlowRate_Ave - 100) < 10);
    }

    void hyperterminalHandsTheLineToOneController()
    {
        Bench b;
        b.start();
        QVERIFY(b.settle());
        b.board->hyperterminalMode(2);
        for (int ch = 0; ch < 4; ++ch) {
            QCOMPARE(b.gpio(InfusionPumpPowerBoardManager::m_Gpio_pins[ch]), QByteArray(ch == 2 ? "0" : "1"));
            QCOMPARE(b.gpio(InfusionPumpPowerBoardManager::m_PIC_MCLR_pins[ch]), QByteArray(ch == 2 ? "1" : "0"));
        }
        // The caller now has the raw line; the manager neither polls nor sends.
        const int before = b.sim.commands().size();
        b.board->vSetStopRsq(2);
        TtyHandler *port = b.board->getTtyHandler();
        port->write("CAL?");
        QByteArray echoed;
        QTRY_COMPARE((echoed += port->readAll()), QByteArray("CAL?"));
        QTest::qWait(1500);
        QCOMPARE(b.sim.commands().size(), before);

        b.board->restoreNormality();
        QTRY_VERIFY_WITH_TIMEOUT(b.lines().mid(before).count("3 I8") == 1, 5000);
        QCOMPARE(b.lines().mid(before, 4), QStringList({"0 I8", "1 I8", "2 I8", "3 I8"}));
        QTRY_VERIFY_WITH_TIMEOUT(b.lines().mid(before).contains("3 I4"), 5000);
    }

    void channelOutOfRangeIsRefused()
    {
        Bench b;
        b.start();
        QVERIFY(b.settle());
        const int before = b.sim.commands().size();
        QTest::ignoreMessage(QtDebugMsg,
                             "void InfusionPumpPowerBoardManager::vSetStopRsq(short unsigned int) ChannelId out of bounds");
        b.board->vSetStopRsq(4);
        b.board->vSetStartFlowRateRsq(4);
        b.board->vSetGetVersionRequest(7);
        b.board->vSetGetTestDataRsq(65535);
        QTest::qWait(100);
        QCOMPARE(b.sim.commands().size(), before);
    }
};

RONDIX_TEST(TestInfusionPumpPowerBoardManager)
#include "tst_InfusionPumpPowerBoardManager.moc"
