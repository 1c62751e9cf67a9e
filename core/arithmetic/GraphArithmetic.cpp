#include "GraphArithmetic.h"

#include <cmath>

namespace {

constexpr qint64 secondsPerDay = 86400;

// A value scaled by 1.2, formed in double precision and kept as a float.
float withHeadRoom(float value)
{
    return float(double(value) * 1.2);
}

} // namespace

int GraphArithmetic::thinningStep(qint64 n)
{
    struct Tier {
        qint64 from;
        int step;
    };
    // Thresholds in hours of one-second records.
    static const Tier tiers[] = {{24 * 3600, 168}, {12 * 3600, 24}, {9 * 3600, 12},
                                 {6 * 3600, 9},    {3 * 3600, 6},   {3600, 3}};
    for (const Tier &tier : tiers) {
        if (n >= tier.from)
            return tier.step;
    }
    return 1;
}

qint64 GraphArithmetic::liveSeriesSize(qint64 n)
{
    return n > 0 ? n / thinningStep(n) : 0;
}

qint64 GraphArithmetic::storedSeriesSize(qint64 n)
{
    if (n <= 0)
        return 0;
    const int step = thinningStep(n);
    return (n + step - 1) / step;
}

GraphArithmetic::TimeAxis GraphArithmetic::timeAxis(quint32 lastElapsed)
{
    // 64-bit, so that the largest elapsed time the board can report still gets a
    // maximum above it.
    const qint64 e = lastElapsed;
    if (e < 60) {
        const qint64 maximum = (e / 10 + 1) * 10;
        return {double(maximum), double(maximum / 2)};
    }
    const qint64 tier = e <= 1800 ? 120 : 600;
    const qint64 maximum = (e / tier + 1) * tier;
    return {double(maximum), double(maximum / 4)};
}

void GraphArithmetic::Extremes::take(const INFUSION_PUMP_REAL_TIME_DATA &record)
{
    const float pressure = record.s16Pressure;
    if (record.fFlowRate_Instant < minFlow)
        minFlow = record.fFlowRate_Instant;
    if (record.fFlowRate_Instant > maxFlow)
        maxFlow = record.fFlowRate_Instant;
    if (pressure < minPressure)
        minPressure = pressure;
    if (pressure > maxPressure)
        maxPressure = pressure;
    if (record.fVolume < minVol)
        minVol = record.fVolume;
    if (record.fVolume > maxVol)
        maxVol = record.fVolume;
}

GraphArithmetic::Range GraphArithmetic::yRange(int quantity, const Extremes &extremes,
                                               const PressureConversion &toUnit)
{
    Range range;
    switch (quantity) {
    case FlowRate:
        range.low = extremes.minFlow >= 0 ? 0.0f : withHeadRoom(extremes.minFlow);
        range.high = withHeadRoom(extremes.maxFlow);
        break;
    case Pressure:
        range.low = extremes.minPressure >= 0 ? 0.0f : toUnit(withHeadRoom(extremes.minPressure));
        range.high =
            extremes.maxPressure >= 10 ? toUnit(withHeadRoom(extremes.maxPressure)) : toUnit(10.0f);
        break;
    case Volume:
        range.low = extremes.minVol >= 0 ? 0.0f : withHeadRoom(extremes.minVol);
        range.high = withHeadRoom(extremes.maxVol);
        break;
    default:
        return range;
    }
    range.valid = true;
    return range;
}

GraphArithmetic::LimitLines GraphArithmetic::limitLines(int quantity, int testType,
                                                        const TestSequencePassFailLimits &limits,
                                                        const PressureConversion &toUnit)
{
    constexpr int flowTest = 0;
    constexpr int occlusionTest = 1;
    LimitLines lines;
    switch (quantity) {
    case FlowRate:
    case Volume: {
        const bool judged = quantity == Volume
                                ? limits.limitType == TestSequencePassFailLimits::EXPECTED_VOLUME
                                : (limits.limitType == TestSequencePassFailLimits::INSTANT_FLOW ||
                                   limits.limitType == TestSequencePassFailLimits::AVERAGE_FLOW);
        if (testType != flowTest || !judged || limits.flowTarget == 0)
            return lines;
        const double target = limits.flowTarget;
        lines.upper = float(target * ((limits.flowUpperPct + 100.0f) / 100.0));
        lines.lower = float(target * ((100.0f - limits.flowLowerPct) / 100.0));
        break;
    }
    case Pressure:
        if (testType != occlusionTest || limits.upperPressure == 0)
            return lines;
        lines.upper = toUnit(limits.upperPressure);
        lines.lower = toUnit(limits.lowerPressure);
        break;
    default:
        return lines;
    }
    lines.shown = true;
    return lines;
}

QString GraphArithmetic::timeLabel(const QTime &base, double seconds)
{
    // Truncated toward zero, then folded into one day, so that no value of the axis
    // (however long the test, or a value that is not a number) overflows the clock.
    qint64 whole = std::isfinite(seconds) && std::fabs(seconds) < 1e15 ? qint64(seconds) : 0;
    whole %= secondsPerDay;
    if (whole < 0)
        whole += secondsPerDay;
    return base.addSecs(int(whole)).toString(QStringLiteral("hh:mm:ss"));
}
