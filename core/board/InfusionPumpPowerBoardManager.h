#pragma once

#include "DataManager.h"
#include "MonitorData.h"
#include "PowerBoardManager.h"
#include "TestData.h"

#include <QByteArray>
#include <QString>

#include <functional>

class GpioPinController;
class QTimer;
class RotaryEncoderReader;

// The one manager of the four measuring channels. Each channel controller sits behind
// the shared power-board line and its own chip-select (active low) and reset lines.
// Screens raise per-channel requests; the manager runs one exchange at a time with the
// one selected controller, the channels taking turns by their time on the line (within a
// turn the more urgent request first), polls every channel for test data once a second,
// decodes the replies and keeps each channel's status: 1 usable, 0 absent (it never
// answered), 2 communication lost (three failed exchanges in a row after contact; its
// next test data restores it). A frame is a channel's reply only as the one answer of
// the kind its command asks for, while that command is on the line.
class InfusionPumpPowerBoardManager : public PowerBoardManager
{
    Q_OBJECT
public:
    static constexpr int CHANNEL_COUNT = 4;
    static constexpr int CHIP_SELECT_SETTLE_MS = 5;
    static constexpr int POLL_MS = 1000;
    static constexpr int RESET_PULSE_MS = 10;
    static constexpr int HYPERTERMINAL_RESET_MS = 30;
    // Line time a channel may have used beyond the least any channel with requests has
    // used, and still take its turn; and what one answered transmission counts for.
    static constexpr qint64 LINE_SHARE_SLACK_MS = 100;
    static constexpr qint64 FRAME_LINE_MS = 10;

    enum ChannelStatus : unsigned short { CHANNEL_ABSENT = 0, CHANNEL_USABLE = 1, CHANNEL_COMMS_LOST = 2 };
    enum MonitorCode : unsigned short { MONITOR_ABSENT = 12, MONITOR_COMMS_LOST = 14, MONITOR_COMMS_RESTORED = 15 };

    // The automatic-sequence state of a channel; stored here, driven by the summary screen.
    enum AutoState : qint32 {
        AUTO_COMPLETED = 0,
        AUTO_ASSET_ENTRY = 1,
        AUTO_SETUP_NEXT_TEST = 2,
        AUTO_TEST_RUNNING = 3,
        AUTO_SAVING = 4,
        AUTO_STOPPED = 5,
        AUTO_FAILED = 6
    };

    static const int m_Gpio_pins[CHANNEL_COUNT];
    static const int m_PIC_MCLR_pins[CHANNEL_COUNT];

    static const char *const cmdGetIPVersion;
    static const char *const cmdGetIPSerial;
    static const char *const cmdGetPicCalDate;
    static const char *const cmdGetPicVerifyDate;
    static const char *const cmdStop;
    static const char *const cmdFindZero;
    static const char *const cmdSetTestType;
    static const char *const cmdSetBackPressure;
    static const char *const cmdSetWindowSize;
    static const char *const cmdSetInfusionPumpType;
    static const char *const cmdStartPriming;
    static const char *const cmdStartFlowRate;
    static const char *const cmdGetTestData;
    static const char *const cmdStartDraining;
    static const char *const cmdStartCalibrate;
    static const char *const cmdStopOcclusionBlockage;
    static const char *const cmdStartPump;

    // Opens the line, resets the four controllers in turn (blocking about 80 ms),
    // starts the poll and asks every channel to stop and then to prime.
    explicit InfusionPumpPowerBoardManager(QString device, QObject *parent = nullptr);
    ~InfusionPumpPowerBoardManager() override;

    static InfusionPumpPowerBoardManager *getInstance() { return ms_instance; }

    // Staged for the next change-setting exchange of any channel; a value not staged
    // again is sent as staged last.
    void vSetSendToPicData_TestType(unsigned char type);
    void vSetSendToPicData_BackPressure(short pressure);
    void vSetSendToPicData_WindowSize(unsigned short seconds);
    void vSetSendToPicData_InfusionPumpType(unsigned char type);

    // 0 absent, 1 usable, 2 communication lost (0 for a channel outside 0..3).
    unsigned short getChannelStatus(int channel) const;
    bool getChannelIsAutoMode(int channel) const;
    void setChannelIsAutoMode(int channel, bool autoMode);
    AutoState getChannelAutoState(int channel) const;
    void setChannelAutoState(int channel, AutoState state);

    // The number of the channel's start-test request that waits for the line, 0 when
    // none does; requests are numbered from 1 as they are raised.
    quint32 pendingStartTest(unsigned short channel) const;

    // Frames dropped because they answered no command on the line: sent before it went
    // out or after its exchange ended, a second answer, or not the kind it asks for.
    quint32 droppedFrames() const { return m_u32DroppedFrames; }

    // Requests raised between these calls wait until the last batch is closed, and are
    // then scheduled together: a start's stop, settings and start go out as one.
    void vBeginRequests();
    void vEndRequests();

    // Hands the raw line to one controller (the others held in reset) for the
    // calibration terminal; the manager stops using the line until restoreNormality().
    void hyperterminalMode(unsigned short channel);
    void restoreNormality();

