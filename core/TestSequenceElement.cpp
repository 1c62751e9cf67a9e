#include "TestSequenceElement.h"

#include "RecordStream.h"

TestSequenceElement::TestSequenceElement(unsigned char type)
    : id(type), limits()
{
    limits.limitType = TestSequencePassFailLimits::AVERAGE_FLOW;
}

void TestSequenceElement::setMeasuredTestLimits()
{
    limits.flowTarget = 100.0f;
    limits.flowUpperPct = 10;
    limits.flowLowerPct = 10;
    limits.upperPressure = 10.0f;
    limits.lowerPressure = 10.0f;
    limits.bolusTarget = 100.0f;
    limits.bolusUpperPct = 10;
    limits.bolusLowerPct = 10;
}

void TestSequenceElement::serialize(QDataStream &out, bool withType) const
{
    if (withType)
        out << quint8(id);
    out << quint8(limits.limitType);
    RecordStream::writeFloat(out, limits.flowTarget);
    out << limits.flowUpperPct << limits.flowLowerPct;
    RecordStream::writeFloat(out, limits.upperPressure);
    RecordStream::writeFloat(out, limits.lowerPressure);
    RecordStream::writeFloat(out, limits.bolusTarget);
    out << limits.bolusUpperPct << limits.bolusLowerPct;
}

void TestSequenceElement::unserialize(QDataStream &in, bool withType)
{
    if (withType) {
        quint8 type = 0;
        in >> type;
        id = type;
    }
    quint8 limitType = 0;
    in >> limitType;
    limits.limitType = limitType;
    limits.flowTarget = RecordStream::readFloat(in);
    in >> limits.flowUpperPct >> limits.flowLowerPct;
    limits.upperPressure = RecordStream::readFloat(in);
    limits.lowerPressure = RecordStream::readFloat(in);
    limits.bolusTarget = RecordStream::readFloat(in);
    in >> limits.bolusUpperPct >> limits.bolusLowerPct;
}
