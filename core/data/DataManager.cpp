#include "DataManager.h"

#include "ChannelTestSettings.h"
#include "ChannelTimer.h"
#include "SettingsConstants.h"
#include "SettingsReader.h"
#include "SettingsWriter.h"
#include "StreamHelper.h"
#include "TestSettingRanges.h"

#include <QDataStream>
#include <QDebug>
#include <QElapsedTimer>

#include <cmath>

InfusionPumpPowerBoardManager *DataManager::board = nullptr;

namespace {

// Offset of the first field after the reply header that ends with "EPS".
constexpr int kReplyHeaderSize = 6;
// The whole reply as delivered: sequence number, both length bytes, the 30 bytes of
// "EPS" and its fields, both checksum bytes.
constexpr int kWholeReplySize = 3 + 30 + 2;
// A reply further than this from the last accepted one is taken as stale or garbled.
constexpr qint32 kMaxElapsedJump = 25;
// How far a confirmed jump may run ahead of the time that really passed since the last
// reply taken: a controller's count steps now and then, but cannot outrun the clock.
constexpr qint64 kMaxCountStep = 300;
// Replies in a row from an idle controller that end the test the instrument runs on it;
// a controller may take a moment to report its test after the start.
constexpr quint8 kIdleRepliesEndingTest = 3;
// Controller status above which a running channel is measuring (flow, PCA, occlusion...).
constexpr quint8 kLastNonTestStatus = 2;
constexpr quint8 kTestTypeOcclusion = 1;
constexpr quint8 kTestTypePca = 2;
constexpr quint8 kAutoOccStatusReversing = 5;
// A raw back-off pressure (tenths of mmHg) must exceed this to be taken.
constexpr qint16 kMinRawBackOff = 99;
// Instantaneous flows from here up are spikes, not a peak of the pump.
constexpr float kPeakFlowCeiling = 2000.0f;
constexpr double kMinBolusVolume = 0.2;

bool validChannel(unsigned int ch)
{
    return ch < unsigned(DataManager::CHANNEL_COUNT);
}

// A number from the settings file, held to the range its set-up form allows: a
// hand-edited or damaged file must not send a controller what no screen can set. A
// value that is no number at all gives the default.
int boundedInt(const SettingsReader &settings, const QString &key, int defaultValue, int low, int high)
{
    bool ok = false;
    const qlonglong value = settings.value(key, defaultValue).toLongLong(&ok);
    return ok ? int(qBound<qlonglong>(low, value, high)) : defaultValue;
}

float boundedFloat(const SettingsReader &settings, const QString &key, float defaultValue, float low,
                   float high)
{
    bool ok = false;
    const double value = settings.value(key, defaultValue).toDouble(&ok);
    return ok && std::isfinite(value) ? float(qBound<double>(low, value, high)) : defaultValue;
}

} // namespace

#define CHECK_CHANNEL(ch, ...)                                                                    \
    do {                                                                                          \
        if (!validChannel(ch)) {                                                                  \
            qWarning() << Q_FUNC_INFO << "channel out of bounds" << (ch);                         \
            return __VA_ARGS__;                                                                   \
        }                                                                                         \
    } while (0)

DataManager::DataManager(QObject *parent) : QObject(parent)
{
    {
        const SettingsReader settings;
        m_currentPressureUnits = PRESSURE_UNITS(
            qBound(int(UNITS_MMHG), settings.value(SETTINGS_KEY_PRESSURE_UNITS, 0).toInt(),
                   int(UNITS_KPA)));
    }
    for (unsigned short ch = 0; ch < CHANNEL_COUNT; ++ch) {
        resetTestData(ch);
        m_TestSetting[ch].u8TestTypeSetting = 0;
        m_TestSetting[ch].fFlowRateSetting = 100.0f;
        m_TestSetting[ch].s16BackPressureSetting = 0;
        m_TestSetting[ch].u32ElapseTimeSetting = 900;
        m_TestSetting[ch].u16SamplingWindowSetting = 30;
        m_TestSetting[ch].u8ScrollingItem = 0;
        m_PCATestSetting[ch].fBasalFlowRateSetting = 10.0f;
        m_PCATestSetting[ch].fBolusVolumeSetting = 0;
        m_PCATestSetting[ch].fTotalVolumeSetting = 0;
        m_PCATestSetting[ch].fLoadingDose = 0;
        m_PCATestSetting[ch].u32ElapseTimeSetting = 900;
        m_PCATestSetting[ch].u16SamplingWindowSetting = 10;
        m_OcclusionTestSetting[ch].u8InfusionPumpType = 0;
        m_ManualPassFailLimits[ch] = TestSequencePassFailLimits();
        m_ManualPassFailLimits[ch].limitType = TestSequencePassFailLimits::AVERAGE_FLOW;
        m_TestData[ch].u8PIC_Status = 0;
    }
    vRestoreTestSetting();
    connect(this, &DataManager::checkStatus, this, &DataManager::statusProcessor);
}

