#include "InfusionPumpPowerBoardManager.h"

#include "GpioPinController.h"
#include "PicRunningData.h"
#include "RotaryEncoderReader.h"
#include "TtyHandler.h"

#include <QDebug>
#include <QThread>
#include <QTimer>

InfusionPumpPowerBoardManager *InfusionPumpPowerBoardManager::ms_instance = nullptr;

const int InfusionPumpPowerBoardManager::m_Gpio_pins[CHANNEL_COUNT] = {137, 84, 78, 82};
const int InfusionPumpPowerBoardManager::m_PIC_MCLR_pins[CHANNEL_COUNT] = {138, 85, 79, 81};

const char *const InfusionPumpPowerBoardManager::cmdGetIPVersion = "IV";
const char *const InfusionPumpPowerBoardManager::cmdGetIPSerial = "ICG";
const char *const InfusionPumpPowerBoardManager::cmdGetPicCalDate = "IRC";
const char *const InfusionPumpPowerBoardManager::cmdGetPicVerifyDate = "IRV";
const char *const InfusionPumpPowerBoardManager::cmdStop = "I3";
const char *const InfusionPumpPowerBoardManager::cmdFindZero = "I8";
const char *const InfusionPumpPowerBoardManager::cmdSetTestType = "IF1";
const char *const InfusionPumpPowerBoardManager::cmdSetBackPressure = "IF2";
const char *const InfusionPumpPowerBoardManager::cmdSetWindowSize = "IF4";
const char *const InfusionPumpPowerBoardManager::cmdSetInfusionPumpType = "IF5";
const char *const InfusionPumpPowerBoardManager::cmdStartPriming = "I6";
const char *const InfusionPumpPowerBoardManager::cmdStartFlowRate = "I2";
const char *const InfusionPumpPowerBoardManager::cmdGetTestData = "I4";
const char *const InfusionPumpPowerBoardManager::cmdStartDraining = "I7";
const char *const InfusionPumpPowerBoardManager::cmdStartCalibrate = "C0";
const char *const InfusionPumpPowerBoardManager::cmdStopOcclusionBlockage = "I2";
const char *const InfusionPumpPowerBoardManager::cmdStartPump = "I7";

namespace {
// Offset of the payload in a delivered frame (sequence number and two length bytes
// before it), and of the data in a date reply (that and the three reply letters).
constexpr int kPayloadOffset = 3;
constexpr int kDateReplyOffset = 6;

bool validChannel(int channel)
{
    return channel >= 0 && channel < InfusionPumpPowerBoardManager::CHANNEL_COUNT;
}

void putLittleEndian16(QByteArray &bytes, quint16 value)
{
    bytes.append(char(value & 0xFF));
    bytes.append(char(value >> 8));
}
} // namespace

InfusionPumpPowerBoardManager::InfusionPumpPowerBoardManager(QString device, QObject *parent)
    : PowerBoardManager(device, parent)
{
    DataManager::setBoard(this);
    ms_instance = this;
    m_pRotaryEncoder = new RotaryEncoderReader(this);

    // Each controller is held in reset in turn while its chip-select keeps it off the line.
    for (int ch = 0; ch < CHANNEL_COUNT; ++ch) {
        m_pChipSelect[ch] = new GpioPinController(QString::number(m_Gpio_pins[ch]), this);
        m_pChipSelect[ch]->createDriver();
        m_pChipSelect[ch]->setDirection(QStringLiteral("high"));
        m_pChipSelect[ch]->setValue(QStringLiteral("1"));
        m_pReset[ch] = new GpioPinController(QString::number(m_PIC_MCLR_pins[ch]), this);
        m_pReset[ch]->createDriver();
        m_pReset[ch]->setDirection(QStringLiteral("low"));
        clearFlags();
        QThread::msleep(RESET_PULSE_MS);
        m_pReset[ch]->setValue(QStringLiteral("1"));
        QThread::msleep(RESET_PULSE_MS);
    }

    m_pIdleTimer = new QTimer(this);
    m_pChipSelectSettleTimer = new QTimer(this);
    m_pPollTimer = new QTimer(this);
    connect(m_pChipSelectSettleTimer, &QTimer::timeout, this,
            &InfusionPumpPowerBoardManager::chipSelectSettleTimeOut);
    connect(this, &PowerBoardManager::txComplete, this,
            &InfusionPumpPowerBoardManager::vResetCommsErrorCounter);
    connect(this, &InfusionPumpPowerBoardManager::testDataReady, &m_DataManager,
            &DataManager::vStoreTestData);
    connect(this, &PowerBoardManager::packetReceived, this,
            &InfusionPumpPowerBoardManager::decodeCommand);
    connect(m_pPollTimer, &QTimer::timeout, this, &InfusionPumpPowerBoardManager::vUpdateChannelRsq);
    connect(this, &PowerBoardManager::txFailed, this, &InfusionPumpPowerBoardManager::vCommsPortFail);
    connect(&m_DataManager, &DataManager::stopPump, this, &InfusionPumpPowerBoardManager::vSetStopRsq);
    connect(&m_DataManager, &DataManager::prime, this,
            &InfusionPumpPowerBoardManager::vSetStartPrimingRsq);

    m_pPollTimer->start(POLL_MS);
    autoPrime();
}

