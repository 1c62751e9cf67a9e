#include "SystemClock.h"

#include "CommandRunner.h"

#include <QDate>
#include <QTime>

namespace SystemClock
{

QString dateCommand(const QDate &date, const QTime &time)
{
    const auto two = [](int value) {
        return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
    };
    return QStringLiteral("date -s ") + QString::number(date.year()) + two(date.month()) +
           two(date.day()) + two(time.hour()) + two(time.minute()) + QLatin1Char('.') +
           two(time.second());
}

Result set(const QDate &date, const QTime &time)
{
    if (CommandRunner::runShell(dateCommand(date, time)) != 0)
        return SystemClockFailed;
    if (CommandRunner::runShell(QStringLiteral("/sbin/hwclock -w")) != 0)
        return HardwareClockFailed;
    return Set;
}

} // namespace SystemClock
