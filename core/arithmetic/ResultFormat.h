#pragma once

#include "INFUSION_PUMP_REAL_TIME_DATA.h"
#include "TestResultStatus.h"

#include <QString>
#include <QVector>

// How the result screens write the figures of a stored test, kept free of widgets so that
// every rule can be checked as a table.
namespace ResultFormat
{

// A measured value: six significant digits, exponent form when very large or small.
QString number(float value);

// A pressure already in the operator's unit: two decimals.
QString pressure(float value);

// How long the test ran: the elapsed time of its last sample, 00:00:00 without samples.
QString duration(const QVector<INFUSION_PUMP_REAL_TIME_DATA> &samples);
// Whole seconds as hh:mm:ss; hours go on counting past a day.
QString duration(quint32 seconds);

// How a verdict is shown: pass in green with a tick, fail in red with a cross; any other
// verdict is not shown at all.
struct Verdict {
    bool shown;
    bool pass;
    QString styleSheet; // of the word
    QString mark;       // the image beside it
};
Verdict verdict(TEST_RESULT_STATUS status);

} // namespace ResultFormat
