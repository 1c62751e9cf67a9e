#include "ViewDataOccTestResult.h"
#include "ui_ViewDataOccTestResult.h"

#include "ResultDisplay.h"
#include "ResultFormat.h"
#include "TestResultElementOccTest.h"
#include "ViewResultsGraph.h"

ViewDataOccTestResult::ViewDataOccTestResult(QWidget *previousScreen, QWidget *parent)
    : ScreenBase(previousScreen, parent), ui(new Ui::ViewDataOccTestResult)
{
    ui->setupUi(this);
    connect(ui->pushButtonBack, &QPushButton::clicked, this,
            &ViewDataOccTestResult::onBackArrowClicked);
    connect(ui->pushButtonShowGraph, &QPushButton::clicked, this,
            &ViewDataOccTestResult::graphButtonClicked);
    m_graph = new ViewResultsGraph(this, nullptr);
    setupPressureDetails();
}

ViewDataOccTestResult::~ViewDataOccTestResult()
{
    delete ui;
}

void ViewDataOccTestResult::showScreen(bool check)
{
    ScreenBase::showScreen(check);
    setupPressureDetails();
}

void ViewDataOccTestResult::setupPressureDetails()
{
    const QString unit = ResultDisplay::pressureUnit();
    ui->label_MSG_backOff->setText(tr("Back-Off ") + unit + QLatin1Char(':'));
    ui->label_MSG_peak->setText(tr("Peak ") + unit + QLatin1Char(':'));
}

void ViewDataOccTestResult::setTestData(const TestResultElementOccTest *element)
{
    setupPressureDetails();
    m_graph->setSamples(element->samples);
    m_graph->setTestType(1);
    const INFUSION_PUMP_TEST_DATA &data = element->testData;
    ui->label_peak_pressure->setText(ResultDisplay::pressure(data.s16Pressure_Peak));
    ui->label_backOff->setText(ResultDisplay::pressure(data.s16Pressure_BackOff));
    ui->label_bolus_volume->setText(ResultFormat::number(data.fVolume));
    ui->label_channel->setText(QString::number(element->channelId));
    m_pumpType = element->pumpType;
    showPumpType();
    setStatus(element->getStatus());
}

void ViewDataOccTestResult::showPumpType()
{
    ui->label_pump_type->setText(m_pumpType == 0 ? tr("Manual") : tr("Auto-Reverse"));
}

void ViewDataOccTestResult::setStatus(TEST_RESULT_STATUS status)
{
    m_status = status;
    ResultDisplay::showStatus(ui->status_label, ui->tick_cross_label, status, tr("Pass"),
                              tr("Fail"));
}

void ViewDataOccTestResult::graphButtonClicked()
{
    m_graph->updateScreen();
    m_graph->showScreen(true);
}

void ViewDataOccTestResult::changeEvent(QEvent *event)
{
    ScreenBase::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        setupPressureDetails();
        showPumpType();
        setStatus(m_status);
    }
}
