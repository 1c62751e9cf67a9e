#pragma once

#include "TestSequenceElement.h"

#include <QString>

// A prompt the operator answers pass or fail, with a value when units are given.
class TestSequenceElementUserTest : public TestSequenceElement
{
public:
    // Null gives the defaults; otherwise a copy of the given element.
    explicit TestSequenceElementUserTest(const TestSequenceElementUserTest *other = nullptr);
    TestSequenceElementUserTest &operator=(const TestSequenceElementUserTest &other) = default;

    void serialize(QDataStream &out, bool withType) const override;
    void unserialize(QDataStream &in, bool withType) override;
    TestSequenceElement *clone() const override { return new TestSequenceElementUserTest(this); }

    QString testText;
    QString units;
};
