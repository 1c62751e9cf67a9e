#pragma once

#include "TestResultElement.h"

// The operator's answer to a user-test prompt and the value entered with it.
class TestResultElementUserTest : public TestResultElement
{
public:
    TestResultElementUserTest();

    float getResult() const override { return result; }
    QString getCustomName() const override { return testName; }
    QString getCustomUnits() const override { return testUnits; }
    void serialize(QDataStream &out, bool withType) const override;
    void unserialize(QDataStream &in, bool withType) override;
    void dump(QDebug debug) const override;

    QString testName;
    QString testUnits;
    float result = 0.0f;
};
