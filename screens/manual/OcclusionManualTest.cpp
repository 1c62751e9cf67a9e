#include "OcclusionManualTest.h"
#include "ui_OcclusionManualTest.h"

#include "DataManager.h"
#include "DataSeries.h"
#include "DorvalenPacketHandler.h"
#include "InfusionPumpPowerBoardManager.h"
#include "KovintaPacket.h"
#include "ManualTestArithmetic.h"
#include "OcclusionManual_Setup.h"
#include "SummaryManualScreen.h"

#include <QKeyEvent>
#include <QTimer>
#include <QWheelEvent>

OcclusionManualTest::OcclusionManualTest(QWidget *previous, QWidget *parent)
    : TestScreen(previous, parent), ui(new Ui::OcclusionManualTest)
{
    ui->setupUi(this);
    m_valueLabels = {ui->label_InfusionPumpType, ui->label_Pressure, ui->label_Pressure_Peak,
                     ui->label_Pressure_BackOff, ui->label_FlowRateTest_Volume};
    m_nameLabels = {ui->label_MSG_InfusionPump_Type, ui->label_MSG_Pressure,
                    ui->label_MSG_Pressure_Peak, ui->label_MSG_Pressure_BackOff,
                    ui->label_MSG_Volume};
    connect(TestScreen::screenRefreshTimer, &QTimer::timeout, this,
            QOverload<>::of(&QWidget::update));
    connect(ui->pushButtonBackward, &QPushButton::clicked, this,
            &OcclusionManualTest::onBackArrowClicked);
    connect(ui->pushButtonShowGraph, &QPushButton::clicked, this,
            &OcclusionManualTest::onGraphClicked);
    connect(ui->pushButton_SwitchChannel, &QPushButton::clicked, this,
            &OcclusionManualTest::onChannelClicked);
    connectRequests();
    connect(this, &OcclusionManualTest::stopOcclusionBlockage, ScreenBase::board,
            &InfusionPumpPowerBoardManager::vSetStopOcclusionBlockageRsq);
    setModeKeys(ui->pushButtonViewSetting, ui->pushButton_SwitchChannel);
    // The data manager ends a test by itself (an auto-reverse pump done, a controller
    // that runs no test): a PC run ended so waits for no alarm any more.
    if (ScreenBase::board)
        connect(&ScreenBase::board->m_DataManager, &DataManager::stopPump, this,
                [this](unsigned short c) {
                    if (c < 4 && m_startedByPc[c]) {
                        m_startedByPc[c] = false;
                        m_greenKeyState[c] = 0;
                    }
                });
}

OcclusionManualTest::~OcclusionManualTest()
{
    delete ui;
}

void OcclusionManualTest::lateSetup()
{
    if (SummaryManualScreen *summary = summaryScreen())
        connect(ui->pushButtonViewSetting, &QPushButton::clicked,
                summary->getOcclusionSetupScreen(), &OcclusionManual_Setup::showScreen);
}

void OcclusionManualTest::showScreen(bool check)
{
    TestScreen::showScreen(check);
    const DataManager &data = ScreenBase::board->m_DataManager;
    const QString unit = data.getPressureUnitString(data.getPressureUnits());
    ui->label_MSG_Pressure->setText(tr("Current %1:").arg(unit));
    ui->label_MSG_Pressure_Peak->setText(tr("Peak %1:").arg(unit));
    ui->label_MSG_Pressure_BackOff->setText(tr("Back-off %1:").arg(unit));
}

void OcclusionManualTest::endTest(unsigned short channel, unsigned int stopTime)
{
    DataManager &data = ScreenBase::board->m_DataManager;
    m_greenKeyState[channel] = 0;
    m_startedByPc[channel] = false;
    data.m_u32OcclusionStopTime[channel] = stopTime;
    emit stopTest(channel);
    emit prime(channel);
    data.vSetTestRunningFlag(PicRunningData(channel, 0));
    data.setOcclusionTestcomplete(channel, true);
}

void OcclusionManualTest::onGreenKeyPressed()
{
    onGreenKeyPressed(getChannelId());
}

