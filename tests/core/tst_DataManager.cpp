#include "ChannelTimer.h"
#include "DataManager.h"
#include "PowerBoardManager.h"
#include "TempRoot.h"
#include "TestRegistry.h"

#include <QSignalSpy>
#include <QTest>

namespace {

// One test-data reply as the link delivers it: sequence number, payload length, the
// payload ("EPS" and the fields, little-endian) and the checksum.
struct Reply {
    quint8 type = 0;
    quint8 status = 3; // flow rate
    qint16 pressure = 0;
    quint32 elapsed = 0;
    quint32 volume = 0;
    quint16 revolution = 0;
    quint32 instant = 0;
    quint32 average = 0;
    qint16 peak = 0;
    quint8 autoOcc = 0;
    qint16 backOff = 0;

    QByteArray bytes() const
    {
        QByteArray b("\x02\x1e\x00EPS", 6);
        const auto le = [&b](quint64 v, int n) {
            for (int i = 0; i < n; ++i)
                b.append(char((v >> (8 * i)) & 0xFF));
        };
        le(type, 1);
        le(status, 1);
        le(quint16(pressure), 2);
        le(elapsed, 4);
        le(volume, 4);
        le(revolution, 2);
        le(instant, 4);
        le(average, 4);
        le(quint16(peak), 2);
        le(autoOcc, 1);
        le(quint16(backOff), 2);
        le(PowerBoardManager::checksum(2, b.mid(1)), 2);
        return b;
    }
};

// A data manager whose bolus stopwatch reads a clock the test sets.
class ClockedDataManager : public DataManager
{
public:
    qint64 now = 0;

protected:
    qint64 msecsNow() const override { return now; }
};

// Collects stopPump and prime in the order they come.
struct EndLog {
    QStringList events;
    explicit EndLog(DataManager &dm)
    {
        QObject::connect(&dm, &DataManager::stopPump,
                         [this](unsigned short ch) { events << QString("stop %1").arg(ch); });
        QObject::connect(&dm, &DataManager::prime,
                         [this](unsigned short ch) { events << QString("prime %1").arg(ch); });
    }
};

} // namespace

class TestDataManager : public QObject
{
    Q_OBJECT

    // Feeds flow replies for the given seconds on a running channel.
    static void feed(DataManager &dm, int ch, std::initializer_list<quint32> seconds,
                     Reply reply = Reply())
    {
        for (quint32 s : seconds) {
            reply.elapsed = s;
            reply.pressure = qint16(s * 10);
            reply.volume = s * 100;
            dm.vStoreTestData(TestData(ch, reply.bytes()));
        }
    }

    // The channel set up for the test type and running; the reply its controller sends
    // while it runs that test.
    static Reply startTest(DataManager &dm, unsigned short ch, int testType)
    {
        dm.vSetTestSetting_Type(ch, quint16(testType));
        dm.vSetTestRunningFlag(PicRunningData(ch, 1));
        Reply running;
        running.type = quint8(testType);
        running.status = quint8(testType == 1 ? 5 : testType == 2 ? 4 : 3);
        return running;
    }

    // One PCA reply of a running channel at clock time ms.
    static void sendPca(ClockedDataManager &dm, int ch, qint64 ms, quint32 second, quint32 flow,
                        quint32 microlitres)
    {
        Reply r;
        r.type = 2;
        r.status = 4;
        r.elapsed = second;
        r.instant = flow * 1000;
        r.volume = microlitres;
        dm.now = ms;
        dm.vStoreTestData(TestData(ch, r.bytes()));
    }

private slots:
    void replyFieldsAreScaled()
    {
        TempRoot root;
        DataManager dm;
        dm.vSetTestRunningFlag(PicRunningData(1, 1));
        Reply r;
        r.type = 0;
        r.status = 3;
        r.pressure = 1234;
        r.elapsed = 7;
        r.volume = 12345;
        r.revolution = 65535;
        r.instant = 100500;
        r.average = 99250;
        r.peak = -1239;
        r.autoOcc = 4;
        r.backOff = 257;
        QSignalSpy status(&dm, &DataManager::checkStatus);
        dm.vStoreTestData(TestData(1, r.bytes()));

        const INFUSION_PUMP_TEST_DATA d = dm.getTestData(1);
        QCOMPARE(d.u8TestType, quint8(0));
        QCOMPARE(d.u8PIC_Status, quint8(3));
        QCOMPARE(d.s16Pressure, qint16(123));
        QCOMPARE(d.u32ElapseTime, quint32(7));
        QCOMPARE(d.fVolume, 12.345f);
        QCOMPARE(d.u16Revolution, quint32(65535));
        QCOMPARE(d.fFlowRate_Instant, 100.5f);
        QCOMPARE(d.fFlowRate_Ave, 99.25f);
        QCOMPARE(d.s16Pressure_Peak, qint16(-123));
        QCOMPARE(d.u8AutoOccStatus, quint8(4));
        QCOMPARE(d.s16Pressure_BackOff, qint16(25));
        QCOMPARE(status.count(), 1);
        const auto sent = status.at(0).at(0).value<PicStatusData>();
        QCOMPARE(sent.m_iChannel, 1);
        QCOMPARE(sent.m_iStatus, 3);
        // Other channels untouched.
        QCOMPARE(dm.getTestData(0).u32ElapseTime, quint32(0));
    }

