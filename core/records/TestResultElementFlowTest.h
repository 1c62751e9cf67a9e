#pragma once

#include "TestResultElement.h"
#include "TestSequenceElementFlowTest.h"

// A finished flow-rate test: final measurement, per-second history and the step it ran.
class TestResultElementFlowTest : public TestResultElement
{
public:
    TestResultElementFlowTest();

    void serialize(QDataStream &out, bool withType) const override;
    void unserialize(QDataStream &in, bool withType) override;
    void dump(QDebug debug) const override;

    QVector<INFUSION_PUMP_REAL_TIME_DATA> samples;
    INFUSION_PUMP_TEST_DATA testData;
    TestSequenceElementFlowTest sequenceElement;
};
