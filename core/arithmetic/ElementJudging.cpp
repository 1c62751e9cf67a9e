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

TEST_RESULT_STATUS ElementJudging::judgeFlow(const TestSequencePassFailLimits &limits,
                                             const INFUSION_PUMP_TEST_DATA &live)
{
    if (limits.flowTarget == 0.0f)
        return TEST_PASS;
    float value = 0.0f;
    switch (limits.limitType) {
    case TestSequencePassFailLimits::INSTANT_FLOW:
        value = live.fFlowRate_Instant;
        break;
    case TestSequencePassFailLimits::AVERAGE_FLOW:
        value = live.fFlowRate_Ave;
        break;
    case TestSequencePassFailLimits::EXPECTED_VOLUME:
        value = live.fVolume;
        break;
    default:
        return TEST_PASS;
    }
    const Band band = percentBand(limits.flowTarget, limits.flowUpperPct, limits.flowLowerPct);
    return inBand(value, band) ? TEST_PASS : TEST_FAIL;
}

TEST_RESULT_STATUS ElementJudging::judgeOcclusion(const TestSequencePassFailLimits &limits,
                                                  const INFUSION_PUMP_TEST_DATA &live)
{
    if (limits.upperPressure == 0.0f)
        return TEST_PASS;
    const float peak = static_cast<float>(live.s16Pressure_Peak);
    return (peak > limits.upperPressure || peak < limits.lowerPressure) ? TEST_FAIL : TEST_PASS;
}

TEST_RESULT_STATUS ElementJudging::judgePca(const TestSequencePassFailLimits &limits,
                                            const QList<PCA_TEST_DATA> &boluses)
{
    if (limits.bolusTarget == 0.0f)
        return TEST_PASS;
    const Band band = percentBand(limits.bolusTarget, limits.bolusUpperPct, limits.bolusLowerPct);
    for (const PCA_TEST_DATA &bolus : boluses) {
        if (!inBand(bolus.fVolume_Bolus, band))
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

bool ElementJudging::flowWatchStops(const TestSequencePassFailLimits &limits, float instantFlow,
                                    int &inBandCount)
{
    if (!(limits.flowTarget > 0.0f) || limits.limitType != TestSequencePassFailLimits::INSTANT_FLOW)
        return false;
    const Band band = percentBand(limits.flowTarget, limits.flowUpperPct, limits.flowLowerPct);
    if (inBand(instantFlow, band)) {
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