InfusionPumpPowerBoardManager::~InfusionPumpPowerBoardManager()
{
    if (ms_instance == this)
        ms_instance = nullptr;
    if (DataManager::board == this)
        DataManager::setBoard(nullptr);
}

void InfusionPumpPowerBoardManager::clearFlags()
{
    for (int ch = 0; ch < CHANNEL_COUNT; ++ch) {
        m_u16PicContacted[ch] = 0;
        m_u16CommsErrorCount[ch] = 0;
        m_u16ChannelStatus[ch] = CHANNEL_USABLE;
        for (PumpRequest flags : ms_pumpRequests)
            (this->*flags)[ch] = 0;
        for (const IdentityRequest &identity : ms_identityRequests) {
            (this->*identity.request)[ch] = 0;
            (this->*identity.ready)[ch] = 0;
        }
        m_bAutoMode[ch] = false;
        m_eAutoState[ch] = AUTO_COMPLETED;
        m_bPollOwed[ch] = false;
        m_u8ContactTries[ch] = 0;
    }
    m_bPicBusy = false;
    m_iHeldChannel = -1;
    m_bHeldSettings = false;
    m_bHeldStart = false;
    m_bStartExchange = false;
}

// --- staging and accessors ---

void InfusionPumpPowerBoardManager::vSetSendToPicData_TestType(unsigned char type)
{
    m_u8SendTestType = type;
}

void InfusionPumpPowerBoardManager::vSetSendToPicData_BackPressure(short pressure)
{
    m_s16SendBackPressure = pressure;
}

void InfusionPumpPowerBoardManager::vSetSendToPicData_WindowSize(unsigned short seconds)
{
    m_u16SendWindowSize = seconds;
}

void InfusionPumpPowerBoardManager::vSetSendToPicData_InfusionPumpType(unsigned char type)
{
    m_u8SendInfusionPumpType = type;
}

unsigned short InfusionPumpPowerBoardManager::getChannelStatus(int channel) const
{
    return validChannel(channel) ? m_u16ChannelStatus[channel] : (unsigned short)CHANNEL_ABSENT;
}

bool InfusionPumpPowerBoardManager::getChannelIsAutoMode(int channel) const
{
    return validChannel(channel) && m_bAutoMode[channel];
}

void InfusionPumpPowerBoardManager::setChannelIsAutoMode(int channel, bool autoMode)
{
    if (validChannel(channel))
        m_bAutoMode[channel] = autoMode;
}

InfusionPumpPowerBoardManager::AutoState InfusionPumpPowerBoardManager::getChannelAutoState(int channel) const
{
    return validChannel(channel) ? m_eAutoState[channel] : AUTO_COMPLETED;
}

void InfusionPumpPowerBoardManager::setChannelAutoState(int channel, AutoState state)
{
    if (validChannel(channel))
        m_eAutoState[channel] = state;
}

// --- request slots ---

bool InfusionPumpPowerBoardManager::raise(unsigned short channel, quint16 *flags, bool alsoWhenCommsLost)
{
    if (channel >= CHANNEL_COUNT)
        return false;
    const unsigned short status = m_u16ChannelStatus[channel];
    if (status != CHANNEL_USABLE && !(alsoWhenCommsLost && status == CHANNEL_COMMS_LOST))
        return false;
    flags[channel] = 1;
    return true;
}

bool InfusionPumpPowerBoardManager::raise(unsigned short channel, quint8 *flags)
{
    if (channel >= CHANNEL_COUNT || m_u16ChannelStatus[channel] != CHANNEL_USABLE)
        return false;
    flags[channel] = 1;
    return true;
}

void InfusionPumpPowerBoardManager::vSetStopRsq(unsigned short channel)
{
    if (channel >= CHANNEL_COUNT) {
        qDebug("%s ChannelId out of bounds", Q_FUNC_INFO);
        return;
    }
    // A pump under test must be stoppable while its channel answers badly.
    if (raise(channel, m_u16StopRsq, true))
        multiChannelManager();
}

