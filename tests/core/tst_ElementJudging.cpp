#include "ElementJudging.h"
#include "ElementResultBuilder.h"
#include "ManualTestArithmetic.h"
#include "TempRoot.h"
#include "TestLimits.h"
#include "TestRegistry.h"
#include "TestResultElementFlowTest.h"
#include "TestResultElementOccTest.h"
#include "TestResultElementPCATest.h"
#include "TestResultElementUserTest.h"
#include "TestSequenceElementFlowTest.h"
#include "TestSequenceElementOccTest.h"
#include "TestSequenceElementPCATest.h"
#include "TestSequenceElementUserTest.h"

#include <QTest>

#include <cmath>
#include <memory>

Q_DECLARE_METATYPE(QList<float>)
Q_DECLARE_METATYPE(QList<int>)

namespace {
PCA_TEST_DATA bolus(float volume)
{
    PCA_TEST_DATA b;
    b.fVolume_Bolus = volume;
    return b;
}
} // namespace

class TestElementJudging : public QObject
{
    Q_OBJECT
private slots:
    // The bounds are float(double(target) * (double(factor) / 100)); the rows with
    // 0.1 pass a value that single-precision arithmetic, or a comparison with the
    // unrounded double bound, would fail.
    void flowVerdict_data()
    {
        QTest::addColumn<quint32>("limitType");
        QTest::addColumn<float>("target");
        QTest::addColumn<int>("up");
        QTest::addColumn<int>("lo");
        QTest::addColumn<float>("instant");
        QTest::addColumn<float>("average");
        QTest::addColumn<float>("volume");
        QTest::addColumn<int>("verdict");

        QTest::newRow("target 0 passes anything") << 1u << 0.0f << 5 << 5 << 99.0f << 99.0f << 99.0f << 1;
        QTest::newRow("average at upper bound") << 1u << 10.0f << 5 << 5 << 0.0f << 10.5f << 0.0f << 1;
        QTest::newRow("average at lower bound") << 1u << 10.0f << 5 << 5 << 0.0f << 9.5f << 0.0f << 1;
        QTest::newRow("average just above") << 1u << 10.0f << 5 << 5 << 10.0f << 10.51f << 10.0f << 0;
        QTest::newRow("average just below") << 1u << 10.0f << 5 << 5 << 10.0f << 9.49f << 10.0f << 0;
        QTest::newRow("instant judged, not average") << 0u << 10.0f << 5 << 5 << 12.0f << 10.0f << 10.0f << 0;
        QTest::newRow("instant in band, average out") << 0u << 10.0f << 5 << 5 << 10.0f << 12.0f << 12.0f << 1;
        QTest::newRow("volume judged") << 2u << 20.0f << 10 << 10 << 20.0f << 20.0f << 22.01f << 0;
        QTest::newRow("volume in band, flows out") << 2u << 20.0f << 10 << 10 << 0.0f << 0.0f << 18.0f << 1;
        QTest::newRow("unknown limit type passes") << 7u << 10.0f << 5 << 5 << 99.0f << 99.0f << 99.0f << 1;
        QTest::newRow("float bound 0.1 +5% passes") << 1u << 0.1f << 5 << 5 << 0.0f << 0.105000004f << 0.0f << 1;
        QTest::newRow("one step above it fails") << 1u << 0.1f << 5 << 5 << 0.0f
                                                 << std::nextafter(0.105000004f, 1.0f) << 0.0f << 0;
        QTest::newRow("float bound 0.1 -20% passes") << 1u << 0.1f << 5 << 20 << 0.0f << 0.0799999982f << 0.0f << 1;
        QTest::newRow("one step below it fails") << 1u << 0.1f << 5 << 20 << 0.0f
                                                 << std::nextafter(0.0799999982f, 0.0f) << 0.0f << 0;
        // On bounds where an error worked in single precision lies a hair outside.
        QTest::newRow("instant on the 0.1 -5% bound") << 0u << 0.1f << 5 << 5 << 0.095f << 0.0f << 0.0f << 1;
        QTest::newRow("average on the 0.5 +10% bound") << 1u << 0.5f << 10 << 10 << 0.0f << 0.55f << 0.0f << 1;
        QTest::newRow("volume on the 0.7 +10% bound") << 2u << 0.7f << 10 << 10 << 0.0f << 0.0f << 0.77f << 1;
        QTest::newRow("100% below: zero is in") << 1u << 10.0f << 0 << 100 << 0.0f << 0.0f << 0.0f << 1;
        QTest::newRow("255% above") << 1u << 10.0f << 255 << 0 << 0.0f << 35.5f << 0.0f << 1;
        QTest::newRow("255% above, beyond") << 1u << 10.0f << 255 << 0 << 0.0f << 35.51f << 0.0f << 0;
    }
    void flowVerdict()
    {
        QFETCH(quint32, limitType);
        QFETCH(float, target);
        QFETCH(int, up);
        QFETCH(int, lo);
        QFETCH(float, instant);
        QFETCH(float, average);
        QFETCH(float, volume);
        QFETCH(int, verdict);
        INFUSION_PUMP_TEST_DATA live;
        live.fFlowRate_Instant = instant;
        live.fFlowRate_Ave = average;
        live.fVolume = volume;
        const auto limits = flowLimits(limitType, target, quint8(up), quint8(lo));
        QCOMPARE(int(ElementJudging::judgeFlow(limits, live)), verdict);
        // The setting type routes to the same judge.
        QCOMPARE(int(ElementJudging::verdict(0, limits, live, {}, 3, 1)), verdict);
    }

