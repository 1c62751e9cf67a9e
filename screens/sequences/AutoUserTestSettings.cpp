#include "AutoUserTestSettings.h"
#include "ui_AutoUserSettings.h"

#include "ElementForm.h"
#include "TestSequenceElementUserTest.h"

AutoUserTestSettings::AutoUserTestSettings(QWidget *previousScreen, QWidget *parent)
    : ScreenBase(previousScreen, parent), ui(new Ui::AutoUserSettings)
{
    ui->setupUi(this);
    connect(ui->pushButtonBack, &QPushButton::clicked, this,
            &AutoUserTestSettings::onBackArrowClicked);
    connect(ui->pushButtonConfirm, &QPushButton::clicked, this,
            &AutoUserTestSettings::confirmButtonClicked);
}

AutoUserTestSettings::~AutoUserTestSettings()
{
    delete ui;
}

void AutoUserTestSettings::setTestData(TestSequenceElementUserTest *element)
{
    if (!element)
        return;
    ui->testNameTextEdit->setPlainText(element->testText);
    ui->unitLineEdit->setText(element->units);
    m_testElement = element;
}

void AutoUserTestSettings::setViewOnly(bool viewOnly)
{
    ElementForm::setViewOnly(ui->verticalLayout, ui->pushButtonConfirm, viewOnly);
}

void AutoUserTestSettings::showScreen(bool state)
{
    ScreenBase::showScreen(state);
    ui->testNameTextEdit->setFocus();
}

void AutoUserTestSettings::confirmButtonClicked()
{
    if (m_testElement) {
        m_testElement->testText = ui->testNameTextEdit->toPlainText();
        m_testElement->units = ui->unitLineEdit->text();
    }
    ui->pushButtonBack->click();
}

void AutoUserTestSettings::changeEvent(QEvent *event)
{
    ScreenBase::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
}