DataManager::~DataManager() = default;

qint64 DataManager::msecsNow() const
{
    static QElapsedTimer clock;
    if (!clock.isValid())
        clock.start();
    return clock.elapsed();
}

// ---------------------------------------------------------------------------------------
// Live data

void DataManager::vStoreTestData(const TestData &testData)
{
    const int ch = testData.m_channel;
    if (ch < 0 || !validChannel(unsigned(ch))) {
        qWarning() << Q_FUNC_INFO << "channel out of bounds" << ch;
        return;
    }

    // A reply cut short or run long is no record: its checksum bytes, or whatever came
    // in place of fields, would be read as figures. It is refused whole, and what was
    // taken before stands.
    if (testData.m_data.size() != kWholeReplySize) {
        qWarning() << Q_FUNC_INFO << "test data of channel" << ch + 1
                   << "refused:" << testData.m_data.size() << "bytes";
        return;
    }
    QDataStream in(testData.m_data);
    StreamHelper::setup(in);
    in.skipRawData(kReplyHeaderSize);
    quint8 testType = 0, status = 0, autoOccStatus = 0;
    qint16 rawPressure = 0, rawPeak = 0, rawBackOff = 0;
    quint32 elapsed = 0, rawVolume = 0, rawInstant = 0, rawAverage = 0;
    quint16 revolution = 0;
    in >> testType >> status >> rawPressure >> elapsed >> rawVolume >> revolution >> rawInstant
        >> rawAverage >> rawPeak >> autoOccStatus >> rawBackOff;

    INFUSION_PUMP_TEST_DATA &record = m_TestData[ch];
    if (m_u8TestRunningFlag[ch] != 1 || status <= kLastNonTestStatus) {
        // A controller that runs no test has no test figures to give: what it reports as
        // elapsed time, peak or volume is either 0 or still the last test's, depending on
        // its firmware. Only its present state is taken, so an idle channel shows its
        // present pressure, and the last test's figures stay for saving and judging.
        record.s16Pressure = qint16(rawPressure / 10);
        record.u8TestType = testType;
        record.u8PIC_Status = status;
        emit checkStatus(PicStatusData(ch, status));
        if (testType == kTestTypePca)
            Pca_State[ch] = BOLUS_IDLE;
        stopCriteria[ch] = false;
        if (m_u8TestRunningFlag[ch] == 1)
            noticeIdleController(ch);
        return;
    }
    m_u8IdleRepliesWhileRunning[ch] = 0;
    if (elapsed < m_u32LastElapseTime[ch]) {
        // Within a test the count never goes back: a controller whose count started
        // again was reset and has lost the test. Its zeros replace nothing.
        endTestByController(ch, "counts from the start again");
        return;
    }
    if (!acceptElapsed(ch, elapsed))
        return;

    m_u32LastElapseTime[ch] = elapsed;
    record.s16Pressure = qint16(rawPressure / 10);
    record.u32ElapseTime = elapsed;
    record.u8TestType = testType;
    record.s16Pressure_Peak = qint16(rawPeak / 10);
    record.u8PIC_Status = status;
    emit checkStatus(PicStatusData(ch, status));

    const qint32 endTime = testType == kTestTypePca ? m_PCATestSetting[ch].u32ElapseTimeSetting
                                                    : m_TestSetting[ch].u32ElapseTimeSetting;

    if (testType == kTestTypeOcclusion) {
        // Only an auto-reversing pump ends the test by itself: it reports status 5 and
        // then relieves the line, which shows as a negative pressure.
        if (m_OcclusionTestSetting[ch].u8InfusionPumpType != 0
            && record.u8AutoOccStatus == kAutoOccStatusReversing && record.s16Pressure < 0
            && elapsed != 0) {
            m_u32OcclusionStopTime[ch] = elapsed;
            endTest(ch);
            m_bOcclusionTestComplete[ch] = 1;
        }
    } else if (elapsed >= quint32(endTime)) {
        endTest(ch);
    }

    record.fVolume = float(rawVolume) / 1000.0f;
    record.u16Revolution = revolution;
    record.fFlowRate_Ave = float(rawAverage) / 1000.0f;
    record.u8AutoOccStatus = autoOccStatus;
    if (rawBackOff > kMinRawBackOff)
        record.s16Pressure_BackOff = qint16(rawBackOff / 10);

    const float instant = float(rawInstant) / 1000.0f;
    record.fFlowRate_Instant = instant;
    if (testType == kTestTypePca) {
        runBolusDetector(ch, instant, record.fVolume);
    } else if (elapsed <= m_TestSetting[ch].u16SamplingWindowSetting) {
        record.fFlowRate_Peak = instant;
        record.fFlowRate_Min = instant;
    } else {
        if (instant > record.fFlowRate_Peak && instant < kPeakFlowCeiling)
            record.fFlowRate_Peak = instant;
        if (instant < record.fFlowRate_Min)
            record.fFlowRate_Min = instant;
    }

    if (m_u32RemoteControl != 0 && !stopCriteria[ch] && elapsed != 0)
        storeFullRecord(ch);

    if (m_TestSetting[ch].u8TestTypeSetting == kTestTypeOcclusion)
        stopCriteria[ch] = m_bOcclusionTestComplete[ch] != 0;
    else if (fullRecordLimit(ch) >= 0)
        stopCriteria[ch] = m_vecFullTestData[ch].size() >= fullRecordLimit(ch);

    storeSample(ch);
}

