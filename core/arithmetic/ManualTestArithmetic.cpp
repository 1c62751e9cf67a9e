#include "ManualTestArithmetic.h"

#include "ElementJudging.h"

#include <QtGlobal>
#include <cmath>
#include <limits>

unsigned int ManualTestArithmetic::remainingSeconds(unsigned int duration, unsigned int elapsed)
{
    return elapsed >= duration ? 0u : duration - elapsed;
}

ManualTestArithmetic::HoursMinutesSeconds ManualTestArithmetic::splitDuration(int seconds)
{
    return {seconds / 3600, (seconds % 3600) / 60, (seconds % 3600) % 60};
}

int ManualTestArithmetic::joinDuration(int hours, int minutes, int seconds)
{
    return hours * 3600 + minutes * 60 + seconds;
}

short ManualTestArithmetic::backPressureToMmHg(double entered, double unitPerMmHg)
{
    if (unitPerMmHg == 0.0)
        return 0;
    const double mmHg = std::round(entered / unitPerMmHg); // halves away from zero
    if (mmHg > std::numeric_limits<short>::max())
        return std::numeric_limits<short>::max();
    if (mmHg < std::numeric_limits<short>::min())
        return std::numeric_limits<short>::min();
    return static_cast<short>(mmHg);
}

ManualTestArithmetic::FlowError
ManualTestArithmetic::flowError(const TestSequencePassFailLimits &limits,
                                const INFUSION_PUMP_TEST_DATA &live, unsigned int duration,
                                unsigned int lastSampleElapsed)
{
    const float target = limits.flowTarget;
    double error = 0.0;
    if (target != 0.0f) {
        if (limits.limitType == TestSequencePassFailLimits::AVERAGE_FLOW) {
            error = (live.fFlowRate_Ave - target) * 100.0f / target;
        } else if (limits.limitType == TestSequencePassFailLimits::EXPECTED_VOLUME) {
            const float expected = ElementJudging::expectedVolume(target, duration, lastSampleElapsed);
            if (expected != 0.0f)
                error = (static_cast<double>(live.fVolume) - expected) * 100.0 / expected;
        } else {
            error = (live.fFlowRate_Instant - target) * 100.0f / target;
        }
    }
    const bool red = ElementJudging::judgeFlowReading(limits, live, duration, lastSampleElapsed)
        != TEST_PASS;
    return {error, red};
}

ManualTestArithmetic::IdleState ManualTestArithmetic::idleState(int samples, unsigned int duration)
{
    if (samples > 0 && static_cast<unsigned int>(samples) >= duration)
        return Completed;
    return samples > 0 ? Stopped : Ready;
}

int ManualTestArithmetic::nextUsableChannel(int shown, const std::function<int(int)> &status)
{
    for (int step = 1; step <= 4; ++step) {
        const int candidate = (shown + step) % 4;
        if (status(candidate) == 1)
            return candidate;
    }
    return -1;
}

QString ManualTestArithmetic::formatVolume(float volume)
{
    return QString::asprintf("%#.3g", static_cast<double>(volume));
}

QString ManualTestArithmetic::fitNumber(double value, int decimals,
                                       const std::function<bool(const QString &)> &fits)
{
    for (int d = decimals; d >= 0; --d) {
        const QString text = QString::number(value, 'f', d);
        if (fits(text))
            return text;
    }
    for (int digits = 2; digits >= 0; --digits) {
        // "4.29e+06" as "4.29e6": the room is short.
        QString text = QString::number(value, 'e', digits);
        const int e = text.indexOf(QLatin1Char('e'));
        QString exponent = text.mid(e + 1);
        const bool negative = exponent.startsWith(QLatin1Char('-'));
        exponent.remove(0, 1);
        while (exponent.size() > 1 && exponent.startsWith(QLatin1Char('0')))
            exponent.remove(0, 1);
        text = text.left(e + 1) + (negative ? QStringLiteral("-") : QString()) + exponent;
        if (fits(text))
            return text;
    }
    return QStringLiteral("#");
}

int ManualTestArithmetic::stepIndex(int index, int count, int delta)
{
    if (count <= 0)
        return 0;
    return delta > 0 ? (index + 1) % count : (index + count - 1) % count;
}

int ManualTestArithmetic::firstShownBolus(int count, int offset)
{
    return qMax(1, count - offset - 2);
}

int ManualTestArithmetic::maxBolusOffset(int count)
{
    return qMax(0, count - 3);
}

unsigned short ManualTestArithmetic::pcaWindowSize(float basalRate)
{
    return basalRate <= 5.0f ? 30 : 10;
}

ManualTestArithmetic::Judgement ManualTestArithmetic::judgeBolusVolume(float volume, float target,
                                                                       unsigned char upperPct,
                                                                       unsigned char lowerPct)
{
    if (target == 0.0f)
        return Unjudged;
    return ElementJudging::judgeValue(volume, target, upperPct, lowerPct) == TEST_PASS ? Inside
                                                                                         : Outside;
}

ManualTestArithmetic::Judgement
ManualTestArithmetic::judgePressure(float pressure, const TestSequencePassFailLimits &limits)
{
    if (limits.upperPressure == 0.0f)
        return Unjudged;
    return ElementJudging::judgePressure(limits, pressure) == TEST_PASS ? Inside : Outside;
}
