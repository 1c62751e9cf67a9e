#include "TestSequenceElementFlowTest.h"

TestSequenceElementFlowTest::TestSequenceElementFlowTest(const TestSequenceElementFlowTest *other)
    : TestSequenceElement(1), setting()
{
    if (other) {
        *this = *other;
        id = 1;
        return;
    }
    setMeasuredTestLimits();
    setting.u8TestTypeSetting = 0;
    setting.fFlowRateSetting = 100.0f;
    setting.s16BackPressureSetting = 0;
    setting.u32ElapseTimeSetting = 900;
    setting.u16SamplingWindowSetting = 30;
    setting.u8ScrollingItem = 0;
}

void TestSequenceElementFlowTest::serialize(QDataStream &out, bool withType) const
{
    TestSequenceElement::serialize(out, withType);
    out << setting;
}

void TestSequenceElementFlowTest::unserialize(QDataStream &in, bool withType)
{
    TestSequenceElement::unserialize(in, withType);
    in >> setting;
}
