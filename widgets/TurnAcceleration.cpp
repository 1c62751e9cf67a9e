#include "TurnAcceleration.h"

#include <cmath>

int TurnAcceleration::stepsFor(int detents, float interval, float threshold, float exponent)
{
    // An interval of zero or less (a clock that went back) tells nothing about the
    // speed: it counts as a slow turn.
    if (detents == 0 || interval <= 0.0f)
        return detents;
    const float speed = std::fabs(float(detents) / interval);
    if (!(speed > threshold))
        return detents;
    const float accelerated = std::pow(speed / threshold, exponent);
    const int steps = accelerated >= float(maxSteps) ? maxSteps : int(accelerated);
    return detents > 0 ? steps : -steps;
}

int TurnAcceleration::steps(int delta, Qt::KeyboardModifiers modifiers)
{
    const int detents = delta / 120;
    const float interval = m_timer.restart();
    int steps = stepsFor(detents, interval, m_threshold, m_exponent);
    if (modifiers & Qt::ControlModifier)
        steps *= 10;
    return steps;
}