void DataManager::endTest(int ch)
{
    emit stopPump(ch);
    emit prime(ch);
    m_u8TestRunningFlag[ch] = 0;
    m_u32LastElapseTime[ch] = 0;
    clearReplyWatch(ch);
}

// A reply far ahead of the last accepted one is stale or garbled, and is dropped alone.
// When the next reply carries on from it, though, the controller's count really moved on
// (a channel silent for a while, a step in its count): the test follows it, and the
// per-second history fills the gap. (A count that went back has ended the test before.)
bool DataManager::acceptElapsed(int ch, quint32 elapsed)
{
    const auto near = [](quint32 from, quint32 to) {
        const qint64 jump = qint64(to) - qint64(from);
        return jump >= 0 && jump <= kMaxElapsedJump;
    };
    const quint32 last = m_u32LastElapseTime[ch];
    bool taken = near(last, elapsed);
    if (!taken && m_bJumpPending[ch] && near(m_u32JumpElapseTime[ch], elapsed)) {
        // Two garbled replies that happen to agree must not grow the history by years.
        const qint64 passed = (msecsNow() - m_lastTakenMs[ch]) / 1000;
        taken = qint64(elapsed) - qint64(last) <= passed + kMaxCountStep;
    }
    m_bJumpPending[ch] = !taken;
    m_u32JumpElapseTime[ch] = elapsed;
    if (taken)
        m_lastTakenMs[ch] = msecsNow();
    return taken;
}

// A channel the instrument runs whose controller keeps reporting no test (it was reset,
// never took the start, or stopped by itself) would otherwise stay running for ever: the
// test is ended as stopped, as the red key would, and the controller is primed.
void DataManager::noticeIdleController(int ch)
{
    if (++m_u8IdleRepliesWhileRunning[ch] < kIdleRepliesEndingTest)
        return;
    endTestByController(ch, "runs no test");
}

// The test ends as stopped, as the red key would end it, and is marked as ended by its
// controller so that it is shown so and is not saved as passed by default.
void DataManager::endTestByController(int ch, const char *why)
{
    qWarning("the controller of channel %d %s: its test is stopped at %u s", ch + 1, why,
             m_TestData[ch].u32ElapseTime);
    m_u8StoppedByController[ch] = 1;
    if (m_TestSetting[ch].u8TestTypeSetting == kTestTypeOcclusion) {
        m_u16OcclusionStopped[ch] = 1;
        m_u32OcclusionStopTime[ch] = m_TestData[ch].u32ElapseTime;
    }
    m_u8StopKeyPressed[ch] = 1;
    endTest(ch);
}

void DataManager::clearReplyWatch(int ch)
{
    m_bJumpPending[ch] = false;
    m_lastTakenMs[ch] = msecsNow();
    m_u8IdleRepliesWhileRunning[ch] = 0;
}

qint64 DataManager::fullRecordLimit(int ch) const
{
    switch (m_TestSetting[ch].u8TestTypeSetting) {
    case 0:
        return qMax(0, m_TestSetting[ch].u32ElapseTimeSetting);
    case kTestTypePca:
        return qMax(0, m_PCATestSetting[ch].u32ElapseTimeSetting);
    default:
        return -1;
    }
}

// Entry i holds the record of second i + 1; seconds skipped by the poll are filled with
// copies of the newest record. An elapsed time below the length (a controller restarted
// its count) cuts the history back rather than growing it without end. A flow or PCA
// history ends at the test's last second even when a late reply reaches past it: the PC
// reads the test's end from there.
void DataManager::storeFullRecord(int ch)
{
    QVector<INFUSION_PUMP_TEST_DATA> &history = m_vecFullTestData[ch];
    const INFUSION_PUMP_TEST_DATA &record = m_TestData[ch];
    const qint64 elapsed = record.u32ElapseTime;
    const qint64 limit = fullRecordLimit(ch);
    if (limit >= 0 && elapsed > limit) {
        for (qint64 second = history.size() + 1; second <= limit; ++second) {
            INFUSION_PUMP_TEST_DATA fill = record;
            fill.u32ElapseTime = quint32(second);
            history.append(fill);
        }
        return;
    }
    for (qint64 gap = elapsed - history.size(); gap > 1; --gap) {
        INFUSION_PUMP_TEST_DATA fill = record;
        fill.u32ElapseTime = quint32(elapsed - gap + 1);
        history.append(fill);
    }
    if (history.size() >= elapsed)
        history.resize(int(elapsed - 1));
    history.append(record);
}