    // What the running screens colour red is what the judge fails, on every bound of a
    // sweep of targets and percentages and one float step beyond it: flow of each limit
    // type at the end of its duration, and a bolus.
    void liveColourIsTheVerdict()
    {
        const int percents[] = {0, 1, 5, 10, 11, 20, 35, 100};
        const unsigned int duration = 9;
        int checked = 0;
        for (int k = 1; k <= 200; ++k) {
            const float target = float(k) / 10.0f;
            for (int p : percents) {
                const auto band = ElementJudging::percentBand(target, quint8(p), quint8(p));
                const float readings[] = {band.lower, band.upper, std::nextafter(band.lower, -1.0f),
                                          std::nextafter(band.upper, 1e9f)};
                for (float reading : readings) {
                    INFUSION_PUMP_TEST_DATA live;
                    live.fFlowRate_Instant = live.fFlowRate_Ave = live.fVolume = reading;
                    for (quint32 type = 0; type < 3; ++type) {
                        const auto limits = flowLimits(type, target, quint8(p), quint8(p));
                        const bool fail = ElementJudging::judgeFlow(limits, live) != TEST_PASS;
                        const bool red = ManualTestArithmetic::flowError(limits, live, duration, duration).red;
                        QVERIFY2(red == fail, qPrintable(QString("type %1 target %2 %3% reading %4")
                                                             .arg(type).arg(double(target)).arg(p)
                                                             .arg(double(reading), 0, 'g', 9)));
                        ++checked;
                    }
                    TestSequencePassFailLimits limits;
                    limits.bolusTarget = target;
                    limits.bolusUpperPct = limits.bolusLowerPct = quint8(p);
                    const bool fail = ElementJudging::judgePca(limits, {bolus(reading)}) != TEST_PASS;
                    const bool red = ManualTestArithmetic::judgeBolusVolume(reading, target, quint8(p), quint8(p))
                        == ManualTestArithmetic::Outside;
                    QVERIFY2(red == fail, qPrintable(QString("bolus target %1 %2% volume %3")
                                                         .arg(double(target)).arg(p)
                                                         .arg(double(reading), 0, 'g', 9)));
                }
            }
        }
        QCOMPARE(checked, 200 * 8 * 4 * 3);
    }