    void pressureDivision_data()
    {
        QTest::addColumn<int>("raw");
        QTest::addColumn<int>("mmHg");
        QTest::newRow("-0.5 truncates to 0") << -5 << 0;
        QTest::newRow("-1.5 truncates to -1") << -15 << -1;
        QTest::newRow("1.9") << 19 << 1;
        QTest::newRow("-32768") << -32768 << -3276;
        QTest::newRow("32767") << 32767 << 3276;
    }
    void pressureDivision()
    {
        QFETCH(int, raw);
        QFETCH(int, mmHg);
        TempRoot root;
        DataManager dm;
        dm.vSetTestRunningFlag(PicRunningData(0, 1));
        Reply r;
        r.elapsed = 1;
        r.pressure = qint16(raw);
        r.peak = qint16(raw);
        dm.vStoreTestData(TestData(0, r.bytes()));
        QCOMPARE(int(dm.getTestData(0).s16Pressure), mmHg);
        QCOMPARE(int(dm.getTestData(0).s16Pressure_Peak), mmHg);
    }

    void backOffNeedsTenMmHg()
    {
        TempRoot root;
        DataManager dm;
        dm.vSetTestRunningFlag(PicRunningData(0, 1));
        Reply r;
        r.elapsed = 1;
        r.backOff = 100;
        dm.vStoreTestData(TestData(0, r.bytes()));
        QCOMPARE(dm.getTestData(0).s16Pressure_BackOff, qint16(10));
        r.elapsed = 2;
        r.backOff = 99;
        dm.vStoreTestData(TestData(0, r.bytes()));
        QCOMPARE(dm.getTestData(0).s16Pressure_BackOff, qint16(10));
    }

    // A reply shorter or longer than the whole record, in a whole frame with its own
    // length and checksum, has no figures of this test: those before it stand.
    void replyNotOfTheWholeRecordIsRefused_data()
    {
        QTest::addColumn<int>("payloadSize");
        QTest::newRow("cut to 14 bytes") << 14;
        QTest::newRow("one byte short") << 29;
        QTest::newRow("one byte long") << 31;
        QTest::newRow("padded to 40 bytes") << 40;
        QTest::newRow("the letters alone") << 3;
    }
    void replyNotOfTheWholeRecordIsRefused()
    {
        QFETCH(int, payloadSize);
        TempRoot root;
        DataManager dm;
        dm.vSetTestRunningFlag(PicRunningData(0, 1));
        feed(dm, 0, {1, 2, 3, 4});
        Reply r;
        r.elapsed = 5;
        r.volume = 9000;
        r.average = 108000;
        QByteArray payload = r.bytes().mid(3, 30).leftJustified(payloadSize, '\x41', true);
        QByteArray frame("\x02", 1);
        frame.append(char(payload.size())).append('\0').append(payload);
        const quint16 sum = PowerBoardManager::checksum(2, frame.mid(1));
        frame.append(char(sum & 0xFF)).append(char(sum >> 8));
        dm.vStoreTestData(TestData(0, frame));
        const INFUSION_PUMP_TEST_DATA d = dm.getTestData(0);
        QCOMPARE(d.u32ElapseTime, quint32(4));
        QCOMPARE(d.fVolume, 0.4f);
        QCOMPARE(d.fFlowRate_Ave, 0.0f);
        QCOMPARE(dm.m_vecRealTimeData[0].size(), 4);
        QCOMPARE(int(dm.vGetTestRunningFlag(0)), 1);
        feed(dm, 0, {5});
        QCOMPARE(dm.getTestData(0).u32ElapseTime, quint32(5));
    }

    void elapsedJumpFilter_data()
    {
        QTest::addColumn<QList<quint32>>("sent");     // elapsed times of a running flow test
        QTest::addColumn<QList<quint32>>("recorded"); // the record's elapsed time after each
        QTest::newRow("first reply of a test: at most 25 s")
            << QList<quint32>{26, 25} << QList<quint32>{0, 25};
        QTest::newRow("the same second again is taken") << QList<quint32>{10, 10} << QList<quint32>{10, 10};
        QTest::newRow("one garbled reply is dropped")
            << QList<quint32>{10, 11, 5000, 12} << QList<quint32>{10, 11, 11, 12};
        QTest::newRow("two garbled replies that do not agree")
            << QList<quint32>{10, 5000, 9000, 11} << QList<quint32>{10, 10, 10, 11};
        QTest::newRow("after 40 s of silence the second reply is followed")
            << QList<quint32>{20, 60, 61, 62} << QList<quint32>{20, 20, 61, 62};
        QTest::newRow("a step of 30 s that the next reply confirms")
            << QList<quint32>{10, 41, 42} << QList<quint32>{10, 10, 42};
    }
    void elapsedJumpFilter()
    {
        QFETCH(QList<quint32>, sent);
        QFETCH(QList<quint32>, recorded);
        TempRoot root;
        DataManager dm;
        dm.vSetTestRunningFlag(PicRunningData(2, 1));
        QList<quint32> seen;
        for (quint32 s : sent) {
            feed(dm, 2, {s});
            seen << dm.getTestData(2).u32ElapseTime;
        }
        QCOMPARE(seen, recorded);
    }

