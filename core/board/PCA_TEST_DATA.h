#pragma once

#include <QDataStream>
#include <QDebug>

// One detected PCA bolus.
struct PCA_TEST_DATA {
    quint16 u16BolusCount = 0;   // number of this bolus, from 1
    float fFlowRate_Bolus = 0;   // ml/h
    float fVolume_Bolus = 0;     // ml
    quint32 u32BolusDuration = 0; // s
};

// 22 bytes: fFlowRate_Bolus, fVolume_Bolus (doubles), u16BolusCount, u32BolusDuration.
QDataStream &operator<<(QDataStream &stream, const PCA_TEST_DATA &data);
QDataStream &operator>>(QDataStream &stream, PCA_TEST_DATA &data);
QDebug operator<<(QDebug debug, const PCA_TEST_DATA &data);
