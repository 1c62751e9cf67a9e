#pragma once

#include <QDataStream>
#include <QDebug>

// A channel's flow-test settings; u8TestTypeSetting is the channel's test type for every
// kind of test (0 flow, 1 occlusion, 2 PCA, 3 user).
struct INFUSION_PUMP_SETTING {
    quint8 u8TestTypeSetting = 0;
    float fFlowRateSetting = 0;          // ml/h
    qint16 s16BackPressureSetting = 0;   // mmHg
    qint32 u32ElapseTimeSetting = 0;     // s; signed despite its name
    quint16 u16SamplingWindowSetting = 0; // s
    quint8 u8ScrollingItem = 0;
};

// 18 bytes: fFlowRateSetting (double), s16BackPressureSetting, u16SamplingWindowSetting,
// u32ElapseTimeSetting, u8ScrollingItem, u8TestTypeSetting.
QDataStream &operator<<(QDataStream &stream, const INFUSION_PUMP_SETTING &data);
QDataStream &operator>>(QDataStream &stream, INFUSION_PUMP_SETTING &data);
QDebug operator<<(QDebug debug, const INFUSION_PUMP_SETTING &data);
