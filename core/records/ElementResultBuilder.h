#pragma once

#include "INFUSION_PUMP_REAL_TIME_DATA.h"
#include "INFUSION_PUMP_TEST_DATA.h"
#include "PCA_TEST_DATA.h"
#include "TestResultStatus.h"

#include <QList>
#include <QString>
#include <QVector>

class TestResultElement;
class TestSequenceElement;

// Builds the result element of a finished step of an automatic run from the step
// itself and what the channel measured.
class ElementResultBuilder
{
public:
    // What a channel holds when its step has ended.
    struct Measurements
    {
        INFUSION_PUMP_TEST_DATA live;
        QVector<INFUSION_PUMP_REAL_TIME_DATA> samples;
        QList<PCA_TEST_DATA> boluses;
        // The value entered on the user-test prompt for the channel.
        double userValue = 0.0;
    };

    // The instrument's and the channel's serial numbers from the settings file
    // ("XXX-XXXX" when missing; "??" as the channel's for a channel outside 0..3).
    struct SerialNumbers
    {
        QString instrument;
        QString channel;
    };
    static SerialNumbers readSerialNumbers(unsigned short channel);

    // A new result of the step's own type, owned by the caller; null for a step of an
    // unknown type, or for a step whose class does not match its type.
    static TestResultElement *build(const TestSequenceElement &step, TEST_RESULT_STATUS status,
                                    unsigned short channel, const SerialNumbers &serials,
                                    const Measurements &measured);
};