void InfusionPumpPowerBoardManager::vSetFindZeroRsq(unsigned short channel)
{
    if (raise(channel, m_u16FindZeroRsq))
        multiChannelManager();
}

void InfusionPumpPowerBoardManager::vSetStartDrainingRsq(unsigned short channel)
{
    if (raise(channel, m_u16StartDrainRsq))
        multiChannelManager();
}

void InfusionPumpPowerBoardManager::vSetStartPrimingRsq(unsigned short channel)
{
    if (raise(channel, m_u16StartPrimingRsq))
        multiChannelManager();
}

void InfusionPumpPowerBoardManager::vSetStartFlowRateRsq(unsigned short channel)
{
    if (!raise(channel, m_u16StartFlowRateRsq))
        return;
    ++m_u32StartTestsRaised[channel];
    m_DataManager.m_vecRealTimeData[channel].clear();
    multiChannelManager();
}

void InfusionPumpPowerBoardManager::vSetChangeSettingRsq(unsigned short channel)
{
    if (!raise(channel, m_u16ChangeSettingRsq))
        return;
    m_changeSetting[channel] = {m_u8SendTestType, m_s16SendBackPressure, m_u16SendWindowSize,
                                m_u8SendInfusionPumpType};
    multiChannelManager();
}

void InfusionPumpPowerBoardManager::vSetStartCalibrateRsq(unsigned short channel)
{
    if (raise(channel, m_u16StartCalibrateRsq))
        multiChannelManager();
}

void InfusionPumpPowerBoardManager::vSetStopOcclusionBlockageRsq(unsigned short channel)
{
    if (raise(channel, m_u16StopOcclusionBlockageRsq))
        multiChannelManager();
}

void InfusionPumpPowerBoardManager::vSetGetTestDataRsq(unsigned short channel)
{
    if (raise(channel, m_u16GetTestDataRsq, true))
        multiChannelManager();
}

void InfusionPumpPowerBoardManager::vSetGetVersionRequest(unsigned short channel)
{
    if (channel >= CHANNEL_COUNT)
        return;
    // A refused request reads as answered, so a screen waiting for it does not wait.
    m_u16VersionReady[channel] = raise(channel, m_u8GetVersionRsq) ? 0 : 1;
    multiChannelManager();
}

void InfusionPumpPowerBoardManager::vSetGetSerialNoRequest(unsigned short channel)
{
    if (channel >= CHANNEL_COUNT)
        return;
    m_u16SerialNoReady[channel] = raise(channel, m_u8GetSerialNoRsq) ? 0 : 1;
    multiChannelManager();
}

void InfusionPumpPowerBoardManager::vSetGetCalDateRsq(unsigned short channel)
{
    if (channel >= CHANNEL_COUNT)
        return;
    m_u16CalDateReady[channel] = raise(channel, m_u8GetCalDateRsq) ? 0 : 1;
    multiChannelManager();
}

void InfusionPumpPowerBoardManager::vSetGetVerifyDateRsq(unsigned short channel)
{
    if (channel >= CHANNEL_COUNT)
        return;
    m_u16VerifyDateReady[channel] = raise(channel, m_u8GetVerifyDateRsq) ? 0 : 1;
    multiChannelManager();
}

quint32 InfusionPumpPowerBoardManager::pendingStartTest(unsigned short channel) const
{
    return validChannel(channel) && m_u16StartFlowRateRsq[channel] ? m_u32StartTestsRaised[channel] : 0;
}

void InfusionPumpPowerBoardManager::vBeginRequests()
{
    ++m_iRequestBatches;
}

void InfusionPumpPowerBoardManager::vEndRequests()
{
    if (m_iRequestBatches > 0 && --m_iRequestBatches == 0)
        multiChannelManager();
}

void InfusionPumpPowerBoardManager::vUpdateChannelRsq()
{
    for (unsigned short ch = 0; ch < CHANNEL_COUNT; ++ch)
        vSetGetTestDataRsq(ch);
}

void InfusionPumpPowerBoardManager::autoPrime()
{
    for (unsigned short ch = 0; ch < CHANNEL_COUNT; ++ch) {
        vSetStopRsq(ch);
        vSetStartPrimingRsq(ch);
    }
}

// --- scheduling ---

namespace {
// Clears a raised request flag and says whether it was raised.
template <typename Flag> bool take(Flag &flag)
{
    if (!flag)
        return false;
    flag = 0;
    return true;
}
} // namespace

