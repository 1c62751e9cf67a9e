#pragma once

#include <QString>

class QDate;
class QTime;

// Setting the instrument's clock: the system clock with "date", then the battery-backed
// hardware clock from it with "hwclock", both through the command runner.
namespace SystemClock
{

enum Result {
    Set,                 // both clocks hold the new time
    SystemClockFailed,   // nothing changed; the hardware clock was left alone
    HardwareClockFailed, // the time runs now but is lost at the next power-off
};

// "date -s YYYYMMDDhhmm.ss" for a local date and a time of day (hour 0..23).
QString dateCommand(const QDate &date, const QTime &time);

// Sets both clocks. The hardware clock is written only once the system clock has taken
// the time, so a refused date never reaches it.
Result set(const QDate &date, const QTime &time);

} // namespace SystemClock
