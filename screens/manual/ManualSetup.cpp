#include "ManualSetup.h"
#include "ui_ManualSetup.h"

#include "DataManager.h"
#include "InfusionPumpPowerBoardManager.h"
#include "ManualTestArithmetic.h"
#include "OcclusionManual_Setup.h"
#include "PCAManual_Setup.h"
#include "SummaryManualScreen.h"

namespace {
// The test type this screen sets up.
constexpr unsigned short flowTestType = 0;
} // namespace

ManualSetup::ManualSetup(QWidget *previous, TestScreen *pairedRunningScreen, QWidget *parent)
    : SettingsScreen(previous, pairedRunningScreen, parent), ui(new Ui::manualSetup)
{
    ui->setupUi(this);
    ui->comboBox_TestType->setCurrentIndex(0);
    connect(ui->pushButtonBackwardFromSetupMode, &QPushButton::clicked, this,
            &ManualSetup::onBackArrowClicked);
    connect(ui->comboBox_TestType, &RotaryEncoderComboBox::comboBoxSelectedItemChanged, this,
            &ManualSetup::changeSetupScreen);
    connect(ui->pushButtonConfirm, &QPushButton::clicked, this, &ManualSetup::onConfirmClicked);
}

ManualSetup::~ManualSetup()
{
    delete ui;
}

void ManualSetup::showScreen(bool check)
{
    SettingsScreen::showScreen(check);
    ui->comboBox_TestType->setFocus();
    setupPressureDetails();
}

void ManualSetup::setTestTypeRow(int row)
{
    ui->comboBox_TestType->setCurrentIndex(row);
}

void ManualSetup::setupPressureDetails()
{
    const DataManager::PRESSURE_UNIT_DETAILS details =
        ScreenBase::board->m_DataManager.getPressureUnitDetails();
    QDoubleSpinBox *box = ui->spinBoxBackPressureSetting;
    box->setSuffix(QStringLiteral(" ") + details.unitName);
    box->setMaximum(details.maxValue);
    box->setMinimum(details.minValue);
    box->setSingleStep(details.stepValue);
    box->setDecimals(details.decimals);
}

void ManualSetup::loadSettings()
{
    DataManager &data = ScreenBase::board->m_DataManager;
    const unsigned short c = channel();
    setupPressureDetails();
    const INFUSION_PUMP_SETTING setting = data.getTestSetting(c);
    const auto duration = ManualTestArithmetic::splitDuration(int(setting.u32ElapseTimeSetting));
    ui->comboBox_TestType->setCurrentIndex(0);
    ui->selectedChannel->setText(QString::number(c + 1));
    ui->spinBoxBackPressureSetting->setValue(data.getPressureValue(setting.s16BackPressureSetting));
    ui->spinBoxSamplingWindow->setValue(setting.u16SamplingWindowSetting);
    ui->spinBoxDurationSecSetting->setValue(duration.seconds);
    ui->spinBoxDurationMinSetting->setValue(duration.minutes);
    ui->spinBoxDurationHourSetting->setValue(duration.hours);
    const TestSequencePassFailLimits limits = data.getManualPassFailLimits(c);
    ui->limitTypeComboBox->setCurrentIndex(int(limits.limitType));
    ui->spinBoxLimitLower->setValue(limits.flowLowerPct);
    ui->spinBoxLimitUpper->setValue(limits.flowUpperPct);
    ui->spinBoxLimitTarget->setValue(limits.flowTarget);
}

void ManualSetup::applySettings()
{
    DataManager &data = ScreenBase::board->m_DataManager;
    const unsigned short c = channel();
    data.vSetTestSetting_ElapseTime(
        c, ManualTestArithmetic::joinDuration(ui->spinBoxDurationHourSetting->value(),
                                              ui->spinBoxDurationMinSetting->value(),
                                              ui->spinBoxDurationSecSetting->value()));
    // This screen sets up a flow test whatever its type choice shows: another choice
    // opens the other set-up screen, which confirms its own type.
    data.vSetTestSetting_Type(c, flowTestType);
    data.vSetTestSetting_BackPressure(
        c, ManualTestArithmetic::backPressureToMmHg(ui->spinBoxBackPressureSetting->value(),
                                                    data.getPressureValue(1.0f)));
    data.vSetTestSetting_WindowSize(c, static_cast<unsigned short>(ui->spinBoxSamplingWindow->value()));
    TestSequencePassFailLimits limits = data.getManualPassFailLimits(c);
    limits.limitType = static_cast<quint32>(qMax(0, ui->limitTypeComboBox->currentIndex()));
    limits.flowLowerPct = static_cast<quint8>(ui->spinBoxLimitLower->value());
    limits.flowUpperPct = static_cast<quint8>(ui->spinBoxLimitUpper->value());
    limits.flowTarget = static_cast<float>(ui->spinBoxLimitTarget->value());
    data.setManualPassFailLimits(c, limits);
}

void ManualSetup::transferSettingsToPump()
{
    InfusionPumpPowerBoardManager *manager = ScreenBase::board;
    const INFUSION_PUMP_SETTING setting = manager->m_DataManager.getTestSetting(channel());
    manager->vSetSendToPicData_TestType(setting.u8TestTypeSetting);
    manager->vSetSendToPicData_BackPressure(setting.s16BackPressureSetting);
    manager->vSetSendToPicData_WindowSize(setting.u16SamplingWindowSetting);
}

void ManualSetup::changeSetupScreen()
{
    ScreenBase::board->m_DataManager.m_vecRealTimeData[channel()].clear();
    auto *summary = qobject_cast<SummaryManualScreen *>(previousScreen());
    if (!summary)
        return;
    switch (ui->comboBox_TestType->currentIndex()) {
    case 2: {
        PCAManual_Setup *pca = summary->getPCASetupScreen();
        pca->setTestTypeRow(2);
        pca->showScreen(true);
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

void ManualSetup::vEnableItems(bool enable)
{
    setWheelNavigation(enable);
    setFocus();
    const QList<QWidget *> inputs = {ui->comboBox_TestType,         ui->spinBoxBackPressureSetting,
                                     ui->spinBoxSamplingWindow,     ui->spinBoxDurationHourSetting,
                                     ui->spinBoxDurationMinSetting, ui->spinBoxDurationSecSetting,
                                     ui->limitTypeComboBox,         ui->spinBoxLimitTarget,
                                     ui->spinBoxLimitUpper,         ui->spinBoxLimitLower};
    for (QWidget *input : inputs) {
        input->setEnabled(enable);
        input->setFocusPolicy(enable ? Qt::TabFocus : Qt::NoFocus);
        input->setStyleSheet(QStringLiteral(" background-color: rgba(231, 231, 231, 231);"));
    }
}

void ManualSetup::changeEvent(QEvent *event)
{
    SettingsScreen::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
}