void InfusionPumpPowerBoardManager::multiChannelManager()
{
    if (m_bPicBusy || m_bHyperterminal || m_iRequestBatches > 0)
        return;
    // A start goes out whole: after its stop, its settings and its start, nothing else.
    if (continueHeldStart())
        return;
    // The channels take turns, one exchange (or one whole start) each, so that however
    // many requests one channel gets, every other is served, and polled, between two of
    // its own. A turn is passed over while the channel has used the line for longer than
    // the least-served one with requests: a controller that does not answer takes the
    // line for a retransmission time per transmission, and waits until the others have
    // had theirs.
    qint64 least = -1;
    for (unsigned short ch = 0; ch < CHANNEL_COUNT; ++ch) {
        if (hasRequest(ch) && (least < 0 || m_lineMs[ch] < least))
            least = m_lineMs[ch];
    }
    if (least < 0)
        return;
    // Time without requests earns no credit, or a channel back from a quiet spell would
    // keep the line for as long as the others had used it meanwhile.
    for (qint64 &used : m_lineMs)
        used = qMax(used, least);
    for (unsigned short i = 0; i < CHANNEL_COUNT; ++i) {
        const unsigned short ch = (m_u16NextTurn + i) % CHANNEL_COUNT;
        if (m_lineMs[ch] <= least + LINE_SHARE_SLACK_MS && serveChannel(ch)) {
            m_u16NextTurn = (ch + 1) % CHANNEL_COUNT;
            return;
        }
    }
}

const InfusionPumpPowerBoardManager::PumpRequest InfusionPumpPowerBoardManager::ms_pumpRequests[9] = {
    &InfusionPumpPowerBoardManager::m_u16StopRsq,
    &InfusionPumpPowerBoardManager::m_u16FindZeroRsq,
    &InfusionPumpPowerBoardManager::m_u16StartPrimingRsq,
    &InfusionPumpPowerBoardManager::m_u16GetTestDataRsq,
    &InfusionPumpPowerBoardManager::m_u16StartFlowRateRsq,
    &InfusionPumpPowerBoardManager::m_u16ChangeSettingRsq,
    &InfusionPumpPowerBoardManager::m_u16StartDrainRsq,
    &InfusionPumpPowerBoardManager::m_u16StartCalibrateRsq,
    &InfusionPumpPowerBoardManager::m_u16StopOcclusionBlockageRsq};

const InfusionPumpPowerBoardManager::IdentityRequest
    InfusionPumpPowerBoardManager::ms_identityRequests[4] = {
        {&InfusionPumpPowerBoardManager::m_u8GetVersionRsq,
         &InfusionPumpPowerBoardManager::m_u16VersionReady},
        {&InfusionPumpPowerBoardManager::m_u8GetSerialNoRsq,
         &InfusionPumpPowerBoardManager::m_u16SerialNoReady},
        {&InfusionPumpPowerBoardManager::m_u8GetCalDateRsq,
         &InfusionPumpPowerBoardManager::m_u16CalDateReady},
        {&InfusionPumpPowerBoardManager::m_u8GetVerifyDateRsq,
         &InfusionPumpPowerBoardManager::m_u16VerifyDateReady}};

bool InfusionPumpPowerBoardManager::hasRequest(unsigned short ch) const
{
    for (PumpRequest flags : ms_pumpRequests)
        if ((this->*flags)[ch])
            return true;
    for (const IdentityRequest &identity : ms_identityRequests)
        if ((this->*identity.request)[ch])
            return true;
    return false;
}

void InfusionPumpPowerBoardManager::dropRequests(unsigned short ch)
{
    // Each would cost the others a second of retries, for a controller that is not there.
    const bool start = m_u16StartFlowRateRsq[ch] != 0;
    for (PumpRequest flags : ms_pumpRequests)
        (this->*flags)[ch] = 0;
    // The about screens wait for these: refused, they read as answered.
    for (const IdentityRequest &identity : ms_identityRequests) {
        if ((this->*identity.request)[ch])
            (this->*identity.ready)[ch] = 1;
        (this->*identity.request)[ch] = 0;
    }
    m_bPollOwed[ch] = false;
    if (start)
        emit startTestDone(ch, false, m_u32StartTestsRaised[ch]);
}

