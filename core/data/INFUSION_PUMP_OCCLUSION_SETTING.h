#pragma once

#include <QDataStream>
#include <QDebug>

// A channel's occlusion-test setting: pump type 0 "Manual", 1 "Auto Reverse".
struct INFUSION_PUMP_OCCLUSION_SETTING {
    quint8 u8InfusionPumpType = 0;
};

// 1 byte.
QDataStream &operator<<(QDataStream &stream, const INFUSION_PUMP_OCCLUSION_SETTING &data);
QDataStream &operator>>(QDataStream &stream, INFUSION_PUMP_OCCLUSION_SETTING &data);
QDebug operator<<(QDebug debug, const INFUSION_PUMP_OCCLUSION_SETTING &data);
