// Feeds arbitrary bytes from a PC to the PC link's receive path: reassembly, CRC check,
// validation and dispatch of every request. Whatever comes in: no crash, no read outside
// a buffer, the receive buffer never overfills, no request outside the allowed channels,
// test types and settings ever reaches the instrument, the way the bytes are cut into
// reads changes nothing, and once the line has fallen idle nothing of them is left to
// take in the next valid request.
//
// The first input byte chooses the cut (bits 0-5) and whether the harness mends the CRC of
// every frame it finds (bit 7), so mutated bodies get past the check and into dispatch.
#include "FuzzRoot.h"

#include "DataManager.h"
#include "InfusionPumpPowerBoardManager.h"
#include "PcRequestDispatcher.h"

#include <QCoreApplication>
#include <QList>

#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace
{

InfusionPumpPowerBoardManager *g_board = nullptr;

// Every channel back to the set-up the instrument starts with.
void resetChannels(DataManager &data)
{
    for (unsigned short c = 0; c < DataManager::CHANNEL_COUNT; ++c) {
        data.m_vecFullTestData[c].clear();
        data.resetTestData(c);
        data.vSetTestSetting_Type(c, 0);
        data.vSetTestSetting_ElapseTime(c, 900);
        data.vSetTestSetting_BackPressure(c, 0);
        data.vSetTestSetting_WindowSize(c, 30);
        data.vSetPCATestSetting_ElapseTime(c, 900);
        data.vSetPCABasalFlowRate(c, 10.0f);
        data.vSetPCABolusVolume(c, 0);
        data.vSetOcclusionInfusionPumpType(c, 0);
    }
}

void checkChannels(const DataManager &data)
{
    for (unsigned short c = 0; c < DataManager::CHANNEL_COUNT; ++c) {
        const INFUSION_PUMP_SETTING flow = data.getTestSetting(c);
        const INFUSION_PUMP_PCA_SETTING pca = data.getPCATestSetting(c);
        const bool inRange = flow.u8TestTypeSetting <= 2 && flow.u32ElapseTimeSetting >= 0 &&
                             flow.u32ElapseTimeSetting <= int(PcRequestDispatcher::maxTestTime) &&
                             flow.s16BackPressureSetting >= PcRequestDispatcher::minBackPressure &&
                             flow.s16BackPressureSetting <= PcRequestDispatcher::maxBackPressure &&
                             flow.u16SamplingWindowSetting >= PcRequestDispatcher::minWindowSize &&
                             flow.u16SamplingWindowSetting <= PcRequestDispatcher::maxWindowSize &&
                             pca.u32ElapseTimeSetting >= 0 &&
                             pca.u32ElapseTimeSetting <= int(PcRequestDispatcher::maxTestTime) &&
                             pca.fBasalFlowRateSetting >= PcRequestDispatcher::minBasalFlowRate &&
                             pca.fBasalFlowRateSetting <= PcRequestDispatcher::maxBasalFlowRate &&
                             pca.fBolusVolumeSetting >= 0 &&
                             pca.fBolusVolumeSetting <= PcRequestDispatcher::maxBolusVolume &&
                             data.getOcclusionTestSetting(c) <= PcRequestDispatcher::maxPumpType;
        if (!inRange)
            std::abort();
    }
}

quint16 crc16(const QByteArray &bytes, int from, int n)
{
    quint16 crc = 0;
    for (int i = from; i < from + n; ++i) {
        crc ^= quint16(quint8(bytes.at(i)) << 8);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 0x8000) ? quint16((crc << 1) ^ 0x1021) : quint16(crc << 1);
    }
    return crc;
}

// A Stop for channel 4: CRC (filled in), packet ID 7, length 13, opcode 3, channel byte.
QByteArray stopFrame()
{
    QByteArray f = QByteArray::fromHex("0000070000000d0000000300000004");
    const quint16 crc = crc16(f, 2, 13);
    f[0] = char(crc & 0xFF);
    f[1] = char(crc >> 8);
    return f;
}

// The requests that reached the running screens, in order.
QList<QByteArray> run(const QByteArray &bytes, int chunk)
{
    DataManager &data = g_board->m_DataManager;
    resetChannels(data);
    QList<QByteArray> log;
    PcRequestDispatcher dispatcher(*g_board);
    const auto note = [&log](const char *what, unsigned short channel, unsigned int type) {
        if (channel > 3 || type > 2)
            std::abort();
        log << QByteArray(what) + char('0' + channel) + char('0' + type);
    };
    QObject::connect(&dispatcher, &PcRequestDispatcher::startRequested,
                     [&](unsigned short c, unsigned int t) { note("start", c, t); });
    QObject::connect(&dispatcher, &PcRequestDispatcher::stopRequested,
                     [&](unsigned short c) { note("stop", c, 0); });
    QObject::connect(&dispatcher, &PcRequestDispatcher::alarmRequested,
                     [&](unsigned short c) { note("alarm", c, 0); });
    for (int i = 0; i < bytes.size(); i += chunk) {
        const QByteArray piece = bytes.mid(i, chunk);
        dispatcher.receiveBytes(piece.constData(), piece.size());
        if (dispatcher.receivedCount() >= 1024)
            std::abort();
    }
    dispatcher.lineIdle();
    if (dispatcher.receivedCount() != 0)
        std::abort();
    const QByteArray stop = stopFrame();
    dispatcher.receiveBytes(stop.constData(), stop.size());
    if (log.isEmpty() || log.last() != "stop30")
        std::abort();
    checkChannels(data);
    return log;
}

quint32 le32(const QByteArray &b, int at)
{
    return quint32(quint8(b.at(at))) | quint32(quint8(b.at(at + 1))) << 8 |
           quint32(quint8(b.at(at + 2))) << 16 | quint32(quint8(b.at(at + 3))) << 24;
}

bool possibleLength(quint32 length)
{
    return length >= 12 && length <= 1022;
}

// Gives every frame found through the length fields its right CRC.
void mendCrcs(QByteArray &bytes)
{
    int at = 0;
    while (at + 14 <= bytes.size()) {
        const quint32 length = le32(bytes, at + 6);
        if (!possibleLength(length) || at + int(length) + 2 > bytes.size())
            return;
        const quint16 crc = crc16(bytes, at + 2, int(length));
        bytes[at] = char(crc & 0xFF);
        bytes[at + 1] = char(crc >> 8);
        at += int(length) + 2;
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static int args = *argc;
    static QCoreApplication app(args, *argv);
    fuzzRoot();
    // No power board under the root: every channel stays absent and nothing real is driven.
    static InfusionPumpPowerBoardManager board(QStringLiteral("/dev/ttyAPP1"));
    g_board = &board;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    const int chunk = 1 + (data[0] & 0x3F);
    QByteArray bytes(reinterpret_cast<const char *>(data + 1), int(size - 1));
    if (data[0] & 0x80)
        mendCrcs(bytes);
    const QList<QByteArray> whole = run(bytes, qMax(1, bytes.size()));
    const QList<QByteArray> cut = run(bytes, chunk);
    if (whole != cut)
        std::abort();
    return 0;
}
