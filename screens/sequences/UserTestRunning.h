#pragma once

#include "ScreenBase.h"
#include "TestResultStatus.h"

namespace Ui
{
class UserTestRunning;
}
class TestSequenceElementUserTest;

// A user test of an automatic run: a check the instrument cannot measure, put to the
// operator as a question and answered pass (F4) or fail (F3), with a value in the test's
// unit when it names one. One prompt serves the four channels: it keeps per channel the
// question, the answer and the value, and shows one channel at a time. Answering does
// not leave the screen; the summary takes the answer at its next tick.
class UserTestRunning : public ScreenBase
{
    Q_OBJECT
public:
    UserTestRunning(QWidget *previous, QWidget *parent);
    ~UserTestRunning() override;

    // Shows channel (0..3; another value is ignored): the value in the box is kept for
    // the channel shown so far, and the box then holds the new channel's value.
    void vSetChannel(unsigned short channel);
    // Puts a question to the channel shown; it starts unanswered, with the value 0.
    void setTestData(TestSequenceElementUserTest *test);
    // Puts a question to a channel without showing it: what the prompt shows for
    // another channel stays as it is.
    void setTestData(unsigned short channel, TestSequenceElementUserTest *test);
    // Forgets the question of the channel shown.
    void clearTestData();

    // Of the channel shown: 3 not answered, 1 pass, 0 fail; the value stored for it.
    int getTestStatus() const { return m_testStatus[m_channelId]; }
    double getTestResult() const { return m_testResult[m_channelId]; }
    // The same for any channel, without moving the prompt (3 and 0 outside 0..3).
    int getTestStatus(unsigned short channel) const;
    double getTestResult(unsigned short channel) const;
    unsigned short getChannelId() const { return m_channelId; }

public slots:
    // Shows the question of the channel shown, unanswered again, the value box focused.
    void showScreen(bool check) override;
    void passButtonClicked();
    void failButtonClicked();

protected:
    void changeEvent(QEvent *event) override;

private:
    void showTest(const TestSequenceElementUserTest &test);
    void answer(TEST_RESULT_STATUS status);
    bool valueAsked() const;

    Ui::UserTestRunning *ui;
    TestSequenceElementUserTest *m_userTest[4] = {nullptr, nullptr, nullptr, nullptr};
    unsigned short m_channelId = 0;
    double m_testResult[4] = {0.0, 0.0, 0.0, 0.0};
    int m_testStatus[4] = {TEST_NOT_ANSWERED, TEST_NOT_ANSWERED, TEST_NOT_ANSWERED,
                           TEST_NOT_ANSWERED};
};
