#pragma once

#include "TestSequencePassFailLimits.h"

#include <QDataStream>

// One step of a test sequence: its element type (0 user, 1 flow, 2 PCA, 3 occlusion),
// its pass/fail limits and, in the subclasses, the settings the channel runs it with.
class TestSequenceElement
{
public:
    explicit TestSequenceElement(unsigned char type);
    TestSequenceElement(const TestSequenceElement &other) = default;
    virtual ~TestSequenceElement() = default;
    // Copies the type and the limits.
    TestSequenceElement &operator=(const TestSequenceElement &other) = default;

    // Field by field; the type byte first when withType is set. Limits go out in member
    // order here, not in the order of the limits record's own stream.
    virtual void serialize(QDataStream &out, bool withType) const;
    virtual void unserialize(QDataStream &in, bool withType);
    // A new element of the same class with the same limits and settings.
    virtual TestSequenceElement *clone() const = 0;

    unsigned char id;
    TestSequencePassFailLimits limits;

protected:
    // Defaults of the flow, PCA and occlusion steps.
    void setMeasuredTestLimits();
};
