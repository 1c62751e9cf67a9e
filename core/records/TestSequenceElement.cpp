#include "TestSequenceElement.h"

#include "StreamHelper.h"

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
    StreamHelper::writeFloat(out, limits.flowTarget);
    out << limits.flowUpperPct << limits.flowLowerPct;
    StreamHelper::writeFloat(out, limits.upperPressure);
    StreamHelper::writeFloat(out, limits.lowerPressure);
    StreamHelper::writeFloat(out, limits.bolusTarget);
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
    limits.flowTarget = StreamHelper::readFloat(in);
    in >> limits.flowUpperPct >> limits.flowLowerPct;
    limits.upperPressure = StreamHelper::readFloat(in);
    limits.lowerPressure = StreamHelper::readFloat(in);
    limits.bolusTarget = StreamHelper::readFloat(in);
    in >> limits.bolusUpperPct >> limits.bolusLowerPct;
}
