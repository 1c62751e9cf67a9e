#pragma once

#include "INFUSION_PUMP_OCCLUSION_SETTING.h"
#include "TestSequenceElement.h"

// An occlusion step and the pump type it runs with.
class TestSequenceElementOccTest : public TestSequenceElement
{
public:
    // Null gives the defaults; otherwise a copy of the given element.
    explicit TestSequenceElementOccTest(const TestSequenceElementOccTest *other = nullptr);
    TestSequenceElementOccTest &operator=(const TestSequenceElementOccTest &other) = default;

    void serialize(QDataStream &out, bool withType) const override;
    void unserialize(QDataStream &in, bool withType) override;
    TestSequenceElement *clone() const override { return new TestSequenceElementOccTest(this); }

    INFUSION_PUMP_OCCLUSION_SETTING setting;
};
