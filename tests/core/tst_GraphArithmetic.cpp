#include "GraphArithmetic.h"
#include "TestLimits.h"
#include "TestRegistry.h"

#include <QTest>

#include <limits>

namespace {

// The kPa conversion of the instrument: the product in double precision, kept as a float.
float toKpa(float mmHg)
{
    return float(double(mmHg) * 0.133322368);
}

float unchanged(float mmHg)
{
    return mmHg;
}

TestSequencePassFailLimits pressureLimits(float upper, float lower)
{
    TestSequencePassFailLimits limits;
    limits.upperPressure = upper;
    limits.lowerPressure = lower;
    return limits;
}

INFUSION_PUMP_REAL_TIME_DATA record(qint16 pressure, float volume, float instant)
{
    INFUSION_PUMP_REAL_TIME_DATA r;
    r.s16Pressure = pressure;
    r.fVolume = volume;
    r.fFlowRate_Instant = instant;
    return r;
}

} // namespace

Q_DECLARE_METATYPE(TestSequencePassFailLimits)

class TestGraphArithmetic : public QObject
{
    Q_OBJECT
private slots:
    void thinning_data()
    {
        QTest::addColumn<qint64>("records");
        QTest::addColumn<int>("step");
        QTest::addColumn<qint64>("livePoints");
        QTest::addColumn<qint64>("storedPoints");
        QTest::newRow("empty") << qint64(0) << 1 << qint64(0) << qint64(0);
        QTest::newRow("one") << qint64(1) << 1 << qint64(1) << qint64(1);
        QTest::newRow("just under an hour") << qint64(3599) << 1 << qint64(3599) << qint64(3599);
        QTest::newRow("an hour") << qint64(3600) << 3 << qint64(1200) << qint64(1200);
        QTest::newRow("an hour and a second") << qint64(3601) << 3 << qint64(1200) << qint64(1201);
        QTest::newRow("just under 3 h") << qint64(10799) << 3 << qint64(3599) << qint64(3600);
        QTest::newRow("3 h") << qint64(10800) << 6 << qint64(1800) << qint64(1800);
        QTest::newRow("6 h") << qint64(21600) << 9 << qint64(2400) << qint64(2400);
        QTest::newRow("9 h") << qint64(32400) << 12 << qint64(2700) << qint64(2700);
        QTest::newRow("12 h") << qint64(43200) << 24 << qint64(1800) << qint64(1800);
        QTest::newRow("just under a day") << qint64(86399) << 24 << qint64(3599) << qint64(3600);
        QTest::newRow("a day") << qint64(86400) << 168 << qint64(514) << qint64(515);
        QTest::newRow("just under a week") << qint64(604799) << 168 << qint64(3599) << qint64(3600);
    }
    void thinning()
    {
        QFETCH(qint64, records);
        QFETCH(int, step);
        QFETCH(qint64, livePoints);
        QFETCH(qint64, storedPoints);
        QCOMPARE(GraphArithmetic::thinningStep(records), step);
        QCOMPARE(GraphArithmetic::liveSeriesSize(records), livePoints);
        QCOMPARE(GraphArithmetic::storedSeriesSize(records), storedPoints);
        // The last live point lies inside the history.
        if (livePoints > 0)
            QVERIFY((livePoints - 1) * step < records);
    }

    void timeAxis_data()
    {
        QTest::addColumn<quint32>("elapsed");
        QTest::addColumn<double>("maximum");
        QTest::addColumn<double>("step");
        QTest::newRow("0 s") << 0u << 10.0 << 5.0;
        QTest::newRow("9 s") << 9u << 10.0 << 5.0;
        QTest::newRow("10 s") << 10u << 20.0 << 10.0;
        QTest::newRow("59 s") << 59u << 60.0 << 30.0;
        QTest::newRow("60 s") << 60u << 120.0 << 30.0;
        QTest::newRow("900 s") << 900u << 960.0 << 240.0;
        QTest::newRow("1800 s") << 1800u << 1920.0 << 480.0;
        QTest::newRow("1801 s") << 1801u << 2400.0 << 600.0;
        QTest::newRow("a day") << 86400u << 87000.0 << 21750.0;
        // Beyond a day the 600 s tier goes on.
        QTest::newRow("a day and a second") << 86401u << 87000.0 << 21750.0;
        QTest::newRow("a week") << 604800u << 605400.0 << 151350.0;
        QTest::newRow("largest elapsed time")
            << std::numeric_limits<quint32>::max() << 4294967400.0 << 1073741850.0;
    }
    void timeAxis()
    {
        QFETCH(quint32, elapsed);
        QFETCH(double, maximum);
        QFETCH(double, step);
        const GraphArithmetic::TimeAxis axis = GraphArithmetic::timeAxis(elapsed);
        QCOMPARE(axis.maximum, maximum);
        QCOMPARE(axis.step, step);
    }

