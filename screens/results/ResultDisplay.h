#pragma once

#include "TestResultStatus.h"

#include <QString>

class QLabel;

// What the result screens share in showing a stored test; the figures are written as
// ResultFormat writes them.
namespace ResultDisplay
{

// Pass shows the pass word in green with a tick, fail the fail word in red with a cross;
// any other verdict shows neither. The words come translated in the screen's context.
void showStatus(QLabel *word, QLabel *mark, TEST_RESULT_STATUS status, const QString &passText,
                const QString &failText);

// A stored pressure (whole mmHg) in the operator's unit, two decimals.
QString pressure(qint16 mmHg);
// The operator's pressure unit ("mmHg" when no board is there to say).
QString pressureUnit();

} // namespace ResultDisplay
