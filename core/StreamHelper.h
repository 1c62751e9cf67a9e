#pragma once

#include <QDataStream>
#include <QDateTime>

// The one place that fixes the byte form of every stored stream: the stream version
// of the instrument's toolkit (Qt 4.6 format) and little-endian order, so files stay
// byte-compatible with those written on the instrument.
namespace StreamHelper {

// Sets version and byte order on a stream.
void setup(QDataStream &stream);

// Writes a date-time the way the instrument's toolkit wrote it: Julian day (u32),
// milliseconds since midnight (u32), then the time-spec byte 0 (local standard time),
// 1 (local daylight-saving time) or 2 (UTC). Qt 5 would write FF for local time.
void writeDateTime(QDataStream &stream, const QDateTime &dateTime);

// Reads what writeDateTime writes, and also the other spec bytes Qt may have written.
QDateTime readDateTime(QDataStream &stream);

// Reads a byte array that may be cut off by the end of the data (the last field of a
// file that was cut): when its length runs past the end it takes the bytes that are there
// and returns false, as it does when not even the length is there (data null then).
bool readLastByteArray(QDataStream &stream, QByteArray &data);

} // namespace StreamHelper
