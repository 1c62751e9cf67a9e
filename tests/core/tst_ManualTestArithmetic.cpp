#include "ManualTestArithmetic.h"
#include "TestLimits.h"
#include "TestRegistry.h"

#include <QTest>
#include <cmath>

class TestManualTestArithmetic : public QObject
{
    Q_OBJECT
private slots:
    void remaining_data()
    {
        QTest::addColumn<uint>("duration");
        QTest::addColumn<uint>("elapsed");
        QTest::addColumn<uint>("remaining");
        QTest::newRow("start") << 900u << 0u << 900u;
        QTest::newRow("running") << 900u << 899u << 1u;
        QTest::newRow("at end") << 900u << 900u << 0u;
        QTest::newRow("past end clamps") << 900u << 901u << 0u;
        QTest::newRow("zero duration") << 0u << 5u << 0u;
    }
    void remaining()
    {
        QFETCH(uint, duration);
        QFETCH(uint, elapsed);
        QFETCH(uint, remaining);
        QCOMPARE(ManualTestArithmetic::remainingSeconds(duration, elapsed), remaining);
    }

    void duration_data()
    {
        QTest::addColumn<int>("seconds");
        QTest::addColumn<int>("h");
        QTest::addColumn<int>("m");
        QTest::addColumn<int>("s");
        QTest::newRow("zero") << 0 << 0 << 0 << 0;
        QTest::newRow("3725") << 3725 << 1 << 2 << 5;
        QTest::newRow("15 min") << 900 << 0 << 15 << 0;
        QTest::newRow("a day less 1 s") << 86399 << 23 << 59 << 59;
    }
    void duration()
    {
        QFETCH(int, seconds);
        QFETCH(int, h);
        QFETCH(int, m);
        QFETCH(int, s);
        const auto split = ManualTestArithmetic::splitDuration(seconds);
        QCOMPARE(split.hours, h);
        QCOMPARE(split.minutes, m);
        QCOMPARE(split.seconds, s);
        QCOMPARE(ManualTestArithmetic::joinDuration(h, m, s), seconds);
    }

    void backPressure_data()
    {
        QTest::addColumn<double>("entered");
        QTest::addColumn<double>("unitPerMmHg");
        QTest::addColumn<int>("mmHg");
        QTest::newRow("mmHg 120") << 120.0 << 1.0 << 120;
        QTest::newRow("mmHg -20 stays -20") << -20.0 << 1.0 << -20;
        QTest::newRow("mmHg -200") << -200.0 << 1.0 << -200;
        QTest::newRow("1.00 PSI is 52") << 1.00 << double(float(0.0193367747)) << 52;
        QTest::newRow("-1.00 PSI is -52") << -1.00 << double(float(0.0193367747)) << -52;
        QTest::newRow("half up") << 2.5 << 1.0 << 3;
        QTest::newRow("half away from zero") << -2.5 << 1.0 << -3;
        QTest::newRow("below half") << -2.4 << 1.0 << -2;
        QTest::newRow("unknown unit") << 5.0 << 0.0 << 0;
    }
    void backPressure()
    {
        QFETCH(double, entered);
        QFETCH(double, unitPerMmHg);
        QFETCH(int, mmHg);
        QCOMPARE(int(ManualTestArithmetic::backPressureToMmHg(entered, unitPerMmHg)), mmHg);
    }

