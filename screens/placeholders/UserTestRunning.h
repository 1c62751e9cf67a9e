#pragma once

#include "ScreenBase.h"
#include "TestResultStatus.h"

#include <QString>

class TestSequenceElementUserTest;

// Stand-in until its subsystem is built: the user-test prompt. It keeps per channel the
// question, the answer and the value entered, so channels waiting on user tests at the
// same time never take each other's. Its page is empty yet, and the Pass and Fail keys
// are answer().
class UserTestRunning : public ScreenBase
{
    Q_OBJECT
public:
    UserTestRunning(QWidget *previousScreen, QWidget *parent);

    // A channel outside 0..3 is ignored.
    void vSetChannel(unsigned short channel);
    // The current channel's question; its answer becomes "not answered", its value 0.
    void setTestData(TestSequenceElementUserTest *element);
    int getTestStatus() const { return m_status[m_channel]; }
    double getTestResult() const { return m_value[m_channel]; }
    unsigned short getChannelId() const { return m_channel; }
    // The same for a given channel, without switching the prompt to it (3 and 0 for a
    // channel outside 0..3).
    int getTestStatus(unsigned short channel) const;
    double getTestResult(unsigned short channel) const;
    QString getTestText(unsigned short channel) const;

    // Pass (1) or Fail (0) for the current channel; the value is kept only when the
    // question has units (the value box is shown).
    void answer(TEST_RESULT_STATUS status, double value);

public slots:
    // Shows the (still empty) page; the current channel's answer becomes "not answered".
    void showScreen(bool) override;

protected:
    // F1 goes back, so the empty page never holds the operator.
    void keyPressEvent(QKeyEvent *event) override;

private:
    unsigned short m_channel = 0;
    int m_status[4] = {TEST_NOT_ANSWERED, TEST_NOT_ANSWERED, TEST_NOT_ANSWERED, TEST_NOT_ANSWERED};
    double m_value[4] = {0, 0, 0, 0};
    QString m_text[4];
    QString m_units[4];
};
