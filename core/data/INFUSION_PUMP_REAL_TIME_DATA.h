#pragma once

#include <QDataStream>
#include <QDebug>

// One sample of a channel's per-second history.
struct INFUSION_PUMP_REAL_TIME_DATA {
    qint16 s16Pressure = 0;       // mmHg
    quint32 u32ElapseTime = 0;    // second of the test the sample belongs to
    float fVolume = 0;            // ml
    float fFlowRate_Instant = 0;  // ml/h
    float fFlowRate_Ave = 0;      // ml/h
};

// 30 bytes: fFlowRate_Ave, fFlowRate_Instant, fVolume (doubles), s16Pressure, u32ElapseTime.
QDataStream &operator<<(QDataStream &stream, const INFUSION_PUMP_REAL_TIME_DATA &data);
QDataStream &operator>>(QDataStream &stream, INFUSION_PUMP_REAL_TIME_DATA &data);
QDebug operator<<(QDebug debug, const INFUSION_PUMP_REAL_TIME_DATA &data);