void DataManager::storeSample(int ch)
{
    QVector<INFUSION_PUMP_REAL_TIME_DATA> &history = m_vecRealTimeData[ch];
    const INFUSION_PUMP_TEST_DATA &record = m_TestData[ch];
    const qint64 elapsed = record.u32ElapseTime;
    if (elapsed == 0 || elapsed <= history.size())
        return;
    INFUSION_PUMP_REAL_TIME_DATA sample;
    sample.s16Pressure = record.s16Pressure;
    sample.u32ElapseTime = record.u32ElapseTime;
    sample.fVolume = record.fVolume;
    sample.fFlowRate_Instant = record.fFlowRate_Instant;
    sample.fFlowRate_Ave = record.fFlowRate_Ave;
    for (qint64 gap = elapsed - history.size(); gap > 1; --gap) {
        INFUSION_PUMP_REAL_TIME_DATA fill = sample;
        fill.u32ElapseTime = quint32(elapsed - gap + 1);
        history.append(fill);
    }
    history.append(sample);
}

void DataManager::runBolusDetector(int ch, float instantFlow, float volume)
{
    const double flow = instantFlow;
    const double basal = m_PCATestSetting[ch].fBasalFlowRateSetting;
    switch (Pca_State[ch]) {
    case BOLUS_IDLE:
        if (flow > 2 * basal) {
            Pca_State[ch] = BOLUS_RISING;
            m_bolusStartMs[ch] = msecsNow();
            fVolume_PCA_Start[ch] = volume;
        }
        break;
    case BOLUS_RISING:
        if (flow < 2 * basal)
            Pca_State[ch] = BOLUS_IDLE;
        else if (flow > 3 * basal)
            Pca_State[ch] = BOLUS_ACTIVE;
        break;
    case BOLUS_ACTIVE:
        if (flow <= 2 * basal) {
            Pca_State[ch] = BOLUS_ENDED;
            if (double(volume) - double(fVolume_PCA_Start[ch]) >= kMinBolusVolume)
                recordBolus(ch, volume);
        }
        break;
    default:
        Pca_State[ch] = BOLUS_IDLE;
        break;
    }
}

void DataManager::recordBolus(int ch, float volume)
{
    INFUSION_PUMP_TEST_DATA &record = m_TestData[ch];
    PCA_TEST_DATA &bolus = record.Pca_Test_Data;
    fVolume_PCA_End[ch] = volume;
    bolus.u16BolusCount += 1;
    const qint64 now = msecsNow();
    const qint64 ms = m_bolusStartMs[ch] < 0 ? 0 : qMax<qint64>(0, now - m_bolusStartMs[ch]);
    m_bolusStartMs[ch] = now;
    bolus.u32BolusDuration = quint32(ms / 1000);
    bolus.fVolume_Bolus = fVolume_PCA_End[ch] - fVolume_PCA_Start[ch];
    // A bolus shorter than a second has no measurable rate; 0 keeps inf out of the
    // averages and the stored results.
    bolus.fFlowRate_Bolus = bolus.u32BolusDuration == 0
        ? 0.0f
        : float(bolus.fVolume_Bolus / bolus.u32BolusDuration * 3600.0);
    const quint16 count = bolus.u16BolusCount;
    m_fBolusVolumeSum[ch] += bolus.fVolume_Bolus;
    record.fVolume_Bolus_Ave = m_fBolusVolumeSum[ch] / count;
    m_fBolusFlowRateSum[ch] += bolus.fFlowRate_Bolus;
    record.fFlowRate_Bolus_Ave = m_fBolusFlowRateSum[ch] / count;
    m_u32BolusDurationSum[ch] += bolus.u32BolusDuration;
    record.u32BolusDuration_Ave = m_u32BolusDurationSum[ch] / count;
    m_listPcaTestData[ch].append(bolus);
}

void DataManager::resetBolusDetector(int ch)
{
    Pca_State[ch] = BOLUS_IDLE;
    fVolume_PCA_Start[ch] = 0;
    fVolume_PCA_End[ch] = 0;
    m_bolusStartMs[ch] = -1;
}

INFUSION_PUMP_TEST_DATA DataManager::getTestData(unsigned short ch) const
{
    CHECK_CHANNEL(ch, INFUSION_PUMP_TEST_DATA());
    return m_TestData[ch];
}

void DataManager::resetTestData(unsigned short ch)
{
    CHECK_CHANNEL(ch);
    resetBolusDetector(ch);
    m_u8TestRunningFlag[ch] = 0;
    m_fBolusVolumeSum[ch] = 0;
    m_fBolusFlowRateSum[ch] = 0;
    m_u32BolusDurationSum[ch] = 0;
    m_u32WaitingForPacket[ch] = 0;
    m_u32IndexSent[ch] = 0;
    const quint8 status = m_TestData[ch].u8PIC_Status;
    m_TestData[ch] = INFUSION_PUMP_TEST_DATA();
    m_TestData[ch].u8PIC_Status = status;
    m_listPcaTestData[ch].clear();
    m_vecRealTimeData[ch].clear();
    m_u32OcclusionStopTime[ch] = 0;
    m_u16OcclusionStopped[ch] = 0;
    m_u8StopKeyPressed[ch] = 0;
    m_bOcclusionTestComplete[ch] = 0;
    m_u32LastElapseTime[ch] = 0;
    clearReplyWatch(ch);
}

