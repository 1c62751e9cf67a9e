#include "StreamHelper.h"

#include <QTimeZone>

#include <cstring>

namespace StreamHelper {

void setup(QDataStream &stream)
{
    stream.setVersion(QDataStream::Qt_4_6);
    stream.setByteOrder(QDataStream::LittleEndian);
}

void writeFloat(QDataStream &stream, float value)
{
    const double wide = value;
    quint64 bits = 0;
    std::memcpy(&bits, &wide, sizeof bits);
    stream << bits;
}

float readFloat(QDataStream &stream)
{
    quint64 bits = 0;
    stream >> bits;
    double wide = 0.0;
    std::memcpy(&wide, &bits, sizeof wide);
    return float(wide);
}

void writeDateTime(QDataStream &stream, const QDateTime &dateTime)
{
    if (!dateTime.isValid()) {
        // Qt 4.7 wrote an invalid date-time as Julian day 0 and an invalid time.
        stream << quint32(0) << quint32(0xFFFFFFFFu) << quint8(0);
        return;
    }
    quint8 spec = 0;
    if (dateTime.timeSpec() == Qt::UTC || dateTime.timeSpec() == Qt::OffsetFromUTC) {
        spec = 2;
    } else if (dateTime.isDaylightTime()) {
        spec = 1;
    }
    const QDateTime stored = spec == 2 ? dateTime.toUTC() : dateTime;
    const QDate d = stored.date();
    const QTime t = stored.time();
    stream << quint32(d.toJulianDay()) << quint32(t.msecsSinceStartOfDay()) << spec;
}

QDateTime readDateTime(QDataStream &stream)
{
    quint32 julian = 0;
    quint32 msecs = 0;
    quint8 spec = 0;
    stream >> julian >> msecs >> spec;
    // Julian day 0 is the toolkit's null date (what writeDateTime writes for none, and
    // what a zero-filled file holds); Qt 5 would read it as 24 November 4714 BC.
    if (stream.status() != QDataStream::Ok || julian == 0)
        return QDateTime();
    const QDate d = QDate::fromJulianDay(julian);
    const QTime t = msecs == 0xFFFFFFFFu ? QTime() : QTime::fromMSecsSinceStartOfDay(int(msecs));
    if (!d.isValid() || !t.isValid())
        return QDateTime();
    if (spec == 2)
        return QDateTime(d, t, Qt::UTC).toLocalTime();
    return QDateTime(d, t, Qt::LocalTime);
}

bool readLastByteArray(QDataStream &stream, QByteArray &data)
{
    data = QByteArray();
    quint32 length = 0;
    stream >> length;
    if (stream.status() != QDataStream::Ok)
        return false;
    if (length == 0xFFFFFFFFu)
        return true;
    const qint64 there = qMin<qint64>(length, stream.device()->bytesAvailable());
    data.resize(int(there));
    if (stream.readRawData(data.data(), int(there)) != int(there)) {
        data = QByteArray();
        return false;
    }
    return there == length;
}

} // namespace StreamHelper
