#include "PcRequestDispatcher.h"

#include "BuildVersion.h"
#include "DataManager.h"
#include "DorvalenPacket.h"
#include "DorvalenPacketHandler.h"
#include "InfusionPumpPowerBoardManager.h"
#include "KovintaPacket.h"
#include "SettingsConstants.h"
#include "SettingsReader.h"

#include <QDeadlineTimer>
#include <QDebug>
#include <QTimer>

#include <cstring>

namespace
{

constexpr int kChannels = DataManager::CHANNEL_COUNT;

// Channel numbers of Start, Stop and Alarm count from 1.
bool oneBasedChannel(unsigned char channel)
{
    return channel >= 1 && channel <= kChannels;
}

// Also false for NaN.
bool within(float value, float low, float high)
{
    return value >= low && value <= high;
}

// Holds the board manager's scheduling while a request raises what belongs together.
class RequestBatch
{
public:
    explicit RequestBatch(InfusionPumpPowerBoardManager &board) : m_board(board) { m_board.vBeginRequests(); }
    ~RequestBatch() { m_board.vEndRequests(); }
    RequestBatch(const RequestBatch &) = delete;
    RequestBatch &operator=(const RequestBatch &) = delete;

private:
    InfusionPumpPowerBoardManager &m_board;
};

} // namespace

PcRequestDispatcher::PcRequestDispatcher(InfusionPumpPowerBoardManager &board, QObject *parent)
    : QObject(parent), m_board(board), m_data(board.m_DataManager), m_waitTimer(new QTimer(this))
{
    setClock({});
    m_waitTimer->setInterval(waitCheckMs);
    connect(m_waitTimer, &QTimer::timeout, this, &PcRequestDispatcher::checkWait);
    connect(&board, &InfusionPumpPowerBoardManager::startTestDone, this,
            &PcRequestDispatcher::onStartTestDone);
}

void PcRequestDispatcher::setClock(std::function<qint64()> clock)
{
    if (!clock)
        clock = [] { return QDeadlineTimer::current().deadline(); };
    m_clock = std::move(clock);
    m_lastByteAt = m_clock();
}

void PcRequestDispatcher::readFrom(DorvalenPacketHandler &port)
{
    char chunk[PcFrameHeader::frameBufferSize];
    const long long n = port.getData(chunk, PcFrameHeader::frameBufferSize - m_u32ReceivedCount);
    if (n > 0)
        receiveBytes(chunk, int(n));
}

void PcRequestDispatcher::receiveBytes(const char *data, int size)
{
    if (size > 0)
        m_lastByteAt = m_clock();
    // Every frame that fits the buffer is complete once the buffer is full, and is then
    // taken out or skipped, so there is always room for more after processFrames().
    while (size > 0) {
        const int room = PcFrameHeader::frameBufferSize - int(m_u32ReceivedCount);
        const int n = qMin(size, room);
        std::memcpy(m_receiveBuffer + m_u32ReceivedCount, data, size_t(n));
        m_u32ReceivedCount += unsigned(n);
        data += n;
        size -= n;
        processFrames(false);
    }
    if (m_u32ReceivedCount == 0)
        m_waitTimer->stop();
    else if (!m_waitTimer->isActive())
        m_waitTimer->start();
}

void PcRequestDispatcher::checkWait()
{
    if (m_u32ReceivedCount == 0) {
        m_waitTimer->stop();
        return;
    }
    if (m_clock() - m_lastByteAt < m_waitMs)
        return;
    // A busy event loop may not have passed on bytes that came in time.
    if (m_data.m_pPacketHandler)
        readFrom(*m_data.m_pPacketHandler);
    if (m_u32ReceivedCount > 0 && m_clock() - m_lastByteAt >= m_waitMs)
        lineIdle();
}

void PcRequestDispatcher::lineIdle()
{
    m_waitTimer->stop();
    processFrames(true);
}

void PcRequestDispatcher::clearReceiveBuffer()
{
    m_u32ReceivedCount = 0;
    m_u32SkippedCount = 0;
    m_waitTimer->stop();
}

void PcRequestDispatcher::dropReceived(unsigned int count)
{
    m_u32ReceivedCount -= count;
    std::memmove(m_receiveBuffer, m_receiveBuffer + count, m_u32ReceivedCount);
}