void DataManager::clearAccumulators(unsigned short ch)
{
    CHECK_CHANNEL(ch);
    m_fBolusVolumeSum[ch] = 0;
    m_fBolusFlowRateSum[ch] = 0;
    m_u32BolusDurationSum[ch] = 0;
    INFUSION_PUMP_TEST_DATA &record = m_TestData[ch];
    record.fVolume_Bolus_Ave = 0;
    record.fFlowRate_Bolus_Ave = 0;
    record.u32BolusDuration_Ave = 0;
    record.Pca_Test_Data.u16BolusCount = 0;
    record.s16Pressure_BackOff = 0;
}

void DataManager::vSetTestRunningFlag(const PicRunningData &running)
{
    const int ch = running.m_iChannel;
    if (ch < 0 || !validChannel(unsigned(ch))) {
        qWarning() << Q_FUNC_INFO << "channel out of bounds" << ch;
        return;
    }
    m_u8TestRunningFlag[ch] = running.m_u8Running;
    clearReplyWatch(ch);
    // A new test counts from 0, whatever the last one reached.
    m_u32LastElapseTime[ch] = 0;
    if (running.m_u8Running != 0) {
        m_u8StoppedByController[ch] = 0;
        resetBolusDetector(ch); // a new test must not inherit a half-seen bolus
    }
}

bool DataManager::testStoppedByController(unsigned short ch) const
{
    CHECK_CHANNEL(ch, false);
    return m_u8StoppedByController[ch] != 0;
}

unsigned char DataManager::vGetTestRunningFlag(unsigned short ch) const
{
    CHECK_CHANNEL(ch, 0);
    return m_u8TestRunningFlag[ch];
}

void DataManager::setOcclusionTestcomplete(unsigned short ch, bool complete)
{
    CHECK_CHANNEL(ch);
    m_bOcclusionTestComplete[ch] = complete ? 1 : 0;
}

bool DataManager::getOcclusionTestComplete(unsigned short ch) const
{
    CHECK_CHANNEL(ch, false);
    return m_bOcclusionTestComplete[ch] != 0;
}

quint16 DataManager::getPCATestDataCount(unsigned short ch) const
{
    CHECK_CHANNEL(ch, 0);
    return quint16(m_listPcaTestData[ch].size());
}

PCA_TEST_DATA DataManager::getPCATestData_History(unsigned short ch, unsigned short n) const
{
    CHECK_CHANNEL(ch, PCA_TEST_DATA());
    if (n < 1 || n > m_listPcaTestData[ch].size())
        return PCA_TEST_DATA();
    return m_listPcaTestData[ch].at(n - 1);
}

QString DataManager::getPICStatusString(unsigned short ch) const
{
    CHECK_CHANNEL(ch, QStringLiteral("UNKNOWN"));
    static const char *const names[] = {"PIC_IDLE", "PIC_MOTOR_ERROR", "PIC_PRIME_MODE",
                                        "PIC_FLOW_RATE", "PIC_PCA", "PIC_OCC",
                                        "PIC_DRAIN", "PIC_MAX"};
    const quint8 status = m_TestData[ch].u8PIC_Status;
    return status < 8 ? QString::fromLatin1(names[status]) : QStringLiteral("UNKNOWN");
}

void DataManager::vResetPCA_AverageParameter(unsigned short ch)
{
    CHECK_CHANNEL(ch);
    INFUSION_PUMP_TEST_DATA &record = m_TestData[ch];
    record.Pca_Test_Data = PCA_TEST_DATA();
    record.fVolume_Bolus_Ave = 0;
    record.fFlowRate_Bolus_Ave = 0;
    record.u32BolusDuration_Ave = 0;
    m_fBolusVolumeSum[ch] = 0;
    m_fBolusFlowRateSum[ch] = 0;
    m_u32BolusDurationSum[ch] = 0;
    m_listPcaTestData[ch].clear();
}

void DataManager::vResetOcclusionTimer(unsigned short ch)
{
    CHECK_CHANNEL(ch);
    m_TestData[ch].u32OcclusionTime = 0;
    m_TestData[ch].u8AutoOccStatus = 0;
    m_TestData[ch].s16Pressure_BackOff = 0;
}

void DataManager::vOcclusionTestTimer()
{
    const auto *timer = qobject_cast<const ChannelTimer *>(sender());
    if (!timer)
        return;
    const unsigned short ch = timer->getChannel_Id();
    CHECK_CHANNEL(ch);
    m_TestData[ch].u32OcclusionTime += 1;
}

