#include "INFUSION_PUMP_OCCLUSION_SETTING.h"

QDataStream &operator<<(QDataStream &stream, const INFUSION_PUMP_OCCLUSION_SETTING &data)
{
    return stream << data.u8InfusionPumpType;
}

QDataStream &operator>>(QDataStream &stream, INFUSION_PUMP_OCCLUSION_SETTING &data)
{
    return stream >> data.u8InfusionPumpType;
}

QDebug operator<<(QDebug debug, const INFUSION_PUMP_OCCLUSION_SETTING &data)
{
    QDebugStateSaver saver(debug);
    debug.nospace() << "INFUSION_PUMP_OCCLUSION_SETTING {\n"
                    << "u8InfusionPumpType: " << int(data.u8InfusionPumpType) << "\n}";
    return debug;
}
