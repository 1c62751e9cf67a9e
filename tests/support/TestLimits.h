#pragma once

#include "TestSequencePassFailLimits.h"

// Flow limits of a test: what they judge (0 instantaneous flow, 1 average flow,
// 2 expected volume), the target and the percentages above and below it.
inline TestSequencePassFailLimits flowLimits(quint32 type, float target, quint8 upperPct,
                                             quint8 lowerPct)
{
    TestSequencePassFailLimits limits;
    limits.limitType = type;
    limits.flowTarget = target;
    limits.flowUpperPct = upperPct;
    limits.flowLowerPct = lowerPct;
    return limits;
}