    // Part-way through a volume test the volume is judged against what is expected by
    // then; nothing is expected before the first second.
    void volumeReadingPartWay_data()
    {
        QTest::addColumn<float>("volume");
        QTest::addColumn<uint>("elapsed");
        QTest::addColumn<int>("verdict");
        // 10 ml over 100 s, 10 % either side.
        QTest::newRow("half way, on the upper bound") << 5.5f << 50u << 1;
        QTest::newRow("half way, short") << 4.4f << 50u << 0;
        QTest::newRow("nothing expected yet") << 3.0f << 0u << 1;
        QTest::newRow("at the end, the whole target") << 5.5f << 100u << 0;
        QTest::newRow("past the end, the whole target") << 10.0f << 130u << 1;
    }
    void volumeReadingPartWay()
    {
        QFETCH(float, volume);
        QFETCH(uint, elapsed);
        QFETCH(int, verdict);
        INFUSION_PUMP_TEST_DATA live;
        live.fVolume = volume;
        const auto limits = flowLimits(2, 10.0f, 10, 10);
        QCOMPARE(int(ElementJudging::judgeFlowReading(limits, live, 100, elapsed)), verdict);
    }

    void bandBounds()
    {
        const auto band = ElementJudging::percentBand(0.1f, 5, 20);
        QCOMPARE(band.upper, 0.105000004f);
        QCOMPARE(band.lower, 0.0799999982f);
    }

    void occlusionVerdict_data()
    {
        QTest::addColumn<float>("upper");
        QTest::addColumn<float>("lower");
        QTest::addColumn<int>("peak");
        QTest::addColumn<int>("verdict");
        QTest::newRow("upper 0 passes anything") << 0.0f << 100.0f << 5000 << 1;
        QTest::newRow("at upper") << 300.0f << 100.0f << 300 << 1;
        QTest::newRow("above upper") << 300.0f << 100.0f << 301 << 0;
        QTest::newRow("at lower") << 300.0f << 100.0f << 100 << 1;
        QTest::newRow("below lower") << 300.0f << 100.0f << 99 << 0;
        QTest::newRow("fractional upper") << 300.5f << 0.0f << 300 << 1;
        QTest::newRow("negative lower") << 300.0f << -50.0f << -51 << 0;
    }
    void occlusionVerdict()
    {
        QFETCH(float, upper);
        QFETCH(float, lower);
        QFETCH(int, peak);
        QFETCH(int, verdict);
        TestSequencePassFailLimits limits;
        limits.upperPressure = upper;
        limits.lowerPressure = lower;
        INFUSION_PUMP_TEST_DATA live;
        live.s16Pressure_Peak = qint16(peak);
        live.fFlowRate_Instant = 1e6f; // never judged for occlusion
        QCOMPARE(int(ElementJudging::judgeOcclusion(limits, live)), verdict);
        QCOMPARE(int(ElementJudging::verdict(1, limits, live, {}, 3, 1)), verdict);
    }

    void pcaVerdict_data()
    {
        QTest::addColumn<float>("target");
        QTest::addColumn<QList<float>>("volumes");
        QTest::addColumn<int>("verdict");
        QTest::newRow("target 0 passes anything") << 0.0f << QList<float>{9.0f} << 1;
        QTest::newRow("no bolus passes") << 1.0f << QList<float>{} << 1;
        QTest::newRow("all in band, bounds too") << 1.0f << QList<float>{1.0f, 1.1f, 0.9f} << 1;
        QTest::newRow("one out of band fails") << 1.0f << QList<float>{1.0f, 1.0f, 1.2f} << 0;
        QTest::newRow("first out of band fails") << 1.0f << QList<float>{0.5f, 1.0f} << 0;
    }
    void pcaVerdict()
    {
        QFETCH(float, target);
        QFETCH(QList<float>, volumes);
        QFETCH(int, verdict);
        TestSequencePassFailLimits limits;
        limits.bolusTarget = target;
        limits.bolusUpperPct = 10;
        limits.bolusLowerPct = 10;
        limits.flowTarget = 5.0f; // the flow band plays no part
        QList<PCA_TEST_DATA> boluses;
        for (float v : volumes)
            boluses << bolus(v);
        QCOMPARE(int(ElementJudging::judgePca(limits, boluses)), verdict);
        QCOMPARE(int(ElementJudging::verdict(2, limits, INFUSION_PUMP_TEST_DATA(), boluses, 3, 1)),
                 verdict);
    }

