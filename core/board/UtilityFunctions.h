#pragma once

#include <QByteArray>
#include <QDateTime>

class QLayout;

// Conversions between the channel controllers' date bytes and QDateTime, and a helper
// that enables or disables every widget of a layout tree.
class UtilityFunctions
{
public:
    virtual ~UtilityFunctions() = default;

    // Bytes: 0 minute, 1 hour, 2 day, 3 month, 4 year low, 5 year high; local time,
    // seconds 0. Fewer than six bytes or an impossible date give an invalid date-time.
    static QDateTime picToQDate(const QByteArray &date);
    // The same six bytes followed by 120, 120.
    static QByteArray qDateToPic(const QDateTime &dateTime);
    static void setLayoutEnabled(QLayout *layout, bool enable);
};