void OcclusionManualTest::setRemoteRun(unsigned short c, bool running)
{
    if (c >= 4)
        return;
    m_greenKeyState[c] = running ? 1 : 0;
    m_startedByPc[c] = running;
    // A countdown of an earlier run must neither end this one nor end it at once.
    m_countdownActive[c] = false;
    if (running)
        m_countdownCompleted[c] = false;
}

bool OcclusionManualTest::waitsForRemoteAlarm(unsigned short c) const
{
    return c < 4 && m_startedByPc[c] && m_greenKeyState[c] == 1 &&
           ScreenBase::board->m_DataManager.vGetTestRunningFlag(c) != 0;
}

void OcclusionManualTest::onGreenKeyPressed(unsigned short c)
{
    if (c >= 4)
        return;
    DataManager &data = ScreenBase::board->m_DataManager;
    const INFUSION_PUMP_TEST_DATA live = data.getTestData(c);
    // A test that its controller gave up is over: nothing waits for an alarm any more.
    if (data.m_u16OcclusionStopped[c] == 1 && !data.vGetTestRunningFlag(c))
        m_greenKeyState[c] = 0;
    data.m_u16OcclusionStopped[c] = 0;
    // During the countdown the old test counts as over, so the key may start a new one.
    const unsigned int elapsed = m_countdownActive[c] ? 0u : live.u32ElapseTime;

    if (m_greenKeyState[c] == 0 && (m_countdownActive[c] || mayStart(c))) {
        m_countdownActive[c] = false;
        m_countdownCompleted[c] = false;
        emit stopTest(c);
        emit startTest(c);
        m_greenKeyState[c] = 1;
        m_startedByPc[c] = false; // started by hand
        data.clearAccumulators(c);
        DataSeries::setScaleMode(0);
    } else if (m_greenKeyState[c] == 1) {
        emit stopOcclusionBlockage(c);
        m_greenKeyState[c] = 0;
        m_countdownActive[c] = true;
        m_countdown[c] = countdownRefreshes;
        if (data.getRemoteControl() == 1) {
            KovintaPacket alarm;
            alarm.alarm(static_cast<unsigned char>(c));
            DorvalenPacketHandler::sendReply(data.m_pPacketHandler, alarm);
        }
    }
    if (m_countdownCompleted[c])
        endTest(c, elapsed);
}

void OcclusionManualTest::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_F6:
        onGreenKeyPressed();
        break;
    case Qt::Key_F7: {
        DataManager &data = ScreenBase::board->m_DataManager;
        const unsigned short c = getChannelId();
        m_greenKeyState[c] = 0;
        m_startedByPc[c] = false;
        m_countdownActive[c] = false;
        data.m_u16OcclusionStopped[c] = 1;
        data.m_u32OcclusionStopTime[c] = data.getTestData(c).u32ElapseTime;
        emit stopTest(c);
        emit prime(c);
        data.vSetTestRunningFlag(PicRunningData(c, 0));
        data.m_u8StopKeyPressed[c] = 1;
        break;
    }
    default:
        ScreenBase::keyPressEvent(event);
        break;
    }
}

void OcclusionManualTest::runCountdowns()
{
    DataManager &data = ScreenBase::board->m_DataManager;
    for (unsigned short c = 0; c < 4; ++c) {
        if (!m_countdownActive[c])
            continue;
        if (m_countdown[c] > 0) {
            --m_countdown[c];
            continue;
        }
        endTest(c, data.getTestData(c).u32ElapseTime);
        m_countdownActive[c] = false;
        m_countdownCompleted[c] = true;
    }
}

