#pragma once

#include "PcFrameHeader.h"
#include "TestSettingRanges.h"

#include <QObject>
#include <QVector>

#include <functional>

class DataManager;
class DorvalenPacket;
class DorvalenPacketHandler;
class InfusionPumpPowerBoardManager;
class KovintaPacket;
class QTimer;

// The instrument's end of the PC link: cuts the bytes from the PC into request frames,
// checks each frame's CRC and carries out the request, answering on the data manager's
// PC link port (nothing is sent while it is null).
//
// A request is checked whole before anything changes: its body (and a Start's
// configuration) complete, its channel in range, a Start's test type and settings within
// what the manual set-up screens accept. A request that fails is dropped without a reply.
// What a request does to the running screens is left to whoever handles the three
// signals; they come synchronously, after the settings reached the board manager.
// A Start is confirmed, and a PCA Start's settings saved, only once the board manager
// has the start on the controller; starts that a newer one on the channel overtook
// while they waited for the line share its one Confirm.
class PcRequestDispatcher : public QObject
{
    Q_OBJECT
public:
    // The manual set-up screens' ranges.
    static constexpr unsigned int maxTestTime = TestSettingRanges::maxTestTime;
    static constexpr short minBackPressure = TestSettingRanges::minBackPressure;
    static constexpr short maxBackPressure = TestSettingRanges::maxBackPressure;
    static constexpr unsigned short minWindowSize = TestSettingRanges::minWindowSize;
    static constexpr unsigned short maxWindowSize = TestSettingRanges::maxWindowSize;
    static constexpr float minBasalFlowRate = TestSettingRanges::minBasalFlowRate;
    static constexpr float maxBasalFlowRate = TestSettingRanges::maxBasalFlowRate;
    static constexpr float maxBolusVolume = TestSettingRanges::maxBolusVolume;
    static constexpr unsigned char maxPumpType = TestSettingRanges::maxPumpType;
    // Window size staged for a PCA test.
    static constexpr unsigned short pcaWindowSize = 30;

    explicit PcRequestDispatcher(InfusionPumpPowerBoardManager &board, QObject *parent = nullptr);

    // How long a frame still coming may go without a byte: a request's frame (or a header
    // not yet whole) as long as any PC may take between its writes, a frame whose length
    // no request of its opcode has only briefly.
    static constexpr int requestWaitMs = 5000;
    static constexpr int oversizedWaitMs = 200;
    // How often the clock is looked at while bytes wait.
    static constexpr int waitCheckMs = 100;

    // Milliseconds of a steady clock, for the waits; an empty one is the system's.
    void setClock(std::function<qint64()> clock);

    // Reads what the port holds, at most the receive buffer's free room, and handles every
    // frame that is then complete.
    void readFrom(DorvalenPacketHandler &port);
    // Handles bytes as they came from the PC, however they are cut. With no start marker
    // on the wire, a frame is looked for one byte further on whenever the header at hand
    // is one no request has or a complete frame's CRC fails, so garbage does not take the
    // valid frames behind it along.
    void receiveBytes(const char *data, int size);
    // What the wait's timer runs: once what waits has gone its wait without a byte (the
    // port read first, so bytes that came meanwhile count), the line is idle.
    void checkWait();
    // What waits for more is garbage (a cut-off frame, or a length that claims more than
    // was sent). Every frame found in it is handled and the rest dropped, which empties
    // the buffer.
    void lineIdle();
    void clearReceiveBuffer();
    unsigned int receivedCount() const { return m_u32ReceivedCount; }

    // Carries out one request whose CRC has been checked. Never throws.
    void displayPacket(DorvalenPacket &packet);

signals:
    // The running screen of the test type (0 flow, 1 occlusion, 2 PCA) is to show the
    // channel and request a stop, then a start, of its test.
    void startRequested(unsigned short channel, unsigned int testType);
    // The occlusion running screen's run of the channel is over; it requests the stop.
    void stopRequested(unsigned short channel);
    // The green key for the channel on the occlusion running screen, once the Alarm
    // reply is out.
    void alarmRequested(unsigned short channel);

private slots:
    void onStartTestDone(unsigned short channel, bool delivered, quint32 request);

private:
    // Takes out every frame the buffer holds; at an idle line, also drops what waits.
    void processFrames(bool idle);
    void dropReceived(unsigned int count);
    void reportSkipped();
    void handlePoll(const DorvalenPacket &packet);
    void handleStart(const DorvalenPacket &packet);
    void handleStop(const DorvalenPacket &packet);
    void handleAlarm(const DorvalenPacket &packet);
    void handleRequestInfo(const DorvalenPacket &packet);
    bool startIsValid(const DorvalenPacket &packet) const;
    bool testFinished(unsigned short channel, unsigned int index) const;
    // Stages the channel's test type, back pressure and window size as the settings hold
    // them (or the given window size).
    void stageSettings(unsigned short channel, int windowSize = -1);
    void send(const KovintaPacket &reply);

    InfusionPumpPowerBoardManager &m_board;
    DataManager &m_data;
    unsigned char m_receiveBuffer[PcFrameHeader::frameBufferSize] = {};
    unsigned int m_u32ReceivedCount = 0;
    // Bytes dropped since the last frame, for one warning per stretch of garbage.
    unsigned int m_u32SkippedCount = 0;
    std::function<qint64()> m_clock;
    qint64 m_lastByteAt = 0;
    // The wait of what the buffer holds now.
    int m_waitMs = requestWaitMs;
    QTimer *m_waitTimer;
    // The board manager's numbers of the start-test requests that the channel's Starts
    // raised and that wait for their confirmation, oldest first (a few at most: each start
    // on the line answers for all before it); and whether a PCA Start's settings wait to
    // be saved.
    static constexpr int channelCount = 4;
    QVector<quint32> m_owedConfirms[channelCount];
    bool m_bPcaSaveOwed[channelCount] = {};
};