    // A running test's count never goes back: a controller whose count did was reset
    // and lost the test, whether it reports its test with zeros, counts again from the
    // start, or is a second behind. The test ends as stopped by its controller, with
    // what was measured before; nothing after replaces it.
    void countGoingBackEndsTheTestAsStoppedByItsController_data()
    {
        QTest::addColumn<int>("testType");
        QTest::addColumn<quint32>("backTo");
        QTest::newRow("reset, test with zeros") << 0 << quint32(0);
        QTest::newRow("count started again") << 0 << quint32(1);
        QTest::newRow("one second back") << 0 << quint32(4);
        QTest::newRow("PCA reset") << 2 << quint32(0);
        QTest::newRow("occlusion reset") << 1 << quint32(0);
    }
    void countGoingBackEndsTheTestAsStoppedByItsController()
    {
        QFETCH(int, testType);
        QFETCH(quint32, backTo);
        TempRoot root;
        DataManager dm;
        EndLog log(dm);
        Reply running = startTest(dm, 1, testType);
        running.average = 111000;
        feed(dm, 1, {1, 2, 3, 4, 5}, running);
        QVERIFY(!dm.testStoppedByController(1));
        Reply zeros = running;
        zeros.average = 0;
        zeros.elapsed = backTo;
        dm.vStoreTestData(TestData(1, zeros.bytes()));
        QCOMPARE(log.events, QStringList({"stop 1", "prime 1"}));
        QCOMPARE(int(dm.vGetTestRunningFlag(1)), 0);
        QVERIFY(dm.testStoppedByController(1));
        QCOMPARE(int(dm.m_u8StopKeyPressed[1]), 1);
        QCOMPARE(int(dm.m_u16OcclusionStopped[1]), testType == 1 ? 1 : 0);
        // Replies after the end (zeros, the controller's count going on) change nothing.
        feed(dm, 1, {0, 2, 3}, zeros);
        const INFUSION_PUMP_TEST_DATA d = dm.getTestData(1);
        QCOMPARE(d.u32ElapseTime, quint32(5));
        QCOMPARE(d.fVolume, 0.5f);
        QCOMPARE(d.fFlowRate_Ave, 111.0f);
        QCOMPARE(dm.m_vecRealTimeData[1].size(), 5);
        QCOMPARE(log.events.size(), 2);
        // The next test starts unmarked, from 0.
        dm.vSetTestRunningFlag(PicRunningData(1, 1));
        QVERIFY(!dm.testStoppedByController(1));
        feed(dm, 1, {1}, running);
        QCOMPARE(dm.getTestData(1).u32ElapseTime, quint32(1));
    }

    // Two replies that agree on a count far beyond the time that really passed are
    // garbage however well they agree (the history would take the gap in memory); a
    // silence as long as the jump, or a step of the controller's count, is followed.
    void aConfirmedJumpMustFitTheTimeThatPassed_data()
    {
        QTest::addColumn<qint64>("silence"); // seconds of the clock before the jump
        QTest::addColumn<quint32>("target");
        QTest::addColumn<bool>("taken");
        QTest::newRow("a week ahead at once") << qint64(0) << quint32(10 + 604800) << false;
        QTest::newRow("a day ahead after a second") << qint64(1) << quint32(10 + 86400) << false;
        QTest::newRow("a day ahead after a day") << qint64(86400) << quint32(10 + 86400) << true;
        // The confirming reply, a second later, is the one measured.
        QTest::newRow("a step of 300 s at once") << qint64(0) << quint32(10 + 299) << true;
        QTest::newRow("a step of 301 s at once") << qint64(0) << quint32(10 + 300) << false;
    }
    void aConfirmedJumpMustFitTheTimeThatPassed()
    {
        QFETCH(qint64, silence);
        QFETCH(quint32, target);
        QFETCH(bool, taken);
        TempRoot root;
        ClockedDataManager dm;
        dm.vSetTestRunningFlag(PicRunningData(2, 1));
        feed(dm, 2, {9, 10});
        dm.now += silence * 1000;
        feed(dm, 2, {target, target + 1});
        QCOMPARE(dm.getTestData(2).u32ElapseTime, taken ? target + 1 : 10);
        QCOMPARE(dm.m_vecRealTimeData[2].size(), int(taken ? target + 1 : 10));
    }

    // A channel that was silent resumes ahead of its history: the history fills the gap
    // with copies of the first reply taken, and a duration passed meanwhile ends the test.
    void silenceIsBridged()
    {
        TempRoot root;
        DataManager dm;
        EndLog log(dm);
        dm.vSetTestSetting_ElapseTime(1, 60);
        dm.vSetTestRunningFlag(PicRunningData(1, 1));
        feed(dm, 1, {1, 2, 3});
        feed(dm, 1, {44, 45});
        const auto &h = dm.m_vecRealTimeData[1];
        QCOMPARE(h.size(), 45);
        QCOMPARE(h.at(2).s16Pressure, qint16(3));
        QCOMPARE(h.at(3).u32ElapseTime, quint32(4));
        QCOMPARE(h.at(3).s16Pressure, qint16(45));
        QCOMPARE(h.at(44).u32ElapseTime, quint32(45));
        QVERIFY(log.events.isEmpty());
        feed(dm, 1, {50, 90, 91});
        QCOMPARE(log.events, QStringList({"stop 1", "prime 1"}));
        QCOMPARE(int(dm.vGetTestRunningFlag(1)), 0);
        QCOMPARE(h.size(), 91);
    }