    void flowError_data()
    {
        QTest::addColumn<int>("limitType");
        QTest::addColumn<float>("target");
        QTest::addColumn<float>("average");
        QTest::addColumn<float>("instant");
        QTest::addColumn<float>("volume");
        QTest::addColumn<uint>("duration");
        QTest::addColumn<uint>("lastSample");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("red");
        // Limits upper 10 %, lower 5 % throughout.
        QTest::newRow("inst at upper bound") << 0 << 100.f << 0.f << 110.f << 0.f << 900u << 0u << "10.0" << false;
        QTest::newRow("inst beyond upper") << 0 << 100.f << 0.f << 110.01f << 0.f << 900u << 0u << "10.0" << true;
        QTest::newRow("inst at lower bound") << 0 << 100.f << 0.f << 95.f << 0.f << 900u << 0u << "-5.0" << false;
        QTest::newRow("inst beyond lower") << 0 << 100.f << 0.f << 94.99f << 0.f << 900u << 0u << "-5.0" << true;
        // On a bound that a single-precision error puts a hair outside: the judge
        // passes it, so it is green.
        QTest::newRow("inst on the 0.1 lower bound") << 0 << 0.1f << 0.f << 0.095f << 0.f << 900u << 0u << "-5.0" << false;
        QTest::newRow("average on the 0.5 upper bound") << 1 << 0.5f << 0.55f << 0.f << 0.f << 900u << 0u << "10.0" << false;
        QTest::newRow("average judged") << 1 << 50.f << 40.f << 50.f << 0.f << 900u << 0u << "-20.0" << true;
        QTest::newRow("target 0 is off") << 1 << 0.f << 40.f << 50.f << 0.f << 900u << 0u << "0.0" << false;
        QTest::newRow("volume expected 5 of 10") << 2 << 10.f << 0.f << 0.f << 5.5f << 100u << 50u << "10.0" << false;
        QTest::newRow("volume short") << 2 << 10.f << 0.f << 0.f << 4.f << 100u << 50u << "-20.0" << true;
        QTest::newRow("volume empty history") << 2 << 10.f << 0.f << 0.f << 4.f << 100u << 0u << "0.0" << false;
        // Once the duration has run the whole target is expected, as the judge expects it;
        // a test of no duration has run it from the start.
        QTest::newRow("volume at the end, on the bound") << 2 << 0.7f << 0.f << 0.f << 0.77f << 9u << 9u << "10.0" << false;
        QTest::newRow("volume past the end") << 2 << 10.f << 0.f << 0.f << 10.f << 100u << 120u << "0.0" << false;
        QTest::newRow("volume duration 0") << 2 << 10.f << 0.f << 0.f << 4.f << 0u << 50u << "-60.0" << true;
        // The judge passes a limit type it does not know: no red for it either.
        QTest::newRow("unknown type is inst, unjudged") << 7 << 100.f << 0.f << 120.f << 0.f << 900u << 0u << "20.0" << false;
    }
    void flowError()
    {
        QFETCH(int, limitType);
        QFETCH(float, target);
        QFETCH(float, average);
        QFETCH(float, instant);
        QFETCH(float, volume);
        QFETCH(uint, duration);
        QFETCH(uint, lastSample);
        QFETCH(QString, shown);
        QFETCH(bool, red);
        INFUSION_PUMP_TEST_DATA live;
        live.fFlowRate_Ave = average;
        live.fFlowRate_Instant = instant;
        live.fVolume = volume;
        const auto e = ManualTestArithmetic::flowError(flowLimits(quint32(limitType), target, 10, 5),
                                                       live, duration, lastSample);
        QVERIFY(std::isfinite(e.percent));
        QCOMPARE(QString::number(e.percent, 'f', 1), shown);
        QCOMPARE(e.red, red);
    }

    void idleState_data()
    {
        QTest::addColumn<int>("samples");
        QTest::addColumn<uint>("duration");
        QTest::addColumn<int>("state");
        QTest::newRow("no samples") << 0 << 900u << int(ManualTestArithmetic::Ready);
        QTest::newRow("some") << 10 << 900u << int(ManualTestArithmetic::Stopped);
        QTest::newRow("all") << 900 << 900u << int(ManualTestArithmetic::Completed);
        QTest::newRow("more") << 901 << 900u << int(ManualTestArithmetic::Completed);
        // A fresh channel set to a zero duration has not completed anything.
        QTest::newRow("none of zero") << 0 << 0u << int(ManualTestArithmetic::Ready);
    }
    void idleState()
    {
        QFETCH(int, samples);
        QFETCH(uint, duration);
        QFETCH(int, state);
        QCOMPARE(int(ManualTestArithmetic::idleState(samples, duration)), state);
    }

    void nextUsableChannel_data()
    {
        QTest::addColumn<int>("shown");
        QTest::addColumn<QList<int>>("statuses");
        QTest::addColumn<int>("found");
        QTest::addColumn<int>("looks");
        QTest::newRow("next") << 0 << QList<int>{1, 1, 1, 1} << 1 << 1;
        QTest::newRow("wraps") << 3 << QList<int>{1, 1, 1, 1} << 0 << 1;
        QTest::newRow("skips absent and lost") << 0 << QList<int>{1, 0, 2, 1} << 3 << 3;
        QTest::newRow("only itself") << 2 << QList<int>{0, 2, 1, 0} << 2 << 4;
        QTest::newRow("none usable") << 1 << QList<int>{0, 0, 2, 0} << -1 << 4;
    }
    void nextUsableChannel()
    {
        QFETCH(int, shown);
        QFETCH(QList<int>, statuses);
        QFETCH(int, found);
        QFETCH(int, looks);
        int count = 0;
        const int result = ManualTestArithmetic::nextUsableChannel(shown, [&](int c) {
            ++count;
            return statuses.at(c);
        });
        QCOMPARE(result, found);
        QCOMPARE(count, looks);
    }