    // The channel's live data, settings and histories.
    DataManager m_DataManager;

    // The last replies of each channel: whole frames (sequence number, both length
    // bytes, payload, both checksum bytes) for serial number and version; for the two
    // dates the frame from the date bytes on (its first six bytes cut).
    QByteArray m_baSerialNoReply[CHANNEL_COUNT];
    QByteArray m_baVersionReply[CHANNEL_COUNT];
    QByteArray m_baCalDateReply[CHANNEL_COUNT];
    QByteArray m_baVerifyDateReply[CHANNEL_COUNT];
    // 1 when the matching reply answers the latest request, or the request was refused.
    unsigned short m_u16VersionReady[CHANNEL_COUNT] = {};
    unsigned short m_u16SerialNoReady[CHANNEL_COUNT] = {};
    unsigned short m_u16CalDateReady[CHANNEL_COUNT] = {};
    unsigned short m_u16VerifyDateReady[CHANNEL_COUNT] = {};

signals:
    void testDataReady(const TestData &testData);
    void updateMonitor(const MonitorData &monitor);
    void initializeDone(unsigned short channelId);
    void requestTest();
    // A start-test exchange has ended: delivered when the controller acknowledged the
    // start, false when the link gave it up. It answers for every start request of the
    // channel up to the numbered one (see pendingStartTest()).
    void startTestDone(unsigned short channel, bool delivered, quint32 request);

public slots:
    void vSetStopRsq(unsigned short channel);
    void vSetFindZeroRsq(unsigned short channel);
    void vSetStartDrainingRsq(unsigned short channel);
    void vSetStartPrimingRsq(unsigned short channel);
    void vSetStartFlowRateRsq(unsigned short channel);
    void vSetChangeSettingRsq(unsigned short channel);
    void vSetStartCalibrateRsq(unsigned short channel);
    void vSetStopOcclusionBlockageRsq(unsigned short channel);
    void vSetGetTestDataRsq(unsigned short channel);
    void vSetGetVersionRequest(unsigned short channel);
    void vSetGetSerialNoRequest(unsigned short channel);
    void vSetGetCalDateRsq(unsigned short channel);
    void vSetGetVerifyDateRsq(unsigned short channel);

private slots:
    void multiChannelManager();
    void chipSelectSettleTimeOut();
    void decodeCommand(QByteArray packet);
    void vUpdateChannelRsq();
    void vCommsPortFail();
    void vResetCommsErrorCounter();
    void autoPrime();

private:
    void clearFlags();
    void vPicChipSelect(unsigned short channel);
    // Starts an exchange with the channel: nothing (false) while another runs.
    bool beginExchange(unsigned short channel);
    void startSending();
    // Ends the exchange; contacted false for a first contact still to be tried again.
    void turnOffUartTimeOut(bool completed, bool contacted = true);
    // Every request flag, each once: the ones that act on the pump (and the poll), and the
    // identity queries with the ready flag a refusal sets.
    using PumpRequest = quint16 (InfusionPumpPowerBoardManager::*)[CHANNEL_COUNT];
    struct IdentityRequest
    {
        quint8 (InfusionPumpPowerBoardManager::*request)[CHANNEL_COUNT];
        unsigned short (InfusionPumpPowerBoardManager::*ready)[CHANNEL_COUNT];
    };
    static const PumpRequest ms_pumpRequests[9];
    static const IdentityRequest ms_identityRequests[4];
    bool hasRequest(unsigned short channel) const;
    // Refuses what a channel found absent still had waiting, as if raised now.
    void dropRequests(unsigned short channel);
    // Whether the payload is the kind of reply the command asks for.
    static bool answersCommand(const QByteArray &command, const QByteArray &payload);
    void dropFrame(const char *why);
    void earlierFrameDropped() override;
    // The channel's turn: starts its most urgent exchange, false when it has none.
    bool serveChannel(unsigned short channel);
    // Starts the next part of the start under way, false when none is left.
    bool continueHeldStart();
    // Raises a request flag when the channel's status is one of those allowed.
    bool raise(unsigned short channel, quint16 *flags, bool alsoWhenCommsLost = false);
    bool raise(unsigned short channel, quint8 *flags);

    void sendGetVersionCommand(unsigned short channel);
    void sendGetSerialNoCommand(unsigned short channel);
    void sendGetCalDateCommand(unsigned short channel);
    void sendGetVerifyDateCommand(unsigned short channel);
    void sendStopCommand(unsigned short channel);
    void sendFindZeroCommand(unsigned short channel);
    void sendChangeSettingCommand(unsigned short channel);
    void sendStartPrimingCommand(unsigned short channel);
    void sendStartFlowRateCommand(unsigned short channel);
    // The start-test exchange for the numbered request (and those before it).
    void sendStartTest(unsigned short channel, quint32 request);
    void sendGetTestDataCommand(unsigned short channel);
    void sendStartDrainCommand(unsigned short channel);
    void sendStartCalibrateCommand(unsigned short channel);
    void sendStopOcclusionBlockageCommand(unsigned short channel);
    void sendSimpleCommand(unsigned short channel, const char *command);

