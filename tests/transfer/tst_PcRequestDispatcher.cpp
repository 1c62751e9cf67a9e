#include "BuildVersion.h"
#include "DataManager.h"
#include "DorvalenPacketHandler.h"
#include "InfusionPumpPowerBoardManager.h"
#include "LinkBench.h"
#include "PcRequestDispatcher.h"
#include "PowerBoardSim.h"
#include "TestRegistry.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>

#include <cmath>
#include <cstring>
#include <limits>
#include <memory>

namespace
{

using Reply = PcLinkClient::Reply;

// Little-endian bytes of a request body, written out by hand.
QByteArray le(quint64 value, int bytes)
{
    QByteArray b;
    for (int i = 0; i < bytes; ++i)
        b.append(char((value >> (8 * i)) & 0xFF));
    return b;
}

QByteArray f32(float v)
{
    quint32 bits;
    std::memcpy(&bits, &v, 4);
    return le(bits, 4);
}

QByteArray flowStart(quint8 channel, quint32 time, qint16 pressure, quint16 window)
{
    return le(channel, 1) + le(0, 4) + le(12, 2) + f32(100) + le(quint16(pressure), 2) +
           le(window, 2) + le(time, 4);
}

QByteArray pcaStart(quint8 channel, quint32 time, float basal, float bolus)
{
    return le(channel, 1) + le(2, 4) + le(14, 2) + le(time, 4) + f32(basal) + f32(bolus) + le(0, 2);
}

QByteArray occlusionStart(quint8 channel, quint8 pumpType)
{
    return le(channel, 1) + le(1, 4) + le(1, 2) + le(pumpType, 1);
}

// A history of n records of seconds 1..n, each with its second as pressure.
void fillHistory(DataManager &data, unsigned short channel, int n)
{
    data.m_vecFullTestData[channel].clear();
    for (int i = 1; i <= n; ++i) {
        INFUSION_PUMP_TEST_DATA r;
        r.u32ElapseTime = quint32(i);
        r.s16Pressure = qint16(i);
        data.m_vecFullTestData[channel].append(r);
    }
}

QString describe(const QList<Reply> &replies)
{
    QStringList out;
    for (const Reply &r : replies) {
        switch (r.opcode) {
        case PcLinkClient::DataReply:
            out << QStringLiteral("data %1 %2")
                       .arg(r.channel)
                       .arg(r.record.elapsed == 0xFFFFFFFFu ? QStringLiteral("none")
                                                            : QString::number(r.record.elapsed));
            break;
        case PcLinkClient::StopReply:
            out << QStringLiteral("stop %1").arg(r.channel);
            break;
        case PcLinkClient::AlarmReply:
            out << QStringLiteral("alarm %1").arg(r.channel);
            break;
        case PcLinkClient::ConfirmReply:
            out << QStringLiteral("confirm %1").arg(r.channel);
            break;
        case PcLinkClient::InfoReply:
            out << QStringLiteral("info %1").arg(r.info.channel);
            break;
        default:
            out << QStringLiteral("opcode %1").arg(r.opcode);
        }
    }
    return out.join(QStringLiteral(", "));
}

} // namespace

class TestPcRequestDispatcher : public QObject
{
    Q_OBJECT

    std::unique_ptr<LinkBench> m_bench;

    LinkBench &bench() { return *m_bench; }
    DataManager &data() { return m_bench->data(); }
    QList<Reply> answersToFrame(quint32 opcode, const QByteArray &body)
    {
        return bench().answersTo(
            [&] { bench().pc.sendRaw(PcLinkClient::frame(77, opcode, body)); });
    }