    void yRange_data()
    {
        QTest::addColumn<int>("quantity");
        QTest::addColumn<QList<int>>("pressures");
        QTest::addColumn<QList<float>>("values"); // instant flow and volume alike
        QTest::addColumn<bool>("kPa");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<float>("low");
        QTest::addColumn<float>("high");
        const QList<float> positive = {12.5f, 100.0f, 80.0f};
        QTest::newRow("flow, all positive")
            << int(GraphArithmetic::FlowRate) << QList<int>{0, 0, 0} << positive << false << true
            << 0.0f << float(100.0 * 1.2);
        QTest::newRow("volume, a negative value")
            << int(GraphArithmetic::Volume) << QList<int>{0, 0} << QList<float>{-5.0f, 40.0f}
            << false << true << float(-5.0 * 1.2) << float(40.0 * 1.2);
        QTest::newRow("pressure never above 9 mmHg")
            << int(GraphArithmetic::Pressure) << QList<int>{3, 9, 1} << QList<float>{0, 0, 0}
            << true << true << 0.0f << toKpa(10.0f);
        QTest::newRow("pressure from -20 to 200 mmHg")
            << int(GraphArithmetic::Pressure) << QList<int>{-20, 200, 50} << QList<float>{0, 0, 0}
            << true << true << toKpa(-24.0f) << toKpa(240.0f);
        QTest::newRow("unknown quantity")
            << 7 << QList<int>{5} << QList<float>{5} << false << false << 0.0f << 0.0f;
    }
    void yRange()
    {
        QFETCH(int, quantity);
        QFETCH(QList<int>, pressures);
        QFETCH(QList<float>, values);
        QFETCH(bool, kPa);
        QFETCH(bool, valid);
        QFETCH(float, low);
        QFETCH(float, high);
        GraphArithmetic::Extremes extremes;
        for (int i = 0; i < pressures.size(); ++i)
            extremes.take(record(qint16(pressures[i]), values[i], values[i]));
        const GraphArithmetic::Range range =
            GraphArithmetic::yRange(quantity, extremes, kPa ? toKpa : unchanged);
        QCOMPARE(range.valid, valid);
        QCOMPARE(range.low, low);
        QCOMPARE(range.high, high);
    }

    void limitLines_data()
    {
        QTest::addColumn<int>("quantity");
        QTest::addColumn<int>("testType");
        QTest::addColumn<TestSequencePassFailLimits>("limits");
        QTest::addColumn<bool>("shown");
        QTest::addColumn<float>("upper");
        QTest::addColumn<float>("lower");
        const int flow = GraphArithmetic::FlowRate;
        const int volume = GraphArithmetic::Volume;
        const int pressure = GraphArithmetic::Pressure;
        const auto average = flowLimits(1, 100.0f, 10, 5);
        QTest::newRow("average flow, flow rate") << flow << 0 << average << true << 110.0f << 95.0f;
        QTest::newRow("average flow, volume") << volume << 0 << average << false << 0.0f << 0.0f;
        QTest::newRow("instant flow, flow rate")
            << flow << 0 << flowLimits(0, 100.0f, 10, 5) << true << 110.0f << 95.0f;
        const auto expected = flowLimits(2, 50.0f, 20, 10);
        QTest::newRow("expected volume, volume")
            << volume << 0 << expected << true << 60.0f << 45.0f;
        QTest::newRow("expected volume, flow rate")
            << flow << 0 << expected << false << 0.0f << 0.0f;
        QTest::newRow("no target")
            << flow << 0 << flowLimits(1, 0.0f, 10, 5) << false << 0.0f << 0.0f;
        QTest::newRow("widest percentages")
            << flow << 0 << flowLimits(1, 100.0f, 255, 255) << true << 355.0f << -155.0f;
        QTest::newRow("PCA test") << flow << 2 << average << false << 0.0f << 0.0f;
        QTest::newRow("user test") << flow << 3 << average << false << 0.0f << 0.0f;
        const auto occlusion = pressureLimits(300.0f, 100.0f);
        QTest::newRow("occlusion, kPa")
            << pressure << 1 << occlusion << true << toKpa(300.0f) << toKpa(100.0f);
        QTest::newRow("occlusion without limits")
            << pressure << 1 << pressureLimits(0.0f, 100.0f) << false << 0.0f << 0.0f;
        QTest::newRow("pressure of a flow test")
            << pressure << 0 << occlusion << false << 0.0f << 0.0f;
        QTest::newRow("flow rate of an occlusion test")
            << flow << 1 << average << false << 0.0f << 0.0f;
    }
    void limitLines()
    {
        QFETCH(int, quantity);
        QFETCH(int, testType);
        QFETCH(TestSequencePassFailLimits, limits);
        QFETCH(bool, shown);
        QFETCH(float, upper);
        QFETCH(float, lower);
        const GraphArithmetic::LimitLines lines =
            GraphArithmetic::limitLines(quantity, testType, limits, toKpa);
        QCOMPARE(lines.shown, shown);
        QCOMPARE(lines.upper, upper);
        QCOMPARE(lines.lower, lower);
        if (quantity == GraphArithmetic::Pressure && shown) {
            // As the operator reads them in kPa.
            QCOMPARE(QString::number(lines.upper, 'g', 6), QStringLiteral("39.9967"));
            QCOMPARE(QString::number(lines.lower, 'g', 6), QStringLiteral("13.3322"));
        }
    }

    void timeLabel_data()
    {
        QTest::addColumn<double>("seconds");
        QTest::addColumn<QString>("label");
        QTest::newRow("start") << 0.0 << "00:00:00";
        QTest::newRow("fraction truncated") << 3661.9 << "01:01:01";
        QTest::newRow("last second of a day") << 86399.0 << "23:59:59";
        QTest::newRow("a day wraps to midnight") << 86400.0 << "00:00:00";
        QTest::newRow("a day and an hour") << 90000.0 << "01:00:00";
        QTest::newRow("beyond the clock") << 4294967400.0 << "06:30:00";
        QTest::newRow("below zero") << -1.0 << "23:59:59";
        QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << "00:00:00";
        QTest::newRow("infinite") << std::numeric_limits<double>::infinity() << "00:00:00";
    }
    void timeLabel()
    {
        QFETCH(double, seconds);
        QFETCH(QString, label);
        QCOMPARE(GraphArithmetic::timeLabel(QTime(0, 0), seconds), label);
    }
};

RONDIX_TEST(TestGraphArithmetic)
#include "tst_GraphArithmetic.moc"
