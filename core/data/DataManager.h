#pragma once

#include "INFUSION_PUMP_OCCLUSION_SETTING.h"
#include "INFUSION_PUMP_PCA_SETTING.h"
#include "INFUSION_PUMP_REAL_TIME_DATA.h"
#include "INFUSION_PUMP_SETTING.h"
#include "INFUSION_PUMP_TEST_DATA.h"
#include "PicRunningData.h"
#include "PicStatusData.h"
#include "TestData.h"
#include "TestSequencePassFailLimits.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVector>

class DorvalenPacketHandler;
class InfusionPumpPowerBoardManager;

// Everything the instrument knows about its four channels: the latest measurement of
// each, built from the power board's test-data replies, the per-second histories, the
// PCA boluses detected, end-of-test detection, the test settings and limits kept in the
// settings file, and the operator's pressure unit.
//
// Channel numbers are 0 to 3. Every operation that takes one ignores any other number
// (getters then give an all-zero record): numbers also arrive from the PC link.
class DataManager : public QObject
{
    Q_OBJECT
public:
    static constexpr int CHANNEL_COUNT = 4;

    enum PRESSURE_UNITS { UNITS_MMHG = 0, UNITS_PSI = 1, UNITS_BAR = 2, UNITS_KPA = 3 };

    // Entry range of a pressure field in the current unit (+600 to -200 mmHg).
    struct PRESSURE_UNIT_DETAILS {
        QString unitName;
        float maxValue = 0;
        float minValue = 0;
        float stepValue = 0;
        int decimals = 0;
    };

    struct TrumpetParameters {
    };

    explicit DataManager(QObject *parent = nullptr);
    ~DataManager() override;

    static void setBoard(InfusionPumpPowerBoardManager *manager) { board = manager; }
    static InfusionPumpPowerBoardManager *board;

    // --- live data ---
    INFUSION_PUMP_TEST_DATA getTestData(unsigned short ch) const;
    void resetTestData(unsigned short ch);
    void clearAccumulators(unsigned short ch);
    void vSetTestRunningFlag(const PicRunningData &running);
    unsigned char vGetTestRunningFlag(unsigned short ch) const;
    // The channel's last test was ended by its controller (it restarted, or ran no test):
    // what it measured until then stands, but the test did not run its course.
    bool testStoppedByController(unsigned short ch) const;
    void setOcclusionTestcomplete(unsigned short ch, bool complete);
    bool getOcclusionTestComplete(unsigned short ch) const;
    void setRemoteControl(unsigned int remote) { m_u32RemoteControl = remote; }
    unsigned int getRemoteControl() const { return m_u32RemoteControl; }
    quint16 getPCATestDataCount(unsigned short ch) const;
    // The n-th bolus of the channel, counted from 1; all zero when there is none.
    PCA_TEST_DATA getPCATestData_History(unsigned short ch, unsigned short n) const;
    QString getPICStatusString(unsigned short ch) const;
    void vResetOcclusionTimer(unsigned short ch);
    unsigned int getWaitingForPacket(unsigned int ch) const;
    void setWaitingForPacket(unsigned int ch, unsigned int value);
    unsigned int getIndexSent(unsigned int ch) const;
    void setIndexSent(unsigned int ch, unsigned int value);

    // --- test settings and limits ---
    INFUSION_PUMP_SETTING getTestSetting(unsigned short ch) const;
    INFUSION_PUMP_PCA_SETTING getPCATestSetting(unsigned short ch) const;
    unsigned char getOcclusionTestSetting(unsigned short ch) const;
    void vSetTestSetting_Type(unsigned short ch, unsigned short type);
    void vSetTestSetting_FlowRate(unsigned short ch, float rate);
    void vSetTestSetting_BackPressure(unsigned short ch, short pressure);
    void vSetTestSetting_ElapseTime(unsigned short ch, int seconds);
    void vSetTestSetting_WindowSize(unsigned short ch, unsigned short seconds);
    void vSetTestSetting_ScrollingItem(unsigned short ch, unsigned char item);
    void vSetPCABasalFlowRate(unsigned short ch, float rate);
    void vSetPCABolusVolume(unsigned short ch, float volume);
    void vSetPCATotalVolume(unsigned short ch, float volume);
    void vSetPCATestSetting_LoadingDose(unsigned short ch, float volume);
    void vSetPCATestSetting_ElapseTime(unsigned short ch, int seconds);
    void vSetOcclusionInfusionPumpType(unsigned short ch, unsigned char type);
    TestSequencePassFailLimits getManualPassFailLimits(unsigned short ch) const;
    void setManualPassFailLimits(unsigned short ch, const TestSequencePassFailLimits &limits);
    void clearManualPassFailLimits(unsigned short ch);

    // --- settings file ---
    // Each save returns false when the settings file could not be written; the file
    // then holds what it held before, and the values apply until the next start only.
    void vRestoreTestSetting();
    // One channel's manual set-up (flow, PCA and occlusion settings and limits) as the
    // settings file holds it, as at start-up: what an automatic run staged is dropped.
    void restoreChannelSetting(unsigned short ch);
    bool vSaveCurrentSetting(unsigned short ch);
    bool vSavePCACurrentSetting(unsigned short ch);
    bool vSaveOcclusionCurrentSetting(unsigned short ch);
    bool vSaveTestLimits(unsigned short ch);
    bool vSaveSerialNum(const QString &serial);
    QString vLoadSerialNum() const;
    bool vSaveDateFormat(const QString &format);
    QString vLoadDateFormat() const;
    bool vSaveTimeFormat(const QString &format);
    QString vLoadTimeFormat() const;

