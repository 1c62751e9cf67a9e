#include "PCAManual_Setup.h"
#include "ui_PCAManual_Setup.h"

#include "DataManager.h"
#include "InfusionPumpPowerBoardManager.h"
#include "ManualSetup.h"
#include "ManualTestArithmetic.h"
#include "OcclusionManual_Setup.h"
#include "SummaryManualScreen.h"

namespace {
// The test type this screen sets up.
constexpr unsigned short pcaTestType = 2;
} // namespace

PCAManual_Setup::PCAManual_Setup(QWidget *previous, TestScreen *pairedRunningScreen,
                                 QWidget *parent)
    : SettingsScreen(previous, pairedRunningScreen, parent), ui(new Ui::PCAManual_Seup)
{
    ui->setupUi(this);
    connect(ui->pushButtonBackwardFromPCAManual, &QPushButton::clicked, this,
            &PCAManual_Setup::onBackArrowClicked);
    connect(ui->comboBox_TestType, &RotaryEncoderComboBox::comboBoxSelectedItemChanged, this,
            &PCAManual_Setup::changeSetupScreen);
    connect(ui->pushButtonSaveSetting, &QPushButton::clicked, this,
            &PCAManual_Setup::onConfirmClicked);
}

PCAManual_Setup::~PCAManual_Setup()
{
    delete ui;
}

void PCAManual_Setup::setTestTypeRow(int row)
{
    ui->comboBox_TestType->setCurrentIndex(row);
}

void PCAManual_Setup::showScreen(bool check)
{
    SettingsScreen::showScreen(check);
    ui->comboBox_TestType->setFocus();
}

void PCAManual_Setup::loadSettings()
{
    DataManager &data = ScreenBase::board->m_DataManager;
    const unsigned short c = channel();
    const INFUSION_PUMP_PCA_SETTING pca = data.getPCATestSetting(c);
    const auto duration = ManualTestArithmetic::splitDuration(int(pca.u32ElapseTimeSetting));
    ui->comboBox_TestType->setCurrentIndex(2);
    ui->selectedChannel->setText(QString::number(c + 1));
    ui->doubleSpinBox_BasalFlowRateSetting->setValue(pca.fBasalFlowRateSetting);
    ui->spinBoxDurationSecSetting->setValue(duration.seconds);
    ui->spinBoxDurationMinSetting->setValue(duration.minutes);
    ui->spinBoxDurationHourSetting->setValue(duration.hours);
    const TestSequencePassFailLimits limits = data.getManualPassFailLimits(c);
    ui->spinBoxLimitLower->setValue(limits.bolusLowerPct);
    ui->spinBoxLimitUpper->setValue(limits.bolusUpperPct);
    ui->doubleSpinBox_BolusVolumeSetting->setValue(limits.bolusTarget);
}

void PCAManual_Setup::applySettings()
{
    DataManager &data = ScreenBase::board->m_DataManager;
    const unsigned short c = channel();
    data.vSetPCATestSetting_ElapseTime(
        c, ManualTestArithmetic::joinDuration(ui->spinBoxDurationHourSetting->value(),
                                              ui->spinBoxDurationMinSetting->value(),
                                              ui->spinBoxDurationSecSetting->value()));
    // This screen sets up a PCA test whatever its type choice shows.
    data.vSetTestSetting_Type(c, pcaTestType);
    data.vSetPCABasalFlowRate(c, static_cast<float>(ui->doubleSpinBox_BasalFlowRateSetting->value()));
    TestSequencePassFailLimits limits = data.getManualPassFailLimits(c);
    limits.bolusTarget = static_cast<float>(ui->doubleSpinBox_BolusVolumeSetting->value());
    limits.bolusLowerPct = static_cast<quint8>(ui->spinBoxLimitLower->value());
    limits.bolusUpperPct = static_cast<quint8>(ui->spinBoxLimitUpper->value());
    data.setManualPassFailLimits(c, limits);
}

void PCAManual_Setup::transferSettingsToPump()
{
    InfusionPumpPowerBoardManager *manager = ScreenBase::board;
    DataManager &data = manager->m_DataManager;
    const INFUSION_PUMP_SETTING setting = data.getTestSetting(channel());
    const INFUSION_PUMP_PCA_SETTING pca = data.getPCATestSetting(channel());
    manager->vSetSendToPicData_TestType(setting.u8TestTypeSetting);
    manager->vSetSendToPicData_BackPressure(setting.s16BackPressureSetting);
    manager->vSetSendToPicData_WindowSize(
        ManualTestArithmetic::pcaWindowSize(pca.fBasalFlowRateSetting));
}

void PCAManual_Setup::changeSetupScreen()
{
    ScreenBase::board->m_DataManager.m_vecRealTimeData[channel()].clear();
    auto *summary = qobject_cast<SummaryManualScreen *>(previousScreen());
    if (!summary)
        return;
    switch (ui->comboBox_TestType->currentIndex()) {
    case 0: {
        ManualSetup *flow = summary->getFlowRateSetupScreen();
        flow->setTestTypeRow(0);
        flow->showScreen(true);
        break;
    }
    case 1: {
        OcclusionManual_Setup *occ = summary->getOcclusionSetupScreen();
        occ->setTestTypeRow(1);
        occ->showScreen(true);
        break;
    }
    default:
        break;
    }
}

void PCAManual_Setup::vEnableItems(bool enable)
{
    setWheelNavigation(enable);
    setFocus();
    const QList<QWidget *> inputs = {
        ui->comboBox_TestType,         ui->doubleSpinBox_BasalFlowRateSetting,
        ui->doubleSpinBox_BolusVolumeSetting, ui->spinBoxDurationHourSetting,
        ui->spinBoxDurationMinSetting, ui->spinBoxDurationSecSetting,
        ui->spinBoxLimitLower,         ui->spinBoxLimitUpper};
    for (QWidget *input : inputs)
        input->setFocusPolicy(enable ? Qt::TabFocus : Qt::NoFocus);
    setFocus();
    for (QWidget *input : inputs) {
        input->setEnabled(enable);
        input->setStyleSheet(QStringLiteral(" background-color: rgba(231, 231, 231, 231);"));
    }
}

void PCAManual_Setup::changeEvent(QEvent *event)
{
    SettingsScreen::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
}