void OcclusionManualTest::fetchData()
{
    runCountdowns();
    DataManager &data = ScreenBase::board->m_DataManager;
    const unsigned short c = getChannelId();
    ui->label_Selected_Channel->setText(QString::number(c + 1));
    const INFUSION_PUMP_TEST_DATA live = data.getTestData(c);
    const int testType = data.getTestSetting(c).u8TestTypeSetting;
    const int pumpType = data.getOcclusionTestSetting(c);
    const bool running = data.vGetTestRunningFlag(c) != 0;
    if (running && testType != 1)
        return; // another test type runs on the channel

    if (running) {
        ui->label_FlowRate_ElapseTime->setText(formatTimeFromPic(live.u32ElapseTime));
        if (pumpType != 0) {
            if (live.u8AutoOccStatus <= 3)
                ui->label_OccTestStatus->setText("<font color='green'>" +
                                                 tr("Waiting for Pump to Reverse"));
        } else {
            // A manual pump whose line pressure falls below zero has released the
            // blockage by itself: the test is over.
            if (m_greenKeyState[c] == 0 && live.s16Pressure < 0 && live.u32ElapseTime != 0) {
                m_countdownActive[c] = false;
                endTest(c, live.u32ElapseTime);
            }
            if (m_greenKeyState[c] == 1)
                ui->label_OccTestStatus->setText("<font color='green'>" +
                                                 tr("Press Green Button When Alarm Sounds"));
        }
    } else if (data.m_u16OcclusionStopped[c] == 1) {
        ui->label_FlowRate_ElapseTime->setText(formatTimeFromPic(data.m_u32OcclusionStopTime[c]));
        ui->label_OccTestStatus->setText(data.testStoppedByController(c)
                                             ? stoppedByControllerWord()
                                             : "<font color='red'>" + tr("Stopped"));
    } else if (data.m_u32OcclusionStopTime[c] != 0) {
        ui->label_FlowRate_ElapseTime->setText(formatTimeFromPic(data.m_u32OcclusionStopTime[c]));
        ui->label_OccTestStatus->setText("<font color='blue'>" + tr("Completed"));
    } else {
        ui->label_FlowRate_ElapseTime->setText(formatTimeFromPic(0));
        ui->label_OccTestStatus->setText("<font color='green'>" + tr("Ready"));
    }

    if (pumpType != 0) {
        ui->label_InfusionPumpType->setText(tr("Auto reverse"));
        ui->label_Pressure_BackOff->setEnabled(true);
        ui->label_Pressure_BackOff->setText(
            QString::number(data.getPressureValue(live.s16Pressure_BackOff), 'f', 2));
    } else {
        ui->label_InfusionPumpType->setText(tr("Manual"));
        ui->label_Pressure_BackOff->setEnabled(false);
        ui->label_Pressure_BackOff->setText(QStringLiteral("---"));
    }
    ui->label_Pressure_Peak->setText(
        QString::number(data.getPressureValue(live.s16Pressure_Peak), 'f', 2));

    const TestSequencePassFailLimits limits = data.getManualPassFailLimits(c);
    const QString name = tr("Current %1:").arg(data.getPressureUnitString(data.getPressureUnits()));
    const QString value = QString::number(data.getPressureValue(live.s16Pressure), 'f', 2);
    switch (ManualTestArithmetic::judgePressure(live.s16Pressure, limits)) {
    case ManualTestArithmetic::Unjudged:
        ui->label_MSG_Pressure->setText(name);
        ui->label_Pressure->setText(value);
        break;
    case ManualTestArithmetic::Inside:
        ui->label_MSG_Pressure->setText(QStringLiteral("<font color='green'>%1</font>").arg(name));
        ui->label_Pressure->setText(QStringLiteral("<font color='green'>%1</font>").arg(value));
        break;
    case ManualTestArithmetic::Outside:
        ui->label_MSG_Pressure->setText(QStringLiteral("<font color='red'>%1</font>").arg(name));
        ui->label_Pressure->setText(QStringLiteral("<font color='red'>%1</font>").arg(value));
        break;
    }
    ui->label_FlowRateTest_Volume->setText(QString::number(live.fVolume, 'f', 1));
    fillEmphasis();
}

void OcclusionManualTest::fillEmphasis()
{
    showEmphasised(ui->label_Ephasing_Item_Data, m_valueLabels.at(m_emphasisIndex)->text());
    ui->labe_Ephasing_Item_Name->setText(m_nameLabels.at(m_emphasisIndex)->text());
}

void OcclusionManualTest::wheelEvent(QWheelEvent *event)
{
    m_emphasisIndex = ManualTestArithmetic::stepIndex(m_emphasisIndex, m_valueLabels.size(),
                                                      event->angleDelta().y());
    fillEmphasis();
    ui->label_Ephasing_Item_Data->repaint();
    ui->labe_Ephasing_Item_Name->repaint();
}

void OcclusionManualTest::changeEvent(QEvent *event)
{
    TestScreen::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
}