    // A Start is confirmed once its start reached the controller, not at once.
    QList<Reply> answersToStart(const QByteArray &body)
    {
        return bench().answersTo([&] {
            bench().pc.sendRaw(PcLinkClient::frame(77, 2, body));
            // A refused start gets no Confirm: the wait may run out, and the rows say which.
            (void)QTest::qWaitFor(
                [&] {
                    for (const Reply &r : bench().pc.replies())
                        if (r.opcode == PcLinkClient::ConfirmReply)
                            return true;
                    return false;
                },
                5000);
        });
    }

private slots:
    void initTestCase()
    {
        // Channel 4 is not fitted.
        m_bench.reset(new LinkBench({3}));
        QVERIFY(m_bench->dispatcher);
    }
    void cleanupTestCase() { m_bench.reset(); }
    void cleanup() { bench().dispatcher->setClock({}); }
    void init()
    {
        bench().pc.setWriteChunk(0);
        bench().dispatcher->clearReceiveBuffer();
        for (unsigned short c = 0; c < 4; ++c) {
            data().m_vecFullTestData[c].clear();
            data().vSetTestSetting_Type(c, 0);
            data().setOcclusionTestcomplete(c, false);
        }
    }

    void polls_data()
    {
        QTest::addColumn<int>("kept");     // records in the channel's history
        QTest::addColumn<int>("testType"); // the channel's test type setting
        QTest::addColumn<int>("flowTime");
        QTest::addColumn<int>("pcaTime");
        QTest::addColumn<bool>("occlusionComplete");
        QTest::addColumn<int>("channel");
        QTest::addColumn<quint32>("index");
        QTest::addColumn<QString>("answer");
        const quint32 first = 0xFFFFFFFFu;
        QTest::newRow("first, none kept yet")
            << 0 << 0 << 10 << 10 << false << 0 << first << "data 0 none";
        QTest::newRow("first, even of a finished test")
            << 0 << 0 << 0 << 0 << false << 1 << first << "data 1 none";
        QTest::newRow("first") << 5 << 0 << 10 << 10 << false << 2 << first << "data 2 1";
        QTest::newRow("index 4") << 5 << 0 << 10 << 10 << false << 0 << 4u << "data 0 5";
        QTest::newRow("index 0 is never answered") << 5 << 0 << 10 << 10 << false << 0 << 0u << "";
        QTest::newRow("not due, flow running") << 5 << 0 << 10 << 10 << false << 0 << 5u << "";
        QTest::newRow("flow finished") << 5 << 0 << 5 << 100 << false << 0 << 5u << "stop 0";
        QTest::newRow("PCA running") << 5 << 2 << 5 << 100 << false << 0 << 6u << "";
        QTest::newRow("PCA finished") << 5 << 2 << 100 << 6 << false << 0 << 6u << "stop 0";
        QTest::newRow("occlusion running") << 5 << 1 << 5 << 5 << false << 1 << 9u << "";
        QTest::newRow("occlusion complete") << 5 << 1 << 100 << 100 << true << 1 << 5u << "stop 1";
        QTest::newRow("user test never finishes") << 5 << 3 << 0 << 0 << true << 0 << 99u << "";
        QTest::newRow("channel 4 of 0-3") << 5 << 0 << 5 << 5 << false << 4 << first << "";
        QTest::newRow("channel 255") << 5 << 0 << 5 << 5 << false << 255 << 1u << "";
    }
    void polls()
    {
        QFETCH(int, kept);
        QFETCH(int, testType);
        QFETCH(int, flowTime);
        QFETCH(int, pcaTime);
        QFETCH(bool, occlusionComplete);
        QFETCH(int, channel);
        QFETCH(quint32, index);
        QFETCH(QString, answer);
        const unsigned short c = quint16(qMin(channel, 3));
        fillHistory(data(), c, kept);
        data().vSetTestSetting_Type(c, quint16(testType));
        data().vSetTestSetting_ElapseTime(c, flowTime);
        data().vSetPCATestSetting_ElapseTime(c, pcaTime);
        data().setOcclusionTestcomplete(c, occlusionComplete);
        const QList<Reply> replies =
            bench().answersTo([&] { bench().pc.poll(quint8(channel), index); });
        QCOMPARE(describe(replies), answer);
        if (answer.endsWith(QLatin1String("none"))) {
            // Nothing but the elapsed time marks the record that is not there.
            const PcLinkClient::Record r = replies.first().record;
            QCOMPARE(r.volume, 0.0f);
            QCOMPARE(r.pressure, qint16(0));
            QCOMPARE(r.testType, quint8(0));
        } else if (answer.startsWith(QLatin1String("data"))) {
            QCOMPARE(replies.first().record.pressure, qint16(replies.first().record.elapsed));
        }
    }

