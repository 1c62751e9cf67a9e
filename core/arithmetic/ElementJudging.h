#pragma once

#include "INFUSION_PUMP_TEST_DATA.h"
#include "PCA_TEST_DATA.h"
#include "TestResultStatus.h"
#include "TestSequencePassFailLimits.h"

#include <QList>

// How an element of an automatic run is judged against the limits it carries, and the
// band the live watch of a running flow element uses. Free of screens and managers so
// that every rule is checked as a table.
class ElementJudging
{
public:
    // Bounds of a target with percentages above and below it. Each factor is a float
    // and the product is taken in double precision and rounded back to a float, so a
    // measured float equal to the stored bound is judged exactly as the instrument has
    // always judged it.
    struct Band
    {
        float lower;
        float upper;
    };
    static Band percentBand(float target, unsigned char upperPct, unsigned char lowerPct);
    // A bound counts as inside.
    static bool inBand(float value, const Band &band);
    // A value against the band of a target; a target of 0 is not judged and passes.
    // Every verdict against a target's band, and every live colour that stands for
    // one, comes from here.
    static TEST_RESULT_STATUS judgeValue(float value, float target, unsigned char upperPct,
                                         unsigned char lowerPct);

    // Verdicts of a completed element; 1 pass, 0 fail.
    // Flow: a target of 0 passes; limit type 0 judges the instantaneous flow, 1 the
    // average flow, 2 the volume; any other limit type passes.
    static TEST_RESULT_STATUS judgeFlow(const TestSequencePassFailLimits &limits,
                                        const INFUSION_PUMP_TEST_DATA &live);
    // A flow reading part-way through a test of `duration` seconds whose last sample was
    // taken at `elapsed`: as judgeFlow, except that the volume is judged against the
    // volume expected by then (see expectedVolume), and passes while none is expected
    // yet. Once the test has run its duration this is judgeFlow itself.
    static TEST_RESULT_STATUS judgeFlowReading(const TestSequencePassFailLimits &limits,
                                               const INFUSION_PUMP_TEST_DATA &live,
                                               unsigned int duration, unsigned int elapsed);
    // The share of a target volume expected after `elapsed` of `duration` seconds,
    // worked in single precision; the whole target once the duration has run (a test
    // of no duration has run it from the start).
    static float expectedVolume(float target, unsigned int duration, unsigned int elapsed);
    // Occlusion: an upper pressure of 0 passes; otherwise the peak fails above the
    // upper or below the lower pressure.
    static TEST_RESULT_STATUS judgeOcclusion(const TestSequencePassFailLimits &limits,
                                             const INFUSION_PUMP_TEST_DATA &live);
    // A pressure in mmHg against the limits' pressures, as the peak is judged above.
    static TEST_RESULT_STATUS judgePressure(const TestSequencePassFailLimits &limits,
                                            float pressure);
    // PCA: a bolus target of 0 passes; otherwise every detected bolus must lie in the
    // band (no bolus passes).
    static TEST_RESULT_STATUS judgePca(const TestSequencePassFailLimits &limits,
                                       const QList<PCA_TEST_DATA> &boluses);
    // By the channel's setting type (0 flow, 1 occlusion, 2 PCA, 3 user); a user test
    // takes the prompt's answer; any other setting type passes. A flow or PCA element
    // that ended with no sample in its history measured nothing and fails, whatever
    // its limits: a step of no duration is never passed.
    static TEST_RESULT_STATUS verdict(int settingType, const TestSequencePassFailLimits &limits,
                                      const INFUSION_PUMP_TEST_DATA &live,
                                      const QList<PCA_TEST_DATA> &boluses, int userStatus,
                                      int samples);

    // The verdict a manual test's own limits give it, by the channel's setting type, as
    // its running screen colours it: a flow reading judged part-way (judgeFlowReading),
    // occlusion and PCA as in a run; anything else has no limits and passes.
    static TEST_RESULT_STATUS manualVerdict(int settingType, const TestSequencePassFailLimits &limits,
                                            const INFUSION_PUMP_TEST_DATA &live,
                                            const QList<PCA_TEST_DATA> &boluses,
                                            unsigned int duration, unsigned int lastSampleElapsed);

    // The live watch of a running flow element with limit type 0 and a target above 0.
    // inBandCount counts consecutive in-band instantaneous readings up to 3; a reading
    // out of band after three in band asks for the test to be stopped. Any reading out
    // of band resets the count.
    static bool flowWatchStops(const TestSequencePassFailLimits &limits, float instantFlow,
                               int &inBandCount);
    // The live watch of a running occlusion element: the peak above a non-zero upper
    // pressure stops it at once.
    static bool occlusionWatchStops(const TestSequencePassFailLimits &limits, short peakPressure);
};