void DataManager::statusProcessor(const PicStatusData &)
{
}

unsigned int DataManager::getWaitingForPacket(unsigned int ch) const
{
    CHECK_CHANNEL(ch, 0);
    return m_u32WaitingForPacket[ch];
}

void DataManager::setWaitingForPacket(unsigned int ch, unsigned int value)
{
    CHECK_CHANNEL(ch);
    m_u32WaitingForPacket[ch] = value;
}

unsigned int DataManager::getIndexSent(unsigned int ch) const
{
    CHECK_CHANNEL(ch, 0);
    return m_u32IndexSent[ch];
}

void DataManager::setIndexSent(unsigned int ch, unsigned int value)
{
    CHECK_CHANNEL(ch);
    m_u32IndexSent[ch] = value;
}

// ---------------------------------------------------------------------------------------
// Test settings and limits

INFUSION_PUMP_SETTING DataManager::getTestSetting(unsigned short ch) const
{
    CHECK_CHANNEL(ch, INFUSION_PUMP_SETTING());
    return m_TestSetting[ch];
}

INFUSION_PUMP_PCA_SETTING DataManager::getPCATestSetting(unsigned short ch) const
{
    CHECK_CHANNEL(ch, INFUSION_PUMP_PCA_SETTING());
    return m_PCATestSetting[ch];
}

unsigned char DataManager::getOcclusionTestSetting(unsigned short ch) const
{
    CHECK_CHANNEL(ch, 0);
    return m_OcclusionTestSetting[ch].u8InfusionPumpType;
}

void DataManager::vSetTestSetting_Type(unsigned short ch, unsigned short type)
{
    CHECK_CHANNEL(ch);
    m_TestSetting[ch].u8TestTypeSetting = quint8(type & 0xFF);
}

void DataManager::vSetTestSetting_FlowRate(unsigned short ch, float rate)
{
    CHECK_CHANNEL(ch);
    m_TestSetting[ch].fFlowRateSetting = rate;
}

void DataManager::vSetTestSetting_BackPressure(unsigned short ch, short pressure)
{
    CHECK_CHANNEL(ch);
    m_TestSetting[ch].s16BackPressureSetting = pressure;
}

void DataManager::vSetTestSetting_ElapseTime(unsigned short ch, int seconds)
{
    CHECK_CHANNEL(ch);
    m_TestSetting[ch].u32ElapseTimeSetting = seconds;
}

void DataManager::vSetTestSetting_WindowSize(unsigned short ch, unsigned short seconds)
{
    CHECK_CHANNEL(ch);
    m_TestSetting[ch].u16SamplingWindowSetting = seconds;
}

void DataManager::vSetTestSetting_ScrollingItem(unsigned short ch, unsigned char item)
{
    CHECK_CHANNEL(ch);
    m_TestSetting[ch].u8ScrollingItem = item;
}

void DataManager::vSetPCABasalFlowRate(unsigned short ch, float rate)
{
    CHECK_CHANNEL(ch);
    m_PCATestSetting[ch].fBasalFlowRateSetting = rate;
}

void DataManager::vSetPCABolusVolume(unsigned short ch, float volume)
{
    CHECK_CHANNEL(ch);
    m_PCATestSetting[ch].fBolusVolumeSetting = volume;
}

void DataManager::vSetPCATotalVolume(unsigned short ch, float volume)
{
    CHECK_CHANNEL(ch);
    m_PCATestSetting[ch].fTotalVolumeSetting = volume;
}

void DataManager::vSetPCATestSetting_LoadingDose(unsigned short ch, float volume)
{
    CHECK_CHANNEL(ch);
    m_PCATestSetting[ch].fLoadingDose = volume;
}

void DataManager::vSetPCATestSetting_ElapseTime(unsigned short ch, int seconds)
{
    CHECK_CHANNEL(ch);
    m_PCATestSetting[ch].u32ElapseTimeSetting = seconds;
}

void DataManager::vSetOcclusionInfusionPumpType(unsigned short ch, unsigned char type)
{
    CHECK_CHANNEL(ch);
    m_OcclusionTestSetting[ch].u8InfusionPumpType = type;
}

TestSequencePassFailLimits DataManager::getManualPassFailLimits(unsigned short ch) const
{
    CHECK_CHANNEL(ch, TestSequencePassFailLimits());
    return m_ManualPassFailLimits[ch];
}

void DataManager::setManualPassFailLimits(unsigned short ch,
                                          const TestSequencePassFailLimits &limits)
{
    CHECK_CHANNEL(ch);
    m_ManualPassFailLimits[ch] = limits;
}

void DataManager::clearManualPassFailLimits(unsigned short ch)
{
    CHECK_CHANNEL(ch);
    m_ManualPassFailLimits[ch] = TestSequencePassFailLimits();
}

// ---------------------------------------------------------------------------------------
// Settings file

