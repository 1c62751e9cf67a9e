#include "ElementJudging.h"

namespace {
float scaled(float target, float factor)
{
    return static_cast<float>(static_cast<double>(target) * (static_cast<double>(factor) / 100.0));
}
} // namespace

ElementJudging::Band ElementJudging::percentBand(float target, unsigned char upperPct,
                                                 unsigned char lowerPct)
{
    const float upperFactor = static_cast<float>(upperPct + 100);
    const float lowerFactor = static_cast<float>(100 - lowerPct);
    return {scaled(target, lowerFactor), scaled(target, upperFactor)};
}

bool ElementJudging::inBand(float value, const Band &band)
{
    return !(value > band.upper) && !(value < band.lower);
}

TEST_RESULT_STATUS ElementJudging::judgeValue(float value, float target, unsigned char upperPct,
                                              unsigned char lowerPct)
{
    if (target == 0.0f)
        return TEST_PASS;
    return inBand(value, percentBand(target, upperPct, lowerPct)) ? TEST_PASS : TEST_FAIL;
}

TEST_RESULT_STATUS ElementJudging::judgeFlow(const TestSequencePassFailLimits &limits,
                                             const INFUSION_PUMP_TEST_DATA &live)
{
    // A duration of 0 has always run: the volume is judged against the whole target.
    return judgeFlowReading(limits, live, 0, 0);
}

float ElementJudging::expectedVolume(float target, unsigned int duration, unsigned int elapsed)
{
    if (elapsed >= duration)
        return target;
    return target / static_cast<float>(duration) * static_cast<float>(elapsed);
}

TEST_RESULT_STATUS ElementJudging::judgeFlowReading(const TestSequencePassFailLimits &limits,
                                                    const INFUSION_PUMP_TEST_DATA &live,
                                                    unsigned int duration, unsigned int elapsed)
{
    if (limits.flowTarget == 0.0f)
        return TEST_PASS;
    float value = 0.0f;
    float target = limits.flowTarget;
    switch (limits.limitType) {
    case TestSequencePassFailLimits::INSTANT_FLOW:
        value = live.fFlowRate_Instant;
        break;
    case TestSequencePassFailLimits::AVERAGE_FLOW:
        value = live.fFlowRate_Ave;
        break;
    case TestSequencePassFailLimits::EXPECTED_VOLUME:
        value = live.fVolume;
        target = expectedVolume(limits.flowTarget, duration, elapsed);
        break;
    default:
        return TEST_PASS;
    }
    return judgeValue(value, target, limits.flowUpperPct, limits.flowLowerPct);
}

TEST_RESULT_STATUS ElementJudging::judgeOcclusion(const TestSequencePassFailLimits &limits,
                                                  const INFUSION_PUMP_TEST_DATA &live)
{
    return judgePressure(limits, static_cast<float>(live.s16Pressure_Peak));
}

TEST_RESULT_STATUS ElementJudging::judgePressure(const TestSequencePassFailLimits &limits,
                                                 float pressure)
{
    if (limits.upperPressure == 0.0f)
        return TEST_PASS;
    return (pressure > limits.upperPressure || pressure < limits.lowerPressure) ? TEST_FAIL
                                                                                 : TEST_PASS;
}

TEST_RESULT_STATUS ElementJudging::judgePca(const TestSequencePassFailLimits &limits,
                                            const QList<PCA_TEST_DATA> &boluses)
{
    for (const PCA_TEST_DATA &bolus : boluses) {
        if (judgeValue(bolus.fVolume_Bolus, limits.bolusTarget, limits.bolusUpperPct,
                       limits.bolusLowerPct) != TEST_PASS)
            return TEST_FAIL;
    }
    return TEST_PASS;
}

TEST_RESULT_STATUS ElementJudging::verdict(int settingType,
                                           const TestSequencePassFailLimits &limits,
                                           const INFUSION_PUMP_TEST_DATA &live,
                                           const QList<PCA_TEST_DATA> &boluses, int userStatus,
                                           int samples)
{
    switch (settingType) {
    case 0:
        return samples > 0 ? judgeFlow(limits, live) : TEST_FAIL;
    case 1:
        return judgeOcclusion(limits, live);
    case 2:
        return samples > 0 ? judgePca(limits, boluses) : TEST_FAIL;
    case 3:
        return static_cast<TEST_RESULT_STATUS>(userStatus);
    default:
        return TEST_PASS;
    }
}

TEST_RESULT_STATUS ElementJudging::manualVerdict(int settingType,
                                                 const TestSequencePassFailLimits &limits,
                                                 const INFUSION_PUMP_TEST_DATA &live,
                                                 const QList<PCA_TEST_DATA> &boluses,
                                                 unsigned int duration, unsigned int lastSampleElapsed)
{
    switch (settingType) {
    case 0:
        return judgeFlowReading(limits, live, duration, lastSampleElapsed);
    case 1:
        return judgeOcclusion(limits, live);
    case 2:
        return judgePca(limits, boluses);
    default:
        return TEST_PASS;
    }
}

bool ElementJudging::flowWatchStops(const TestSequencePassFailLimits &limits, float instantFlow,
                                    int &inBandCount)
{
    if (!(limits.flowTarget > 0.0f) || limits.limitType != TestSequencePassFailLimits::INSTANT_FLOW)
        return false;
    if (judgeValue(instantFlow, limits.flowTarget, limits.flowUpperPct, limits.flowLowerPct)
        == TEST_PASS) {
        if (inBandCount <= 2)
            ++inBandCount;
        return false;
    }
    const bool stop = inBandCount > 2;
    inBandCount = 0;
    return stop;
}

bool ElementJudging::occlusionWatchStops(const TestSequencePassFailLimits &limits,
                                         short peakPressure)
{
    if (limits.upperPressure == 0.0f)
        return false;
    return static_cast<float>(peakPressure) > limits.upperPressure;
}
