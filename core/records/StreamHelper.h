#pragma once

#include <QDataStream>
#include <QDateTime>

// The byte format of the instrument's stored files, in one place: the stream version of
// the instrument's toolkit (Qt 4.6 format) and little-endian order, set on every stream
// the program writes or reads, and the writers of the fields that must not follow Qt 5's
// defaults or a stream's settings (dates, floats), so files stay byte-compatible with
// those written on the instrument. Records and element lists lay their fields out on it.
namespace StreamHelper {

// Sets version and byte order on a stream.
void setup(QDataStream &stream);

// A float field is an 8-byte IEEE double, as the 4.6 format writes it. It goes out as
// the double's 64 bits so the bytes stay the same whatever floating-point precision a
// caller's stream is set to.
void writeFloat(QDataStream &stream, float value);
float readFloat(QDataStream &stream);

// Writes a date-time the way the instrument's toolkit wrote it: Julian day (u32),
// milliseconds since midnight (u32), then the time-spec byte 0 (local standard time),
// 1 (local daylight-saving time) or 2 (UTC). Qt 5 would write FF for local time.
void writeDateTime(QDataStream &stream, const QDateTime &dateTime);

// Reads what writeDateTime writes, and also the other spec bytes Qt may have written;
// Julian day 0 reads as no date.
QDateTime readDateTime(QDataStream &stream);

// Reads a byte array that may be cut off by the end of the data (the last field of a
// file that was cut): when its length runs past the end it takes the bytes that are there
// and returns false, as it does when not even the length is there (data null then).
bool readLastByteArray(QDataStream &stream, QByteArray &data);

} // namespace StreamHelper
