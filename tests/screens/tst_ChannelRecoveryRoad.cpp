#include "FlowRateRunningScreen.h"
#include "GuiTest.h"
#include "ManualAssetDetails.h"
#include "ManualBench.h"
#include "ManualSetup.h"
#include "OcclusionManualTest.h"
#include "OcclusionManual_Setup.h"
#include "SimController.h"
#include "SummaryManualScreen.h"
#include "TestRegistry.h"

#include <QComboBox>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QTest>
#include <QTime>

Q_DECLARE_METATYPE(PowerBoardSim::Fault)

namespace {

// The manual road against a power board whose clock the test moves on (for silences and
// steps in the controllers' counts) and whose firmware holds or zeroes a stopped test.
struct RecoveryBench : ManualBench
{
    QElapsedTimer wall;
    qint64 base = 0;
    qint64 offsetMs = 0;

    RecoveryBench(const QByteArray &channel0, bool clearsAfterStop)
        : ManualBench(ScreenArea::defaultSettings() + "[channel_0]\n" + channel0)
    {
        for (int ch = 0; ch < PowerBoardSim::channels; ++ch)
            sim().controller(ch).setClearsAfterStop(clearsAfterStop);
        base = sim().now();
        wall.start();
        sim().setClock([this] { return base + wall.elapsed() + offsetMs; });
    }

    bool ready()
    {
        if (!area.settle())
            return false;
        summary->showScreen(true);
        return area.activate();
    }

    // MANUAL and confirm on channel 1: its running screen, its set-up sent.
    template<class Running>
    Running *setUp()
    {
        GuiTest::key(Qt::Key_F4); // MANUAL
        GuiTest::key(Qt::Key_F4); // confirm
        auto *running = qobject_cast<Running *>(area.current());
        QDeadlineTimer deadline(10000);
        while (running && area.requests().filter(QStringLiteral("IF5")).isEmpty() && !deadline.hasExpired())
            QTest::qWait(20);
        sim().clearCommands();
        return deadline.hasExpired() ? nullptr : running;
    }

    QString elapsedLabel(QWidget *running) const { return labelText(running, "label_FlowRate_ElapseTime"); }

    // The elapsed time on a running screen, in seconds; -1 when it shows a word.
    int shownSeconds(QWidget *running) const
    {
        const QTime shown = QTime::fromString(elapsedLabel(running), QStringLiteral("hh:mm:ss"));
        return shown.isValid() ? QTime(0, 0).secsTo(shown) : -1;
    }

    // Until channel 1's test (its samples: a start clears them) has run at least the
    // seconds, and the screen, refreshed on its own beat, has followed to the second
    // before. A loaded machine may skip a displayed second, never the count.
    bool runFor(QWidget *running, int seconds)
    {
        QDeadlineTimer deadline(15000);
        while (!(data().vGetTestRunningFlag(0) && data().m_vecRealTimeData[0].size() >= seconds
                 && shownSeconds(running) >= seconds - 1)) {
            if (deadline.hasExpired())
                return false;
            QTest::qWait(20);
        }
        return true;
    }

    // From the summary, a flow test on channel 1 set up, started and run for the seconds.
    FlowRateRunningScreen *startFlowTest(int seconds)
    {
        if (!ready())
            return nullptr;
        auto *running = setUp<FlowRateRunningScreen>();
        return running && greenStarts() && runFor(running, seconds) ? running : nullptr;
    }

    // The green key, and whether it started a test: stop, then start.
    bool greenStarts()
    {
        sim().clearCommands();
        GuiTest::key(Qt::Key_F6);
        QDeadlineTimer deadline(3000);
        while (area.requests().size() < 2 && !deadline.hasExpired())
            QTest::qWait(20);
        return area.requests().mid(0, 2) == QStringList({"0 I3", "0 I2"});
    }
};

void addFirmwareRows()
{
    QTest::addColumn<bool>("clearsAfterStop");
    QTest::newRow("firmware holds the stopped test") << false;
    QTest::newRow("firmware zeroes the stopped test") << true;
}

} // namespace

