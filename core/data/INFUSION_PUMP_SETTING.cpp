#include "INFUSION_PUMP_SETTING.h"

#include "StreamHelper.h"

QDataStream &operator<<(QDataStream &stream, const INFUSION_PUMP_SETTING &data)
{
    StreamHelper::writeFloat(stream, data.fFlowRateSetting);
    stream << data.s16BackPressureSetting << data.u16SamplingWindowSetting
           << data.u32ElapseTimeSetting << data.u8ScrollingItem << data.u8TestTypeSetting;
    return stream;
}

QDataStream &operator>>(QDataStream &stream, INFUSION_PUMP_SETTING &data)
{
    data.fFlowRateSetting = StreamHelper::readFloat(stream);
    stream >> data.s16BackPressureSetting >> data.u16SamplingWindowSetting
        >> data.u32ElapseTimeSetting >> data.u8ScrollingItem >> data.u8TestTypeSetting;
    return stream;
}

QDebug operator<<(QDebug debug, const INFUSION_PUMP_SETTING &data)
{
    QDebugStateSaver saver(debug);
    debug.nospace() << "INFUSION_PUMP_SETTING {\n"
                    << "fFlowRateSetting: " << data.fFlowRateSetting << "\n"
                    << "s16BackPressureSetting: " << data.s16BackPressureSetting << "\n"
                    << "u16SamplingWindowSetting: " << data.u16SamplingWindowSetting << "\n"
                    << "u32ElapseTimeSetting: " << data.u32ElapseTimeSetting << "\n"
                    << "u8ScrollingItem: " << int(data.u8ScrollingItem) << "\n"
                    << "u8TestTypeSetting: " << int(data.u8TestTypeSetting) << "\n}";
    return debug;
}
