#pragma once

#include "PCA_TEST_DATA.h"

// One channel's latest parsed measurement.
struct INFUSION_PUMP_TEST_DATA {
    quint8 u8TestType = 0;        // 0 flow, 1 occlusion, 2 PCA
    quint8 u8PIC_Status = 0;      // controller status 0..7 (idle .. max)
    qint16 s16Pressure = 0;       // mmHg
    quint32 u32ElapseTime = 0;    // s
    float fVolume = 0;            // ml
    quint32 u16Revolution = 0;    // 32 bits wide despite its name
    float fFlowRate_Instant = 0;  // ml/h
    float fFlowRate_Ave = 0;      // ml/h
    float fFlowRate_Peak = 0;     // ml/h
    float fFlowRate_Min = 0;      // ml/h
    PCA_TEST_DATA Pca_Test_Data;  // the last bolus detected
    float fVolume_Bolus_Ave = 0;  // ml
    float fFlowRate_Bolus_Ave = 0; // ml/h
    quint32 u32BolusDuration_Ave = 0; // s
    qint16 s16Pressure_Peak = 0;  // mmHg
    quint32 u32OcclusionTime = 0; // s
    quint8 u8AutoOccStatus = 0;
    qint16 s16Pressure_BackOff = 0; // mmHg
};

// 103 bytes, fields in alphabetical order of their names.
QDataStream &operator<<(QDataStream &stream, const INFUSION_PUMP_TEST_DATA &data);
QDataStream &operator>>(QDataStream &stream, INFUSION_PUMP_TEST_DATA &data);
QDebug operator<<(QDebug debug, const INFUSION_PUMP_TEST_DATA &data);