    // A running channel whose controller reports no test three times in a row (it was
    // reset, or never took the start) is ended as stopped; fewer are waited out.
    void controllerThatRunsNoTestEndsTheTest_data()
    {
        QTest::addColumn<int>("testType");
        QTest::newRow("flow") << 0;
        QTest::newRow("occlusion") << 1;
    }
    void controllerThatRunsNoTestEndsTheTest()
    {
        QFETCH(int, testType);
        TempRoot root;
        DataManager dm;
        EndLog log(dm);
        const Reply running = startTest(dm, 3, testType);
        Reply idle;
        idle.status = 0;
        feed(dm, 3, {1, 2, 3}, running);
        feed(dm, 3, {0, 1}, idle);
        feed(dm, 3, {4}, running);
        feed(dm, 3, {0, 0}, idle);
        QVERIFY(log.events.isEmpty());
        QCOMPARE(int(dm.vGetTestRunningFlag(3)), 1);
        feed(dm, 3, {0}, idle);
        QCOMPARE(log.events, QStringList({"stop 3", "prime 3"}));
        QCOMPARE(int(dm.vGetTestRunningFlag(3)), 0);
        QCOMPARE(int(dm.m_u8StopKeyPressed[3]), 1);
        QCOMPARE(dm.getTestData(3).u32ElapseTime, quint32(4));
        QCOMPARE(dm.m_vecRealTimeData[3].size(), 4);
        QCOMPARE(int(dm.m_u16OcclusionStopped[3]), testType == 1 ? 1 : 0);
        QCOMPARE(dm.m_u32OcclusionStopTime[3], quint32(testType == 1 ? 4 : 0));
        QVERIFY(dm.testStoppedByController(3));
        QVERIFY(!dm.getOcclusionTestComplete(3));
        feed(dm, 3, {0, 0, 0}, idle);
        QCOMPARE(log.events.size(), 2);
    }

    // Whatever a stopped controller reports (in prime or idle: its last test's readings,
    // or zeros), the finished test keeps its time and peak, a record reset for the next
    // test stays at 0 seconds, so that test can be started, and the next test's first
    // seconds are taken. The line pressure is taken.
    void stoppedControllerReadingsAreNotTheChannels_data()
    {
        QTest::addColumn<quint32>("reportedTime");
        QTest::addColumn<qint16>("reportedPeak");
        QTest::newRow("last test's readings") << quint32(3) << qint16(4000);
        QTest::newRow("readings of a test past 25 s") << quint32(40) << qint16(4000);
        QTest::newRow("cleared") << quint32(0) << qint16(0);
    }
    void stoppedControllerReadingsAreNotTheChannels()
    {
        QFETCH(quint32, reportedTime);
        QFETCH(qint16, reportedPeak);
        TempRoot root;
        DataManager dm;
        dm.vSetTestRunningFlag(PicRunningData(1, 1));
        Reply running;
        running.peak = 4000;
        running.average = 99000;
        feed(dm, 1, {1, 2, 3}, running);
        dm.vSetTestRunningFlag(PicRunningData(1, 0));
        Reply stopped;
        stopped.elapsed = reportedTime;
        stopped.peak = reportedPeak;
        stopped.pressure = 55;
        stopped.volume = reportedTime * 1000;
        QSignalSpy statusSignals(&dm, &DataManager::checkStatus);
        for (quint8 status : {2, 0}) {
            stopped.status = status;
            dm.vStoreTestData(TestData(1, stopped.bytes()));
            QCOMPARE(dm.getTestData(1).u32ElapseTime, quint32(3));
            QCOMPARE(dm.getTestData(1).s16Pressure_Peak, qint16(400));
            QCOMPARE(dm.getTestData(1).s16Pressure, qint16(5));
            QCOMPARE(dm.getTestData(1).u8PIC_Status, status);
            QCOMPARE(dm.getTestData(1).fVolume, 0.3f);
            QCOMPARE(dm.getTestData(1).fFlowRate_Ave, 99.0f);
        }
        QCOMPARE(statusSignals.count(), 2);
        QCOMPARE(dm.m_vecRealTimeData[1].size(), 3);
        QVERIFY(!dm.testStoppedByController(1)); // the instrument stopped it
        dm.resetTestData(1);
        for (quint8 status : {2, 0}) {
            stopped.status = status;
            dm.vStoreTestData(TestData(1, stopped.bytes()));
            QCOMPARE(dm.getTestData(1).u32ElapseTime, quint32(0));
            QCOMPARE(dm.getTestData(1).s16Pressure_Peak, qint16(0));
            QCOMPARE(dm.getTestData(1).s16Pressure, qint16(5));
        }
        dm.vSetTestRunningFlag(PicRunningData(1, 1));
        feed(dm, 1, {1});
        QCOMPARE(dm.getTestData(1).u32ElapseTime, quint32(1));
    }

