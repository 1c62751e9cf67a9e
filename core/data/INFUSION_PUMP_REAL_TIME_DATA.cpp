#include "INFUSION_PUMP_REAL_TIME_DATA.h"

#include "StreamHelper.h"

QDataStream &operator<<(QDataStream &stream, const INFUSION_PUMP_REAL_TIME_DATA &data)
{
    StreamHelper::writeFloat(stream, data.fFlowRate_Ave);
    StreamHelper::writeFloat(stream, data.fFlowRate_Instant);
    StreamHelper::writeFloat(stream, data.fVolume);
    stream << data.s16Pressure << data.u32ElapseTime;
    return stream;
}

QDataStream &operator>>(QDataStream &stream, INFUSION_PUMP_REAL_TIME_DATA &data)
{
    data.fFlowRate_Ave = StreamHelper::readFloat(stream);
    data.fFlowRate_Instant = StreamHelper::readFloat(stream);
    data.fVolume = StreamHelper::readFloat(stream);
    stream >> data.s16Pressure >> data.u32ElapseTime;
    return stream;
}

QDebug operator<<(QDebug debug, const INFUSION_PUMP_REAL_TIME_DATA &data)
{
    QDebugStateSaver saver(debug);
    debug.nospace() << "INFUSION_PUMP_REAL_TIME_DATA {\n"
                    << "fFlowRate_Ave: " << data.fFlowRate_Ave << "\n"
                    << "fFlowRate_Instant: " << data.fFlowRate_Instant << "\n"
                    << "fVolume: " << data.fVolume << "\n"
                    << "s16Pressure: " << data.s16Pressure << "\n"
                    << "u32ElapseTime: " << data.u32ElapseTime << "\n}";
    return debug;
}