bool InfusionPumpPowerBoardManager::continueHeldStart()
{
    if (m_iHeldChannel < 0)
        return false;
    const unsigned short ch = static_cast<unsigned short>(m_iHeldChannel);
    if (m_bHeldSettings) {
        m_bHeldSettings = false;
        if (!m_bHeldStart)
            m_iHeldChannel = -1;
        sendSettings(ch, m_heldSetting);
        return true;
    }
    m_iHeldChannel = -1;
    if (!m_bHeldStart)
        return false;
    m_bHeldStart = false;
    sendStartTest(ch, m_u32HeldStartTest);
    return true;
}

bool InfusionPumpPowerBoardManager::serveChannel(unsigned short ch)
{
    const auto poll = [this, ch] {
        m_bPollOwed[ch] = false;
        sendGetTestDataCommand(ch);
        m_reraise = [this, ch] { m_u16GetTestDataRsq[ch] = 1; };
        return true;
    };
    if (m_bPollOwed[ch] && take(m_u16GetTestDataRsq[ch]))
        return poll();
    // Within the turn: stop, then the rest of what acts on the pump, then the identity
    // queries (a pump left running must not wait for them); the poll after the starts,
    // but owed if passed over.
    using Sender = void (InfusionPumpPowerBoardManager::*)(unsigned short);
    const bool pollWaiting = m_u16GetTestDataRsq[ch] != 0;
    const auto serve = [&](auto &flag, Sender send) {
        if (!take(flag))
            return false;
        m_bPollOwed[ch] = pollWaiting;
        (this->*send)(ch);
        m_reraise = [&flag] { flag = 1; };
        return true;
    };
    // A start with its stop or its settings, and nothing between them in the order
    // (find zero, priming), goes out as one. It takes the three requests now, so that
    // those of a newer start make a start of their own and do not mix with this one.
    if (m_u16StartFlowRateRsq[ch] && (m_u16StopRsq[ch] || m_u16ChangeSettingRsq[ch])
        && !m_u16FindZeroRsq[ch] && !m_u16StartPrimingRsq[ch]) {
        m_iHeldChannel = ch;
        m_bHeldSettings = take(m_u16ChangeSettingRsq[ch]);
        m_heldSetting = m_changeSetting[ch];
        m_bHeldStart = take(m_u16StartFlowRateRsq[ch]);
        m_u32HeldStartTest = m_u32StartTestsRaised[ch];
        m_bPollOwed[ch] = pollWaiting;
        if (take(m_u16StopRsq[ch])) {
            sendStopCommand(ch);
            m_reraise = [this, ch] { m_u16StopRsq[ch] = 1; };
        } else {
            continueHeldStart();
        }
        return true;
    }
    if (serve(m_u16StopRsq[ch], &InfusionPumpPowerBoardManager::sendStopCommand) ||
        serve(m_u16FindZeroRsq[ch], &InfusionPumpPowerBoardManager::sendFindZeroCommand) ||
        serve(m_u16ChangeSettingRsq[ch],
              &InfusionPumpPowerBoardManager::sendChangeSettingCommand) ||
        serve(m_u16StartPrimingRsq[ch], &InfusionPumpPowerBoardManager::sendStartPrimingCommand) ||
        serve(m_u16StartFlowRateRsq[ch],
              &InfusionPumpPowerBoardManager::sendStartFlowRateCommand) ||
        serve(m_u8GetVersionRsq[ch], &InfusionPumpPowerBoardManager::sendGetVersionCommand) ||
        serve(m_u8GetSerialNoRsq[ch], &InfusionPumpPowerBoardManager::sendGetSerialNoCommand) ||
        serve(m_u8GetCalDateRsq[ch], &InfusionPumpPowerBoardManager::sendGetCalDateCommand) ||
        serve(m_u8GetVerifyDateRsq[ch], &InfusionPumpPowerBoardManager::sendGetVerifyDateCommand))
        return true;
    if (take(m_u16GetTestDataRsq[ch]))
        return poll();
    return serve(m_u16StartDrainRsq[ch], &InfusionPumpPowerBoardManager::sendStartDrainCommand)
        || serve(m_u16StartCalibrateRsq[ch], &InfusionPumpPowerBoardManager::sendStartCalibrateCommand)
        || serve(m_u16StopOcclusionBlockageRsq[ch], &InfusionPumpPowerBoardManager::sendStopOcclusionBlockageCommand);
}

void InfusionPumpPowerBoardManager::vPicChipSelect(unsigned short channel)
{
    for (GpioPinController *line : m_pChipSelect)
        line->setValue(QStringLiteral("1"));
    m_pChipSelect[channel]->setValue(QStringLiteral("0"));
}

