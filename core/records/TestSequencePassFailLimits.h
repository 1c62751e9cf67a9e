#pragma once

#include <QDataStream>

// Pass/fail limits of one test.
struct TestSequencePassFailLimits {
    // What the flow limits judge.
    enum LimitType : quint32 { INSTANT_FLOW = 0, AVERAGE_FLOW = 1, EXPECTED_VOLUME = 2 };

    quint32 limitType = INSTANT_FLOW;
    float flowTarget = 0;       // ml/h, or ml for EXPECTED_VOLUME
    quint8 flowUpperPct = 0;    // percent above the target
    quint8 flowLowerPct = 0;    // percent below the target
    float upperPressure = 0;    // mmHg
    float lowerPressure = 0;    // mmHg
    float bolusTarget = 0;      // ml
    quint8 bolusUpperPct = 0;
    quint8 bolusLowerPct = 0;
};

// The 37-byte form kept in the settings file: bolusLowerPct, bolusTarget, bolusUpperPct,
// flowLowerPct, flowTarget, limitType (one byte), flowUpperPct, lowerPressure,
// upperPressure. Sequence and result elements stream their limits in member order
// themselves.
QDataStream &operator<<(QDataStream &stream, const TestSequencePassFailLimits &data);
QDataStream &operator>>(QDataStream &stream, TestSequencePassFailLimits &data);
