#include "TestSequenceElementOccTest.h"

TestSequenceElementOccTest::TestSequenceElementOccTest(const TestSequenceElementOccTest *other)
    : TestSequenceElement(3), setting()
{
    if (other) {
        *this = *other;
        id = 3;
        return;
    }
    setMeasuredTestLimits();
    setting.u8InfusionPumpType = 0;
}

void TestSequenceElementOccTest::serialize(QDataStream &out, bool withType) const
{
    TestSequenceElement::serialize(out, withType);
    out << setting;
}

void TestSequenceElementOccTest::unserialize(QDataStream &in, bool withType)
{
    TestSequenceElement::unserialize(in, withType);
    in >> setting;
}