    // --- pressure units ---
    // False for an unknown unit (nothing changes) or when the file could not be written.
    bool setPressureUnits(PRESSURE_UNITS unit);
    PRESSURE_UNITS getPressureUnits() const { return m_currentPressureUnits; }
    static QString getPressureUnitString(PRESSURE_UNITS unit);
    static QStringList getPressureUnitsList();
    // A pressure held in mmHg, in the current unit.
    float getPressureValue(float mmHg) const;
    PRESSURE_UNIT_DETAILS getPressureUnitDetails() const;

    // Per-channel members that screens read and write directly.
    QVector<INFUSION_PUMP_REAL_TIME_DATA> m_vecRealTimeData[CHANNEL_COUNT];
    QVector<INFUSION_PUMP_TEST_DATA> m_vecFullTestData[CHANNEL_COUNT];
    QList<PCA_TEST_DATA> m_listPcaTestData[CHANNEL_COUNT];
    quint32 m_u32OcclusionStopTime[CHANNEL_COUNT] = {};
    quint16 m_u16OcclusionStopped[CHANNEL_COUNT] = {};
    quint8 m_u8StopKeyPressed[CHANNEL_COUNT] = {};
    // The PC packet port while remote control is on; null otherwise. Check before use.
    DorvalenPacketHandler *m_pPacketHandler = nullptr;

signals:
    void checkStatus(const PicStatusData &status);
    void stopPump(unsigned short ch);
    void prime(unsigned short ch);
    void plotTrumpetCurve(const DataManager::TrumpetParameters &parameters);

public slots:
    void vStoreTestData(const TestData &testData);
    void statusProcessor(const PicStatusData &status);
    void vResetPCA_AverageParameter(unsigned short ch);
    // Counts one second of occlusion time on the channel of the sending ChannelTimer.
    void vOcclusionTestTimer();

protected:
    // Milliseconds of a monotonic clock; the bolus stopwatch reads it.
    virtual qint64 msecsNow() const;

private:
    enum BolusState : quint32 { BOLUS_IDLE = 0, BOLUS_RISING = 1, BOLUS_ACTIVE = 2, BOLUS_ENDED = 3 };

    void runBolusDetector(int ch, float instantFlow, float volume);
    // The set-up of channels first .. end - 1 from the settings file.
    void restoreSettings(int first, int end);
    void recordBolus(int ch, float volume);
    void storeFullRecord(int ch);
    // Seconds a flow or PCA test keeps in its full-record history; -1 for no limit.
    qint64 fullRecordLimit(int ch) const;
    void storeSample(int ch);
    void resetBolusDetector(int ch);
    void endTest(int ch);
    bool acceptElapsed(int ch, quint32 elapsed);
    void noticeIdleController(int ch);
    void endTestByController(int ch, const char *why);
    void clearReplyWatch(int ch);

    INFUSION_PUMP_TEST_DATA m_TestData[CHANNEL_COUNT];
    quint8 m_u8TestRunningFlag[CHANNEL_COUNT] = {};
    quint32 m_u32LastElapseTime[CHANNEL_COUNT] = {};
    // A reply that jumped away from the last accepted one, held until the next confirms it.
    bool m_bJumpPending[CHANNEL_COUNT] = {};
    quint32 m_u32JumpElapseTime[CHANNEL_COUNT] = {};
    // When the last reply was taken (or the watch started), in msecsNow().
    qint64 m_lastTakenMs[CHANNEL_COUNT] = {};
    // Replies in a row in which the controller of a running channel reported no test.
    quint8 m_u8IdleRepliesWhileRunning[CHANNEL_COUNT] = {};
    quint8 m_u8StoppedByController[CHANNEL_COUNT] = {};
    // Bolus stopwatch: start time in msecsNow(), or -1 while not started.
    qint64 m_bolusStartMs[CHANNEL_COUNT] = {-1, -1, -1, -1};
    float m_fBolusVolumeSum[CHANNEL_COUNT] = {};
    float m_fBolusFlowRateSum[CHANNEL_COUNT] = {};
    quint32 m_u32BolusDurationSum[CHANNEL_COUNT] = {};
    quint8 m_bOcclusionTestComplete[CHANNEL_COUNT] = {};
    quint32 m_u32WaitingForPacket[CHANNEL_COUNT] = {};
    quint32 m_u32IndexSent[CHANNEL_COUNT] = {};
    quint32 m_u32RemoteControl = 0;

    // Bolus detector and full-history state.
    quint32 Pca_State[CHANNEL_COUNT] = {};
    float fVolume_PCA_Start[CHANNEL_COUNT] = {};
    float fVolume_PCA_End[CHANNEL_COUNT] = {};
    bool stopCriteria[CHANNEL_COUNT] = {};

    INFUSION_PUMP_SETTING m_TestSetting[CHANNEL_COUNT];
    INFUSION_PUMP_PCA_SETTING m_PCATestSetting[CHANNEL_COUNT];
    INFUSION_PUMP_OCCLUSION_SETTING m_OcclusionTestSetting[CHANNEL_COUNT];
    TestSequencePassFailLimits m_ManualPassFailLimits[CHANNEL_COUNT];
    PRESSURE_UNITS m_currentPressureUnits = UNITS_MMHG;
};

Q_DECLARE_METATYPE(DataManager::TrumpetParameters)
