#include "ResultFormat.h"

namespace ResultFormat
{

QString number(float value)
{
    return QString::number(double(value), 'g', 6);
}

QString pressure(float value)
{
    return QString::number(double(value), 'f', 2);
}

QString duration(const QVector<INFUSION_PUMP_REAL_TIME_DATA> &samples)
{
    return duration(samples.isEmpty() ? 0 : samples.constLast().u32ElapseTime);
}

QString duration(quint32 seconds)
{
    const auto part = [](quint32 n) {
        return QString::number(n).rightJustified(2, QLatin1Char('0'));
    };
    return part(seconds / 3600) + QLatin1Char(':') + part(seconds % 3600 / 60) + QLatin1Char(':') +
           part(seconds % 60);
}

Verdict verdict(TEST_RESULT_STATUS status)
{
    if (status == TEST_PASS)
        return {true, true, QStringLiteral("color: rgb(0, 170, 0);"),
                QStringLiteral(":/Resources/tick.png")};
    if (status == TEST_FAIL)
        return {true, false, QStringLiteral("color: rgb(255, 0, 0);"),
                QStringLiteral(":/Resources/cross.png")};
    return {false, false, QString(), QString()};
}

} // namespace ResultFormat
