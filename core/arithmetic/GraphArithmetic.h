#pragma once

#include "INFUSION_PUMP_REAL_TIME_DATA.h"
#include "TestSequencePassFailLimits.h"

#include <QString>
#include <QTime>
#include <QtGlobal>

#include <functional>

// The arithmetic behind the live and stored graphs, kept free of the plotting library so
// that every rule can be checked as a table: how long histories are thinned, how far the
// time axis reaches, which y range a curve asks for and where the limit lines lie.
class GraphArithmetic
{
public:
    // The quantity a graph shows.
    enum Quantity { FlowRate = 0, Pressure = 1, Volume = 2 };

    // A pressure in mmHg converted to the operator's unit.
    using PressureConversion = std::function<float(float)>;

    // Records per plotted point for a history of n one-second records: one up to an
    // hour, then 3, 6, 9, 12 and 24 up to a day, 168 beyond.
    static int thinningStep(qint64 n);
    // Points of the live curve: whole steps only, a trailing partial step is not drawn.
    static qint64 liveSeriesSize(qint64 n);
    // Points of a stored curve: every multiple of the step, the start of a trailing
    // partial step included.
    static qint64 storedSeriesSize(qint64 n);

    // The time axis for a last elapsed time: from 0 to one step of 10 s (first minute),
    // 120 s (up to half an hour) or 600 s (beyond) above it, with 2 or 4 major steps.
    // Tests longer than a day keep the 600 s tier.
    struct TimeAxis {
        double maximum;
        double step;
    };
    static TimeAxis timeAxis(quint32 lastElapsed);

    // Smallest and largest values a history has reached; all start at 0, so every
    // range includes 0.
    struct Extremes {
        float minFlow = 0;
        float maxFlow = 0;
        float minPressure = 0;
        float maxPressure = 0;
        float minVol = 0;
        float maxVol = 0;

        void take(const INFUSION_PUMP_REAL_TIME_DATA &record);
    };

    // The y range a curve of the quantity asks for: 20 % of head room above the largest
    // value and below a negative smallest one, 0 otherwise; a pressure top of at least
    // 10 mmHg. Invalid for any other quantity.
    struct Range {
        bool valid = false;
        float low = 0;
        float high = 0;
    };
    static Range yRange(int quantity, const Extremes &extremes, const PressureConversion &toUnit);

    // The two horizontal limit lines of a live graph, in the graph's unit. Flow limits
    // are drawn only on a flow test and only in the quantity that its limit type judges
    // (flow rate for instantaneous and average flow, volume for expected volume); a
    // target of 0 means no limits. Pressure limits are drawn only on an occlusion test,
    // an upper pressure of 0 meaning none.
    struct LimitLines {
        bool shown = false;
        float upper = 0;
        float lower = 0;
    };
    static LimitLines limitLines(int quantity, int testType,
                                 const TestSequencePassFailLimits &limits,
                                 const PressureConversion &toUnit);

    // The label of a time-axis value: base plus the whole seconds of value, as
    // "hh:mm:ss"; it wraps after 24 hours.
    static QString timeLabel(const QTime &base, double seconds);
};