    void userAndUnknownVerdict()
    {
        const TestSequencePassFailLimits tight = flowLimits(0, 10.0f, 0, 0);
        const INFUSION_PUMP_TEST_DATA live; // all zero: out of every band above
        QCOMPARE(ElementJudging::verdict(3, tight, live, {}, 1, 1), TEST_PASS);
        QCOMPARE(ElementJudging::verdict(3, tight, live, {}, 0, 1), TEST_FAIL);
        QVERIFY(ElementJudging::verdict(3, tight, live, {}, 3, 1) != TEST_PASS);
        QCOMPARE(ElementJudging::verdict(4, tight, live, {}, 0, 1), TEST_PASS);
    }

    // A step that ended without a sample measured nothing: a flow or PCA step fails
    // even where its limits would pass anything; the occlusion step, judged on its
    // peak, and the user step, on its answer, do not count samples.
    void noSampleVerdict_data()
    {
        QTest::addColumn<int>("settingType");
        QTest::addColumn<float>("target");
        QTest::addColumn<int>("samples");
        QTest::addColumn<int>("verdict");
        QTest::newRow("flow, target 0, no sample") << 0 << 0.0f << 0 << 0;
        QTest::newRow("flow, in band, no sample") << 0 << 100.0f << 0 << 0;
        QTest::newRow("flow, in band, one sample") << 0 << 100.0f << 1 << 1;
        QTest::newRow("PCA, target 0, no sample") << 2 << 0.0f << 0 << 0;
        QTest::newRow("PCA, target 0, one sample") << 2 << 0.0f << 1 << 1;
        QTest::newRow("occlusion, no sample") << 1 << 0.0f << 0 << 1;
        QTest::newRow("user pass, no sample") << 3 << 0.0f << 0 << 1;
    }
    void noSampleVerdict()
    {
        QFETCH(int, settingType);
        QFETCH(float, target);
        QFETCH(int, samples);
        QFETCH(int, verdict);
        TestSequencePassFailLimits limits = flowLimits(1, target, 10, 10);
        limits.bolusTarget = target;
        INFUSION_PUMP_TEST_DATA live;
        live.fFlowRate_Ave = 100.0f;
        QCOMPARE(int(ElementJudging::verdict(settingType, limits, live, {}, 1, samples)), verdict);
    }

    // Readings one per tick; the indices at which the watch asks for a stop.
    void flowWatch_data()
    {
        QTest::addColumn<quint32>("limitType");
        QTest::addColumn<float>("target");
        QTest::addColumn<QList<float>>("readings");
        QTest::addColumn<QList<int>>("stops");
        QTest::newRow("out of band at the start") << 0u << 10.0f << QList<float>{0, 0, 20, 0} << QList<int>{};
        QTest::newRow("three in, then out") << 0u << 10.0f << QList<float>{0, 10, 10, 10, 20} << QList<int>{4};
        QTest::newRow("two in, then out") << 0u << 10.0f << QList<float>{10, 10, 20, 10, 10, 10, 0}
                                          << QList<int>{6};
        QTest::newRow("count resets after a stop") << 0u << 10.0f << QList<float>{10, 10, 10, 20, 20}
                                                   << QList<int>{3};
        QTest::newRow("bounds are in") << 0u << 10.0f << QList<float>{10.5f, 9.5f, 10.5f, 10.51f}
                                       << QList<int>{3};
        QTest::newRow("many in, count stops at 3") << 0u << 10.0f << QList<float>{10, 10, 10, 10, 10, 9}
                                                   << QList<int>{5};
        QTest::newRow("target 0 never stops") << 0u << 0.0f << QList<float>{0, 0, 0, 5} << QList<int>{};
        QTest::newRow("average limits never stop") << 1u << 10.0f << QList<float>{10, 10, 10, 20}
                                                   << QList<int>{};
    }
    void flowWatch()
    {
        QFETCH(quint32, limitType);
        QFETCH(float, target);
        QFETCH(QList<float>, readings);
        QFETCH(QList<int>, stops);
        const auto limits = flowLimits(limitType, target, 5, 5);
        int count = 0;
        QList<int> seen;
        for (int i = 0; i < readings.size(); ++i) {
            if (ElementJudging::flowWatchStops(limits, readings[i], count))
                seen << i;
            QVERIFY(count >= 0 && count <= 3);
        }
        QCOMPARE(seen, stops);
    }

