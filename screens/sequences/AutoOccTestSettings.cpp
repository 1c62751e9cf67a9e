#include "AutoOccTestSettings.h"
#include "ui_AutoOccSettings.h"

#include "DataManager.h"
#include "ElementForm.h"
#include "TestSequenceElementOccTest.h"

namespace
{
// The limits span what an occlusion can reach, wider than the back-pressure range.
constexpr float highestLimitMmHg = 2500.0f;
constexpr float lowestLimitMmHg = -500.0f;
} // namespace

AutoOccTestSettings::AutoOccTestSettings(QWidget *previousScreen, QWidget *parent)
    : ScreenBase(previousScreen, parent), ui(new Ui::AutoOccSettings)
{
    ui->setupUi(this);
    connect(ui->pushButtonBack, &QPushButton::clicked, this,
            &AutoOccTestSettings::onBackArrowClicked);
    connect(ui->pushButtonConfirm, &QPushButton::clicked, this,
            &AutoOccTestSettings::confirmButtonClicked);
}

AutoOccTestSettings::~AutoOccTestSettings()
{
    delete ui;
}

void AutoOccTestSettings::setupPressureDetails()
{
    const DataManager &data = ElementForm::data();
    for (QDoubleSpinBox *box : {ui->spinBoxLimitLower, ui->spinBoxLimitUpper})
        ElementForm::setupPressureBox(box, data.getPressureValue(highestLimitMmHg),
                                      data.getPressureValue(lowestLimitMmHg));
}

void AutoOccTestSettings::setTestData(TestSequenceElementOccTest *element)
{
    if (!element)
        return;
    const DataManager &data = ElementForm::data();
    setupPressureDetails();
    ui->comboBox_pump_type->setCurrentIndex(element->setting.u8InfusionPumpType);
    ui->spinBoxLimitLower->setValue(data.getPressureValue(element->limits.lowerPressure));
    ui->spinBoxLimitUpper->setValue(data.getPressureValue(element->limits.upperPressure));
    m_testElement = element;
}

void AutoOccTestSettings::setViewOnly(bool viewOnly)
{
    ElementForm::setViewOnly(ui->verticalLayout, ui->pushButtonConfirm, viewOnly);
}

void AutoOccTestSettings::showScreen(bool state)
{
    ScreenBase::showScreen(state);
    ui->comboBox_pump_type->setFocus();
    setupPressureDetails();
}

void AutoOccTestSettings::confirmButtonClicked()
{
    if (m_testElement) {
        const float mmHg = ElementForm::data().getPressureValue(1.0f);
        m_testElement->setting.u8InfusionPumpType =
            quint8(qMax(0, ui->comboBox_pump_type->currentIndex()));
        m_testElement->limits.lowerPressure = float(ui->spinBoxLimitLower->value() / mmHg);
        m_testElement->limits.upperPressure = float(ui->spinBoxLimitUpper->value() / mmHg);
    }
    ui->pushButtonBack->click();
}

void AutoOccTestSettings::changeEvent(QEvent *event)
{
    ScreenBase::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
}