    // A flow Start for channel byte 2 sets up channel 1 as the PC asks and is confirmed
    // with the zero-based channel; occlusion and PCA likewise with their own settings.
    void starts()
    {
        PcRequestDispatcher &dispatcher = *bench().dispatcher;
        QSignalSpy started(&dispatcher, &PcRequestDispatcher::startRequested);
        bench().area.sim().clearCommands();
        fillHistory(data(), 1, 3);
        QCOMPARE(describe(answersToStart(flowStart(2, 900, 100, 45))),
                 QStringLiteral("confirm 1"));
        INFUSION_PUMP_SETTING flow = data().getTestSetting(1);
        QCOMPARE(int(flow.u8TestTypeSetting), 0);
        QCOMPARE(flow.u32ElapseTimeSetting, 900);
        QCOMPARE(flow.s16BackPressureSetting, qint16(100));
        QCOMPARE(flow.u16SamplingWindowSetting, quint16(45));
        QVERIFY(data().m_vecFullTestData[1].isEmpty());
        QCOMPARE(started.size(), 1);
        QCOMPARE(started.at(0), QVariantList({QVariant::fromValue<unsigned short>(1), 0u}));
        QTRY_COMPARE(bench().settingCommands().mid(0, 3),
                     QStringList({"1 IF1 00", "1 IF2 64 00", "1 IF4 2d 00"}));

        bench().area.sim().clearCommands();
        data().setOcclusionTestcomplete(2, true);
        QCOMPARE(describe(answersToStart(occlusionStart(3, 1))), QStringLiteral("confirm 2"));
        QCOMPARE(int(data().getTestSetting(2).u8TestTypeSetting), 1);
        QCOMPARE(int(data().getOcclusionTestSetting(2)), 1);
        QVERIFY(!data().getOcclusionTestComplete(2));
        QTRY_VERIFY(bench().settingCommands().contains("2 IF5 01"));
        QVERIFY(bench().settingCommands().contains("2 IF1 01"));

        bench().area.sim().clearCommands();
        QCOMPARE(describe(answersToStart(pcaStart(1, 600, 12.5f, 2.0f))),
                 QStringLiteral("confirm 0"));
        const INFUSION_PUMP_PCA_SETTING pca = data().getPCATestSetting(0);
        QCOMPARE(pca.u32ElapseTimeSetting, 600);
        QCOMPARE(pca.fBasalFlowRateSetting, 12.5f);
        QCOMPARE(pca.fBolusVolumeSetting, 2.0f);
        QCOMPARE(int(data().getTestSetting(0).u8TestTypeSetting), 2);
        QSettings stored(bench().area.settingsPath(), QSettings::IniFormat);
        QCOMPARE(stored.value("channel_0/test_type").toInt(), 2);
        // A PCA test's window is 30 s whatever the flow settings hold.
        QTRY_VERIFY(bench().settingCommands().contains("0 IF4 1e 00"));
        QVERIFY(bench().settingCommands().contains("0 IF1 02"));
        QCOMPARE(started.size(), 3);
        QCOMPARE(started.at(2).at(1).toUInt(), 2u);
    }