    void historyFillsGapsWithTheNewestSample()
    {
        TempRoot root;
        DataManager dm;
        dm.vSetTestRunningFlag(PicRunningData(3, 1));
        feed(dm, 3, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 14});
        const auto &h = dm.m_vecRealTimeData[3];
        QCOMPARE(h.size(), 14);
        for (int i = 0; i < 14; ++i)
            QCOMPARE(h.at(i).u32ElapseTime, quint32(i + 1));
        QCOMPARE(h.at(10).s16Pressure, qint16(11));
        for (int i : {11, 12, 13}) {
            QCOMPARE(h.at(i).s16Pressure, qint16(14));
            QCOMPARE(h.at(i).fVolume, 1.4f);
        }
        // A repeated second adds nothing.
        feed(dm, 3, {14});
        QCOMPARE(h.size(), 14);

        // The first reply of a test, at 3, fills seconds 1 and 2 with copies of itself.
        dm.resetTestData(3);
        dm.vSetTestRunningFlag(PicRunningData(3, 1));
        feed(dm, 3, {3});
        QCOMPARE(h.size(), 3);
        QCOMPARE(h.at(0).u32ElapseTime, quint32(1));
        QCOMPARE(h.at(0).s16Pressure, qint16(3));
        QCOMPARE(h.at(2).u32ElapseTime, quint32(3));

