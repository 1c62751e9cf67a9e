#include "DorvalenPacket.h"
#include "KovintaPacket.h"
#include "SerialUtilities.h"
#include "TestRegistry.h"

#include <QTest>

#include <cstring>
#include <functional>

namespace
{

QByteArray hex(const char *spaced)
{
    return QByteArray::fromHex(QByteArray(spaced).replace(' ', ""));
}

// A live record with a distinct value in every member, and its 87 bytes on the wire.
INFUSION_PUMP_TEST_DATA sampleRecord()
{
    INFUSION_PUMP_TEST_DATA r;
    r.u8TestType = 2;
    r.u8PIC_Status = 4;
    r.s16Pressure = -5;
    r.u32ElapseTime = 300;
    r.fVolume = 1.5f;
    r.u16Revolution = 0x01020304;
    r.fFlowRate_Instant = 2.0f;
    r.fFlowRate_Ave = 0.5f;
    r.fFlowRate_Peak = 4.0f;
    r.fFlowRate_Min = 0.25f;
    r.Pca_Test_Data.u16BolusCount = 3;
    r.Pca_Test_Data.fFlowRate_Bolus = 300.0f;
    r.Pca_Test_Data.fVolume_Bolus = 1.0f;
    r.Pca_Test_Data.u32BolusDuration = 12;
    r.fVolume_Bolus_Ave = 0.75f;
    r.fFlowRate_Bolus_Ave = 100.0f;
    r.u32BolusDuration_Ave = 11;
    r.s16Pressure_Peak = 500;
    r.u32OcclusionTime = 77;
    r.u8AutoOccStatus = 5;
    r.s16Pressure_BackOff = -20;
    return r;
}

const char *const sampleRecordWire =
    "02 04 FB FF 2C 01 00 00 00 00 00 00 00 00 C0 3F 04 03 02 01 00 00 00 00"
    "00 00 00 40 00 00 00 3F 00 00 80 40 00 00 80 3E 03 00 00 00 96 43 00 00"
    "80 3F 0C 00 00 00 00 00 00 00 00 00 40 3F 00 00 C8 42 0B 00 00 00 00 00"
    "00 00 F4 01 4D 00 00 00 00 00 00 00 05 EC FF";

bool sameRecord(const INFUSION_PUMP_TEST_DATA &a, const INFUSION_PUMP_TEST_DATA &b)
{
    unsigned char wa[SerialUtilities::pumpDataSize], wb[SerialUtilities::pumpDataSize];
    unsigned char *ca = wa, *cb = wb;
    SerialUtilities::writePumpDataToBuffer(ca, a);
    SerialUtilities::writePumpDataToBuffer(cb, b);
    return std::memcmp(wa, wb, sizeof wa) == 0;
}

// A received request frame as the dispatcher hands it over.
void receive(DorvalenPacket &packet, const QByteArray &frame)
{
    auto *data = new unsigned char[size_t(frame.size())];
    std::memcpy(data, frame.constData(), size_t(frame.size()));
    packet.setDataPtr(data, frame.size());
}

template <class F> bool throwsDataPacketException(F f)
{
    try {
        f();
    } catch (const DorvalenPacket::DataPacketException &e) {
        return QByteArray(e.what()) == "Data Packet Exception";
    }
    return false;
}

} // namespace

