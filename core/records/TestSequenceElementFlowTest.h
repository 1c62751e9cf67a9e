#pragma once

#include "INFUSION_PUMP_SETTING.h"
#include "TestSequenceElement.h"

// A flow-rate step and the channel settings it runs with.
class TestSequenceElementFlowTest : public TestSequenceElement
{
public:
    // Null gives the defaults; otherwise a copy of the given element.
    explicit TestSequenceElementFlowTest(const TestSequenceElementFlowTest *other = nullptr);
    TestSequenceElementFlowTest &operator=(const TestSequenceElementFlowTest &other) = default;

    void serialize(QDataStream &out, bool withType) const override;
    void unserialize(QDataStream &in, bool withType) override;
    TestSequenceElement *clone() const override { return new TestSequenceElementFlowTest(this); }

    INFUSION_PUMP_SETTING setting;
};
