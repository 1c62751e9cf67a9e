#include "INFUSION_PUMP_TEST_DATA.h"

#include "StreamHelper.h"

using StreamHelper::readFloat;
using StreamHelper::writeFloat;

QDataStream &operator<<(QDataStream &stream, const INFUSION_PUMP_TEST_DATA &data)
{
    writeFloat(stream, data.fFlowRate_Ave);
    writeFloat(stream, data.fFlowRate_Bolus_Ave);
    writeFloat(stream, data.fFlowRate_Instant);
    writeFloat(stream, data.fFlowRate_Min);
    writeFloat(stream, data.fFlowRate_Peak);
    writeFloat(stream, data.fVolume);
    writeFloat(stream, data.fVolume_Bolus_Ave);
    stream << data.Pca_Test_Data << data.s16Pressure << data.s16Pressure_BackOff
           << data.s16Pressure_Peak << data.u16Revolution << data.u32BolusDuration_Ave
           << data.u32ElapseTime << data.u32OcclusionTime << data.u8AutoOccStatus
           << data.u8PIC_Status << data.u8TestType;
    return stream;
}

QDataStream &operator>>(QDataStream &stream, INFUSION_PUMP_TEST_DATA &data)
{
    data.fFlowRate_Ave = readFloat(stream);
    data.fFlowRate_Bolus_Ave = readFloat(stream);
    data.fFlowRate_Instant = readFloat(stream);
    data.fFlowRate_Min = readFloat(stream);
    data.fFlowRate_Peak = readFloat(stream);
    data.fVolume = readFloat(stream);
    data.fVolume_Bolus_Ave = readFloat(stream);
    stream >> data.Pca_Test_Data >> data.s16Pressure >> data.s16Pressure_BackOff
        >> data.s16Pressure_Peak >> data.u16Revolution >> data.u32BolusDuration_Ave
        >> data.u32ElapseTime >> data.u32OcclusionTime >> data.u8AutoOccStatus
        >> data.u8PIC_Status >> data.u8TestType;
    return stream;
}

QDebug operator<<(QDebug debug, const INFUSION_PUMP_TEST_DATA &data)
{
    QDebugStateSaver saver(debug);
    debug.nospace() << "INFUSION_PUMP_TEST_DATA {\n"
                    << "fFlowRate_Ave = " << data.fFlowRate_Ave << "\n"
                    << "fFlowRate_Bolus_Ave = " << data.fFlowRate_Bolus_Ave << "\n"
                    << "fFlowRate_Instant = " << data.fFlowRate_Instant << "\n"
                    << "fFlowRate_Min = " << data.fFlowRate_Min << "\n"
                    << "fFlowRate_Peak = " << data.fFlowRate_Peak << "\n"
                    << "fVolume = " << data.fVolume << "\n"
                    << "fVolume_Bolus_Ave = " << data.fVolume_Bolus_Ave << "\n"
                    << "Pca_Test_Data = " << data.Pca_Test_Data << "\n"
                    << "s16Pressure = " << data.s16Pressure << "\n"
                    << "s16Pressure_BackOff = " << data.s16Pressure_BackOff << "\n"
                    << "s16Pressure_Peak = " << data.s16Pressure_Peak << "\n"
                    << "u16Revolution = " << data.u16Revolution << "\n"
                    << "u32BolusDuration_Ave = " << data.u32BolusDuration_Ave << "\n"
                    << "u32ElapseTime = " << data.u32ElapseTime << "\n"
                    << "u32OcclusionTime = " << data.u32OcclusionTime << "\n"
                    << "u8AutoOccStatus = " << int(data.u8AutoOccStatus) << "\n"
                    << "u8PIC_Status = " << int(data.u8PIC_Status) << "\n"
                    << "u8TestType = " << int(data.u8TestType) << "\n}";
    return debug;
}