void DataManager::vRestoreTestSetting()
{
    restoreSettings(0, CHANNEL_COUNT);
}

void DataManager::restoreChannelSetting(unsigned short ch)
{
    CHECK_CHANNEL(ch);
    restoreSettings(ch, ch + 1);
}

void DataManager::restoreSettings(int first, int end)
{
    const SettingsReader settings;
    for (int n = first; n < end; ++n) {
        TestSequencePassFailLimits limits;
        QDataStream in(settings.value(ChannelTestSettings::manualTestLimits(n), QByteArray())
                           .toByteArray());
        StreamHelper::setup(in);
        in >> limits;
        m_ManualPassFailLimits[n] = limits;

        using R = TestSettingRanges;
        INFUSION_PUMP_SETTING &flow = m_TestSetting[n];
        flow.u8TestTypeSetting =
            quint8(boundedInt(settings, ChannelTestSettings::testTypeSetting(n), 0, 0, R::maxTestType));
        flow.fFlowRateSetting = settings.value(ChannelTestSettings::flowRateSetting(n), 100).toFloat();
        flow.s16BackPressureSetting =
            qint16(boundedInt(settings, ChannelTestSettings::backPressureSetting(n), 0,
                              R::minBackPressure, R::maxBackPressure));
        flow.u32ElapseTimeSetting = boundedInt(settings, ChannelTestSettings::elapseTimeSetting(n),
                                               900, 0, R::maxTestTime);
        flow.u8ScrollingItem =
            quint8(settings.value(ChannelTestSettings::scrollingItemSetting(n), 0).toInt());
        flow.u16SamplingWindowSetting =
            quint16(boundedInt(settings, ChannelTestSettings::windowSizeSetting(n), 30,
                               R::minWindowSize, R::maxWindowSize));

        INFUSION_PUMP_PCA_SETTING &pca = m_PCATestSetting[n];
        pca.fBasalFlowRateSetting =
            boundedFloat(settings, ChannelTestSettings::PCABasalFlowRateSetting(n), 10,
                         R::minBasalFlowRate, R::maxBasalFlowRate);
        pca.fBolusVolumeSetting = boundedFloat(
            settings, ChannelTestSettings::PCABolusVolumeSetting(n), 0, 0, R::maxBolusVolume);
        pca.fTotalVolumeSetting =
            settings.value(ChannelTestSettings::PCATotalVolumeSetting(n), 0).toFloat();
        // The PCA window shares the flow window's key.
        pca.u16SamplingWindowSetting =
            quint16(boundedInt(settings, ChannelTestSettings::windowSizeSetting(n), 10,
                               R::minWindowSize, R::maxWindowSize));
        pca.u32ElapseTimeSetting = boundedInt(
            settings, ChannelTestSettings::PCAElapseTimeSetting(n), 900, 0, R::maxTestTime);
        pca.fLoadingDose = settings.value(ChannelTestSettings::PCALoadingDoseSetting(n), 0).toFloat();

        m_OcclusionTestSetting[n].u8InfusionPumpType = quint8(boundedInt(
            settings, ChannelTestSettings::occlusionInfusionPumpTypeSetting(n), 0, 0, R::maxPumpType));
    }
}

bool DataManager::vSaveCurrentSetting(unsigned short ch)
{
    CHECK_CHANNEL(ch, false);
    const INFUSION_PUMP_SETTING &flow = m_TestSetting[ch];
    SettingsWriter settings;
    settings.setValue(ChannelTestSettings::testTypeSetting(ch), int(flow.u8TestTypeSetting));
    settings.setValue(ChannelTestSettings::flowRateSetting(ch), QVariant(flow.fFlowRateSetting));
    settings.setValue(ChannelTestSettings::backPressureSetting(ch), int(flow.s16BackPressureSetting));
    settings.setValue(ChannelTestSettings::elapseTimeSetting(ch), int(flow.u32ElapseTimeSetting));
    settings.setValue(ChannelTestSettings::windowSizeSetting(ch), int(flow.u16SamplingWindowSetting));
    settings.setValue(ChannelTestSettings::scrollingItemSetting(ch), int(flow.u8ScrollingItem));
    return settings.commit();
}

bool DataManager::vSavePCACurrentSetting(unsigned short ch)
{
    CHECK_CHANNEL(ch, false);
    const INFUSION_PUMP_PCA_SETTING &pca = m_PCATestSetting[ch];
    // The PC may start the same PCA test again and again: what is stored already costs
    // no write.
    return SettingsWriter::writeChanged({
        {ChannelTestSettings::testTypeSetting(ch), int(m_TestSetting[ch].u8TestTypeSetting)},
        {ChannelTestSettings::PCABasalFlowRateSetting(ch), QVariant(pca.fBasalFlowRateSetting)},
        {ChannelTestSettings::PCABolusVolumeSetting(ch), QVariant(pca.fBolusVolumeSetting)},
        {ChannelTestSettings::PCATotalVolumeSetting(ch), QVariant(pca.fTotalVolumeSetting)},
        {ChannelTestSettings::PCAElapseTimeSetting(ch), int(pca.u32ElapseTimeSetting)},
        {ChannelTestSettings::PCALoadingDoseSetting(ch), QVariant(pca.fLoadingDose)},
    });
}