void PcRequestDispatcher::processFrames(bool idle)
{
    // Bytes before this offset are known not to start a frame. They leave the buffer
    // together, and before a frame is handled, so the buffer is in order whatever the
    // request does.
    unsigned int skipped = 0;
    m_waitMs = requestWaitMs;
    for (;;) {
        unsigned char *at = m_receiveBuffer + skipped;
        const unsigned int left = m_u32ReceivedCount - skipped;
        if (left < unsigned(PcFrameHeader::bodyOffset)) {
            if (idle)
                skipped = m_u32ReceivedCount;
            break;
        }
        PcFrameHeader header;
        header.readFromBuffer(at + PcFrameHeader::headerOffset);
        const DorvalenPacket::HeaderFit fit = DorvalenPacket::headerFit(header);
        if (fit == DorvalenPacket::HeaderFit::None) {
            ++skipped;
            continue;
        }
        const unsigned int frameSize = header.length + PcFrameHeader::crcSize;
        if (left < frameSize) {
            if (!idle) {
                if (fit == DorvalenPacket::HeaderFit::Oversized)
                    m_waitMs = oversizedWaitMs;
                break;
            }
            ++skipped;
            continue;
        }
        if (!header.checks(at)) {
            ++skipped;
            continue;
        }
        auto *frame = new unsigned char[frameSize];
        std::memcpy(frame, at, frameSize);
        m_u32SkippedCount += skipped;
        dropReceived(skipped + frameSize);
        skipped = 0;
        reportSkipped();

        DorvalenPacket packet;
        packet.setDataPtr(frame, int(frameSize));
        displayPacket(packet);
    }
    m_u32SkippedCount += skipped;
    dropReceived(skipped);
    if (idle)
        reportSkipped();
}

void PcRequestDispatcher::reportSkipped()
{
    // Once per stretch of garbage, not per byte.
    if (m_u32SkippedCount > 0)
        qWarning() << "PC link:" << m_u32SkippedCount << "bytes that start no frame dropped";
    m_u32SkippedCount = 0;
}

void PcRequestDispatcher::displayPacket(DorvalenPacket &packet)
{
    try {
        if (!packet.hasCompleteBody())
            return;
        switch (packet.getPacketType()) {
        case DorvalenPacket::OPCODE_POLL:
            handlePoll(packet);
            break;
        case DorvalenPacket::OPCODE_START:
            handleStart(packet);
            break;
        case DorvalenPacket::OPCODE_STOP:
            handleStop(packet);
            break;
        case DorvalenPacket::OPCODE_ALARM:
            handleAlarm(packet);
            break;
        case DorvalenPacket::OPCODE_REQUEST_INFO:
            handleRequestInfo(packet);
            break;
        default:
            // RequestPacket and anything else: no action, no reply.
            break;
        }
    } catch (const std::exception &e) {
        qWarning() << "PC link: request dropped:" << e.what();
    } catch (...) {
        qWarning() << "PC link: request dropped";
    }
}

void PcRequestDispatcher::send(const KovintaPacket &reply)
{
    DorvalenPacketHandler::sendReply(m_data.m_pPacketHandler, reply);
}

bool PcRequestDispatcher::testFinished(unsigned short channel, unsigned int index) const
{
    switch (m_data.getTestSetting(channel).u8TestTypeSetting) {
    case DorvalenPacket::TEST_FLOW:
        return qint64(index) >= m_data.getTestSetting(channel).u32ElapseTimeSetting;
    case DorvalenPacket::TEST_OCCLUSION:
        return m_data.getOcclusionTestComplete(channel);
    case DorvalenPacket::TEST_PCA:
        return qint64(index) >= m_data.getPCATestSetting(channel).u32ElapseTimeSetting;
    default:
        return false;
    }
}

