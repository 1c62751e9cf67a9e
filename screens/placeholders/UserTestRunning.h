#pragma once

#include "ScreenBase.h"

class TestSequenceElementUserTest;

// Stand-in until its subsystem is built: the user-test prompt; never answered (status 3).
class UserTestRunning : public ScreenBase
{
    Q_OBJECT
public:
    UserTestRunning(QWidget *previousScreen, QWidget *parent);

    void vSetChannel(unsigned short channel) { m_channel = channel; }
    void setTestData(TestSequenceElementUserTest *) {}
    int getTestStatus() const { return 3; }
    double getTestResult() const { return 0.0; }
    unsigned short getChannelId() const { return m_channel; }

private:
    unsigned short m_channel = 0;

public slots:
    // Opens nothing yet.
    void showScreen(bool) override {}
};
