#pragma once

#include "INFUSION_PUMP_TEST_DATA.h"
#include "TestSequencePassFailLimits.h"

#include <QString>
#include <functional>

// The arithmetic behind the manual test screens, kept free of widgets so that every
// rule can be checked as a table.
class ManualTestArithmetic
{
public:
    // Seconds left of a test; a test that ran past its duration has 0 left, never a
    // wrapped-around unsigned difference.
    static unsigned int remainingSeconds(unsigned int duration, unsigned int elapsed);

    // A duration in whole seconds split into the set-up screens' hour, minute and
    // second boxes, and back.
    struct HoursMinutesSeconds
    {
        int hours;
        int minutes;
        int seconds;
    };
    static HoursMinutesSeconds splitDuration(int seconds);
    static int joinDuration(int hours, int minutes, int seconds);

    // A back pressure entered in the operator's unit, as whole mmHg: the entry divided
    // by the size of one mmHg in that unit, rounded to the nearest whole number with
    // halves away from zero (so -20 mmHg stays -20 and 1.00 PSI gives 52).
    static short backPressureToMmHg(double entered, double unitPerMmHg);

    // The flow or volume error of a flow test against its manual limits, in percent of
    // what is judged against: limitType 1 the average flow, 2 the volume delivered
    // against the volume expected by the last sample's elapsed time, anything else the
    // instantaneous flow. A target of 0, or no volume expected yet, gives an error of 0.
    // Red is the verdict of the judge itself (ElementJudging::judgeFlowReading), so the
    // colour never tells another story than the verdict stored.
    struct FlowError
    {
        double percent;
        bool red;
    };
    static FlowError flowError(const TestSequencePassFailLimits &limits,
                               const INFUSION_PUMP_TEST_DATA &live, unsigned int duration,
                               unsigned int lastSampleElapsed);

    // The word shown for a flow test that does not run: 0 Ready (no samples),
    // 1 Stopped (fewer samples than the duration), 2 Completed.
    enum IdleState { Ready = 0, Stopped = 1, Completed = 2 };
    static IdleState idleState(int samples, unsigned int duration);

    // The next channel after `shown`, in the cyclic order 0..3 and ending with `shown`
    // itself, whose status is usable (1); -1 when none is. Each channel is looked at
    // at most once.
    static int nextUsableChannel(int shown, const std::function<int(int)> &status);

    // The oldest of the three boluses the PCA table shows (numbered from 1), for a
    // count of boluses and a scroll offset back from the newest.
    static int firstShownBolus(int count, int offset);
    // The largest scroll offset of the PCA bolus table: 0 while three boluses or fewer.
    static int maxBolusOffset(int count);

    // The averaging window sent with a PCA set-up: 30 s for slow basal rates (up to and
    // including 5 ml/h), 10 s above.
    static unsigned short pcaWindowSize(float basalRate);

    // How a measured value is judged against limits: not at all, inside, or outside.
    enum Judgement { Unjudged = 0, Inside = 1, Outside = 2 };
    // A bolus volume against a target and percentages, as the judge judges a bolus; a
    // target of 0 is not judged.
    static Judgement judgeBolusVolume(float volume, float target, unsigned char upperPct,
                                      unsigned char lowerPct);
    // A pressure in mmHg against the limits' pressures, as the judge judges the peak; an
    // upper limit of 0 is not judged.
    static Judgement judgePressure(float pressure, const TestSequencePassFailLimits &limits);

    // The emphasised item after one turn of the encoder: forward for a positive delta,
    // back otherwise, wrapping at both ends.
    static int stepIndex(int index, int count, int delta);

    // A number with the given decimals, or, when that does not fit its room, with fewer
    // decimals, then as a power of ten with fewer digits ("4.29e6"); never a number
    // cut short, which would read as another. "#" when not even that fits.
    static QString fitNumber(double value, int decimals, const std::function<bool(const QString &)> &fits);

    // A volume with three significant digits, trailing zeros and point kept
    // ("0.00", "12.3", "1.23e+03").
    static QString formatVolume(float volume);
};
