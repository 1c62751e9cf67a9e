#pragma once

#include <QDataStream>
#include <QDebug>

// A channel's PCA-test settings.
struct INFUSION_PUMP_PCA_SETTING {
    float fBasalFlowRateSetting = 0;     // ml/h
    float fBolusVolumeSetting = 0;       // ml
    float fTotalVolumeSetting = 0;       // ml
    float fLoadingDose = 0;              // ml
    qint32 u32ElapseTimeSetting = 0;     // s; signed despite its name
    quint16 u16SamplingWindowSetting = 0; // s
};

// 38 bytes: fBasalFlowRateSetting, fBolusVolumeSetting, fLoadingDose, fTotalVolumeSetting
// (doubles), u16SamplingWindowSetting, u32ElapseTimeSetting.
QDataStream &operator<<(QDataStream &stream, const INFUSION_PUMP_PCA_SETTING &data);
QDataStream &operator>>(QDataStream &stream, INFUSION_PUMP_PCA_SETTING &data);
QDebug operator<<(QDebug debug, const INFUSION_PUMP_PCA_SETTING &data);
