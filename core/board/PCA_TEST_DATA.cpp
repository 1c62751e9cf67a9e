#include "PCA_TEST_DATA.h"

#include "StreamHelper.h"

QDataStream &operator<<(QDataStream &stream, const PCA_TEST_DATA &data)
{
    StreamHelper::writeFloat(stream, data.fFlowRate_Bolus);
    StreamHelper::writeFloat(stream, data.fVolume_Bolus);
    stream << data.u16BolusCount << data.u32BolusDuration;
    return stream;
}

QDataStream &operator>>(QDataStream &stream, PCA_TEST_DATA &data)
{
    data.fFlowRate_Bolus = StreamHelper::readFloat(stream);
    data.fVolume_Bolus = StreamHelper::readFloat(stream);
    stream >> data.u16BolusCount >> data.u32BolusDuration;
    return stream;
}

QDebug operator<<(QDebug debug, const PCA_TEST_DATA &data)
{
    QDebugStateSaver saver(debug);
    debug.nospace() << "PCA_TEST_DATA {\n"
                    << "fFlowRate_Bolus: " << data.fFlowRate_Bolus << "\n"
                    << "fVolume_Bolus: " << data.fVolume_Bolus << "\n"
                    << "u16BolusCount: " << data.u16BolusCount << "\n"
                    << "u32BolusDuration: " << data.u32BolusDuration << "\n}";
    return debug;
}
