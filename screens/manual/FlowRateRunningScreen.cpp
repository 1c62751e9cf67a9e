#include "FlowRateRunningScreen.h"
#include "ui_FlowRateRunningScreen.h"

#include "DataManager.h"
#include "InfusionPumpPowerBoardManager.h"
#include "ManualSetup.h"
#include "ManualTestArithmetic.h"
#include "SummaryManualScreen.h"

#include <QKeyEvent>
#include <QWheelEvent>

FlowRateRunningScreen::FlowRateRunningScreen(QWidget *previous, QWidget *parent)
    : TestScreen(previous, parent), ui(new Ui::FlowRateRunningScreen)
{
    ui->setupUi(this);
    m_valueLabels = {ui->label_Mean_FlowRate,      ui->label_Peak_FlowRate,
                     ui->label_FlowRate_Error,     ui->label_InstFlowRate,
                     ui->label_FlowRateTest_Volume, ui->label_Min_FlowRate,
                     ui->label_Pressure};
    m_nameLabels = {ui->label_MSG_Mean,       ui->label_MSG_Peak,   ui->label_MSG_ERROR,
                    ui->label_MSG_ActualFlow, ui->label_MSG_Volume, ui->label_MSG_Min,
                    ui->label_MSG_Pressure};

    connect(ui->pushButtonFlowTestBackward, &QPushButton::clicked, this,
            &FlowRateRunningScreen::onBackArrowClicked);
    connect(ui->pushButtonFlowTest_ShowGraph, &QPushButton::clicked, this,
            &FlowRateRunningScreen::onGraphClicked);
    connect(ui->pushButton_SwitchChannel, &QPushButton::clicked, this,
            &FlowRateRunningScreen::onChannelClicked);
    connectRequests();
    setModeKeys(ui->pushButtonFlowTest_ViewSetting, ui->pushButton_SwitchChannel);
}

FlowRateRunningScreen::~FlowRateRunningScreen()
{
    delete ui;
}

void FlowRateRunningScreen::lateSetup()
{
    if (SummaryManualScreen *summary = summaryScreen())
        connect(ui->pushButtonFlowTest_ViewSetting, &QPushButton::clicked,
                summary->getFlowRateSetupScreen(), &ManualSetup::showScreen);
}

void FlowRateRunningScreen::showScreen(bool check)
{
    TestScreen::showScreen(check);
    const DataManager &data = ScreenBase::board->m_DataManager;
    ui->label_MSG_Pressure->setText(data.getPressureUnitString(data.getPressureUnits()));
}

void FlowRateRunningScreen::fetchData()
{
    DataManager &data = ScreenBase::board->m_DataManager;
    const unsigned short c = getChannelId();
    const INFUSION_PUMP_TEST_DATA live = data.getTestData(c);
    const INFUSION_PUMP_SETTING setting = data.getTestSetting(c);
    const bool running = data.vGetTestRunningFlag(c) != 0;
    // The channel runs a test of another type: its values are not flow values.
    if (running && setting.u8TestTypeSetting != 0)
        return;

    const unsigned int duration =
        setting.u32ElapseTimeSetting < 0 ? 0u : unsigned(setting.u32ElapseTimeSetting);
    const auto &history = data.m_vecRealTimeData[c];
    ui->label_FlowRate_ElapseTime->setText(running ? formatTimeFromPic(live.u32ElapseTime)
                                                   : idleWord(c, history.size(), duration));
    ui->label_FlowRate_ElapseTime_CountDown->setText(
        formatTimeFromPic(ManualTestArithmetic::remainingSeconds(duration, live.u32ElapseTime)));
    ui->label_Selected_Channel->setText(QString::number(c + 1));
    ui->label_Mean_FlowRate->setText(QString::number(live.fFlowRate_Ave, 'f', 2));
    ui->label_InstFlowRate->setText(QString::number(live.fFlowRate_Instant, 'f', 2));

    const TestSequencePassFailLimits limits = data.getManualPassFailLimits(c);
    const unsigned int lastSample = history.isEmpty() ? 0u : history.last().u32ElapseTime;
    const auto error = ManualTestArithmetic::flowError(limits, live, duration, lastSample);
    QString name;
    if (limits.limitType == 1)
        name = tr("Avg Flow Err %", "Flow rate running screen error type label");
    else if (limits.limitType == 2)
        name = tr("Volume Err %", "Flow rate running screen error type label");
    else
        name = tr("Inst Flow Err %", "Flow rate running screen error type label");
    const QString colour = error.red ? QStringLiteral("<font color='red'>%1</font>")
                                     : QStringLiteral("<font color='green'>%1</font>");
    ui->label_MSG_ERROR->setText(colour.arg(name));
    ui->label_FlowRate_Error->setText(colour.arg(QString::number(error.percent, 'f', 1)));

    ui->label_FlowRateTest_Volume->setText(ManualTestArithmetic::formatVolume(live.fVolume));
    ui->label_Pressure->setText(
        QString::number(data.getPressureValue(live.s16Pressure), 'f', 2));

    // Peak and minimum mean something only once the first averaging window has passed.
    if (live.u32ElapseTime > setting.u16SamplingWindowSetting || (!history.isEmpty() && !running)) {
        ui->label_Peak_FlowRate->setText(QString::number(live.fFlowRate_Peak, 'f', 2));
        ui->label_Min_FlowRate->setText(QString::number(live.fFlowRate_Min, 'f', 2));
    } else {
        ui->label_Peak_FlowRate->setText(QStringLiteral("---"));
        ui->label_Min_FlowRate->setText(QStringLiteral("---"));
    }
    // Filled last so that an emphasised peak or minimum shows this second's value.
    fillEmphasis();
}

void FlowRateRunningScreen::fillEmphasis()
{
    showEmphasised(ui->label_Ephasing_Item_Data, m_valueLabels.at(m_emphasisIndex)->text());
    ui->labe_Ephasing_Item_Name->setText(m_nameLabels.at(m_emphasisIndex)->text());
}

void FlowRateRunningScreen::wheelEvent(QWheelEvent *event)
{
    m_emphasisIndex = ManualTestArithmetic::stepIndex(m_emphasisIndex, m_valueLabels.size(),
                                                      event->angleDelta().y());
    fillEmphasis();
    ui->label_Ephasing_Item_Data->repaint();
    ui->labe_Ephasing_Item_Name->repaint();
}

void FlowRateRunningScreen::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F7)
        ScreenBase::board->m_DataManager.m_u8StopKeyPressed[getChannelId()] = 1;
    TestScreen::keyPressEvent(event);
}

void FlowRateRunningScreen::changeEvent(QEvent *event)
{
    TestScreen::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
}