bool InfusionPumpPowerBoardManager::beginExchange(unsigned short channel)
{
    if (m_bPicBusy)
        return false;
    m_u16CurrentChannel = channel;
    vPicChipSelect(channel);
    m_bPicBusy = true;
    m_reraise = nullptr;
    // A controller not heard from yet gets one transmission per turn: one that is not
    // fitted then holds the line for a retransmission time at each of its turns, while
    // the others go on, rather than a second of retries per request.
    setTransmissionsAllowed(m_u16PicContacted[channel] ? MAX_TRANSMISSIONS : 1);
    m_u32TransmissionsBefore = transmissions();
    m_u32TimeoutsBefore = timeouts();
    return true;
}

void InfusionPumpPowerBoardManager::startSending()
{
    // The controller needs a moment on the line before it listens.
    m_pChipSelectSettleTimer->start(CHIP_SELECT_SETTLE_MS);
}

void InfusionPumpPowerBoardManager::chipSelectSettleTimeOut()
{
    m_pChipSelectSettleTimer->stop();
    sendNextCommand();
}

void InfusionPumpPowerBoardManager::sendSimpleCommand(unsigned short channel, const char *command)
{
    if (!beginExchange(channel))
        return;
    m_tx_queue.enqueue(QByteArray(command));
    startSending();
}

void InfusionPumpPowerBoardManager::sendGetVersionCommand(unsigned short channel)
{
    sendSimpleCommand(channel, cmdGetIPVersion);
}

void InfusionPumpPowerBoardManager::sendGetSerialNoCommand(unsigned short channel)
{
    sendSimpleCommand(channel, cmdGetIPSerial);
}

void InfusionPumpPowerBoardManager::sendGetCalDateCommand(unsigned short channel)
{
    sendSimpleCommand(channel, cmdGetPicCalDate);
}

void InfusionPumpPowerBoardManager::sendGetVerifyDateCommand(unsigned short channel)
{
    sendSimpleCommand(channel, cmdGetPicVerifyDate);
}

void InfusionPumpPowerBoardManager::sendStopCommand(unsigned short channel)
{
    if (!beginExchange(channel))
        return;
    m_tx_queue.enqueue(QByteArray(cmdStop));
    m_DataManager.vSetTestRunningFlag(PicRunningData(channel, 0));
    startSending();
}

void InfusionPumpPowerBoardManager::sendFindZeroCommand(unsigned short channel)
{
    sendSimpleCommand(channel, cmdFindZero);
}

void InfusionPumpPowerBoardManager::sendChangeSettingCommand(unsigned short channel)
{
    sendSettings(channel, m_changeSetting[channel]);
}

void InfusionPumpPowerBoardManager::sendSettings(unsigned short channel, const StagedSetting &staged)
{
    if (!beginExchange(channel))
        return;
    QByteArray type(cmdSetTestType);
    type.append(char(staged.testType));
    QByteArray backPressure(cmdSetBackPressure);
    putLittleEndian16(backPressure, quint16(staged.backPressure));
    QByteArray window(cmdSetWindowSize);
    putLittleEndian16(window, staged.windowSize);
    QByteArray pumpType(cmdSetInfusionPumpType);
    pumpType.append(char(staged.infusionPumpType));
    m_tx_queue << type << backPressure << window << pumpType;
    startSending();
}

void InfusionPumpPowerBoardManager::sendStartPrimingCommand(unsigned short channel)
{
    sendSimpleCommand(channel, cmdStartPriming);
}

void InfusionPumpPowerBoardManager::sendStartFlowRateCommand(unsigned short channel)
{
    sendStartTest(channel, m_u32StartTestsRaised[channel]);
}

void InfusionPumpPowerBoardManager::sendStartTest(unsigned short channel, quint32 request)
{
    if (!beginExchange(channel))
        return;
    m_tx_queue.enqueue(QByteArray(cmdStartFlowRate));
    m_bStartExchange = true;
    m_u32StartTestOnLine = request;
    m_DataManager.vSetTestRunningFlag(PicRunningData(channel, 1));
    startSending();
}

void InfusionPumpPowerBoardManager::sendGetTestDataCommand(unsigned short channel)
{
    sendSimpleCommand(channel, cmdGetTestData);
}

void InfusionPumpPowerBoardManager::sendStartDrainCommand(unsigned short channel)
{
    sendSimpleCommand(channel, cmdStartDraining);
}

void InfusionPumpPowerBoardManager::sendStartCalibrateCommand(unsigned short channel)
{
    sendSimpleCommand(channel, cmdStartCalibrate);
}

