#include "INFUSION_PUMP_OCCLUSION_SETTING.h"
#include "INFUSION_PUMP_PCA_SETTING.h"
#include "INFUSION_PUMP_REAL_TIME_DATA.h"
#include "INFUSION_PUMP_SETTING.h"
#include "INFUSION_PUMP_TEST_DATA.h"
#include "StreamHelper.h"
#include "TestRegistry.h"
#include "TestSequencePassFailLimits.h"

#include <QTest>

namespace {

template <class T> QByteArray streamed(const T &record)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    StreamHelper::setup(out);
    out << record;
    return bytes;
}

// Reads a record from bytes and writes it again: equal bytes mean the reader takes every
// field from the place the writer put it.
template <class T> QByteArray reread(const QByteArray &bytes)
{
    QDataStream in(bytes);
    StreamHelper::setup(in);
    T record;
    // Poison the record so that a field the reader skips shows up.
    memset(static_cast<void *>(&record), 0x5a, sizeof record);
    in >> record;
    return streamed(record);
}

QByteArray hex(const char *text)
{
    return QByteArray::fromHex(QByteArray(text).replace(' ', ""));
}

template <class T>
void addRow(const char *name, const T &record, const char *expectedHex)
{
    const QByteArray expected = hex(expectedHex);
    QTest::newRow(name) << streamed(record) << expected << reread<T>(expected)
                        << reread<T>(QByteArray()) << expected.size();
}

} // namespace

class TestChannelRecords : public QObject
{
    Q_OBJECT
private slots:
    void recordStreams_data()
    {
        QTest::addColumn<QByteArray>("written");
        QTest::addColumn<QByteArray>("expected");
        QTest::addColumn<QByteArray>("reread");
        QTest::addColumn<QByteArray>("fromEmpty");
        QTest::addColumn<int>("size");

        TestSequencePassFailLimits limits;
        limits.limitType = TestSequencePassFailLimits::EXPECTED_VOLUME;
        limits.flowTarget = 1.5f;
        limits.flowUpperPct = 10;
        limits.flowLowerPct = 5;
        addRow("limits", limits,
               "00 0000000000000000 00 05 000000000000f83f 02 0a"
               " 0000000000000000 0000000000000000");

        TestSequencePassFailLimits allLimits;
        allLimits.limitType = 1;
        allLimits.flowTarget = 2.0f;
        allLimits.flowUpperPct = 3;
        allLimits.flowLowerPct = 4;
        allLimits.upperPressure = 0.5f;
        allLimits.lowerPressure = -1.0f;
        allLimits.bolusTarget = 8.0f;
        allLimits.bolusUpperPct = 6;
        allLimits.bolusLowerPct = 7;
        addRow("limits, every field", allLimits,
               "07 0000000000002040 06 04 0000000000000040 01 03"
               " 000000000000f0bf 000000000000e03f");

        INFUSION_PUMP_TEST_DATA data;
        data.fFlowRate_Ave = 1.0f;
        data.fFlowRate_Bolus_Ave = 2.0f;
        data.fFlowRate_Instant = 0.5f;
        data.fFlowRate_Min = -1.0f;
        data.fFlowRate_Peak = 4.0f;
        data.fVolume = 8.0f;
        data.fVolume_Bolus_Ave = 16.0f;
        data.Pca_Test_Data.fFlowRate_Bolus = 32.0f;
        data.Pca_Test_Data.fVolume_Bolus = 0.25f;
        data.Pca_Test_Data.u16BolusCount = 0x0102;
        data.Pca_Test_Data.u32BolusDuration = 0x03040506;
        data.s16Pressure = -2;
        data.s16Pressure_BackOff = 0x0110;
        data.s16Pressure_Peak = 0x0120;
        data.u16Revolution = 0x12345; // beyond 16 bits
        data.u32BolusDuration_Ave = 7;
        data.u32ElapseTime = 900;
        data.u32OcclusionTime = 10;
        data.u8AutoOccStatus = 5;
        data.u8PIC_Status = 3;
        data.u8TestType = 2;
        addRow("live record", data,
               "000000000000f03f 0000000000000040 000000000000e03f 000000000000f0bf"
               " 0000000000001040 0000000000002040 0000000000003040"
               " 0000000000004040 000000000000d03f 0201 06050403"
               " feff 1001 2001 45230100 07000000 84030000 0a000000 05 03 02");

        INFUSION_PUMP_REAL_TIME_DATA sample;
        sample.fFlowRate_Ave = 1.0f;
        sample.fFlowRate_Instant = 2.0f;
        sample.fVolume = 0.5f;
        sample.s16Pressure = -3;
        sample.u32ElapseTime = 0x01020304;
        addRow("sample", sample,
               "000000000000f03f 0000000000000040 000000000000e03f fdff 04030201");

        INFUSION_PUMP_SETTING setting;
        setting.u8TestTypeSetting = 3;
        setting.fFlowRateSetting = 100.0f;
        setting.s16BackPressureSetting = -200;
        setting.u32ElapseTimeSetting = 900;
        setting.u16SamplingWindowSetting = 30;
        setting.u8ScrollingItem = 1;
        addRow("flow setting", setting, "0000000000005940 38ff 1e00 84030000 01 03");

        INFUSION_PUMP_PCA_SETTING pca;
        pca.fBasalFlowRateSetting = 10.0f;
        pca.fBolusVolumeSetting = 0.5f;
        pca.fTotalVolumeSetting = 2.0f;
        pca.fLoadingDose = 1.0f;
        pca.u32ElapseTimeSetting = -1;
        pca.u16SamplingWindowSetting = 10;
        addRow("pca setting", pca,
               "0000000000002440 000000000000e03f 000000000000f03f 0000000000000040"
               " 0a00 ffffffff");

        INFUSION_PUMP_OCCLUSION_SETTING occlusion;
        occlusion.u8InfusionPumpType = 1;
        addRow("occlusion setting", occlusion, "01");
    }
    void recordStreams()
    {
        QFETCH(QByteArray, written);
        QFETCH(QByteArray, expected);
        QFETCH(QByteArray, reread);
        QFETCH(QByteArray, fromEmpty);
        QFETCH(int, size);
        QCOMPARE(written.toHex(' '), expected.toHex(' '));
        QCOMPARE(reread.toHex(' '), expected.toHex(' '));
        // Reading from nothing yields an all-zero record.
        QCOMPARE(fromEmpty, QByteArray(size, '\0'));
    }

