#include "AutoPCATestSettings.h"
#include "ui_AutoPCASettings.h"

#include "ElementForm.h"
#include "TestSequenceElementPCATest.h"

AutoPCATestSettings::AutoPCATestSettings(QWidget *previousScreen, QWidget *parent)
    : ScreenBase(previousScreen, parent), ui(new Ui::AutoPCASettings)
{
    ui->setupUi(this);
    connect(ui->pushButtonBack, &QPushButton::clicked, this,
            &AutoPCATestSettings::onBackArrowClicked);
    connect(ui->pushButtonConfirm, &QPushButton::clicked, this,
            &AutoPCATestSettings::confirmButtonClicked);
}

AutoPCATestSettings::~AutoPCATestSettings()
{
    delete ui;
}

void AutoPCATestSettings::setTestData(TestSequenceElementPCATest *element)
{
    if (!element)
        return;
    ui->doubleSpinBox_BasalFlowRateSetting->setValue(element->setting.fBasalFlowRateSetting);
    ElementForm::showDuration(element->setting.u32ElapseTimeSetting, ui->spinBoxDurationHourSetting,
                              ui->spinBoxDurationMinSetting, ui->spinBoxDurationSecSetting);
    ui->spinBoxLimitLower->setValue(element->limits.bolusLowerPct);
    // One box stands for the bolus volume and the bolus limit's target; the target shows.
    ui->spinBoxBasalVolumeSetting->setValue(element->limits.bolusTarget);
    ui->spinBoxLimitUpper->setValue(element->limits.bolusUpperPct);
    m_testElement = element;
}

void AutoPCATestSettings::setViewOnly(bool viewOnly)
{
    ElementForm::setViewOnly(ui->verticalLayout, ui->pushButtonConfirm, viewOnly);
}

void AutoPCATestSettings::showScreen(bool state)
{
    ScreenBase::showScreen(state);
    ui->doubleSpinBox_BasalFlowRateSetting->setFocus();
}

void AutoPCATestSettings::confirmButtonClicked()
{
    if (m_testElement) {
        const auto bolus = float(ui->spinBoxBasalVolumeSetting->value());
        m_testElement->setting.fBasalFlowRateSetting =
            float(ui->doubleSpinBox_BasalFlowRateSetting->value());
        m_testElement->setting.fBolusVolumeSetting = bolus;
        m_testElement->setting.u32ElapseTimeSetting = ElementForm::enteredDuration(
            ui->spinBoxDurationHourSetting, ui->spinBoxDurationMinSetting,
            ui->spinBoxDurationSecSetting);
        m_testElement->limits.bolusLowerPct = quint8(ui->spinBoxLimitLower->value());
        m_testElement->limits.bolusTarget = bolus;
        m_testElement->limits.bolusUpperPct = quint8(ui->spinBoxLimitUpper->value());
    }
    ui->pushButtonBack->click();
}

void AutoPCATestSettings::changeEvent(QEvent *event)
{
    ScreenBase::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
}