    void formatVolume_data()
    {
        QTest::addColumn<float>("volume");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero") << 0.f << "0.00";
        QTest::newRow("12.3456") << 12.3456f << "12.3";
        QTest::newRow("1234.5") << 1234.5f << "1.23e+03";
        QTest::newRow("0.5") << 0.5f << "0.500";
    }
    void formatVolume()
    {
        QFETCH(float, volume);
        QFETCH(QString, text);
        QCOMPARE(ManualTestArithmetic::formatVolume(volume), text);
    }
    void fitNumber_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<int>("room"); // characters
        QTest::addColumn<QString>("text");
        QTest::newRow("fits as it is") << 12.3456 << 3 << 9 << "12.346";
        QTest::newRow("fewer decimals") << 4294967.295 << 3 << 9 << "4294967.3";
        QTest::newRow("no decimals") << 4294967.295 << 3 << 7 << "4294967";
        QTest::newRow("power of ten") << 4294967.295 << 3 << 6 << "4.29e6";
        QTest::newRow("fewer digits") << 4294967.295 << 2 << 4 << "4e6";
        QTest::newRow("negative") << -3276.8 << 2 << 6 << "-3277";
        QTest::newRow("negative power of ten") << -32768000.0 << 2 << 6 << "-3.3e7";
        QTest::newRow("small") << 0.000123 << 2 << 8 << "0.00";
        QTest::newRow("nothing fits") << 4294967.295 << 3 << 2 << "#";
    }
    void fitNumber()
    {
        QFETCH(double, value);
        QFETCH(int, decimals);
        QFETCH(int, room);
        QFETCH(QString, text);
        QCOMPARE(ManualTestArithmetic::fitNumber(value, decimals,
                                                 [room](const QString &t) { return t.size() <= room; }),
                 text);
    }

    void stepIndex_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("delta");
        QTest::addColumn<int>("next");
        // Seven items, as on the flow running screen.
        QTest::newRow("forward") << 0 << 120 << 1;
        QTest::newRow("forward wraps") << 6 << 120 << 0;
        QTest::newRow("back wraps") << 0 << -120 << 6;
        QTest::newRow("zero delta goes back") << 3 << 0 << 2;
    }
    void stepIndex()
    {
        QFETCH(int, index);
        QFETCH(int, delta);
        QFETCH(int, next);
        QCOMPARE(ManualTestArithmetic::stepIndex(index, 7, delta), next);
    }

    void bolusTable_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("maxOffset");
        QTest::newRow("none") << 0 << 0 << 1 << 0;
        QTest::newRow("one") << 1 << 0 << 1 << 0;
        QTest::newRow("two") << 2 << 0 << 1 << 0;
        QTest::newRow("three") << 3 << 0 << 1 << 0;
        QTest::newRow("five newest") << 5 << 0 << 3 << 2;
        QTest::newRow("five scrolled back") << 5 << 2 << 1 << 2;
    }
    void bolusTable()
    {
        QFETCH(int, count);
        QFETCH(int, offset);
        QFETCH(int, first);
        QFETCH(int, maxOffset);
        QCOMPARE(ManualTestArithmetic::firstShownBolus(count, offset), first);
        QCOMPARE(ManualTestArithmetic::maxBolusOffset(count), maxOffset);
    }

    void pcaWindow_data()
    {
        QTest::addColumn<float>("basal");
        QTest::addColumn<int>("window");
        QTest::newRow("1.00") << 1.0f << 30;
        QTest::newRow("5.00") << 5.0f << 30;
        QTest::newRow("5.10") << 5.1f << 10;
        QTest::newRow("30.00") << 30.0f << 10;
    }
    void pcaWindow()
    {
        QFETCH(float, basal);
        QFETCH(int, window);
        QCOMPARE(int(ManualTestArithmetic::pcaWindowSize(basal)), window);
    }

    void bolusJudgement_data()
    {
        QTest::addColumn<float>("volume");
        QTest::addColumn<float>("target");
        QTest::addColumn<int>("judgement");
        // Upper 20 %, lower 10 %.
        QTest::newRow("low bound") << 9.0f << 10.f << int(ManualTestArithmetic::Inside);
        QTest::newRow("high bound") << 12.0f << 10.f << int(ManualTestArithmetic::Inside);
        QTest::newRow("below") << 8.99f << 10.f << int(ManualTestArithmetic::Outside);
        QTest::newRow("above") << 12.01f << 10.f << int(ManualTestArithmetic::Outside);
        QTest::newRow("no target") << 50.f << 0.f << int(ManualTestArithmetic::Unjudged);
    }
    void bolusJudgement()
    {
        QFETCH(float, volume);
        QFETCH(float, target);
        QFETCH(int, judgement);
        QCOMPARE(int(ManualTestArithmetic::judgeBolusVolume(volume, target, 20, 10)), judgement);
    }

    void pressureJudgement_data()
    {
        QTest::addColumn<float>("pressure");
        QTest::addColumn<float>("upper");
        QTest::addColumn<int>("judgement");
        // Lower limit 50 mmHg.
        QTest::newRow("at lower") << 50.f << 300.f << int(ManualTestArithmetic::Inside);
        QTest::newRow("at upper") << 300.f << 300.f << int(ManualTestArithmetic::Inside);
        QTest::newRow("below") << 49.f << 300.f << int(ManualTestArithmetic::Outside);
        QTest::newRow("above") << 301.f << 300.f << int(ManualTestArithmetic::Outside);
        QTest::newRow("no upper limit") << 900.f << 0.f << int(ManualTestArithmetic::Unjudged);
    }
    void pressureJudgement()
    {
        QFETCH(float, pressure);
        QFETCH(float, upper);
        QFETCH(int, judgement);
        TestSequencePassFailLimits limits;
        limits.lowerPressure = 50.f;
        limits.upperPressure = upper;
        QCOMPARE(int(ManualTestArithmetic::judgePressure(pressure, limits)), judgement);
    }
};

RONDIX_TEST(TestManualTestArithmetic)
#include "tst_ManualTestArithmetic.moc"