class TestPcPackets : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        DorvalenPacket::resetPacketID();
        KovintaPacket::resetPacketID();
    }

    void crc_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<int>("crc");
        QTest::newRow("check value") << QByteArray("123456789") << 0x31C3;
        QTest::newRow("nothing") << QByteArray() << 0x0000;
        QTest::newRow("abc") << QByteArray("abc") << 0x9DD6;
    }
    void crc()
    {
        QFETCH(QByteArray, data);
        QFETCH(int, crc);
        const auto *bytes = reinterpret_cast<const unsigned char *>(data.constData());
        QCOMPARE(int(DorvalenPacket::calCRC(bytes, data.size())), crc);
        QCOMPARE(int(KovintaPacket::calCRC(bytes, data.size())), crc);
    }

    // Every writer: its exact bytes, and a cursor moved by exactly the field's size.
    void fieldWriters()
    {
        using SU = SerialUtilities;
        using Write = std::function<void(unsigned char *&)>;
        const QString forty(40, QLatin1Char('x'));
        const struct {
            const char *name;
            Write write;
            QByteArray expected;
        } cases[] = {
            {"uint8", [](unsigned char *&c) { SU::writeUnsignedCharToBuffer(c, 0xA5); }, hex("A5")},
            {"uint16", [](unsigned char *&c) { SU::writeUnsignedShortToBuffer(c, 0x1234); },
             hex("34 12")},
            {"int16", [](unsigned char *&c) { SU::writeSignedShortToBuffer(c, -2); }, hex("FE FF")},
            {"uint32", [](unsigned char *&c) { SU::writeUnsignedToBuffer(c, 0x01020304); },
             hex("04 03 02 01")},
            {"float", [](unsigned char *&c) { SU::writeFloatToBuffer(c, 1.0f); },
             hex("00 00 80 3F")},
            {"unsigned long", [](unsigned char *&c) { SU::writeUnsignedLongToBuffer(c, 5); },
             hex("05 00 00 00 00 00 00 00")},
            {"unsigned long, high bit",
             [](unsigned char *&c) { SU::writeUnsignedLongToBuffer(c, 0x80000000u); },
             hex("00 00 00 80 00 00 00 00")},
            {"signed long", [](unsigned char *&c) { SU::writeSignedLongToBuffer(c, -2); },
             hex("FE FF FF FF FF FF FF FF")},
            {"signed long, positive", [](unsigned char *&c) { SU::writeSignedLongToBuffer(c, 7); },
             hex("07 00 00 00 00 00 00 00")},
            {"string", [](unsigned char *&c) { SU::writeQStringToBuffer(c, "abc"); },
             QByteArray("abc") + QByteArray(27, '\0')},
            {"string of 40", [forty](unsigned char *&c) { SU::writeQStringToBuffer(c, forty); },
             QByteArray(29, 'x') + QByteArray(1, '\0')},
            {"empty string", [](unsigned char *&c) { SU::writeQStringToBuffer(c, QString()); },
             QByteArray(30, '\0')},
            {"string beyond Latin-1",
             [](unsigned char *&c) {
                 SU::writeQStringToBuffer(c, QString::fromUtf8("\xC3\xA9\xE2\x82\xAC"));
             },
             hex("E9 3F") + QByteArray(28, '\0')},
            {"PCA bolus",
             [](unsigned char *&c) {
                 PCA_TEST_DATA b;
                 b.u16BolusCount = 3;
                 b.fFlowRate_Bolus = 300.0f;
                 b.fVolume_Bolus = 1.0f;
                 b.u32BolusDuration = 0xFFFFFFFEu;
                 SU::writePCATestDataToBuffer(c, b);
             },
             hex("03 00 00 00 96 43 00 00 80 3F FE FF FF FF FF FF FF FF")},
            {"live record", [](unsigned char *&c) { SU::writePumpDataToBuffer(c, sampleRecord()); },
             hex(sampleRecordWire)},
        };
        for (const auto &test : cases) {
            unsigned char buffer[128];
            std::memset(buffer, 0xCC, sizeof buffer);
            unsigned char *cursor = buffer;
            test.write(cursor);
            const QByteArray written(reinterpret_cast<const char *>(buffer), int(cursor - buffer));
            QVERIFY2(written == test.expected, qPrintable(QStringLiteral("%1: %2").arg(
                                                   test.name, QString(written.toHex(' ')))));
            QVERIFY2(buffer[written.size()] == 0xCC, test.name); // nothing past the field
        }
    }

    void fieldReaders()
    {
        using SU = SerialUtilities;
        QByteArray bytes = hex("01 00 00 00 FF FF FF FF FE FF FF FF 00 00 00 00");
        auto *cursor = reinterpret_cast<unsigned char *>(bytes.data());
        // Bytes 4-7 of a long are skipped unseen.
        QCOMPARE(SU::readUnsignedLongFromBuffer(cursor), 1u);
        QCOMPARE(SU::readSignedLongFromBuffer(cursor), -2);
        QCOMPARE(cursor - reinterpret_cast<unsigned char *>(bytes.data()), qptrdiff(16));

        // A string field ends at its first zero, or holds all 30 bytes; Latin-1 either way.
        QByteArray field = QByteArray("ab\xE9") + QByteArray(1, '\0') + QByteArray(26, 'z') + "!";
        cursor = reinterpret_cast<unsigned char *>(field.data());
        QCOMPARE(SU::readQStringFromBuffer(cursor), QString::fromUtf8("ab\xC3\xA9"));
        QCOMPARE(*cursor, (unsigned char)'!');
        field = QByteArray(30, 'q') + "!";
        cursor = reinterpret_cast<unsigned char *>(field.data());
        QCOMPARE(SU::readQStringFromBuffer(cursor), QString(30, QLatin1Char('q')));
        QCOMPARE(*cursor, (unsigned char)'!');

        // Records read back exactly what was written, the bolus duration's top bit too.
        INFUSION_PUMP_TEST_DATA record = sampleRecord();
        record.Pca_Test_Data.u32BolusDuration = 0xFFFFFFF0u;
        record.u32ElapseTime = 0xFFFFFFFFu;
        unsigned char wire[SU::pumpDataSize];
        cursor = wire;
        SU::writePumpDataToBuffer(cursor, record);
        cursor = wire;
        QVERIFY(sameRecord(SU::readPumpDataFromBuffer(cursor), record));
        QCOMPARE(cursor - wire, qptrdiff(SU::pumpDataSize));
        cursor = wire + 40;
        QCOMPARE(SU::readPCATestDataFromBuffer(cursor).u32BolusDuration, 0xFFFFFFF0u);
        QCOMPARE(cursor - wire, qptrdiff(40 + SU::pcaTestDataSize));
    }

    void requestBuilders()
    {
        DorvalenPacket poll;
        poll.poll(0);
        QCOMPARE(poll.getFrame(), hex("D9 31 01 00 00 00 11 00 00 00 01 00 00 00 00 FF FF FF FF"));

        DorvalenPacket stop;
        stop.stopTest(3);
        QCOMPARE(stop.getHeader().packetID, 2u);
        QCOMPARE(stop.getHeader().length, 13u);

        // Each builder's length, and its fields found again by the getters.
        DorvalenPacket flow, occlusion, pca, info, other;
        flow.startFlowRate(4, 900, 100.0f, -200, 600);
        occlusion.startOcclusion(1, 1);
        pca.startPCA(2, 86399, 30.0f, 2.5f, 7);
        info.requestInfo(0x105);
        other.requestPacket(0xDEADBEEF, 9);
        QCOMPARE(flow.getHeader().length, 31u);
        QCOMPARE(occlusion.getHeader().length, 20u);
        QCOMPARE(pca.getHeader().length, 33u);
        QCOMPARE(info.getHeader().length, 13u);
        QCOMPARE(other.getHeader().length, 17u);
        QCOMPARE(other.getHeader().packetID, 7u);
        QCOMPARE(flow.getStart().configSize, (unsigned short)12);
        QCOMPARE(flow.getFlowRateDetails().backPressure, short(-200));
        QCOMPARE(flow.getFlowRateDetails().windowSize, (unsigned short)600);
        QCOMPARE(occlusion.getStart().configSize, (unsigned short)1);
        QCOMPARE(occlusion.getOcclusionDetails().pumpType, (unsigned char)1);
        QCOMPARE(pca.getPCADetails().testTime, 86399u);
        QCOMPARE(pca.getPCADetails().bolusVolume, 2.5f);
        QCOMPARE(info.getRequestInfo().channel, (unsigned char)5);
        QCOMPARE(other.getRequestPacket().value32, 0xDEADBEEFu);
        QCOMPARE(other.getRequestPacket().value8, (unsigned char)9);
    }

    void stopFrameFromAFreshCounter()
    {
        DorvalenPacket first, second;
        first.stopTest(3);
        QCOMPARE(first.getFrame(), hex("E1 C5 01 00 00 00 0D 00 00 00 03 00 00 00 03"));
        second.alarm(1);
        QCOMPARE(second.getHeader().packetID, 2u);
    }

    // A received Start: the flow configuration's wire order, and getters that refuse
    // another opcode, another test type or a frame too short for what they read.
    void receivedRequests()
    {
        DorvalenPacket flow;
        receive(flow, hex("1D 6A 01 00 00 00 1F 00 00 00 02 00 00 00 02 00 00 00 00 0C 00 00 00"
                          " C8 42 64 00 1E 00 84 03 00 00"));
        QCOMPARE(flow.getPacketType(), 2u);
        QCOMPARE(flow.getStart().channel, (unsigned char)2);
        QCOMPARE(flow.getTestType(), 0u);
        QCOMPARE(flow.getStart().configSize, (unsigned short)12);
        const DorvalenPacket::DataConfigFlowRate config = flow.getFlowRateDetails();
        QCOMPARE(config.backPressure, short(100));
        QCOMPARE(config.windowSize, (unsigned short)30);
        QCOMPARE(config.testTime, 900u);
        QVERIFY(flow.hasCompleteBody());

        DorvalenPacket occlusion;
        occlusion.startOcclusion(3, 1);
        const QByteArray frame = occlusion.getFrame();
        DorvalenPacket received;
        receive(received, frame);
        QCOMPARE(received.getTestType(), 1u);
        QCOMPARE(received.getOcclusionDetails().pumpType, (unsigned char)frame.at(21));
        QVERIFY(throwsDataPacketException([&] { received.getFlowRateDetails(); }));
        QVERIFY(throwsDataPacketException([&] { received.getPCADetails(); }));
        QVERIFY(throwsDataPacketException([&] { received.getPoll(); }));

        // One byte short of the configuration: refused, by length and by buffer.
        DorvalenPacket shortFrame;
        receive(shortFrame, frame.left(frame.size() - 1));
        QVERIFY(!shortFrame.hasCompleteBody());
        QVERIFY(throwsDataPacketException([&] { shortFrame.getOcclusionDetails(); }));
        QByteArray claimsLess = frame;
        claimsLess[6] = char(19);
        DorvalenPacket lying;
        receive(lying, claimsLess);
        QVERIFY(!lying.hasCompleteBody());
        // An unknown test type or opcode is never complete.
        QByteArray type3 = frame;
        type3[15] = 3;
        DorvalenPacket unknownType;
        receive(unknownType, type3);
        QVERIFY(!unknownType.hasCompleteBody());
        QByteArray opcode9 = frame;
        opcode9[10] = 9;
        DorvalenPacket unknownOpcode;
        receive(unknownOpcode, opcode9);
        QVERIFY(!unknownOpcode.hasCompleteBody());
        // Shorter than a header: nothing is read at all.
        DorvalenPacket stub;
        receive(stub, frame.left(5));
        QCOMPARE(stub.getPacketType(), 0u);
        QVERIFY(!stub.hasCompleteBody());
    }

    // A receiver waits for the rest of a frame only after a header a request can have;
    // a length beyond its opcode's requests still makes a frame, one held only briefly.
    void headerFits_data()
    {
        QTest::addColumn<quint32>("opcode");
        QTest::addColumn<quint32>("length");
        QTest::addColumn<int>("fit");
        const int none = int(DorvalenPacket::HeaderFit::None);
        const int request = int(DorvalenPacket::HeaderFit::Request);
        const int oversized = int(DorvalenPacket::HeaderFit::Oversized);
        QTest::newRow("poll short of its body") << 1u << 16u << none;
        QTest::newRow("poll") << 1u << 17u << request;
        QTest::newRow("poll with a byte more") << 1u << 18u << oversized;
        QTest::newRow("poll filling the buffer") << 1u << 1022u << oversized;
        QTest::newRow("poll beyond the buffer") << 1u << 1023u << none;
        QTest::newRow("poll, length near 2^32") << 1u << 0xFFFFFFFFu << none;
        QTest::newRow("start without configuration") << 2u << 19u << none;
        QTest::newRow("occlusion start") << 2u << 20u << request;
        QTest::newRow("PCA start") << 2u << 33u << request;
        QTest::newRow("start past a PCA start") << 2u << 34u << oversized;
        QTest::newRow("stop") << 3u << 13u << request;
        QTest::newRow("alarm without channel") << 4u << 12u << none;
        QTest::newRow("request info") << 5u << 13u << request;
        QTest::newRow("request packet") << 6u << 17u << request;
        QTest::newRow("opcode 0") << 0u << 17u << none;
        QTest::newRow("opcode 7") << 7u << 13u << none;
        QTest::newRow("poll opcode in the high bytes") << 0x01000000u << 17u << none;
    }
    void headerFits()
    {
        QFETCH(quint32, opcode);
        QFETCH(quint32, length);
        PcFrameHeader header;
        header.opcode = opcode;
        header.length = length;
        QTEST(int(DorvalenPacket::headerFit(header)), "fit");
    }

    void replyFrames()
    {
        KovintaPacket confirm, stop, meta;
        confirm.confirm(0);
        QCOMPARE(confirm.getFrame(), hex("D5 D6 01 00 00 00 0D 00 00 00 06 00 00 00 00"));
        stop.stop(3);
        QCOMPARE(stop.getFrame(), hex("90 6D 02 00 00 00 0D 00 00 00 04 00 00 00 03"));
        KovintaPacket::resetPacketID();
        meta.meta();
        QCOMPARE(meta.getFrame(), hex("D7 4F 01 00 00 00 0E 00 00 00 08 00 00 00 00 00"));

        KovintaPacket::resetPacketID();
        KovintaPacket data;
        data.data(2, sampleRecord());
        QCOMPARE(data.getFrame(), hex("EB B4 01 00 00 00 6C 00 00 00 01 00 00 00 02"
                                      " 00 00 00 00 00 00 00 00") +
                                      hex(sampleRecordWire));
        QVERIFY(sameRecord(data.getData().record, sampleRecord()));
        QCOMPARE(data.getData().channel, (unsigned char)2);

        KovintaPacket::resetPacketID();
        KovintaPacket request;
        request.requestPacket(3, 0x102, "123-4567", "1.3.1-1-g8ddccea", "CH3-0042", "v2.07",
                              "2024-03-01");
        const auto field = [](const char *text) {
            return QByteArray(text) + QByteArray(30 - int(qstrlen(text)), '\0');
        };
        const QByteArray expected =
            hex("BF 59 01 00 00 00 C6 00 00 00 05 00 00 00 00 01 00 00 00 03 02") +
            field("123-4567") + field("1.3.1-1-g8ddccea") + field("CH3-0042") + field("v2.07") +
            field("2024-03-01") + QByteArray(29, '\0');
        QCOMPARE(request.getFrame(), expected);
        QCOMPARE(request.getRequest().packetID, 1u);
        QCOMPARE(request.getRequest().channelCount, (unsigned char)2);
    }

    void replyIdsAndGetters()
    {
        KovintaPacket a, b, c;
        a.alarm(1);
        b.requestPacket(1, 4, QString(40, QLatin1Char('s')), "", "", "", "");
        c.requestRetry(0x01020304, 7);
        QCOMPARE(a.getHeader().packetID, 1u);
        QCOMPARE(b.getHeader().packetID, 2u);
        QCOMPARE(b.getRequest().packetID, 2u);
        QCOMPARE(b.getRequest().serialNumber, QString(29, QLatin1Char('s')));
        QCOMPARE(c.getHeader().packetID, 3u);
        QCOMPARE(KovintaPacket::getCurrentPacketID(), 3u);
        QCOMPARE(c.getRetry().value32, 0x01020304u);
        // A Request frame is 200 bytes whatever its texts; its reserved tail is zero.
        const QByteArray frame = b.getFrame();
        QCOMPARE(frame.size(), 200);
        QCOMPARE(frame.mid(171), QByteArray(29, '\0'));
        bool threw = false;
        try {
            a.getStop();
        } catch (const KovintaPacket::KovintaPacketException &e) {
            threw = QByteArray(e.what()) == "Kovinta Packet Exception";
        }
        QVERIFY(threw);
        QCOMPARE(a.getAlarm().channel, (unsigned char)1);
    }
};

RONDIX_TEST(TestPcPackets)
#include "tst_PcPackets.moc"