void InfusionPumpPowerBoardManager::sendStopOcclusionBlockageCommand(unsigned short channel)
{
    sendSimpleCommand(channel, cmdStopOcclusionBlockage);
}

// --- end of an exchange ---

void InfusionPumpPowerBoardManager::vResetCommsErrorCounter()
{
    const unsigned short ch = m_u16CurrentChannel;
    if (m_u16ChannelStatus[ch] == CHANNEL_USABLE)
        m_u16CommsErrorCount[ch] = 0;
    turnOffUartTimeOut(true);
}

void InfusionPumpPowerBoardManager::vCommsPortFail()
{
    const unsigned short ch = m_u16CurrentChannel;
    // A stalled line may still hold copies of the given-up command, or the end of its
    // answer: once the chip-select moves on, another controller would act on them.
    getTtyHandler()->discardQueued();
    if (!m_u16PicContacted[ch]) {
        // Not heard from yet: its request waits for its next turn and its next try, or,
        // at its last try, is refused with the rest of what the channel had waiting.
        if (m_reraise)
            m_reraise();
        if (++m_u8ContactTries[ch] < MAX_TRANSMISSIONS) {
            turnOffUartTimeOut(false, false);
            return;
        }
    }
    if (m_u16PicContacted[ch]) {
        if (m_u16CommsErrorCount[ch] < 0xFFFF)
            ++m_u16CommsErrorCount[ch];
        if (m_u16ChannelStatus[ch] != CHANNEL_ABSENT && m_u16CommsErrorCount[ch] > 2) {
            m_u16ChannelStatus[ch] = CHANNEL_COMMS_LOST;
            emit updateMonitor(MonitorData(ch, MONITOR_COMMS_LOST));
        }
    } else {
        m_u16ChannelStatus[ch] = CHANNEL_ABSENT;
        emit updateMonitor(MonitorData(ch, MONITOR_ABSENT));
    }
    turnOffUartTimeOut(false);
}

void InfusionPumpPowerBoardManager::turnOffUartTimeOut(bool completed, bool contacted)
{
    const unsigned short ch = m_u16CurrentChannel;
    m_lineMs[ch] += FRAME_LINE_MS * qint64(transmissions() - m_u32TransmissionsBefore) +
                    RETRANSMIT_MS * qint64(timeouts() - m_u32TimeoutsBefore);
    if (contacted)
        m_u16PicContacted[ch] = 1;
    vPicChipSelect(ch);
    m_bPicBusy = false;
    // A start that failed part-way lets the others have the line; what is left of it
    // is raised again for the channel's next turn (unless a newer start raised its own).
    if (!completed && m_iHeldChannel == ch) {
        m_iHeldChannel = -1;
        if (m_bHeldSettings && !m_u16ChangeSettingRsq[ch]) {
            m_changeSetting[ch] = m_heldSetting;
            m_u16ChangeSettingRsq[ch] = 1;
        }
        if (m_bHeldStart)
            m_u16StartFlowRateRsq[ch] = 1;
        m_bHeldSettings = m_bHeldStart = false;
    }
    if (m_bStartExchange) {
        m_bStartExchange = false;
        emit startTestDone(ch, completed, m_u32StartTestOnLine);
    }
    if (m_u16ChannelStatus[ch] == CHANNEL_ABSENT)
        dropRequests(ch);
    multiChannelManager();
}

// --- replies ---

bool InfusionPumpPowerBoardManager::answersCommand(const QByteArray &command,
                                                   const QByteArray &payload)
{
    static const struct {
        const char *command;
        const char *reply;
    } replies[] = {{cmdGetTestData, "EPS"},
                   {cmdGetIPVersion, "NV"},
                   {cmdGetIPSerial, "EN"},
                   {cmdGetPicCalDate, "ECD"},
                   {cmdGetPicVerifyDate, "ECV"}};
    for (const auto &r : replies) {
        if (command == r.command)
            return payload.startsWith(r.reply);
    }
    // Every other command is answered with the controller's state.
    return payload.startsWith("ES");
}

void InfusionPumpPowerBoardManager::earlierFrameDropped()
{
    dropFrame("in the input before the command went out");
}

void InfusionPumpPowerBoardManager::dropFrame(const char *why)
{
    ++m_u32DroppedFrames;
    // Counted at every frame, logged at the first and then at each tenfold, so that a
    // babbling controller cannot fill the log.
    quint32 mark = 1;
    while (mark < m_u32DroppedFrames && mark <= 0xFFFFFFFFu / 10)
        mark *= 10;
    if (mark == m_u32DroppedFrames)
        qWarning("power board: frame dropped (%s) while channel %d had the line; %u dropped so far",
                 why, m_u16CurrentChannel + 1, m_u32DroppedFrames);
}

