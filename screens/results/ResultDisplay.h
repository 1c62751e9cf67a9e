#pragma once

#include "INFUSION_PUMP_REAL_TIME_DATA.h"
#include "TestResultStatus.h"

#include <QString>
#include <QVector>

class QLabel;

// What the result screens share in showing a stored test.
namespace ResultDisplay
{

// Pass shows the pass word in green with a tick, fail the fail word in red with a cross;
// any other verdict shows neither. The words come translated in the screen's context.
void showStatus(QLabel *word, QLabel *mark, TEST_RESULT_STATUS status, const QString &passText,
                const QString &failText);

// A measured value: six significant digits, exponent form when very large or small.
QString number(float value);

// A stored pressure (whole mmHg) in the operator's unit, two decimals.
QString pressure(qint16 mmHg);
// The operator's pressure unit ("mmHg" when no board is there to say).
QString pressureUnit();

// How long the test ran: the elapsed time of its last sample, 00:00:00 without samples.
QString duration(const QVector<INFUSION_PUMP_REAL_TIME_DATA> &samples);
// Whole seconds as hh:mm:ss; hours go on counting past a day.
QString duration(quint32 seconds);

} // namespace ResultDisplay