    void floatsStayDoublesOnASinglePrecisionStream()
    {
        QByteArray bytes;
        QDataStream out(&bytes, QIODevice::WriteOnly);
        StreamHelper::setup(out);
        out.setFloatingPointPrecision(QDataStream::SinglePrecision);
        INFUSION_PUMP_REAL_TIME_DATA sample;
        out << sample;
        QCOMPARE(bytes.size(), 30);
    }

    void debugOutputListsFieldsInStreamOrder()
    {
        QString text;
        PCA_TEST_DATA bolus;
        bolus.u16BolusCount = 2;
        bolus.fFlowRate_Bolus = 450;
        bolus.fVolume_Bolus = 0.5f;
        bolus.u32BolusDuration = 4;
        INFUSION_PUMP_OCCLUSION_SETTING occlusion;
        occlusion.u8InfusionPumpType = 1;
        QDebug(&text) << bolus << occlusion;
        QCOMPARE(text, QString("PCA_TEST_DATA {\nfFlowRate_Bolus: 450\nfVolume_Bolus: 0.5\n"
                               "u16BolusCount: 2\nu32BolusDuration: 4\n} "
                               "INFUSION_PUMP_OCCLUSION_SETTING {\nu8InfusionPumpType: 1\n} "));
    }

    void readBackFieldsKeepWideRevolutionCount()
    {
        INFUSION_PUMP_TEST_DATA data;
        data.u16Revolution = 70000;
        data.fVolume = 12.345f;
        QDataStream in(streamed(data));
        StreamHelper::setup(in);
        INFUSION_PUMP_TEST_DATA back;
        in >> back;
        QCOMPARE(in.status(), QDataStream::Ok);
        QCOMPARE(back.u16Revolution, quint32(70000));
        QCOMPARE(back.fVolume, 12.345f);
    }
};

RONDIX_TEST(TestChannelRecords)
#include "tst_ChannelRecords.moc"
