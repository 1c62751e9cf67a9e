#include "AutoFlowTestSettings.h"
#include "ui_AutoFlowSettings.h"

#include "DataManager.h"
#include "ElementForm.h"
#include "ManualTestArithmetic.h"
#include "TestSequenceElementFlowTest.h"

AutoFlowTestSettings::AutoFlowTestSettings(QWidget *previousScreen, QWidget *parent)
    : ScreenBase(previousScreen, parent), ui(new Ui::AutoFlowSettings)
{
    ui->setupUi(this);
    connect(ui->pushButtonBack, &QPushButton::clicked, this,
            &AutoFlowTestSettings::onBackArrowClicked);
    connect(ui->pushButtonConfirm, &QPushButton::clicked, this,
            &AutoFlowTestSettings::confirmButtonClicked);
}

AutoFlowTestSettings::~AutoFlowTestSettings()
{
    delete ui;
}

void AutoFlowTestSettings::setupPressureDetails()
{
    const DataManager::PRESSURE_UNIT_DETAILS details = ElementForm::data().getPressureUnitDetails();
    ElementForm::setupPressureBox(ui->spinBoxBackPressureSetting, details.maxValue,
                                  details.minValue);
}

void AutoFlowTestSettings::setTestData(TestSequenceElementFlowTest *element)
{
    if (!element)
        return;
    setupPressureDetails();
    const INFUSION_PUMP_SETTING &setting = element->setting;
    const TestSequencePassFailLimits &limits = element->limits;
    ui->spinBoxBackPressureSetting->setValue(
        ElementForm::data().getPressureValue(float(setting.s16BackPressureSetting)));
    ElementForm::showDuration(setting.u32ElapseTimeSetting, ui->spinBoxDurationHourSetting,
                              ui->spinBoxDurationMinSetting, ui->spinBoxDurationSecSetting);
    ui->spinBoxSamplingWindow->setValue(setting.u16SamplingWindowSetting);
    ui->limitTypeComboBox->setCurrentIndex(int(limits.limitType));
    ui->spinBoxLimitLower->setValue(limits.flowLowerPct);
    ui->spinBoxLimitTarget->setValue(limits.flowTarget);
    ui->spinBoxLimitUpper->setValue(limits.flowUpperPct);
    m_testElement = element;
}

void AutoFlowTestSettings::setViewOnly(bool viewOnly)
{
    ElementForm::setViewOnly(ui->verticalLayout, ui->pushButtonConfirm, viewOnly);
}

void AutoFlowTestSettings::showScreen(bool state)
{
    ScreenBase::showScreen(state);
    ui->spinBoxBackPressureSetting->setFocus();
    setupPressureDetails();
}

void AutoFlowTestSettings::confirmButtonClicked()
{
    if (m_testElement) {
        INFUSION_PUMP_SETTING &setting = m_testElement->setting;
        TestSequencePassFailLimits &limits = m_testElement->limits;
        setting.s16BackPressureSetting = ManualTestArithmetic::backPressureToMmHg(
            ui->spinBoxBackPressureSetting->value(), ElementForm::data().getPressureValue(1.0f));
        setting.u16SamplingWindowSetting = quint16(ui->spinBoxSamplingWindow->value());
        setting.u32ElapseTimeSetting = ElementForm::enteredDuration(ui->spinBoxDurationHourSetting,
                                                                    ui->spinBoxDurationMinSetting,
                                                                    ui->spinBoxDurationSecSetting);
        limits.flowLowerPct = quint8(ui->spinBoxLimitLower->value());
        limits.flowTarget = float(ui->spinBoxLimitTarget->value());
        limits.limitType = quint32(qMax(0, ui->limitTypeComboBox->currentIndex()));
        limits.flowUpperPct = quint8(ui->spinBoxLimitUpper->value());
    }
    ui->pushButtonBack->click();
}

void AutoFlowTestSettings::changeEvent(QEvent *event)
{
    ScreenBase::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
}