    // Anything out of range, unknown or cut short: no reply, and nothing changes.
    void invalidStarts_data()
    {
        QTest::addColumn<QByteArray>("body");
        const float nan = std::numeric_limits<float>::quiet_NaN();
        const float inf = std::numeric_limits<float>::infinity();
        QTest::newRow("channel 0") << flowStart(0, 60, 0, 30);
        QTest::newRow("channel 5") << flowStart(5, 60, 0, 30);
        QTest::newRow("test type 3")
            << QByteArray(le(2, 1) + le(3, 4) + le(12, 2) + QByteArray(12, '\0'));
        QTest::newRow("test type 2^32-1")
            << QByteArray(le(2, 1) + le(0xFFFFFFFF, 4) + le(1, 2) + le(0, 1));
        QTest::newRow("test time over 23:59:59") << flowStart(2, 86400, 0, 30);
        QTest::newRow("back pressure 601") << flowStart(2, 60, 601, 30);
        QTest::newRow("back pressure -201") << flowStart(2, 60, -201, 30);
        QTest::newRow("window 0") << flowStart(2, 60, 0, 0);
        QTest::newRow("window 601") << flowStart(2, 60, 0, 601);
        QTest::newRow("flow one byte short") << flowStart(2, 60, 0, 30).chopped(1);
        QTest::newRow("occlusion pump type 2") << occlusionStart(2, 2);
        QTest::newRow("occlusion without its byte") << occlusionStart(2, 0).chopped(1);
        QTest::newRow("start body only") << QByteArray(le(2, 1) + le(0, 4));
        QTest::newRow("PCA basal 0.5") << pcaStart(2, 60, 0.5f, 1);
        QTest::newRow("PCA basal 31") << pcaStart(2, 60, 31, 1);
        QTest::newRow("PCA basal NaN") << pcaStart(2, 60, nan, 1);
        QTest::newRow("PCA bolus -0.1") << pcaStart(2, 60, 10, -0.1f);
        QTest::newRow("PCA bolus infinite") << pcaStart(2, 60, 10, inf);
        QTest::newRow("PCA time over 23:59:59") << pcaStart(2, 90000, 10, 1);
    }
    void invalidStarts()
    {
        QFETCH(QByteArray, body);
        verifyStartChangesNothing(body);
    }

    // A channel in an automatic run takes no Start from the PC, however valid: the
    // PC's test would be judged as the run's step.
    void startOnAChannelInAnAutomaticRun()
    {
        InfusionPumpPowerBoardManager *board = bench().area.board();
        board->setChannelIsAutoMode(1, true);
        board->setChannelAutoState(1, InfusionPumpPowerBoardManager::AUTO_TEST_RUNNING);
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression("Start refused, channel 2 runs an automatic"));
        verifyStartChangesNothing(flowStart(2, 60, 0, 30));
        board->setChannelIsAutoMode(1, false);
        board->setChannelAutoState(1, InfusionPumpPowerBoardManager::AUTO_COMPLETED);
    }

private:
    // The Start gets no reply and changes nothing of channel 2's.
    void verifyStartChangesNothing(const QByteArray &body)
    {
        QSignalSpy started(bench().dispatcher.get(), &PcRequestDispatcher::startRequested);
        fillHistory(data(), 1, 3);
        data().vSetTestSetting_ElapseTime(1, 123);
        data().vSetTestSetting_BackPressure(1, 7);
        data().vSetPCABasalFlowRate(1, 11);
        data().vSetOcclusionInfusionPumpType(1, 0);
        data().setOcclusionTestcomplete(1, true);
        bench().area.sim().clearCommands();
        QCOMPARE(describe(answersToFrame(2, body)), QString());
        QCOMPARE(data().m_vecFullTestData[1].size(), 3);
        QCOMPARE(data().getTestSetting(1).u32ElapseTimeSetting, 123);
        QCOMPARE(data().getTestSetting(1).s16BackPressureSetting, qint16(7));
        QCOMPARE(int(data().getTestSetting(1).u8TestTypeSetting), 0);
        QCOMPARE(data().getPCATestSetting(1).fBasalFlowRateSetting, 11.0f);
        QCOMPARE(int(data().getOcclusionTestSetting(1)), 0);
        QVERIFY(data().getOcclusionTestComplete(1));
        QCOMPARE(started.size(), 0);
        QTest::qWait(50);
        QCOMPARE(bench().settingCommands(), QStringList());
    }

