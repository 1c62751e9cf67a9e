#include "UserTestRunning.h"
#include "ui_UserTestRunning.h"

#include "TestSequenceElementUserTest.h"

#include <QEvent>

UserTestRunning::UserTestRunning(QWidget *previous, QWidget *parent)
    : ScreenBase(previous, parent), ui(new Ui::UserTestRunning)
{
    ui->setupUi(this);
    ui->label_Channel->setText(QString::number(m_channelId + 1));
    connect(ui->pushButtonBack, &QPushButton::clicked, this, &UserTestRunning::onBackArrowClicked);
    connect(ui->pushButtonPass, &QPushButton::clicked, this, &UserTestRunning::passButtonClicked);
    connect(ui->pushButtonFail, &QPushButton::clicked, this, &UserTestRunning::failButtonClicked);
}

UserTestRunning::~UserTestRunning()
{
    delete ui;
}

void UserTestRunning::vSetChannel(unsigned short channel)
{
    if (channel >= 4)
        return;
    m_testResult[m_channelId] = ui->resultBox->value();
    m_channelId = channel;
    ui->resultBox->setValue(m_testResult[channel]);
    ui->label_Channel->setText(QString::number(channel + 1));
}

void UserTestRunning::showTest(const TestSequenceElementUserTest &test)
{
    ui->testNameTextEdit->setPlainText(test.testText);
    const bool withValue = !test.units.isEmpty();
    ui->unitLineEdit->setText(test.units);
    ui->unitLineEdit->setVisible(withValue);
    ui->resultBox->setVisible(withValue);
    if (withValue)
        ui->resultBox->setFocus();
}

void UserTestRunning::setTestData(TestSequenceElementUserTest *test)
{
    if (test)
        showTest(*test);
    m_userTest[m_channelId] = test;
    m_testStatus[m_channelId] = TEST_NOT_ANSWERED;
    m_testResult[m_channelId] = 0.0;
}

void UserTestRunning::setTestData(unsigned short channel, TestSequenceElementUserTest *test)
{
    if (channel >= 4)
        return;
    if (channel == m_channelId) {
        setTestData(test);
        return;
    }
    m_userTest[channel] = test;
    m_testStatus[channel] = TEST_NOT_ANSWERED;
    m_testResult[channel] = 0.0;
}

void UserTestRunning::clearTestData()
{
    m_userTest[m_channelId] = nullptr;
}

int UserTestRunning::getTestStatus(unsigned short channel) const
{
    return channel < 4 ? m_testStatus[channel] : int(TEST_NOT_ANSWERED);
}

double UserTestRunning::getTestResult(unsigned short channel) const
{
    return channel < 4 ? m_testResult[channel] : 0.0;
}

void UserTestRunning::showScreen(bool check)
{
    ScreenBase::showScreen(check);
    const TestSequenceElementUserTest *test = m_userTest[m_channelId];
    if (!test)
        return;
    showTest(*test);
    m_testStatus[m_channelId] = TEST_NOT_ANSWERED;
}

bool UserTestRunning::valueAsked() const
{
    // Not isVisible(): the box counts as shown whether or not the page is in front.
    return !ui->resultBox->isHidden();
}

void UserTestRunning::answer(TEST_RESULT_STATUS status)
{
    m_testStatus[m_channelId] = status;
    if (valueAsked())
        m_testResult[m_channelId] = ui->resultBox->value();
}

void UserTestRunning::passButtonClicked()
{
    answer(TEST_PASS);
}

void UserTestRunning::failButtonClicked()
{
    answer(TEST_FAIL);
}

void UserTestRunning::changeEvent(QEvent *event)
{
    ScreenBase::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        // The channel shown is the run's, not the form's.
        const QString channel = ui->label_Channel->text();
        ui->retranslateUi(this);
        ui->label_Channel->setText(channel);
    }
}