    static InfusionPumpPowerBoardManager *ms_instance;

    RotaryEncoderReader *m_pRotaryEncoder = nullptr;
    QTimer *m_pIdleTimer = nullptr;
    unsigned short m_u16CurrentChannel = 0;
    QTimer *m_pChipSelectSettleTimer = nullptr;
    QTimer *m_pPollTimer = nullptr;
    bool m_bPicBusy = false;
    // Open request batches; nothing is scheduled while there are any.
    int m_iRequestBatches = 0;
    // The channel whose turn comes next.
    unsigned short m_u16NextTurn = 0;
    // A start under way: the channel keeps the line until its start is out (-1 when
    // none). It took its stop, settings and start requests when it began, with the
    // settings as staged then; what is raised meanwhile waits for the next start.
    int m_iHeldChannel = -1;
    bool m_bHeldSettings = false;
    bool m_bHeldStart = false;
    // The exchange on the line is a start-test.
    bool m_bStartExchange = false;
    // Start-test requests raised per channel, the one the held start took, and the one
    // the start-test exchange on the line carries.
    quint32 m_u32StartTestsRaised[CHANNEL_COUNT] = {};
    quint32 m_u32HeldStartTest = 0;
    quint32 m_u32StartTestOnLine = 0;
    // The channel's poll waited through a turn given to another of its requests; it goes
    // first at the next turn, so that a stream of requests cannot keep it waiting.
    bool m_bPollOwed[CHANNEL_COUNT] = {};
    // The calibration terminal has the line; no exchange may start.
    bool m_bHyperterminal = false;

    unsigned char m_u8SendTestType = 0;
    short m_s16SendBackPressure = 0;
    unsigned short m_u16SendWindowSize = 30;
    unsigned char m_u8SendInfusionPumpType = 0;
    // The staged values as they stood when a channel's change-setting request was
    // raised: another channel staging its own while the request waits for the line
    // must not change what this channel is sent.
    struct StagedSetting
    {
        unsigned char testType = 0;
        short backPressure = 0;
        unsigned short windowSize = 30;
        unsigned char infusionPumpType = 0;
    };
    StagedSetting m_changeSetting[CHANNEL_COUNT];
    StagedSetting m_heldSetting;
    void sendSettings(unsigned short channel, const StagedSetting &staged);

    GpioPinController *m_pChipSelect[CHANNEL_COUNT] = {};
    GpioPinController *m_pReset[CHANNEL_COUNT] = {};

    unsigned short m_u16PicContacted[CHANNEL_COUNT] = {};
    unsigned short m_u16ChannelStatus[CHANNEL_COUNT] = {};
    quint16 m_u16StopRsq[CHANNEL_COUNT] = {};
    quint16 m_u16FindZeroRsq[CHANNEL_COUNT] = {};
    quint16 m_u16StartPrimingRsq[CHANNEL_COUNT] = {};
    quint16 m_u16GetTestDataRsq[CHANNEL_COUNT] = {};
    quint16 m_u16StartFlowRateRsq[CHANNEL_COUNT] = {};
    quint16 m_u16ChangeSettingRsq[CHANNEL_COUNT] = {};
    quint16 m_u16StartDrainRsq[CHANNEL_COUNT] = {};
    unsigned short m_u16CommsErrorCount[CHANNEL_COUNT] = {};
    quint16 m_u16StartCalibrateRsq[CHANNEL_COUNT] = {};
    quint16 m_u16StopOcclusionBlockageRsq[CHANNEL_COUNT] = {};
    quint8 m_u8GetCalDateRsq[CHANNEL_COUNT] = {};
    quint8 m_u8GetVerifyDateRsq[CHANNEL_COUNT] = {};
    quint8 m_u8GetVersionRsq[CHANNEL_COUNT] = {};
    quint8 m_u8GetSerialNoRsq[CHANNEL_COUNT] = {};
    bool m_bAutoMode[CHANNEL_COUNT] = {};
    AutoState m_eAutoState[CHANNEL_COUNT] = {};
    // Line time each channel's exchanges took (FRAME_LINE_MS per transmission, and the
    // retransmission time for each that went unanswered), and the link's counts when
    // the exchange on the line began.
    qint64 m_lineMs[CHANNEL_COUNT] = {};
    quint32 m_u32TransmissionsBefore = 0;
    quint32 m_u32TimeoutsBefore = 0;
    // Transmissions a channel not heard from yet has had; it gets one per turn.
    quint8 m_u8ContactTries[CHANNEL_COUNT] = {};
    // Raises again the request the exchange on the line took (none for a held start's
    // settings or start, which turnOffUartTimeOut raises again itself).
    std::function<void()> m_reraise;
    // The link's command count (PowerBoardManager::commandsSent) of the last command answered.
    quint32 m_u32AnsweredCommand = 0;
    quint32 m_u32DroppedFrames = 0;
};
