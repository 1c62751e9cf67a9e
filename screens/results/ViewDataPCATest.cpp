#include "ViewDataPCATest.h"
#include "ui_ViewDataPCATest.h"

#include "ResultDisplay.h"
#include "ResultFormat.h"
#include "TestResultElementPCATest.h"
#include "ViewResultsGraph.h"

#include <QWheelEvent>

ViewDataPCATest::ViewDataPCATest(QWidget *previousScreen, QWidget *parent)
    : ScreenBase(previousScreen, parent), ui(new Ui::ViewDataPCATest)
{
    ui->setupUi(this);
    connect(ui->pushButtonBack, &QPushButton::clicked, this, &ViewDataPCATest::onBackArrowClicked);
    connect(ui->pushButtonGraph, &QPushButton::clicked, this, &ViewDataPCATest::graphButtonClicked);
    m_graph = new ViewResultsGraph(this, nullptr);
}

ViewDataPCATest::~ViewDataPCATest()
{
    delete ui;
}

void ViewDataPCATest::setTestData(const TestResultElementPCATest *element)
{
    m_graph->setSamples(element->samples);
    m_graph->setTestType(2);
    ui->label_Volume->setText(ResultFormat::number(element->testData.fVolume));
    ui->label_Channel->setText(QString::number(element->channelId));
    ui->label_Duration->setText(ResultFormat::duration(element->samples));

    QTableWidget *table = ui->dataTable;
    table->setRowCount(0);
    table->setRowCount(element->boluses.size());
    for (int row = 0; row < element->boluses.size(); ++row) {
        const PCA_TEST_DATA &bolus = element->boluses.at(row);
        table->setItem(row, 0, new QTableWidgetItem(ResultFormat::number(bolus.fVolume_Bolus)));
        table->setItem(row, 1, new QTableWidgetItem(ResultFormat::number(bolus.fFlowRate_Bolus)));
        table->setItem(row, 2,
                       new QTableWidgetItem(ResultFormat::duration(bolus.u32BolusDuration)));
    }
    table->resizeColumnToContents(0);
    table->resizeColumnToContents(1);
    table->resizeRowsToContents();
    const QString white = QStringLiteral("background-color: rgb(255, 255, 255);");
    table->horizontalHeader()->setStyleSheet(white);
    table->verticalHeader()->setStyleSheet(white);
    setStatus(element->getStatus());
    m_currentRow = 0;
    selectCurrentRow();
}

void ViewDataPCATest::setStatus(TEST_RESULT_STATUS status)
{
    m_status = status;
    ResultDisplay::showStatus(ui->status_label, ui->tick_cross_label, status, tr("Pass"),
                              tr("Fail"));
}

void ViewDataPCATest::nextItem()
{
    if (m_currentRow < ui->dataTable->rowCount() - 1)
        ++m_currentRow;
    else
        m_currentRow = 0;
    selectCurrentRow();
}

void ViewDataPCATest::previousItem()
{
    if (m_currentRow < 1)
        m_currentRow = ui->dataTable->rowCount() - 1;
    else
        --m_currentRow;
    selectCurrentRow();
}

void ViewDataPCATest::selectCurrentRow()
{
    QTableWidget *table = ui->dataTable;
    if (m_currentRow < 0 || m_currentRow >= table->rowCount()) {
        table->clearSelection();
        return;
    }
    table->selectRow(m_currentRow);
    table->scrollToItem(table->item(m_currentRow, 0));
}

void ViewDataPCATest::graphButtonClicked()
{
    m_graph->updateScreen();
    m_graph->showScreen(true);
}

void ViewDataPCATest::wheelEvent(QWheelEvent *event)
{
    if (event->angleDelta().y() > 0)
        nextItem();
    else
        previousItem();
    event->accept();
}

void ViewDataPCATest::changeEvent(QEvent *event)
{
    ScreenBase::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        setStatus(m_status);
    }
}