        // Not running, or a non-test status: no history.
        dm.resetTestData(3);
        feed(dm, 3, {1, 2});
        QCOMPARE(h.size(), 0);
        dm.vSetTestRunningFlag(PicRunningData(3, 1));
        Reply prime;
        prime.status = 2;
        feed(dm, 3, {3}, prime);
        QCOMPARE(h.size(), 0);
    }

    void flowTestEndsOnceAtItsDuration()
    {
        TempRoot root;
        DataManager dm;
        EndLog log(dm);
        dm.vSetTestSetting_ElapseTime(1, 900);
        dm.vSetTestRunningFlag(PicRunningData(1, 1));
        for (quint32 s = 1; s <= 899; ++s)
            feed(dm, 1, {s});
        QVERIFY(log.events.isEmpty());
        feed(dm, 1, {900});
        QCOMPARE(log.events, QStringList({"stop 1", "prime 1"}));
        QCOMPARE(int(dm.vGetTestRunningFlag(1)), 0);
        // The ending reply still reaches the history.
        QCOMPARE(dm.m_vecRealTimeData[1].last().u32ElapseTime, quint32(900));
        feed(dm, 1, {901, 902});
        QCOMPARE(log.events.size(), 2);

        // Skipping over the end time ends it on the first reply beyond.
        DataManager other;
        EndLog otherLog(other);
        other.vSetTestSetting_ElapseTime(0, 20);
        other.vSetTestRunningFlag(PicRunningData(0, 1));
        feed(other, 0, {18, 23});
        QCOMPARE(otherLog.events, QStringList({"stop 0", "prime 0"}));

        // A PCA reply ends at the PCA duration, not the flow one.
        DataManager pca;
        EndLog pcaLog(pca);
        pca.vSetTestSetting_ElapseTime(2, 5);
        pca.vSetPCATestSetting_ElapseTime(2, 10);
        pca.vSetTestRunningFlag(PicRunningData(2, 1));
        Reply r;
        r.type = 2;
        r.status = 4;
        feed(pca, 2, {5, 9}, r);
        QVERIFY(pcaLog.events.isEmpty());
        feed(pca, 2, {10}, r);
        QCOMPARE(pcaLog.events, QStringList({"stop 2", "prime 2"}));
    }

    void occlusionEndsOnlyForAutoReverse()
    {
        TempRoot root;
        for (const quint8 pumpType : {quint8(0), quint8(1)}) {
            DataManager dm;
            EndLog log(dm);
            dm.vSetOcclusionInfusionPumpType(0, pumpType);
            dm.vSetTestSetting_ElapseTime(0, 5); // never used for occlusion
            dm.vSetTestRunningFlag(PicRunningData(0, 1));
            Reply r;
            r.type = 1;
            r.status = 5;
            const auto send = [&](quint32 s, qint16 p, quint8 autoOcc) {
                r.elapsed = s;
                r.pressure = p;
                r.autoOcc = autoOcc;
                dm.vStoreTestData(TestData(0, r.bytes()));
            };
            send(10, 3000, 0);
            send(11, -30, 0); // negative, but no status 5 before it
            send(12, 3000, 5);
            send(13, -5, 5); // -0.5 mmHg is stored as 0: not negative
            QVERIFY(log.events.isEmpty());
            send(14, -30, 0);
            if (pumpType == 0) {
                QVERIFY(log.events.isEmpty());
                QVERIFY(!dm.getOcclusionTestComplete(0));
                QCOMPARE(int(dm.vGetTestRunningFlag(0)), 1);
            } else {
                QCOMPARE(log.events, QStringList({"stop 0", "prime 0"}));
                QVERIFY(dm.getOcclusionTestComplete(0));
                QCOMPARE(dm.m_u32OcclusionStopTime[0], quint32(14));
                QCOMPARE(int(dm.vGetTestRunningFlag(0)), 0);
            }
        }
    }

    void peakAndMinimumFlow()
    {
        TempRoot root;
        DataManager dm;
        dm.vSetTestSetting_WindowSize(0, 3);
        dm.vSetTestRunningFlag(PicRunningData(0, 1));
        Reply r;
        const auto send = [&](quint32 s, quint32 flow) {
            r.elapsed = s;
            r.instant = flow * 1000;
            dm.vStoreTestData(TestData(0, r.bytes()));
            return qMakePair(dm.getTestData(0).fFlowRate_Peak, dm.getTestData(0).fFlowRate_Min);
        };
        QCOMPARE(send(1, 500), qMakePair(500.0f, 500.0f));
        QCOMPARE(send(3, 100), qMakePair(100.0f, 100.0f)); // inside the window: both follow
        QCOMPARE(send(4, 150), qMakePair(150.0f, 100.0f));
        QCOMPARE(send(5, 2000), qMakePair(150.0f, 100.0f)); // a spike is no peak
        QCOMPARE(send(6, 1999), qMakePair(1999.0f, 100.0f));
        QCOMPARE(send(7, 50), qMakePair(1999.0f, 50.0f));
    }

    // The detector runs on instantaneous flows of a running PCA channel.
    void bolusDetector_data()
    {
        QTest::addColumn<QList<int>>("flows");   // ml/h
        QTest::addColumn<QList<int>>("volumes"); // µl
        QTest::addColumn<int>("boluses");
        QTest::newRow("25 35 18 with 0.3 ml") << QList<int>{25, 35, 18} << QList<int>{1000, 1100, 1300} << 1;
        QTest::newRow("too small a volume") << QList<int>{25, 35, 18} << QList<int>{1000, 1100, 1190} << 0;
        QTest::newRow("exactly 2x basal starts nothing")
            << QList<int>{20, 35, 18} << QList<int>{1000, 1100, 1300} << 0;
        QTest::newRow("fall back below 2x before 3x")
            << QList<int>{25, 19, 35, 18} << QList<int>{1000, 1100, 1200, 1300} << 0;
        QTest::newRow("a fall to exactly 2x ends it")
            << QList<int>{25, 35, 20} << QList<int>{1000, 1100, 1300} << 1;
        QTest::newRow("between 2x and 3x stays rising")
            << QList<int>{25, 28, 28, 18} << QList<int>{1000, 1100, 1200, 1300} << 0;
        QTest::newRow("two boluses") << QList<int>{25, 35, 18, 10, 25, 35, 18}
                                     << QList<int>{1000, 1100, 1300, 1300, 1300, 1500, 1800} << 2;
    }
    void bolusDetector()
    {
        QFETCH(QList<int>, flows);
        QFETCH(QList<int>, volumes);
        QFETCH(int, boluses);
        TempRoot root;
        ClockedDataManager dm;
        dm.vSetPCABasalFlowRate(0, 10.0f);
        dm.vSetTestRunningFlag(PicRunningData(0, 1));
        for (int i = 0; i < flows.size(); ++i)
            sendPca(dm, 0, 1000 * i, quint32(i + 1), quint32(flows.at(i)), quint32(volumes.at(i)));
        QCOMPARE(int(dm.getPCATestDataCount(0)), boluses);
        QCOMPARE(int(dm.getTestData(0).Pca_Test_Data.u16BolusCount), boluses);
    }

    void bolusRecordAndAverages()
    {
        TempRoot root;
        ClockedDataManager dm;
        dm.vSetPCABasalFlowRate(1, 10.0f);
        dm.vSetTestRunningFlag(PicRunningData(1, 1));
        const auto send = [&dm](qint64 ms, quint32 s, quint32 flow, quint32 microlitres) {
            sendPca(dm, 1, ms, s, flow, microlitres);
        };
        send(0, 1, 25, 1000);    // start: 1.0 ml
        send(1000, 2, 35, 1250);
        send(4900, 3, 18, 1500); // end: 0.5 ml over 4.9 s, counted as 4 s
        send(5000, 4, 10, 1500);
        send(6000, 5, 25, 1500); // second bolus: 0.25 ml over 2 s
        send(7000, 6, 35, 1600);
        send(8000, 7, 18, 1750);

        QCOMPARE(int(dm.getPCATestDataCount(1)), 2);
        const PCA_TEST_DATA first = dm.getPCATestData_History(1, 1);
        QCOMPARE(first.u16BolusCount, quint16(1));
        QCOMPARE(first.u32BolusDuration, quint32(4));
        QCOMPARE(first.fVolume_Bolus, 0.5f);
        QCOMPARE(first.fFlowRate_Bolus, 450.0f);
        const PCA_TEST_DATA second = dm.getPCATestData_History(1, 2);
        QCOMPARE(second.u16BolusCount, quint16(2));
        QCOMPARE(second.u32BolusDuration, quint32(2));
        QCOMPARE(second.fVolume_Bolus, 0.25f);
        QCOMPARE(second.fFlowRate_Bolus, 450.0f);
        const INFUSION_PUMP_TEST_DATA d = dm.getTestData(1);
        QCOMPARE(d.fVolume_Bolus_Ave, 0.375f);
        QCOMPARE(d.fFlowRate_Bolus_Ave, 450.0f);
        QCOMPARE(d.u32BolusDuration_Ave, quint32(3));
        QCOMPARE(dm.getPCATestData_History(1, 0).u16BolusCount, quint16(0));
        QCOMPARE(dm.getPCATestData_History(1, 3).u16BolusCount, quint16(0));

        dm.clearAccumulators(1);
        QCOMPARE(dm.getTestData(1).fVolume_Bolus_Ave, 0.0f);
        QCOMPARE(dm.getTestData(1).Pca_Test_Data.u16BolusCount, quint16(0));
        dm.vResetPCA_AverageParameter(1);
        QCOMPARE(int(dm.getPCATestDataCount(1)), 0);
        QCOMPARE(dm.getTestData(1).Pca_Test_Data.fVolume_Bolus, 0.0f);
    }

    void bolusUnderASecondHasNoFlow()
    {
        TempRoot root;
        ClockedDataManager dm;
        dm.vSetTestRunningFlag(PicRunningData(0, 1));
        const auto send = [&dm](qint64 ms, quint32 s, quint32 flow, quint32 microlitres) {
            sendPca(dm, 0, ms, s, flow, microlitres);
        };
        send(0, 1, 25, 1000);
        send(300, 2, 35, 1200);
        send(900, 3, 18, 1400);
        QCOMPARE(int(dm.getPCATestDataCount(0)), 1);
        const PCA_TEST_DATA bolus = dm.getPCATestData_History(0, 1);
        QCOMPARE(bolus.u32BolusDuration, quint32(0));
        QCOMPARE(bolus.fFlowRate_Bolus, 0.0f);
        QVERIFY(qIsFinite(dm.getTestData(0).fFlowRate_Bolus_Ave));
        QCOMPARE(dm.getTestData(0).fFlowRate_Bolus_Ave, 0.0f);
    }

    // A bolus half seen in one test must not be completed by the next.
    void bolusDetectorStartsAfreshOnResetAndStart_data()
    {
        QTest::addColumn<bool>("byReset");
        QTest::newRow("resetTestData") << true;
        QTest::newRow("start") << false;
    }
    void bolusDetectorStartsAfreshOnResetAndStart()
    {
        QFETCH(bool, byReset);
        TempRoot root;
        ClockedDataManager dm;
        dm.vSetTestRunningFlag(PicRunningData(0, 1));
        const auto send = [&dm](quint32 s, quint32 flow, quint32 microlitres) {
            sendPca(dm, 0, 1000 * s, s, flow, microlitres);
        };
        send(1, 25, 1000);
        send(2, 35, 1100); // bolus under way
        if (byReset)
            dm.resetTestData(0);
        dm.vSetTestRunningFlag(PicRunningData(0, 1));
        send(3, 18, 1500);
        QCOMPARE(int(dm.getPCATestDataCount(0)), 0);
    }

    void fullRecordHistoryInRemoteMode()
    {
        TempRoot root;
        DataManager dm;
        dm.vSetTestSetting_ElapseTime(0, 100);
        feed(dm, 0, {1}); // not remote yet, not running
        dm.setRemoteControl(1);
        dm.vSetTestRunningFlag(PicRunningData(0, 1));
        feed(dm, 0, {1, 2, 5});
        const auto &full = dm.m_vecFullTestData[0];
        QCOMPARE(full.size(), 5);
        for (int i = 0; i < 5; ++i)
            QCOMPARE(full.at(i).u32ElapseTime, quint32(i + 1));
        QCOMPARE(full.at(2).s16Pressure, qint16(5));
        QCOMPARE(full.at(1).s16Pressure, qint16(2));
        feed(dm, 0, {5});
        QCOMPARE(full.size(), 5);

        // A test restarted without clearing the history: the count falls back below the
        // length, and the history is cut back to it.
        dm.vSetTestRunningFlag(PicRunningData(0, 0));
        dm.vSetTestRunningFlag(PicRunningData(0, 1));
        feed(dm, 0, {2});
        QCOMPARE(full.size(), 2);
        QCOMPARE(full.at(1).u32ElapseTime, quint32(2));
    }

    void fullRecordHistoryStopsAtTheDuration()
    {
        TempRoot root;
        DataManager dm;
        dm.vSetTestSetting_ElapseTime(0, 4);
        dm.setRemoteControl(1);
        dm.vSetTestRunningFlag(PicRunningData(0, 1));
        feed(dm, 0, {1, 2, 3, 4});
        QCOMPARE(dm.m_vecFullTestData[0].size(), 4);
        // The channel stays running by the PC's hand; the history is complete.
        dm.vSetTestRunningFlag(PicRunningData(0, 1));
        feed(dm, 0, {5, 6});
        QCOMPARE(dm.m_vecFullTestData[0].size(), 4);

        // A reply late enough to reach past the end (a missed poll) fills the history up
        // to the test's last second and no further, on flow and PCA alike.
        dm.vSetTestSetting_Type(1, 2);
        dm.vSetPCATestSetting_ElapseTime(1, 6);
        dm.vSetTestSetting_ElapseTime(1, 100);
        dm.vSetTestRunningFlag(PicRunningData(1, 1));
        feed(dm, 1, {1, 2, 9});
        const auto &full = dm.m_vecFullTestData[1];
        QCOMPARE(full.size(), 6);
        QCOMPARE(full.last().u32ElapseTime, 6u);
        QCOMPARE(full.last().s16Pressure, qint16(9)); // the newest record's values
        QCOMPARE(full.at(1).s16Pressure, qint16(2));
    }

    void resetTestDataKeepsOnlyTheStatus()
    {
        TempRoot root;
        DataManager dm;
        dm.vSetTestRunningFlag(PicRunningData(2, 1));
        Reply r;
        r.status = 6;
        r.pressure = 100;
        feed(dm, 2, {1, 2}, r);
        dm.m_u8StopKeyPressed[2] = 1;
        dm.m_u32OcclusionStopTime[2] = 9;
        dm.setOcclusionTestcomplete(2, true);
        dm.resetTestData(2);
        const INFUSION_PUMP_TEST_DATA d = dm.getTestData(2);
        QCOMPARE(d.u8PIC_Status, quint8(6));
        QCOMPARE(d.u32ElapseTime, quint32(0));
        QCOMPARE(d.fVolume, 0.0f);
        QCOMPARE(int(dm.vGetTestRunningFlag(2)), 0);
        QVERIFY(dm.m_vecRealTimeData[2].isEmpty());
        QCOMPARE(int(dm.m_u8StopKeyPressed[2]), 0);
        QCOMPARE(dm.m_u32OcclusionStopTime[2], quint32(0));
        QVERIFY(!dm.getOcclusionTestComplete(2));
        QCOMPARE(dm.getPICStatusString(2), QString("PIC_DRAIN"));
    }

    // Channel numbers also come from the PC link: a bad one changes nothing anywhere.
    void badChannelNumbersAreIgnored()
    {
        TempRoot root;
        DataManager dm;
        static int warnings;
        warnings = 0;
        const QtMessageHandler previous = qInstallMessageHandler(
            [](QtMsgType type, const QMessageLogContext &, const QString &text) {
                if (type == QtWarningMsg && text.contains("channel out of bounds"))
                    ++warnings;
            });
        QSignalSpy status(&dm, &DataManager::checkStatus);
        Reply r;
        r.elapsed = 1;
        for (int ch : {4, -1, 1000})
            dm.vStoreTestData(TestData(ch, r.bytes()));
        QCOMPARE(status.count(), 0);
        for (unsigned short ch : {4, 65535}) {
            dm.vSetTestRunningFlag(PicRunningData(ch, 1));
            dm.vSetTestSetting_Type(ch, 2);
            dm.vSetTestSetting_ElapseTime(ch, 1);
            dm.vSetPCABasalFlowRate(ch, 1.0f);
            dm.vSetOcclusionInfusionPumpType(ch, 1);
            dm.setOcclusionTestcomplete(ch, true);
            dm.setWaitingForPacket(ch, 5);
            dm.setIndexSent(ch, 5);
            dm.resetTestData(ch);
            dm.clearAccumulators(ch);
            dm.vResetPCA_AverageParameter(ch);
            dm.vResetOcclusionTimer(ch);
            TestSequencePassFailLimits limits;
            limits.flowTarget = 5;
            dm.setManualPassFailLimits(ch, limits);
            QCOMPARE(int(dm.vGetTestRunningFlag(ch)), 0);
            QCOMPARE(dm.getTestSetting(ch).u32ElapseTimeSetting, 0);
            QCOMPARE(dm.getPCATestSetting(ch).fBasalFlowRateSetting, 0.0f);
            QCOMPARE(int(dm.getOcclusionTestSetting(ch)), 0);
            QCOMPARE(dm.getManualPassFailLimits(ch).flowTarget, 0.0f);
            QCOMPARE(dm.getTestData(ch).u32ElapseTime, quint32(0));
            QCOMPARE(int(dm.getPCATestDataCount(ch)), 0);
            QCOMPARE(dm.getPICStatusString(ch), QString("UNKNOWN"));
            QVERIFY(!dm.getOcclusionTestComplete(ch));
            QCOMPARE(dm.getWaitingForPacket(ch), 0u);
        }
        qInstallMessageHandler(previous);
        QCOMPARE(warnings, 3 + 2 * 23);
        for (unsigned short ch = 0; ch < 4; ++ch) {
            QCOMPARE(int(dm.vGetTestRunningFlag(ch)), 0);
            QCOMPARE(int(dm.getTestSetting(ch).u8TestTypeSetting), 0);
            QCOMPARE(dm.getTestSetting(ch).u32ElapseTimeSetting, 900);
            QCOMPARE(dm.getPCATestSetting(ch).fBasalFlowRateSetting, 10.0f);
            QVERIFY(!dm.getOcclusionTestComplete(ch));
            QCOMPARE(dm.getManualPassFailLimits(ch).flowTarget, 0.0f);
        }
    }

    void occlusionTimerCountsOnItsChannel()
    {
        TempRoot root;
        DataManager dm;
        ChannelTimer timer(2, nullptr);
        timer.setSingleShot(true);
        connect(&timer, &QTimer::timeout, &dm, &DataManager::vOcclusionTestTimer);
        timer.start(0);
        QTRY_COMPARE_WITH_TIMEOUT(dm.getTestData(2).u32OcclusionTime, quint32(1), 10000);
        QCOMPARE(dm.getTestData(1).u32OcclusionTime, quint32(0));
        dm.vResetOcclusionTimer(2);
        QCOMPARE(dm.getTestData(2).u32OcclusionTime, quint32(0));
    }
};

RONDIX_TEST(TestDataManager)
#include "tst_DataManager.moc"
