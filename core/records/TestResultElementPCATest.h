#pragma once

#include "TestResultElement.h"
#include "TestSequenceElementPCATest.h"

#include <QList>

// A finished PCA test: final measurement, history, the boluses found and the step it ran.
class TestResultElementPCATest : public TestResultElement
{
public:
    TestResultElementPCATest();

    void serialize(QDataStream &out, bool withType) const override;
    void unserialize(QDataStream &in, bool withType) override;
    void dump(QDebug debug) const override;

    QVector<INFUSION_PUMP_REAL_TIME_DATA> samples;
    QList<PCA_TEST_DATA> boluses;
    INFUSION_PUMP_TEST_DATA testData;
    TestSequenceElementPCATest sequenceElement;
};