class TestChannelRecoveryRoad : public QObject
{
    Q_OBJECT
private slots:
    void greenKeyAfterAStop_data() { addFirmwareRows(); }
    // Stopped a few seconds in, the idle controller may go on reporting those seconds:
    // the next test still starts, set up again from the summary or straight away.
    void greenKeyAfterAStop()
    {
        QFETCH(bool, clearsAfterStop);
        RecoveryBench bench("elapse_time=900\n", clearsAfterStop);
        auto *running = bench.startFlowTest(3);
        QVERIFY(running);
        GuiTest::key(Qt::Key_F7);
        QTRY_COMPARE_WITH_TIMEOUT(bench.elapsedLabel(running),
                                  QStringLiteral("<font color='red'>Stopped</font>"), 5000);
        QTest::qWait(2500); // the idle controller answers a few polls

        GuiTest::key(Qt::Key_F1);
        QCOMPARE(bench.area.current(), static_cast<QWidget *>(bench.summary));
        QVERIFY(bench.setUp<FlowRateRunningScreen>() == running);
        QTest::qWait(2500);
        QVERIFY(bench.greenStarts());
        QVERIFY(bench.runFor(running, 2));

        GuiTest::key(Qt::Key_F7);
        QTest::qWait(2500);
        QVERIFY(bench.greenStarts());
        QTRY_VERIFY_WITH_TIMEOUT(bench.data().vGetTestRunningFlag(0), 5000);
        // Under way, the key does not start it again.
        QVERIFY(bench.runFor(running, 2));
        QVERIFY(!bench.greenStarts());
    }

    void idleChannelShowsItsPresentPressure_data() { addFirmwareRows(); }
    // An occlusion test that ran past 25 s ends at the alarm pressure; once primed, the
    // channel shows the pressure it has now, and the test's peak stays for its result.
    void idleChannelShowsItsPresentPressure()
    {
        QFETCH(bool, clearsAfterStop);
        RecoveryBench bench("test_type=1\n", clearsAfterStop);
        bench.sim().controller(0).pump().pressureRise = 250.0; // the alarm within 2 s
        QVERIFY(bench.ready());
        auto *running = bench.setUp<OcclusionManualTest>();
        QVERIFY(running);
        QVERIFY(bench.greenStarts());
        QTRY_COMPARE_WITH_TIMEOUT(labelText(running, "label_Pressure_Peak"), QStringLiteral("500.00"), 10000);
        bench.offsetMs += 30000;
        QTRY_VERIFY_WITH_TIMEOUT(bench.data().getTestData(0).u32ElapseTime > 30, 10000);
        GuiTest::key(Qt::Key_F6); // the alarm: acknowledged
        QTRY_COMPARE_WITH_TIMEOUT(labelText(running, "label_OccTestStatus"),
                                  QStringLiteral("<font color='blue'>Completed"), 10000);
        QTRY_COMPARE_WITH_TIMEOUT(bench.area.requests().mid(3), QStringList({"0 I3", "0 I6"}), 5000);

        GuiTest::key(Qt::Key_F1);
        QTRY_COMPARE_WITH_TIMEOUT(labelText(bench.summary, "label_Channel_1_Pressure"), QStringLiteral("0.00"),
                                  5000);
        QCOMPARE(labelText(running, "label_Pressure_Peak"), QStringLiteral("500.00"));
        QVERIFY(bench.data().getTestData(0).u32ElapseTime > 30);
    }