void PcRequestDispatcher::handlePoll(const DorvalenPacket &packet)
{
    const DorvalenPacket::OpCodePoll poll = packet.getPoll();
    if (poll.channel >= kChannels)
        return;
    const unsigned short c = poll.channel;
    // By reference: a poll late in a day-long test costs what an early one does.
    const QVector<INFUSION_PUMP_TEST_DATA> &history = m_data.m_vecFullTestData[c];
    KovintaPacket reply;
    if (poll.index == DorvalenPacket::firstRecordIndex) {
        if (history.isEmpty()) {
            INFUSION_PUMP_TEST_DATA none;
            none.u32ElapseTime = 0xFFFFFFFFu;
            reply.data(c, none);
        } else {
            reply.data(c, history.first());
        }
    } else if (poll.index >= 1 && poll.index < unsigned(history.size())) {
        reply.data(c, history.at(int(poll.index)));
    } else if (testFinished(c, poll.index)) {
        reply.stop(c);
    } else {
        return; // the record is not due yet
    }
    send(reply);
}

bool PcRequestDispatcher::startIsValid(const DorvalenPacket &packet) const
{
    if (!oneBasedChannel(packet.getStart().channel))
        return false;
    switch (packet.getTestType()) {
    case DorvalenPacket::TEST_FLOW: {
        const DorvalenPacket::DataConfigFlowRate flow = packet.getFlowRateDetails();
        return flow.testTime <= maxTestTime && flow.backPressure >= minBackPressure &&
               flow.backPressure <= maxBackPressure && flow.windowSize >= minWindowSize &&
               flow.windowSize <= maxWindowSize;
    }
    case DorvalenPacket::TEST_OCCLUSION:
        return packet.getOcclusionDetails().pumpType <= maxPumpType;
    case DorvalenPacket::TEST_PCA: {
        const DorvalenPacket::DataConfigPCA pca = packet.getPCADetails();
        return pca.testTime <= maxTestTime &&
               within(pca.basalFlowRate, minBasalFlowRate, maxBasalFlowRate) &&
               within(pca.bolusVolume, 0.0f, maxBolusVolume);
    }
    default:
        return false;
    }
}

void PcRequestDispatcher::stageSettings(unsigned short channel, int windowSize)
{
    const INFUSION_PUMP_SETTING setting = m_data.getTestSetting(channel);
    m_board.vSetSendToPicData_TestType(setting.u8TestTypeSetting);
    m_board.vSetSendToPicData_BackPressure(setting.s16BackPressureSetting);
    m_board.vSetSendToPicData_WindowSize(windowSize >= 0 ? static_cast<unsigned short>(windowSize)
                                                         : setting.u16SamplingWindowSetting);
}

void PcRequestDispatcher::handleStart(const DorvalenPacket &packet)
{
    if (!startIsValid(packet))
        return;
    const unsigned short c = packet.getStart().channel - 1;
    const unsigned int type = packet.getTestType();
    // A channel in an automatic run belongs to its run: a test of the PC's would replace
    // the step's measurement (or one awaiting its verdict) and be judged as the step.
    if (m_board.getChannelIsAutoMode(c)) {
        qWarning() << "PC link: Start refused, channel" << c + 1 << "runs an automatic sequence";
        return;
    }

    m_data.m_vecFullTestData[c].clear();
    m_data.resetTestData(c);
    // The settings change and the stop and start that the signal raises reach the board
    // manager as one, so the start goes out whole.
    RequestBatch batch(m_board);
    switch (type) {
    case DorvalenPacket::TEST_FLOW: {
        const DorvalenPacket::DataConfigFlowRate flow = packet.getFlowRateDetails();
        m_data.vSetTestSetting_ElapseTime(c, int(flow.testTime));
        m_data.vSetTestSetting_Type(c, DorvalenPacket::TEST_FLOW);
        m_data.vSetTestSetting_BackPressure(c, flow.backPressure);
        m_data.vSetTestSetting_WindowSize(c, flow.windowSize);
        stageSettings(c);
        m_board.vSetChangeSettingRsq(c);
        break;
    }
    case DorvalenPacket::TEST_OCCLUSION:
        m_data.setOcclusionTestcomplete(c, false);
        m_data.vSetTestSetting_Type(c, DorvalenPacket::TEST_OCCLUSION);
        m_data.vSetOcclusionInfusionPumpType(c, packet.getOcclusionDetails().pumpType);
        stageSettings(c);
        m_board.vSetSendToPicData_InfusionPumpType(m_data.getOcclusionTestSetting(c));
        m_board.vSetChangeSettingRsq(c);
        m_data.clearAccumulators(c);
        break;
    case DorvalenPacket::TEST_PCA: {
        const DorvalenPacket::DataConfigPCA pca = packet.getPCADetails();
        m_data.m_listPcaTestData[c].clear();
        m_data.clearAccumulators(c);
        m_data.vSetPCATestSetting_ElapseTime(c, int(pca.testTime));
        m_data.vSetTestSetting_Type(c, DorvalenPacket::TEST_PCA);
        m_data.vSetPCABasalFlowRate(c, pca.basalFlowRate);
        m_data.vSetPCABolusVolume(c, pca.bolusVolume);
        stageSettings(c, pcaWindowSize);
        m_board.vSetChangeSettingRsq(c);
        break;
    }
    }
    emit startRequested(c, type);
    // Still inside the batch, so nothing has gone out yet: a start the board manager
    // refused (its channel absent or lost) is never confirmed.
    const quint32 request = m_board.pendingStartTest(c);
    if (request == 0)
        return;
    QVector<quint32> &owed = m_owedConfirms[c];
    if (owed.isEmpty() || owed.last() != request)
        owed.append(request);
    m_bPcaSaveOwed[c] = type == DorvalenPacket::TEST_PCA;
}

