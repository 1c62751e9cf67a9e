#include "UserTestRunning.h"

#include <QKeyEvent>

#include "TestSequenceElementUserTest.h"

UserTestRunning::UserTestRunning(QWidget *previousScreen, QWidget *parent) : ScreenBase(previousScreen, parent) {}

void UserTestRunning::vSetChannel(unsigned short channel)
{
    if (channel < 4)
        m_channel = channel;
}

void UserTestRunning::setTestData(TestSequenceElementUserTest *element)
{
    if (element) {
        m_text[m_channel] = element->testText;
        m_units[m_channel] = element->units;
    }
    m_status[m_channel] = TEST_NOT_ANSWERED;
    m_value[m_channel] = 0.0;
}

int UserTestRunning::getTestStatus(unsigned short channel) const
{
    return channel < 4 ? m_status[channel] : int(TEST_NOT_ANSWERED);
}

double UserTestRunning::getTestResult(unsigned short channel) const
{
    return channel < 4 ? m_value[channel] : 0.0;
}

QString UserTestRunning::getTestText(unsigned short channel) const
{
    return channel < 4 ? m_text[channel] : QString();
}

void UserTestRunning::answer(TEST_RESULT_STATUS status, double value)
{
    if (status != TEST_PASS && status != TEST_FAIL)
        return;
    m_status[m_channel] = status;
    if (!m_units[m_channel].isEmpty())
        m_value[m_channel] = value;
}

void UserTestRunning::showScreen(bool check)
{
    ScreenBase::showScreen(check);
    m_status[m_channel] = TEST_NOT_ANSWERED;
}

void UserTestRunning::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F1)
        onBackArrowClicked(true);
    else
        ScreenBase::keyPressEvent(event);
}
