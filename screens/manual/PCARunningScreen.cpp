#include "PCARunningScreen.h"
#include "ui_PCARunningScreen.h"

#include "DataManager.h"
#include "InfusionPumpPowerBoardManager.h"
#include "ManualTestArithmetic.h"
#include "PCAManual_Setup.h"
#include "SummaryManualScreen.h"

#include <QKeyEvent>
#include <QTimer>
#include <QWheelEvent>

PCARunningScreen::PCARunningScreen(QWidget *previous, QWidget *parent)
    : TestScreen(previous, parent), ui(new Ui::PCARunning_Screen)
{
    ui->setupUi(this);
    connect(TestScreen::screenRefreshTimer, &QTimer::timeout, this,
            QOverload<>::of(&QWidget::update));
    connect(ui->pushButtonFlowTestBackward, &QPushButton::clicked, this,
            &PCARunningScreen::onBackArrowClicked);
    connect(ui->pushButtonFlowTest_ShowGraph, &QPushButton::clicked, this,
            &PCARunningScreen::onGraphClicked);
    connect(ui->pushButton_SwitchChannel, &QPushButton::clicked, this,
            &PCARunningScreen::onChannelClicked);
    connectRequests();
    setModeKeys(ui->pushButtonFlowTest_ViewSetting, ui->pushButton_SwitchChannel);
    m_scrollOffset = 0;
}

PCARunningScreen::~PCARunningScreen()
{
    delete ui;
}

void PCARunningScreen::lateSetup()
{
    if (SummaryManualScreen *summary = summaryScreen())
        connect(ui->pushButtonFlowTest_ViewSetting, &QPushButton::clicked,
                summary->getPCASetupScreen(), &PCAManual_Setup::showScreen);
}

void PCARunningScreen::showScreen(bool check)
{
    TestScreen::showScreen(check);
    m_scrollOffset = 0;
}

void PCARunningScreen::keyPressEvent(QKeyEvent *event)
{
    DataManager &data = ScreenBase::board->m_DataManager;
    const unsigned short c = getChannelId();
    if (event->key() == Qt::Key_F6) {
        data.m_listPcaTestData[c].clear();
        data.clearAccumulators(c);
    } else if (event->key() == Qt::Key_F7) {
        data.m_u8StopKeyPressed[c] = 1;
    }
    TestScreen::keyPressEvent(event);
}

void PCARunningScreen::wheelEvent(QWheelEvent *event)
{
    const int count = ScreenBase::board->m_DataManager.getPCATestDataCount(getChannelId());
    if (count < 4)
        return;
    if (event->angleDelta().y() > 0)
        m_scrollOffset = qMin(m_scrollOffset + 1, ManualTestArithmetic::maxBolusOffset(count));
    else
        m_scrollOffset = qMax(m_scrollOffset - 1, 0);
    fetchData();
}

void PCARunningScreen::fetchData()
{
    DataManager &data = ScreenBase::board->m_DataManager;
    const unsigned short c = getChannelId();
    ui->label_Selected_Channel->setText(QString::number(c + 1));
    const INFUSION_PUMP_TEST_DATA live = data.getTestData(c);
    const INFUSION_PUMP_SETTING setting = data.getTestSetting(c);
    const INFUSION_PUMP_PCA_SETTING pca = data.getPCATestSetting(c);
    const bool running = data.vGetTestRunningFlag(c) != 0;
    if (running && setting.u8TestTypeSetting != 2)
        return; // another test type runs on the channel

    const unsigned int duration =
        pca.u32ElapseTimeSetting < 0 ? 0u : unsigned(pca.u32ElapseTimeSetting);
    ui->label_FlowRate_ElapseTime->setText(
        running ? formatTimeFromPic(live.u32ElapseTime)
                : idleWord(c, data.m_vecRealTimeData[c].size(), duration));
    ui->label_PCA_ElapseTime_CountDown->setText(
        formatTimeFromPic(ManualTestArithmetic::remainingSeconds(duration, live.u32ElapseTime)));

    ui->label_Mean_Basal_Flow->setText(
        QString::asprintf("%#.4g", double(live.fFlowRate_Instant)));
    ui->label_Total_Volume->setText(ManualTestArithmetic::formatVolume(live.fVolume));
    ui->label_Bolus_Volume_Ave->setText(ManualTestArithmetic::formatVolume(live.fVolume_Bolus_Ave));
    ui->label_Bolus_FlowRate_Ave->setText(
        QString::asprintf("%#.4g", double(live.fFlowRate_Bolus_Ave)));
    ui->label_Bolus_Duration_Ave->setText(QString::number(live.u32BolusDuration_Ave));

    const qint16 count = static_cast<qint16>(data.getPCATestDataCount(c));
    if (count != m_lastBolusNum[c]) {
        m_scrollOffset = 0;
        m_lastBolusNum[c] = count;
    }
    // The oldest bolus shown goes to the rightmost column, the newest to the leftmost.
    QLabel *const ids[] = {ui->label_Bolus_ID_Colume_1, ui->label_Bolus_ID_Colume_2,
                           ui->label_Bolus_ID_Colume_3};
    QLabel *const volumes[] = {ui->label_Bolus_Volume_Colume_1, ui->label_Bolus_Volume_Colume_2,
                               ui->label_Bolus_Volume_Colume_3};
    QLabel *const flows[] = {ui->label_Bolus_FlowRate_Colume_1,
                             ui->label_Bolus_FlowRate_Colume_2,
                             ui->label_Bolus_FlowRate_Colume_3};
    QLabel *const durations[] = {ui->label_Bolus_Duration_Colume_1,
                                 ui->label_Bolus_Duration_Colume_2,
                                 ui->label_Bolus_Duration_Colume_3};
    for (int i = 0; i < 3; ++i) {
        ids[i]->setText(QStringLiteral("---"));
        volumes[i]->setText(QStringLiteral("---"));
        flows[i]->setText(QStringLiteral("---"));
        durations[i]->setText(QStringLiteral("---"));
    }
    if (count <= 0)
        return;
    const TestSequencePassFailLimits limits = data.getManualPassFailLimits(c);
    const int first = ManualTestArithmetic::firstShownBolus(count, m_scrollOffset);
    for (int i = 0; i < 3 && first + i <= count; ++i) {
        const int number = first + i;
        const PCA_TEST_DATA bolus =
            data.getPCATestData_History(c, static_cast<unsigned short>(number));
        ids[i]->setText(QString::number(number));
        // The oldest column shows a fixed three decimals, the others the shortest form.
        const QString volume = i == 0 ? QString::number(bolus.fVolume_Bolus, 'f', 3)
                                      : QString::number(bolus.fVolume_Bolus);
        switch (ManualTestArithmetic::judgeBolusVolume(bolus.fVolume_Bolus, limits.bolusTarget,
                                                       limits.bolusUpperPct,
                                                       limits.bolusLowerPct)) {
        case ManualTestArithmetic::Unjudged:
            volumes[i]->setText(volume);
            break;
        case ManualTestArithmetic::Inside:
            volumes[i]->setText(QStringLiteral("<font color='green'>%1</font>").arg(volume));
            break;
        case ManualTestArithmetic::Outside:
            volumes[i]->setText(QStringLiteral("<font color='red'>%1</font>").arg(volume));
            break;
        }
        flows[i]->setText(QString::asprintf("%#.4g", double(bolus.fFlowRate_Bolus)));
        durations[i]->setText(QString::number(bolus.u32BolusDuration));
    }
}

void PCARunningScreen::changeEvent(QEvent *event)
{
    TestScreen::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
}