private slots:

    void stopAndAlarm()
    {
        PcRequestDispatcher &dispatcher = *bench().dispatcher;
        QSignalSpy stopped(&dispatcher, &PcRequestDispatcher::stopRequested);
        QSignalSpy alarmed(&dispatcher, &PcRequestDispatcher::alarmRequested);

        // Stop: no reply, whatever the test; the occlusion flag is set even for flow.
        QCOMPARE(describe(answersToFrame(3, le(2, 1))), QString());
        QVERIFY(data().getOcclusionTestComplete(1));
        QCOMPARE(stopped.size(), 1);
        QCOMPARE(stopped.at(0).at(0).value<unsigned short>(), (unsigned short)1);
        QCOMPARE(describe(answersToFrame(3, le(0, 1)) + answersToFrame(3, le(5, 1))), QString());
        QCOMPARE(stopped.size(), 1);

        // Alarm: always answered for a channel 1-4; the green key only for occlusion.
        QCOMPARE(describe(answersToFrame(4, le(3, 1))), QStringLiteral("alarm 2"));
        QCOMPARE(alarmed.size(), 0);
        data().vSetTestSetting_Type(2, 1);
        QCOMPARE(describe(answersToFrame(4, le(3, 1))), QStringLiteral("alarm 2"));
        QCOMPARE(alarmed.size(), 1);
        QCOMPARE(alarmed.at(0).at(0).value<unsigned short>(), (unsigned short)2);
        QCOMPARE(describe(answersToFrame(4, le(0, 1)) + answersToFrame(4, le(9, 1))), QString());

        // RequestPacket, unknown opcodes and a frame with no body at all: ignored.
        QCOMPARE(describe(answersToFrame(6, le(1, 1) + le(2, 4))), QString());
        QCOMPARE(describe(answersToFrame(0, le(1, 5))), QString());
        QCOMPARE(describe(answersToFrame(1, QByteArray())), QString());
        QCOMPARE(describe(answersToFrame(2, QByteArray())), QString());
    }

    void requestInfo_data()
    {
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<int>("channel");
        QTest::addColumn<QStringList>("texts");
        const QByteArray keys =
            "Serial_num=123-4567\nSerialNumber_ch2=CH2-77\nFirmwareVersion_ch2=v2.07\n"
            "CalDate_ch2=01.03.2024\nSerialNumber_ch1=CH1-01\n";
        QTest::newRow("channel 2")
            << keys << 2 << QStringList({"123-4567", "CH2-77", "v2.07", "01.03.2024"});
        QTest::newRow("channel 3, nothing stored")
            << keys << 3 << QStringList({"123-4567", "", "", ""});
        const QStringList incorrect = {"123-4567", "INCORRECT ID", "INCORRECT ID", "INCORRECT ID"};
        QTest::newRow("channel 0") << keys << 0 << incorrect;
        QTest::newRow("channel 5") << keys << 5 << incorrect;
        QTest::newRow("no serial number")
            << QByteArray() << 1 << QStringList({"????????", "", "", ""});
    }
    void requestInfo()
    {
        QFETCH(QByteArray, settings);
        QFETCH(int, channel);
        QFETCH(QStringList, texts);
        bench().area.root().writeFile("/mnt/data/kovinta.ini", "[General]\n" + settings);
        const QList<Reply> replies = answersToFrame(5, le(quint8(channel), 1));
        QCOMPARE(describe(replies), QStringLiteral("info %1").arg(channel));
        const PcLinkClient::Info info = replies.first().info;
        QCOMPARE(QStringList({info.serialNumber, info.channelSerialNumber, info.firmwareVersion,
                              info.calibrationDate}),
                 texts);
        QCOMPARE(info.buildVersion, QString::fromLatin1(git_build_version));
        QCOMPARE(int(info.channelCount), 3); // channel 4 is not fitted
        QCOMPARE(info.packetId, replies.first().id);
    }

    // However the PC's bytes are cut, each whole frame is answered once, in order; a
    // frame whose CRC fails is dropped alone; after a length no frame can have the link
    // goes on with the next frames and keeps nothing of the garbage.
    void framing()
    {
        fillHistory(data(), 0, 3);
        PcLinkClient &pc = bench().pc;
        const QByteArray poll2 = PcLinkClient::frame(1, 1, le(0, 1) + le(2, 4));
        const QByteArray poll1 = PcLinkClient::frame(2, 1, le(0, 1) + le(1, 4));
        QCOMPARE(describe(bench().answersTo([&] { pc.sendRaw(poll2 + poll1); })),
                 QStringLiteral("data 0 3, data 0 2"));

        pc.setWriteChunk(1);
        QCOMPARE(describe(bench().answersTo([&] { pc.sendRaw(poll2); })),
                 QStringLiteral("data 0 3"));
        pc.setWriteChunk(0);

        QByteArray corrupt = poll2;
        corrupt[1] = char(corrupt.at(1) ^ 0x01);
        QCOMPARE(describe(bench().answersTo([&] { pc.sendRaw(corrupt + poll1); })),
                 QStringLiteral("data 0 2"));
        QByteArray corruptBody = poll2;
        corruptBody[16] = char(corruptBody.at(16) ^ 0x40);
        QCOMPARE(describe(bench().answersTo([&] { pc.sendRaw(corruptBody + poll1); })),
                 QStringLiteral("data 0 2"));

        // A header whose length is near 2^32 or below a header's size.
        for (quint32 length : {0xFFFFFFFFu, 0xFFFFFFF0u, 1023u, 11u, 0u}) {
            const QByteArray bad =
                le(0, 2) + le(9, 4) + le(length, 4) + le(1, 4) + QByteArray(30, '\x11');
            QCOMPARE(describe(bench().answersTo([&] {
                         pc.sendRaw(bad);
                         QTest::qWait(20);
                         pc.sendRaw(poll1);
                     })),
                     QStringLiteral("data 0 2"));
            QCOMPARE(bench().dispatcher->receivedCount(), 0u);
        }
        // The largest frame that fits the buffer is still taken as a frame.
        const QByteArray largest =
            PcLinkClient::frame(3, 1, le(0, 1) + le(1, 4) + QByteArray(1022 - 17, '\0'));
        QCOMPARE(largest.size(), 1024);
        QCOMPARE(describe(bench().answersTo([&] { pc.sendRaw(largest); })),
                 QStringLiteral("data 0 2"));
    }

    // Whatever garbage comes before them, valid requests written right behind it, in the
    // same write, are all answered, in order, and soon. A request's header cut off from
    // its body waits for bytes that complete it, and the requests behind do so; a length
    // beyond any request of its opcode is let go as soon as the line is briefly idle.
    void garbageBeforeRequests_data()
    {
        QTest::addColumn<QByteArray>("garbage");
        QTest::addColumn<int>("requests");
        const auto header = [](quint32 length) {
            return le(0x3C5A, 2) + le(9, 4) + le(length, 4) + le(1, 4);
        };
        const QByteArray poll = PcLinkClient::frame(40, 1, le(0, 1) + le(1, 4));
        QTest::newRow("cut-off flow start")
            << PcLinkClient::frame(41, 2, flowStart(2, 60, 0, 30)).left(20) << 3;
        QTest::newRow("cut-off PCA start, header only")
            << PcLinkClient::frame(41, 2, pcaStart(2, 60, 10, 1)).left(14) << 3;
        QTest::newRow("poll header claiming 1000") << header(1000) << 3;
        QByteArray longPoll = poll;
        longPoll[7] = char(0x01); // length 17 + 256
        QTest::newRow("poll whose length lost a bit") << longPoll << 3;
        QTest::newRow("length 0") << header(0) << 3;
        QTest::newRow("length 11") << header(11) << 3;
        QTest::newRow("length 1023") << header(1023) << 3;
        QTest::newRow("length 0xFFFFFFF0") << header(0xFFFFFFF0u) << 3;
        // Cut after its length: the frame it claims would take in the requests behind it,
        // wholly (few) or with the bytes of many more behind them.
        QTest::newRow("truncated header claiming 1000, few behind") << header(1000).left(10) << 3;
        QTest::newRow("truncated header claiming 1000, many behind") << header(1000).left(10) << 66;
        QTest::newRow("cut-off poll") << poll.left(12) << 3;
        QByteArray badCrc = poll;
        badCrc[0] = char(badCrc.at(0) ^ 0x5A);
        QTest::newRow("complete frame, bad CRC") << badCrc << 3;
        QRandomGenerator random(31);
        QByteArray noise(200, '\0');
        for (char &b : noise)
            b = char(random.bounded(256));
        QTest::newRow("random bytes") << noise << 3;
    }
    void garbageBeforeRequests()
    {
        QFETCH(QByteArray, garbage);
        QFETCH(int, requests);
        fillHistory(data(), 0, requests + 1);
        bench().dispatcher->clearReceiveBuffer();
        QByteArray bytes = garbage;
        QStringList expected;
        for (int i = 1; i <= requests; ++i) {
            bytes += PcLinkClient::frame(quint32(100 + i), 1, le(0, 1) + le(quint32(i), 4));
            expected << QStringLiteral("data 0 %1").arg(i + 1);
        }
        QElapsedTimer clock;
        clock.start();
        const QStringList answers = describe(bench().answersTo([&] {
                                        bench().pc.sendRaw(bytes);
                                    })).split(QStringLiteral(", "), Qt::SkipEmptyParts);
        int lost = 0;
        for (const QString &e : expected)
            lost += answers.contains(e) ? 0 : 1;
        QVERIFY2(lost == 0,
                 qPrintable(QStringLiteral("%1 of %2 requests lost").arg(lost).arg(requests)));
        QCOMPARE(answers, expected);
        QVERIFY2(clock.elapsed() < 5000,
                 qPrintable(QStringLiteral("answered after %1 ms").arg(clock.elapsed())));
        QCOMPARE(bench().dispatcher->receivedCount(), 0u);
    }

    // A request whose writes pause is answered once it is whole, after any pause a PC
    // may make; a pause as long as the wait drops what came before it. The clock is the
    // test's: a pause passes as the wait's timer would see it.
    void pausedRequests_data()
    {
        QTest::addColumn<QByteArray>("frame");
        QTest::addColumn<int>("cut"); // the second write's first byte; 0: byte by byte
        QTest::addColumn<int>("pauseMs");
        QTest::addColumn<QString>("answer");
        const QByteArray poll = PcLinkClient::frame(5, 1, le(0, 1) + le(1, 4));
        const QByteArray flow = PcLinkClient::frame(6, 2, flowStart(2, 900, 100, 45));
        const QByteArray pca = PcLinkClient::frame(7, 2, pcaStart(2, 600, 12.5f, 2));
        // Longer than any poll: a length field gone wrong, as far as the receiver knows.
        const QByteArray padded = PcLinkClient::frame(8, 1, le(0, 1) + le(1, 4) + le(0, 4));
        const int wait = PcRequestDispatcher::requestWaitMs;
        QTest::newRow("poll, header apart from body, 0.5 s") << poll << 14 << 500 << "data 0 2";
        QTest::newRow("poll, cut in its length, 3 s") << poll << 7 << 3000 << "data 0 2";
        QTest::newRow("poll, CRC apart, just under the wait")
            << poll << 2 << wait - 1 << "data 0 2";
        QTest::newRow("poll, byte by byte, 0.2 s") << poll << 0 << 200 << "data 0 2";
        QTest::newRow("poll, byte by byte, 1 s") << poll << 0 << 1000 << "data 0 2";
        QTest::newRow("poll, byte by byte, just under the wait")
            << poll << 0 << wait - 1 << "data 0 2";
        QTest::newRow("flow start, header apart from body, 2 s")
            << flow << 14 << 2000 << "confirm 1";
        QTest::newRow("PCA start, byte by byte, 1 s") << pca << 0 << 1000 << "confirm 1";
        QTest::newRow("poll, header apart from body, the wait") << poll << 14 << wait << "";
        QTest::newRow("poll, byte by byte, over the wait") << poll << 0 << wait + 1000 << "";
        QTest::newRow("padded poll, 0.1 s") << padded << 14 << 100 << "data 0 2";
        QTest::newRow("padded poll, 0.5 s") << padded << 14 << 500 << "";
    }
    void pausedRequests()
    {
        QFETCH(QByteArray, frame);
        QFETCH(int, cut);
        QFETCH(int, pauseMs);
        QFETCH(QString, answer);
        fillHistory(data(), 0, 3);
        PcRequestDispatcher &dispatcher = *bench().dispatcher;
        qint64 now = 1000000;
        dispatcher.setClock([&now] { return now; });
        QList<QByteArray> writes;
        if (cut > 0)
            writes << frame.left(cut) << frame.mid(cut);
        else
            for (char b : frame)
                writes << QByteArray(1, b);
        const QList<Reply> replies = bench().answersTo([&] {
            for (int i = 0; i < writes.size(); ++i) {
                if (i > 0) {
                    now += pauseMs;
                    dispatcher.checkWait();
                }
                dispatcher.receiveBytes(writes.at(i).constData(), writes.at(i).size());
            }
            // A Start is confirmed once the controller has it.
            if (answer.startsWith(QLatin1String("confirm")))
                QVERIFY(QTest::qWaitFor([&] { return !bench().pc.replies().isEmpty(); }, 5000));
        });
        QCOMPARE(describe(replies), answer);
    }

    // A request's header whose body the requests behind it do not complete holds them
    // until its wait has passed without a byte; then the wait's timer lets the line go
    // on with them.
    void aCutOffRequestHoldsTheLineOnlyForItsWait()
    {
        PcRequestDispatcher &dispatcher = *bench().dispatcher;
        qint64 now = 1000000;
        dispatcher.setClock([&now] { return now; });
        const QByteArray bytes = PcLinkClient::frame(9, 2, pcaStart(2, 60, 10, 1)).left(14) +
                                 PcLinkClient::frame(10, 5, le(2, 1));
        const QList<Reply> replies = bench().answersTo([&] {
            dispatcher.receiveBytes(bytes.constData(), bytes.size());
            now += PcRequestDispatcher::requestWaitMs - 1;
            QTest::qWait(3 * PcRequestDispatcher::waitCheckMs);
            QCOMPARE(dispatcher.receivedCount(), unsigned(bytes.size()));
            QVERIFY(bench().pc.replies().isEmpty());
            now += 1;
            QTRY_COMPARE(dispatcher.receivedCount(), 0u);
        });
        QCOMPARE(describe(replies), QStringLiteral("info 2"));
    }

    // Over the line, on the system's clock: a request written in two parts half a second
    // apart is answered once, after the second.
    void requestInTwoWritesOverTheLine()
    {
        fillHistory(data(), 0, 3);
        const QByteArray poll = PcLinkClient::frame(11, 1, le(0, 1) + le(1, 4));
        int afterFirst = -1;
        const QList<Reply> replies = bench().answersTo([&] {
            bench().pc.sendRaw(poll.left(14));
            QTest::qWait(500);
            afterFirst = bench().pc.replies().size();
            bench().pc.sendRaw(poll.mid(14));
        });
        QCOMPARE(afterFirst, 0);
        QCOMPARE(describe(replies), QStringLiteral("data 0 2"));
    }

    // A PC that stops reading fills the line; the instrument goes on, gives replies up
    // whole, and once the PC reads again every frame it gets is complete.
    void pcThatStopsReading()
    {
        fillHistory(data(), 0, 3);
        PcLinkClient &pc = bench().pc;
        pc.takeReplies();
        pc.setReading(false);
        QByteArray polls;
        for (int i = 0; i < 1500; ++i)
            polls += PcLinkClient::frame(quint32(i), 1, le(0, 1) + le(1, 4));
        pc.sendRaw(polls);
        QTRY_VERIFY(bench().port->queuedBytes() > 0);
        QTest::qWait(200);
        QVERIFY(bench().port->queuedBytes() <= DorvalenPacketHandler::maxQueuedBytes);
        pc.setReading(true);
        QTRY_COMPARE(bench().port->queuedBytes(), 0);
        pc.requestInfo(1);
        QTRY_VERIFY(!pc.replies().isEmpty() &&
                    pc.replies().last().opcode == PcLinkClient::InfoReply);
        QList<Reply> replies = pc.takeReplies();
        replies.removeLast();
        QCOMPARE(pc.badReplies(), 0);
        QVERIFY(replies.size() > 100);
        QVERIFY(replies.size() < 1500);
        for (const Reply &r : replies)
            QVERIFY(r.opcode == PcLinkClient::DataReply && r.record.elapsed == 2);
    }
};

RONDIX_TEST(TestPcRequestDispatcher)
#include "tst_PcRequestDispatcher.moc"
