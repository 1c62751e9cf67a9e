#pragma once

#include "INFUSION_PUMP_PCA_SETTING.h"
#include "TestSequenceElement.h"

// A PCA step (basal rate, boluses, loading dose) and its settings.
class TestSequenceElementPCATest : public TestSequenceElement
{
public:
    // Null gives the defaults; otherwise a copy of the given element.
    explicit TestSequenceElementPCATest(const TestSequenceElementPCATest *other = nullptr);
    TestSequenceElementPCATest &operator=(const TestSequenceElementPCATest &other) = default;

    void serialize(QDataStream &out, bool withType) const override;
    void unserialize(QDataStream &in, bool withType) override;
    TestSequenceElement *clone() const override { return new TestSequenceElementPCATest(this); }

    INFUSION_PUMP_PCA_SETTING setting;
};
