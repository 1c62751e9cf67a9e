#include "PicDelay.h"

#include <time.h>

namespace {
PicDelay::Source &installedSource()
{
    static PicDelay::Source source;
    return source;
}

qint64 now()
{
    timespec ts{};
    ::clock_gettime(CLOCK_MONOTONIC, &ts);
    return qint64(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}
} // namespace

void PicDelay::wait(qint64 nanoseconds)
{
    if (installedSource()) {
        installedSource()(nanoseconds);
        return;
    }
    const qint64 end = now() + nanoseconds;
    // Long waits sleep; short ones (clock half periods) spin, since a sleep would take
    // far longer than asked. Either way the loop ends only once the time has passed.
    for (qint64 left = end - now(); left > 0; left = end - now()) {
        if (left > 200000) {
            const timespec ts{time_t(left / 1000000000), long(left % 1000000000)};
            ::nanosleep(&ts, nullptr);
        }
    }
}

void PicDelay::setSource(Source source)
{
    installedSource() = std::move(source);
}
