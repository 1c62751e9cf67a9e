#include "ViewDataUserTestResult.h"
#include "ui_ViewDataUserTestResult.h"

#include "ResultDisplay.h"
#include "TestResultElementUserTest.h"

ViewDataUserTestResult::ViewDataUserTestResult(QWidget *previousScreen, QWidget *parent)
    : ScreenBase(previousScreen, parent), ui(new Ui::ViewDataUserTestResult)
{
    ui->setupUi(this);
    connect(ui->pushButtonBack, &QPushButton::clicked, this,
            &ViewDataUserTestResult::onBackArrowClicked);
}

ViewDataUserTestResult::~ViewDataUserTestResult()
{
    delete ui;
}

void ViewDataUserTestResult::setTestData(const TestResultElementUserTest *element)
{
    ui->testNameTextEdit->setPlainText(element->getCustomName());
    ui->unitLineEdit->setText(element->getCustomUnits());
    ui->resultBox->setValue(double(element->getResult()));
    ui->label_Channel->setText(QString::number(element->channelId));
    // A test without a unit asked for no value.
    const bool withValue = !element->getCustomUnits().isEmpty();
    ui->resultBox->setVisible(withValue);
    ui->unitLineEdit->setVisible(withValue);
    setStatus(element->getStatus());
}

void ViewDataUserTestResult::setStatus(TEST_RESULT_STATUS status)
{
    m_status = status;
    ResultDisplay::showStatus(ui->status_label, ui->tick_cross_label, status, tr("Pass"),
                              tr("Fail"));
}

void ViewDataUserTestResult::changeEvent(QEvent *event)
{
    ScreenBase::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        setStatus(m_status);
    }
}
