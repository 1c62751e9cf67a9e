#pragma once

#include <QDataStream>

#include <cstring>

// Float fields of the stored records are 8-byte IEEE doubles in every stream (the
// toolkit's 4.6 stream format). They go out as the double's 64 bits so the bytes stay
// the same whatever floating-point precision a caller's stream is set to.
namespace RecordStream {

inline void writeFloat(QDataStream &stream, float value)
{
    const double wide = value;
    quint64 bits = 0;
    std::memcpy(&bits, &wide, sizeof bits);
    stream << bits;
}

inline float readFloat(QDataStream &stream)
{
    quint64 bits = 0;
    stream >> bits;
    double wide = 0.0;
    std::memcpy(&wide, &bits, sizeof wide);
    return float(wide);
}

} // namespace RecordStream
