// Drives DataManager with arbitrary test-data replies, channel numbers (good and bad),
// start/stop, resets and remote mode, and checks after every step that the histories
// stay well formed: entry i belongs to second i + 1 and no bolus carries inf or NaN.
#include "DataManager.h"
#include "StreamHelper.h"

#include <QByteArray>
#include <QTemporaryDir>

#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace {

template <class T> void checkSeconds(const QVector<T> &history)
{
    for (int i = 0; i < history.size(); ++i) {
        if (history.at(i).u32ElapseTime != quint32(i + 1))
            std::abort();
    }
}

void checkChannel(const DataManager &dm, int ch)
{
    checkSeconds(dm.m_vecRealTimeData[ch]);
    checkSeconds(dm.m_vecFullTestData[ch]);
    for (const PCA_TEST_DATA &bolus : dm.m_listPcaTestData[ch]) {
        if (!std::isfinite(bolus.fFlowRate_Bolus) || !std::isfinite(bolus.fVolume_Bolus))
            std::abort();
    }
    const INFUSION_PUMP_TEST_DATA d = dm.getTestData(quint16(ch));
    if (!std::isfinite(d.fFlowRate_Bolus_Ave) || !std::isfinite(d.fVolume_Bolus_Ave))
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    static QTemporaryDir root;
    qputenv("INSTRUMENT_ROOT", root.path().toLocal8Bit());
    // Bad channel numbers are warned about on every run: hundreds of megabytes of log.
    qputenv("QT_LOGGING_RULES", "*.debug=false;*.warning=false");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    DataManager dm;
    dm.vSetPCABasalFlowRate(0, 1.0f);
    size_t pos = 0;
    const auto next = [&]() -> uint8_t { return pos < size ? data[pos++] : 0; };
    while (pos < size) {
        const uint8_t op = next();
        const int ch = next() % 6; // 4 and 5 are bad channel numbers
        switch (op % 6) {
        case 0: {
            const size_t length = qMin<size_t>(next() % 40, size - qMin(pos, size));
            const QByteArray reply(reinterpret_cast<const char *>(data + pos), int(length));
            pos += length;
            dm.vStoreTestData(TestData(ch, reply));
            break;
        }
        case 1:
            dm.vSetTestRunningFlag(PicRunningData(ch, next() & 1));
            break;
        case 2:
            dm.resetTestData(quint16(ch));
            break;
        case 3:
            dm.setRemoteControl(next() & 1);
            break;
        case 4:
            dm.vSetTestSetting_ElapseTime(quint16(ch), next());
            dm.vSetPCATestSetting_ElapseTime(quint16(ch), next());
            dm.vSetTestSetting_Type(quint16(ch), next() % 4);
            break;
        default:
            dm.vSetOcclusionInfusionPumpType(quint16(ch), next() & 1);
            dm.vSetPCABasalFlowRate(quint16(ch), float(next()) / 8.0f);
            break;
        }
        for (int c = 0; c < DataManager::CHANNEL_COUNT; ++c)
            checkChannel(dm, c);
    }

    // Any bytes read as records leave the stream readable and never crash.
    QDataStream in(QByteArray::fromRawData(reinterpret_cast<const char *>(data), int(size)));
    StreamHelper::setup(in);
    INFUSION_PUMP_TEST_DATA record;
    TestSequencePassFailLimits limits;
    in >> record >> limits;
    return 0;
}
