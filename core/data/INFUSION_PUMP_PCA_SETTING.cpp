#include "INFUSION_PUMP_PCA_SETTING.h"

#include "StreamHelper.h"

using StreamHelper::readFloat;
using StreamHelper::writeFloat;

QDataStream &operator<<(QDataStream &stream, const INFUSION_PUMP_PCA_SETTING &data)
{
    writeFloat(stream, data.fBasalFlowRateSetting);
    writeFloat(stream, data.fBolusVolumeSetting);
    writeFloat(stream, data.fLoadingDose);
    writeFloat(stream, data.fTotalVolumeSetting);
    stream << data.u16SamplingWindowSetting << data.u32ElapseTimeSetting;
    return stream;
}

QDataStream &operator>>(QDataStream &stream, INFUSION_PUMP_PCA_SETTING &data)
{
    data.fBasalFlowRateSetting = readFloat(stream);
    data.fBolusVolumeSetting = readFloat(stream);
    data.fLoadingDose = readFloat(stream);
    data.fTotalVolumeSetting = readFloat(stream);
    stream >> data.u16SamplingWindowSetting >> data.u32ElapseTimeSetting;
    return stream;
}

QDebug operator<<(QDebug debug, const INFUSION_PUMP_PCA_SETTING &data)
{
    QDebugStateSaver saver(debug);
    debug.nospace() << "INFUSION_PUMP_PCA_SETTING {\n"
                    << "fBasalFlowRateSetting: " << data.fBasalFlowRateSetting << "\n"
                    << "fBolusVolumeSetting: " << data.fBolusVolumeSetting << "\n"
                    << "fLoadingDose: " << data.fLoadingDose << "\n"
                    << "fTotalVolumeSetting: " << data.fTotalVolumeSetting << "\n"
                    << "u16SamplingWindowSetting: " << data.u16SamplingWindowSetting << "\n"
                    << "u32ElapseTimeSetting: " << data.u32ElapseTimeSetting << "\n}";
    return debug;
}