bool DataManager::vSaveOcclusionCurrentSetting(unsigned short ch)
{
    CHECK_CHANNEL(ch, false);
    SettingsWriter settings;
    settings.setValue(ChannelTestSettings::testTypeSetting(ch),
                      int(m_TestSetting[ch].u8TestTypeSetting));
    settings.setValue(ChannelTestSettings::occlusionInfusionPumpTypeSetting(ch),
                      int(m_OcclusionTestSetting[ch].u8InfusionPumpType));
    return settings.commit();
}

bool DataManager::vSaveTestLimits(unsigned short ch)
{
    CHECK_CHANNEL(ch, false);
    QByteArray blob;
    {
        QDataStream out(&blob, QIODevice::WriteOnly);
        StreamHelper::setup(out);
        out << m_ManualPassFailLimits[ch];
    }
    return SettingsWriter::write(ChannelTestSettings::manualTestLimits(ch), blob);
}

namespace {
QString loadString(const QString &key, const QString &defaultValue)
{
    const SettingsReader settings;
    return settings.value(key, defaultValue).toString();
}
} // namespace

bool DataManager::vSaveSerialNum(const QString &serial)
{
    return SettingsWriter::write(SETTINGS_KEY_SERIAL_NUM, serial);
}

QString DataManager::vLoadSerialNum() const
{
    return loadString(SETTINGS_KEY_SERIAL_NUM, SETTINGS_DEFAULT_SERIAL_NUM);
}

bool DataManager::vSaveDateFormat(const QString &format)
{
    return SettingsWriter::write(SETTINGS_KEY_DATE_FORMAT, format);
}

QString DataManager::vLoadDateFormat() const
{
    return loadString(SETTINGS_KEY_DATE_FORMAT, QStringLiteral("dd.MM.yyyy"));
}

bool DataManager::vSaveTimeFormat(const QString &format)
{
    return SettingsWriter::write(SETTINGS_KEY_TIME_FORMAT, format);
}

QString DataManager::vLoadTimeFormat() const
{
    return loadString(SETTINGS_KEY_TIME_FORMAT, QStringLiteral("hh:mm:ss ap"));
}

// ---------------------------------------------------------------------------------------
// Pressure units

namespace {
// Factor from mmHg to each unit, in unit order.
constexpr double kUnitFactor[] = {1.0, 0.0193367747, 0.00133322368, 0.133322368};
} // namespace

bool DataManager::setPressureUnits(PRESSURE_UNITS unit)
{
    if (unit < UNITS_MMHG || unit > UNITS_KPA) {
        qWarning() << Q_FUNC_INFO << "Unknown pressure unit" << int(unit);
        return false;
    }
    m_currentPressureUnits = unit;
    return SettingsWriter::write(SETTINGS_KEY_PRESSURE_UNITS, int(unit));
}

QString DataManager::getPressureUnitString(PRESSURE_UNITS unit)
{
    switch (unit) {
    case UNITS_MMHG:
        return tr("mmHg");
    case UNITS_PSI:
        return tr("PSI");
    case UNITS_BAR:
        return tr("Bar");
    case UNITS_KPA:
        return tr("kPa");
    }
    return QString();
}

QStringList DataManager::getPressureUnitsList()
{
    return {getPressureUnitString(UNITS_MMHG), getPressureUnitString(UNITS_PSI),
            getPressureUnitString(UNITS_BAR), getPressureUnitString(UNITS_KPA)};
}

float DataManager::getPressureValue(float mmHg) const
{
    if (m_currentPressureUnits <= UNITS_MMHG || m_currentPressureUnits > UNITS_KPA)
        return mmHg;
    return float(double(mmHg) * kUnitFactor[m_currentPressureUnits]);
}

DataManager::PRESSURE_UNIT_DETAILS DataManager::getPressureUnitDetails() const
{
    PRESSURE_UNIT_DETAILS details;
    int unit = m_currentPressureUnits;
    if (unit < UNITS_MMHG || unit > UNITS_KPA) {
        qWarning() << Q_FUNC_INFO << "Unknown m_currentPressureUnits" << unit;
        unit = UNITS_MMHG; // the mmHg range, with no unit name to show
    } else {
        details.unitName = getPressureUnitString(PRESSURE_UNITS(unit));
    }
    details.maxValue = float(TestSettingRanges::maxBackPressure * kUnitFactor[unit]);
    details.minValue = float(TestSettingRanges::minBackPressure * kUnitFactor[unit]);
    details.stepValue = unit == UNITS_MMHG ? 1.0f : 0.01f;
    details.decimals = unit == UNITS_MMHG ? 0 : 2;
    return details;
}