    void frozenTestResumes_data()
    {
        QTest::addColumn<bool>("silent");
        QTest::addColumn<int>("jumpSeconds");
        QTest::addColumn<int>("duration");
        QTest::newRow("silent for 40 s") << true << 40 << 60;
        QTest::newRow("a step of 30 s") << false << 30 << 40;
    }
    // A running channel whose count jumps ahead (after a silence, or a step) goes on:
    // the screen follows it, the test ends at its duration, and it can be saved.
    void frozenTestResumes()
    {
        QFETCH(bool, silent);
        QFETCH(int, jumpSeconds);
        QFETCH(int, duration);
        RecoveryBench bench(QStringLiteral("elapse_time=%1\n").arg(duration).toLatin1(), false);
        auto *running = bench.startFlowTest(2);
        QVERIFY(running);
        if (silent) {
            bench.sim().setSilent(0, true);
            QTRY_COMPARE_WITH_TIMEOUT(bench.area.board()->getChannelStatus(0), quint16(2), 15000);
        }
        bench.offsetMs += jumpSeconds * 1000;
        bench.sim().setSilent(0, false);
        const auto seconds = [&] { return int(bench.data().getTestData(0).u32ElapseTime); };
        QTRY_VERIFY_WITH_TIMEOUT(seconds() > jumpSeconds + 2, 10000);
        QCOMPARE(bench.area.board()->getChannelStatus(0), quint16(1));
        // Still running, the screen follows the count (a stalled machine may have reached
        // the end meanwhile).
        QTRY_VERIFY_WITH_TIMEOUT(!bench.data().vGetTestRunningFlag(0) || bench.shownSeconds(running) > jumpSeconds + 1,
                                 5000);

        bench.offsetMs += qMax(0, duration - seconds()) * 1000;
        QTRY_COMPARE_WITH_TIMEOUT(bench.elapsedLabel(running),
                                  QStringLiteral("<font color='blue'>Completed</font>"), 10000);
        QTRY_COMPARE_WITH_TIMEOUT(bench.area.requests().mid(2), QStringList({"0 I3", "0 I6"}), 5000);
        QVERIFY(bench.data().m_vecRealTimeData[0].size() >= duration);

        GuiTest::key(Qt::Key_F1);
        GuiTest::key(Qt::Key_F2); // SAVE
        QVERIFY(qobject_cast<ManualAssetDetails *>(bench.area.current()));
    }

    // A controller reset in the middle of a test has lost it, whether it comes back idle,
    // goes on reporting its test with zeros, or counts again from the start: the
    // instrument ends the test as stopped by its controller, primes the channel, keeps
    // what was measured, says so on the running screen and the summary, and the save
    // opens on Fail.
    void controllerResetMidTestStopsTheTest_data()
    {
        QTest::addColumn<PowerBoardSim::Fault>("reset");
        QTest::newRow("back idle") << PowerBoardSim::Fault::ResetIdle;
        QTest::newRow("test with zeros") << PowerBoardSim::Fault::ResetZeros;
        QTest::newRow("counting again") << PowerBoardSim::Fault::ResetRestart;
    }
    void controllerResetMidTestStopsTheTest()
    {
        QFETCH(PowerBoardSim::Fault, reset);
        RecoveryBench bench("elapse_time=900\n", false);
        auto *running = bench.startFlowTest(3);
        QVERIFY(running);
        const INFUSION_PUMP_TEST_DATA before = bench.data().getTestData(0);
        QVERIFY(before.fVolume > 0);
        bench.sim().setFault(0, reset);
        const QString stopped = QStringLiteral("<font color='red'>Ctrl stop</font>");
        QTRY_COMPARE_WITH_TIMEOUT(bench.elapsedLabel(running), stopped, 10000);
        QTRY_COMPARE_WITH_TIMEOUT(bench.area.requests().mid(2), QStringList({"0 I3", "0 I6"}), 5000);
        QCOMPARE(bench.sim().controller(0).status(), SimController::Prime);
        const INFUSION_PUMP_TEST_DATA after = bench.data().getTestData(0);
        QVERIFY(after.u32ElapseTime >= before.u32ElapseTime);
        QVERIFY(after.fVolume >= before.fVolume);
        QCOMPARE(bench.data().m_vecRealTimeData[0].size(), int(after.u32ElapseTime));

        GuiTest::key(Qt::Key_F1);
        QVERIFY(qobject_cast<SummaryManualScreen *>(bench.area.current()));
        QTRY_COMPARE_WITH_TIMEOUT(labelText(bench.summary, "label_Channel_1_ElaspeTime"), stopped,
                                  3000);
        GuiTest::key(Qt::Key_F2); // SAVE
        auto *save = qobject_cast<ManualAssetDetails *>(bench.area.current());
        QVERIFY(save);
        QCOMPARE(save->findChild<QComboBox *>(QStringLiteral("comboBox_status"))->currentIndex(),
                 1); // Fail

        // The channel takes a new test, which starts unmarked.
        GuiTest::key(Qt::Key_F1);
        QVERIFY(qobject_cast<SummaryManualScreen *>(bench.area.current()));
        QVERIFY(bench.setUp<FlowRateRunningScreen>());
        QVERIFY(bench.greenStarts());
        QVERIFY(!bench.data().testStoppedByController(0));
    }
};

RONDIX_TEST(TestChannelRecoveryRoad)
#include "tst_ChannelRecoveryRoad.moc"
