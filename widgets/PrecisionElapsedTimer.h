#pragma once

#include <QtGlobal>

// Stopwatch for the time between two turns of the encoder, in nanoseconds. It reads a
// monotonic clock, so setting the date on the clock screen cannot make an interval
// negative; tests install a clock of their own.
class PrecisionElapsedTimer
{
public:
    using Clock = qint64 (*)(); // nanoseconds

    PrecisionElapsedTimer();

    void start();
    // Seconds since the last start, with fractions; then starts again.
    float restart();
    // Whole seconds since the last start; does not restart.
    float elapsed() const;

    // Replaces the clock of every timer (nullptr restores the monotonic clock).
    static void setClock(Clock clock);

private:
    static qint64 now();

    qint64 m_startTime = 0;
    qint64 m_timeBase = 1000000000;
};
