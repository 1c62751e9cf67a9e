#pragma once

#include "TestResultElement.h"
#include "TestSequenceElementOccTest.h"

// A finished occlusion test: pump type, final measurement, history and the step it ran.
class TestResultElementOccTest : public TestResultElement
{
public:
    TestResultElementOccTest();

    void serialize(QDataStream &out, bool withType) const override;
    void unserialize(QDataStream &in, bool withType) override;
    void dump(QDebug debug) const override;

    // The byte stored for the pump type a test ran with: the channel treats any type but
    // 0 as automatic reverse, so the record says so with 1.
    static unsigned char storedPumpType(unsigned char ranWith);

    QVector<INFUSION_PUMP_REAL_TIME_DATA> samples;
    INFUSION_PUMP_TEST_DATA testData;
    // 1 automatic reverse, any other value manual.
    unsigned char pumpType = 0;
    TestSequenceElementOccTest sequenceElement;
};
