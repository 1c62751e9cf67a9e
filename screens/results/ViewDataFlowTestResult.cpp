#include "ViewDataFlowTestResult.h"
#include "ui_ViewDataFlowTestResult.h"

#include "ResultDisplay.h"
#include "ResultFormat.h"
#include "TestResultElementFlowTest.h"
#include "ViewResultsGraph.h"

ViewDataFlowTestResult::ViewDataFlowTestResult(QWidget *previousScreen, QWidget *parent)
    : ScreenBase(previousScreen, parent), ui(new Ui::ViewDataFlowTestResult)
{
    ui->setupUi(this);
    connect(ui->pushButtonFlowTestBackward, &QPushButton::clicked, this,
            &ViewDataFlowTestResult::onBackArrowClicked);
    connect(ui->pushButtonFlowTest_ShowGraph, &QPushButton::clicked, this,
            &ViewDataFlowTestResult::graphButtonClicked);
    m_graph = new ViewResultsGraph(this, nullptr);
}

ViewDataFlowTestResult::~ViewDataFlowTestResult()
{
    delete ui;
}

void ViewDataFlowTestResult::setTestData(const TestResultElementFlowTest *element)
{
    m_graph->setSamples(element->samples);
    m_graph->setTestType(0);
    const INFUSION_PUMP_TEST_DATA &data = element->testData;
    ui->label_Mean_FlowRate->setText(ResultFormat::number(data.fFlowRate_Ave));
    ui->label_Peak_FlowRate->setText(ResultFormat::number(data.fFlowRate_Peak));
    ui->label_Min_FlowRate->setText(ResultFormat::number(data.fFlowRate_Min));
    ui->label_FlowRateTest_Volume->setText(ResultFormat::number(data.fVolume));
    ui->label_Selected_Channel->setText(QString::number(element->channelId));
    ui->label_FlowRateTest_Duration->setText(ResultFormat::duration(element->samples));
    setStatus(element->getStatus());
}

void ViewDataFlowTestResult::setStatus(TEST_RESULT_STATUS status)
{
    m_status = status;
    ResultDisplay::showStatus(ui->status_label, ui->tick_cross_label, status, tr("Pass"),
                              tr("Fail"));
}

void ViewDataFlowTestResult::graphButtonClicked()
{
    m_graph->updateScreen();
    m_graph->showScreen(true);
}

void ViewDataFlowTestResult::changeEvent(QEvent *event)
{
    ScreenBase::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        setStatus(m_status);
    }
}
