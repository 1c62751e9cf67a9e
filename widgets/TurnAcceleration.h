#pragma once

#include "PrecisionElapsedTimer.h"

#include <Qt>

// Turn-speed acceleration of the spin boxes: a slow turn steps once per detent, a fast
// one many times, so large ranges are crossed quickly and small corrections stay exact.
class TurnAcceleration
{
public:
    // No turn steps more than this, however short the interval.
    static constexpr int maxSteps = 100;

    // Steps for one wheel event of the given delta (120 per detent); restarts the
    // turn timer.
    int steps(int delta, Qt::KeyboardModifiers modifiers);

    // Steps for a detent count after the given interval in seconds; pure.
    static int stepsFor(int detents, float interval, float threshold, float exponent);

    void setParameters(float threshold, float exponent)
    {
        m_threshold = threshold;
        m_exponent = exponent;
    }

private:
    float m_threshold = 10.0f;
    float m_exponent = 1.8f;
    PrecisionElapsedTimer m_timer;
};