    void occlusionWatch()
    {
        TestSequencePassFailLimits limits;
        limits.lowerPressure = 100.0f;
        limits.upperPressure = 300.0f;
        QVERIFY(!ElementJudging::occlusionWatchStops(limits, 300));
        QVERIFY(ElementJudging::occlusionWatchStops(limits, 301));
        QVERIFY(!ElementJudging::occlusionWatchStops(limits, 0)); // below lower: only judged at the end
        limits.upperPressure = 0.0f;
        QVERIFY(!ElementJudging::occlusionWatchStops(limits, 5000));
    }

    // One result per element type, built from the element's own type; the channel is
    // stored as 1 to 4.
    void resultOfEachType()
    {
        ElementResultBuilder::Measurements m;
        m.live.fFlowRate_Ave = 4.5f;
        m.live.s16Pressure_Peak = 250;
        INFUSION_PUMP_REAL_TIME_DATA sample;
        sample.fVolume = 1.25f;
        m.samples = {sample, sample};
        m.boluses = {bolus(0.5f), bolus(0.75f)};
        m.userValue = 0.1; // a double entered, stored in single precision
        const ElementResultBuilder::SerialNumbers serials{"INS-0001", "CH-0003"};

        TestSequenceElementFlowTest flow;
        flow.setting.u32ElapseTimeSetting = 77;
        flow.limits.flowTarget = 4.0f;
        std::unique_ptr<TestResultElement> r(ElementResultBuilder::build(flow, TEST_PASS, 2, serials, m));
        auto *flowResult = dynamic_cast<TestResultElementFlowTest *>(r.get());
        QVERIFY(flowResult);
        QCOMPARE(flowResult->id, (unsigned char)1);
        QCOMPARE(flowResult->status, TEST_PASS);
        QCOMPARE(flowResult->channelId, (unsigned short)3);
        QCOMPARE(flowResult->serialNumber, QString("INS-0001"));
        QCOMPARE(flowResult->channelSerialNumber, QString("CH-0003"));
        QCOMPARE(flowResult->samples.size(), 2);
        QCOMPARE(flowResult->samples[1].fVolume, 1.25f);
        QCOMPARE(flowResult->testData.fFlowRate_Ave, 4.5f);
        QCOMPARE(flowResult->sequenceElement.setting.u32ElapseTimeSetting, 77);
        QCOMPARE(flowResult->sequenceElement.limits.flowTarget, 4.0f);

        TestSequenceElementOccTest occ;
        occ.setting.u8InfusionPumpType = 1;
        r.reset(ElementResultBuilder::build(occ, TEST_FAIL, 0, serials, m));
        auto *occResult = dynamic_cast<TestResultElementOccTest *>(r.get());
        QVERIFY(occResult);
        QCOMPARE(occResult->id, (unsigned char)3);
        QCOMPARE(occResult->status, TEST_FAIL);
        QCOMPARE(occResult->channelId, (unsigned short)1);
        QCOMPARE(occResult->testData.s16Pressure_Peak, qint16(250));
        // The pump type it ran with, as its step set it up.
        QCOMPARE(occResult->pumpType, (unsigned char)1);
        QCOMPARE(occResult->sequenceElement.setting.u8InfusionPumpType, (quint8)1);
        QCOMPARE(occResult->samples.size(), 2);

        TestSequenceElementPCATest pca;
        pca.setting.fBolusVolumeSetting = 0.5f;
        r.reset(ElementResultBuilder::build(pca, TEST_PASS, 3, serials, m));
        auto *pcaResult = dynamic_cast<TestResultElementPCATest *>(r.get());
        QVERIFY(pcaResult);
        QCOMPARE(pcaResult->id, (unsigned char)2);
        QCOMPARE(pcaResult->channelId, (unsigned short)4);
        QCOMPARE(pcaResult->boluses.size(), 2);
        QCOMPARE(pcaResult->boluses[1].fVolume_Bolus, 0.75f);
        QCOMPARE(pcaResult->sequenceElement.setting.fBolusVolumeSetting, 0.5f);

        TestSequenceElementUserTest user;
        user.testText = "Door latch";
        user.units = "N";
        r.reset(ElementResultBuilder::build(user, TEST_PASS, 1, serials, m));
        auto *userResult = dynamic_cast<TestResultElementUserTest *>(r.get());
        QVERIFY(userResult);
        QCOMPARE(userResult->id, (unsigned char)0);
        QCOMPARE(userResult->channelId, (unsigned short)2);
        QCOMPARE(userResult->testName, QString("Door latch"));
        QCOMPARE(userResult->testUnits, QString("N"));
        QCOMPARE(userResult->result, 0.1f);
        QCOMPARE(userResult->serialNumber, QString("INS-0001"));
    }

