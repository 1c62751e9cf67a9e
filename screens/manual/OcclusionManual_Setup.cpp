#include "OcclusionManual_Setup.h"
#include "ui_OcclusionManual_Setup.h"

#include "DataManager.h"
#include "InfusionPumpPowerBoardManager.h"
#include "ManualSetup.h"
#include "PCAManual_Setup.h"
#include "SummaryManualScreen.h"

namespace {
// The test type this screen sets up.
constexpr unsigned short occlusionTestType = 1;
} // namespace

OcclusionManual_Setup::OcclusionManual_Setup(QWidget *previous, TestScreen *pairedRunningScreen,
                                             QWidget *parent)
    : SettingsScreen(previous, pairedRunningScreen, parent), ui(new Ui::OcclusionManual_Setup)
{
    ui->setupUi(this);
    connect(ui->pushButtonBackward, &QPushButton::clicked, this,
            &OcclusionManual_Setup::onBackArrowClicked);
    connect(ui->comboBox_TestType, &RotaryEncoderComboBox::comboBoxSelectedItemChanged, this,
            &OcclusionManual_Setup::changeSetupScreen);
    connect(ui->pushButtonSaveSetting, &QPushButton::clicked, this,
            &OcclusionManual_Setup::onConfirmClicked);
}

OcclusionManual_Setup::~OcclusionManual_Setup()
{
    delete ui;
}

void OcclusionManual_Setup::setTestTypeRow(int row)
{
    ui->comboBox_TestType->setCurrentIndex(row);
}

void OcclusionManual_Setup::showScreen(bool check)
{
    SettingsScreen::showScreen(check);
    ui->comboBox_TestType->setFocus();
    setupPressureDetails();
}

void OcclusionManual_Setup::setupPressureDetails()
{
    const DataManager &data = ScreenBase::board->m_DataManager;
    const DataManager::PRESSURE_UNIT_DETAILS details = data.getPressureUnitDetails();
    // The occlusion limits span -500 to 2500 mmHg whatever the unit.
    for (QDoubleSpinBox *box : {static_cast<QDoubleSpinBox *>(ui->spinBoxLimitLower),
                                static_cast<QDoubleSpinBox *>(ui->spinBoxLimitUpper)}) {
        box->setSuffix(QStringLiteral(" ") + details.unitName);
        box->setMaximum(data.getPressureValue(2500.0f));
        box->setMinimum(data.getPressureValue(-500.0f));
        box->setSingleStep(details.stepValue);
        box->setDecimals(details.decimals);
    }
}

void OcclusionManual_Setup::loadSettings()
{
    DataManager &data = ScreenBase::board->m_DataManager;
    const unsigned short c = channel();
    setupPressureDetails();
    ui->comboBox_TestType->setCurrentIndex(1);
    ui->selectedChannel->setText(QString::number(c + 1));
    ui->comboBox_InfusionPumpType->setCurrentIndex(data.getOcclusionTestSetting(c));
    const TestSequencePassFailLimits limits = data.getManualPassFailLimits(c);
    ui->spinBoxLimitLower->setValue(data.getPressureValue(limits.lowerPressure));
    ui->spinBoxLimitUpper->setValue(data.getPressureValue(limits.upperPressure));
}

void OcclusionManual_Setup::applySettings()
{
    DataManager &data = ScreenBase::board->m_DataManager;
    const unsigned short c = channel();
    // This screen sets up an occlusion test whatever its type choice shows.
    data.vSetTestSetting_Type(c, occlusionTestType);
    data.vSetOcclusionInfusionPumpType(
        c, static_cast<unsigned char>(qMax(0, ui->comboBox_InfusionPumpType->currentIndex())));
    TestSequencePassFailLimits limits = data.getManualPassFailLimits(c);
    const double unit = data.getPressureValue(1.0f);
    if (unit != 0.0) {
        limits.lowerPressure = static_cast<float>(ui->spinBoxLimitLower->value() / unit);
        limits.upperPressure = static_cast<float>(ui->spinBoxLimitUpper->value() / unit);
    }
    data.setManualPassFailLimits(c, limits);
}

void OcclusionManual_Setup::transferSettingsToPump()
{
    InfusionPumpPowerBoardManager *manager = ScreenBase::board;
    DataManager &data = manager->m_DataManager;
    const INFUSION_PUMP_SETTING setting = data.getTestSetting(channel());
    manager->vSetSendToPicData_TestType(setting.u8TestTypeSetting);
    manager->vSetSendToPicData_BackPressure(setting.s16BackPressureSetting);
    manager->vSetSendToPicData_WindowSize(setting.u16SamplingWindowSetting);
    manager->vSetSendToPicData_InfusionPumpType(data.getOcclusionTestSetting(channel()));
}

void OcclusionManual_Setup::changeSetupScreen()
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
    case 2: {
        PCAManual_Setup *pca = summary->getPCASetupScreen();
        pca->setTestTypeRow(2);
        pca->showScreen(true);
        break;
    }
    default:
        break;
    }
}

void OcclusionManual_Setup::vEnableItems(bool enable)
{
    setWheelNavigation(enable);
    setFocus();
    const QList<QWidget *> inputs = {ui->comboBox_TestType, ui->comboBox_InfusionPumpType,
                                     ui->spinBoxLimitLower, ui->spinBoxLimitUpper};
    for (QWidget *input : inputs)
        input->setFocusPolicy(enable ? Qt::TabFocus : Qt::NoFocus);
    setFocus();
    for (QWidget *input : inputs) {
        input->setEnabled(enable);
        input->setStyleSheet(QStringLiteral(" background-color: rgba(231, 231, 231, 231);"));
    }
}

void OcclusionManual_Setup::changeEvent(QEvent *event)
{
    SettingsScreen::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
}