void PcRequestDispatcher::onStartTestDone(unsigned short channel, bool delivered, quint32 request)
{
    if (channel >= kChannels)
        return;
    // The start on the line answers for the Starts up to its request (those before it
    // were overtaken while they waited), not for any that came after it.
    QVector<quint32> &owed = m_owedConfirms[channel];
    int answered = 0;
    while (answered < owed.size() && owed.at(answered) <= request)
        ++answered;
    if (answered == 0)
        return;
    owed.remove(0, answered);
    const bool standing = owed.isEmpty() && m_board.pendingStartTest(channel) == 0;
    if (!delivered) {
        if (standing)
            m_bPcaSaveOwed[channel] = false;
        return;
    }
    // Saved once the settings stand, not for every request that brought them.
    if (standing && m_bPcaSaveOwed[channel]) {
        m_bPcaSaveOwed[channel] = false;
        m_data.vSavePCACurrentSetting(channel);
    }
    KovintaPacket reply;
    reply.confirm(static_cast<unsigned char>(channel));
    send(reply);
}

void PcRequestDispatcher::handleStop(const DorvalenPacket &packet)
{
    const unsigned char channel = packet.getStop().channel;
    if (!oneBasedChannel(channel))
        return;
    const unsigned short c = channel - 1;
    m_data.setOcclusionTestcomplete(c, true);
    emit stopRequested(c);
}

void PcRequestDispatcher::handleAlarm(const DorvalenPacket &packet)
{
    const unsigned char channel = packet.getAlarm().channel;
    if (!oneBasedChannel(channel))
        return;
    const unsigned short c = channel - 1;
    KovintaPacket reply;
    reply.alarm(static_cast<unsigned char>(c));
    send(reply);
    if (m_data.getTestSetting(c).u8TestTypeSetting == DorvalenPacket::TEST_OCCLUSION)
        emit alarmRequested(c);
}

void PcRequestDispatcher::handleRequestInfo(const DorvalenPacket &packet)
{
    const unsigned char n = packet.getRequestInfo().channel;
    const SettingsReader settings;
    unsigned int channelCount = 0;
    for (int c = 0; c < kChannels; ++c) {
        if (m_board.getChannelStatus(c) != InfusionPumpPowerBoardManager::CHANNEL_ABSENT)
            ++channelCount;
    }
    const QString serialNumber =
        settings.value(SETTINGS_KEY_SERIAL_NUM, QStringLiteral("????????")).toString();
    QString channelSerial, firmware, calDate;
    if (oneBasedChannel(n)) {
        const QString number = QString::number(n);
        channelSerial = settings.value(SETTINGS_KEY_CHANNEL_SERIAL_NUMBER + number).toString();
        firmware = settings.value(SETTINGS_KEY_CHANNEL_FIRMWARE_VERSION + number).toString();
        calDate = settings.value(SETTINGS_KEY_CHANNEL_CAL_DATE + number).toString();
    } else {
        channelSerial = firmware = calDate = QStringLiteral("INCORRECT ID");
    }
    KovintaPacket reply;
    reply.requestPacket(n, channelCount, serialNumber, QString::fromLatin1(git_build_version),
                        channelSerial, firmware, calDate);
    send(reply);
}
