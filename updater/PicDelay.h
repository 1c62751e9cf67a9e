#pragma once

#include <QtGlobal>

#include <functional>

// The waits of in-circuit programming. They are measured on the monotonic clock and last
// at least as long as asked; a stand-in source (a simulated target's clock) can take
// them over so that a whole chip can be programmed in a test without real waiting.
class PicDelay
{
public:
    static void wait(qint64 nanoseconds);

    using Source = std::function<void(qint64 nanoseconds)>;
    // An empty source restores the clock.
    static void setSource(Source source);
};
