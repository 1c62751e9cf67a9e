#include "PrecisionElapsedTimer.h"

#include <time.h>

namespace {
PrecisionElapsedTimer::Clock g_clock = nullptr;
}

PrecisionElapsedTimer::PrecisionElapsedTimer()
{
    start();
}

void PrecisionElapsedTimer::setClock(Clock clock)
{
    g_clock = clock;
}

qint64 PrecisionElapsedTimer::now()
{
    if (g_clock)
        return g_clock();
    timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return qint64(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

void PrecisionElapsedTimer::start()
{
    m_startTime = now();
}

float PrecisionElapsedTimer::restart()
{
    const qint64 t = now();
    const float seconds = float(t - m_startTime) / float(m_timeBase);
    m_startTime = t;
    return seconds;
}

float PrecisionElapsedTimer::elapsed() const
{
    return float((now() - m_startTime) / m_timeBase);
}
