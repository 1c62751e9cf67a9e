#pragma once

#include "INFUSION_PUMP_REAL_TIME_DATA.h"
#include "INFUSION_PUMP_TEST_DATA.h"

#include <QString>
#include <QVector>

// What the per-second samples stored with a timed step must hold, or why they do not.
// The controller's seconds and the instrument's one-second poll run on separate clocks,
// so the reply that ends a step may come a second or more past its duration; the gap
// is filled with copies of that reply. Hence: one sample per second from 1, at least
// the duration, ending with the reply the step ended on (the live record stored with
// it), and every sample from the duration on a copy of that reply: the history stops
// growing when the step ends.
inline QString storedSamplesFault(const QVector<INFUSION_PUMP_REAL_TIME_DATA> &samples,
                                  quint32 duration, const INFUSION_PUMP_TEST_DATA &last)
{
    const int n = samples.size();
    if (n < int(duration))
        return QStringLiteral("%1 samples for a step of %2 s").arg(n).arg(duration);
    for (int k = 0; k < n; ++k) {
        if (samples.at(k).u32ElapseTime != quint32(k + 1))
            return QStringLiteral("sample %1 is of second %2").arg(k).arg(samples.at(k).u32ElapseTime);
    }
    if (last.u32ElapseTime != quint32(n))
        return QStringLiteral("%1 samples, but the step ended at %2 s").arg(n).arg(last.u32ElapseTime);
    const INFUSION_PUMP_REAL_TIME_DATA &end = samples.last();
    if (end.fVolume != last.fVolume || end.fFlowRate_Ave != last.fFlowRate_Ave)
        return QStringLiteral("the last sample is not the reply the step ended on");
    for (int k = int(duration) - 1; k < n; ++k) {
        const INFUSION_PUMP_REAL_TIME_DATA &s = samples.at(k);
        if (s.fVolume != end.fVolume || s.fFlowRate_Ave != end.fFlowRate_Ave
            || s.fFlowRate_Instant != end.fFlowRate_Instant || s.s16Pressure != end.s16Pressure)
            return QStringLiteral("second %1 of a %2 s step is a reply of its own, not the one "
                                  "that ended it at %3 s")
                .arg(k + 1)
                .arg(duration)
                .arg(n);
    }
    return QString();
}
