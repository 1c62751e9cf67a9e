#pragma once

#include "TestScreen.h"

#include <QList>

class QLabel;
namespace Ui {
class OcclusionManualTest;
}

// Live view of an occlusion test on one channel, with the green-key acknowledgement of
// the pump's alarm.
class OcclusionManualTest : public TestScreen
{
    Q_OBJECT
public:
    OcclusionManualTest(QWidget *previous, QWidget *parent);
    ~OcclusionManualTest() override;

    // The green key for the channel shown, or for the given one (the PC link's Alarm,
    // whatever the screen shows). Acknowledging an alarm under remote control also tells
    // the PC, with an Alarm packet.
    void onGreenKeyPressed();
    void onGreenKeyPressed(unsigned short channel);
    // The PC link starts (true) or stops a run on the channel: a started run waits for the
    // pump's alarm, as after the green key.
    void setRemoteRun(unsigned short channel, bool running);
    // True while a run the PC started on the channel is on and waits for the pump's alarm:
    // the one state in which the remote screen's green key acknowledges it.
    bool waitsForRemoteAlarm(unsigned short channel) const;

    // Per channel: 1 while a test started from the green key waits for the alarm.
    int m_greenKeyState[4] = {0, 0, 0, 0};

    // Refreshes between the acknowledgement and the end of the test.
    static constexpr int countdownRefreshes = 3;

signals:
    void stopOcclusionBlockage(unsigned short channel);

public slots:
    void showScreen(bool check) override;
    void fetchData() override;
    void vEnableItems(bool) override {}
    void lateSetup() override;
    void onSettingsClicked(bool) override {}

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void endTest(unsigned short channel, unsigned int stopTime);
    void runCountdowns();
    void fillEmphasis();

    Ui::OcclusionManualTest *ui;
    QList<QLabel *> m_valueLabels;
    QList<QLabel *> m_nameLabels;
    int m_emphasisIndex = 0;
    // The countdown after an acknowledgement belongs to the channel acknowledged, so a
    // switch of channel neither ends another channel's test nor stops this one's.
    bool m_countdownActive[4] = {false, false, false, false};
    int m_countdown[4] = {0, 0, 0, 0};
    bool m_countdownCompleted[4] = {false, false, false, false};
    // Per channel: the run on it was started by the PC. Cleared wherever the run ends or
    // is stopped, so its wait for the alarm never outlives it.
    bool m_startedByPc[4] = {false, false, false, false};
};
