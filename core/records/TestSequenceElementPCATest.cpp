#include "TestSequenceElementPCATest.h"

TestSequenceElementPCATest::TestSequenceElementPCATest(const TestSequenceElementPCATest *other)
    : TestSequenceElement(2), setting()
{
    if (other) {
        *this = *other;
        id = 2;
        return;
    }
    setMeasuredTestLimits();
    setting.fBasalFlowRateSetting = 10.0f;
    setting.fBolusVolumeSetting = 0.0f;
    setting.fTotalVolumeSetting = 0.0f;
    setting.fLoadingDose = 0.0f;
    setting.u32ElapseTimeSetting = 900;
    setting.u16SamplingWindowSetting = 30;
}

void TestSequenceElementPCATest::serialize(QDataStream &out, bool withType) const
{
    TestSequenceElement::serialize(out, withType);
    out << setting;
}

void TestSequenceElementPCATest::unserialize(QDataStream &in, bool withType)
{
    TestSequenceElement::unserialize(in, withType);
    in >> setting;
}