    void occlusionPumpType_data()
    {
        QTest::addColumn<int>("stepType");
        QTest::addColumn<int>("stored");
        QTest::newRow("manual") << 0 << 0;
        QTest::newRow("auto reverse") << 1 << 1;
        QTest::newRow("any other runs as auto reverse") << 7 << 1;
    }
    void occlusionPumpType()
    {
        QFETCH(int, stepType);
        QFETCH(int, stored);
        TestSequenceElementOccTest occ;
        occ.setting.u8InfusionPumpType = quint8(stepType);
        std::unique_ptr<TestResultElement> r(ElementResultBuilder::build(occ, TEST_PASS, 0, {}, {}));
        auto *result = dynamic_cast<TestResultElementOccTest *>(r.get());
        QVERIFY(result);
        QCOMPARE(int(result->pumpType), stored);
        // The step itself is kept as it was.
        QCOMPARE(int(result->sequenceElement.setting.u8InfusionPumpType), stepType);
    }

    void unknownOrMismatchedStepBuildsNothing()
    {
        TestSequenceElementUserTest odd;
        odd.id = 9;
        QVERIFY(!ElementResultBuilder::build(odd, TEST_PASS, 0, {}, {}));
        odd.id = 1; // says flow, is a user step
        QVERIFY(!ElementResultBuilder::build(odd, TEST_PASS, 0, {}, {}));
    }

    void serialNumbersFromSettings()
    {
        TempRoot root;
        QVERIFY(root.writeFile("/mnt/data/kovinta.ini",
                               "[General]\nSerial_num=INS-42\nSerialNumber_ch2=CH-B\nSerialNumber_ch4=CH-D\n"));
        const struct { unsigned short channel; const char *instrument; const char *serial; } table[] = {
            {0, "INS-42", "XXX-XXXX"}, {1, "INS-42", "CH-B"}, {3, "INS-42", "CH-D"}, {4, "INS-42", "??"}};
        for (const auto &row : table) {
            const auto serials = ElementResultBuilder::readSerialNumbers(row.channel);
            QCOMPARE(serials.instrument, QString(row.instrument));
            QCOMPARE(serials.channel, QString(row.serial));
        }
        QVERIFY(QFile::remove(root.path("/mnt/data/kovinta.ini")));
        QCOMPARE(ElementResultBuilder::readSerialNumbers(0).instrument, QString("XXX-XXXX"));
    }
};

RONDIX_TEST(TestElementJudging)
#include "tst_ElementJudging.moc"
