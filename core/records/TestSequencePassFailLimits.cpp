#include "TestSequencePassFailLimits.h"

#include "StreamHelper.h"

using StreamHelper::readFloat;
using StreamHelper::writeFloat;

QDataStream &operator<<(QDataStream &stream, const TestSequencePassFailLimits &data)
{
    stream << data.bolusLowerPct;
    writeFloat(stream, data.bolusTarget);
    stream << data.bolusUpperPct << data.flowLowerPct;
    writeFloat(stream, data.flowTarget);
    stream << quint8(data.limitType) << data.flowUpperPct;
    writeFloat(stream, data.lowerPressure);
    writeFloat(stream, data.upperPressure);
    return stream;
}

QDataStream &operator>>(QDataStream &stream, TestSequencePassFailLimits &data)
{
    stream >> data.bolusLowerPct;
    data.bolusTarget = readFloat(stream);
    stream >> data.bolusUpperPct >> data.flowLowerPct;
    data.flowTarget = readFloat(stream);
    quint8 type = 0;
    stream >> type >> data.flowUpperPct;
    data.limitType = type;
    data.lowerPressure = readFloat(stream);
    data.upperPressure = readFloat(stream);
    return stream;
}