void InfusionPumpPowerBoardManager::decodeCommand(QByteArray packet)
{
    const QByteArray payload = packet.mid(kPayloadOffset);
    // The only frame that is the channel's reply is the one answer to its command on the
    // line: not one before the command went out (a controller repeating itself while the
    // next one's chip-select settles), after its exchange ended, a second answer, or an
    // answer of another kind (a controller on a stuck chip-select talking unasked).
    if (!m_bPicBusy || !commandOut()) {
        dropFrame("no command on the line");
        return;
    }
    if (m_u32AnsweredCommand == commandsSent()) {
        dropFrame("a second answer");
        return;
    }
    if (!answersCommand(commandOnLine(), payload)) {
        dropFrame("not an answer to the command");
        return;
    }
    m_u32AnsweredCommand = commandsSent();
    const unsigned short ch = m_u16CurrentChannel;
    if (payload.startsWith("EN")) {
        m_baSerialNoReply[ch] = packet;
        m_u16SerialNoReady[ch] = 1;
    } else if (payload.startsWith("NV")) {
        m_baVersionReply[ch] = packet;
        m_u16VersionReady[ch] = 1;
    } else if (payload.startsWith("ECD")) {
        m_baCalDateReply[ch] = packet.mid(kDateReplyOffset);
        m_u16CalDateReady[ch] = 1;
    } else if (payload.startsWith("ECV")) {
        m_baVerifyDateReply[ch] = packet.mid(kDateReplyOffset);
        m_u16VerifyDateReady[ch] = 1;
    } else if (payload.startsWith("EPS")) {
        // Usable again before the data is handed on: a test that ends on this very reply
        // must be able to stop and prime its channel.
        if (m_u16ChannelStatus[ch] == CHANNEL_COMMS_LOST) {
            m_u16ChannelStatus[ch] = CHANNEL_USABLE;
            emit updateMonitor(MonitorData(ch, MONITOR_COMMS_RESTORED));
        }
        emit testDataReady(TestData(ch, packet));
    } else if (payload.startsWith("ES")) {
        if (!m_u16PicContacted[ch]) {
            m_u16ChannelStatus[ch] = CHANNEL_USABLE;
            emit initializeDone(ch);
        }
    }
}

// --- raw line for the calibration terminal ---

void InfusionPumpPowerBoardManager::hyperterminalMode(unsigned short channel)
{
    if (channel >= CHANNEL_COUNT)
        return;
    m_bHyperterminal = true;
    stop_m_tx_timer();
    m_pChipSelectSettleTimer->stop();
    m_pPollTimer->stop();
    for (int ch = 0; ch < CHANNEL_COUNT; ++ch) {
        m_pReset[ch]->setValue(QStringLiteral("0"));
        m_pChipSelect[ch]->setValue(QStringLiteral("1"));
    }
    m_pChipSelect[channel]->setValue(QStringLiteral("0"));
    QThread::msleep(HYPERTERMINAL_RESET_MS);
    // The terminal gets the line clean: replies still on their way from the exchanges
    // before the switch are protocol, not what the channel says to the engineer.
    disconnect(getTtyHandler(), &QIODevice::readyRead, this, &PowerBoardManager::processRxData);
    getTtyHandler()->readAll();
    getTtyHandler()->discardQueued();
    m_pReset[channel]->setValue(QStringLiteral("1"));
}

void InfusionPumpPowerBoardManager::restoreNormality()
{
    for (int ch = 0; ch < CHANNEL_COUNT; ++ch) {
        m_pChipSelect[ch]->setValue(QStringLiteral("1"));
        m_pReset[ch]->setValue(QStringLiteral("0"));
    }
    QThread::msleep(3);
    getTtyHandler()->readAll();
    m_tx_queue.clear();
    for (GpioPinController *line : m_pReset)
        line->setValue(QStringLiteral("1"));
    QThread::msleep(HYPERTERMINAL_RESET_MS);
    clearFlags();
    m_bHyperterminal = false;
    connect(getTtyHandler(), &QIODevice::readyRead, this, &PowerBoardManager::processRxData,
            Qt::UniqueConnection);
    m_pPollTimer->start(POLL_MS);
    for (unsigned short ch = 0; ch < CHANNEL_COUNT; ++ch)
        vSetFindZeroRsq(ch);
    m_pIdleTimer->setSingleShot(true);
    m_pIdleTimer->start(2000);
}
