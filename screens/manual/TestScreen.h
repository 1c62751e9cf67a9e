#pragma once

#include "ScreenBase.h"

class QLabel;
class QPushButton;
class QTimer;
class SummaryManualScreen;

// Base of the flow, occlusion and PCA running screens: the channel shown, the one
// refresh shared by all of them, the green and red keys, the channel key and the
// graph key.
class TestScreen : public ScreenBase
{
    Q_OBJECT
public:
    TestScreen(QWidget *previous, QWidget *parent);

    // The channel shown; the screen's keys become those of that channel's mode.
    void vSetChannel(unsigned short channel);
    unsigned short getChannelId() const { return m_u16Channel; }

    // One timer for every running screen; it runs from the first construction to the
    // end of the program, so hidden running screens keep refreshing.
    static QTimer *screenRefreshTimer;

    // The type of the running screens' emphasis panel.
    static constexpr int emphasisPointSize = 28;

    // 1 at construction and after a green-key start, 0 after a red-key stop.
    unsigned short m_u16StartFlag = 1;

signals:
    void startTest(unsigned short channel);
    void stopTest(unsigned short channel);
    void prime(unsigned short channel);

public slots:
    void showScreen(bool check) override;
    virtual void fetchData() = 0;
    virtual void vEnableItems(bool enable) = 0;
    virtual void lateSetup() = 0;
    virtual void updateScreen();
    virtual void onGraphClicked(bool check);
    virtual void onSettingsClicked(bool check) = 0;
    void onChannelClicked(bool check);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override = 0;

    SummaryManualScreen *summaryScreen() const;

    // Wires the start, stop and prime signals to the board manager's requests; every
    // test type is started with the flow-rate start request, the staged set-up decides
    // which test the channel runs.
    void connectRequests();
    // The soft keys F3 (set-up) and F4 (channel), which are offered only while the
    // channel shown is not in an automatic run.
    void setModeKeys(QPushButton *setupKey, QPushButton *channelKey);
    // The emphasised value in the highlighted panel, in the forms' large type or as
    // much smaller as it takes to fit the panel whole.
    static void showEmphasised(QLabel *panel, const QString &text);
    // Whether the green key may start a test on the channel now.
    static bool mayStart(unsigned short channel);
    // The word for a channel's test that does not run, by its samples and its duration,
    // or by what ended it.
    static QString idleWord(unsigned short channel, int samples, unsigned int duration);
    // The word for a test its controller ended (it restarted, or ran no test).
    static QString stoppedByControllerWord();

private:
    // Soft keys F3 and F4 as the mode of the channel shown has them: empty and off in an
    // automatic run. Each channel has its mode; the screen has none of its own.
    void applyChannelMode();

    unsigned short m_u16Channel = 0;
    QPushButton *m_setupKey = nullptr;
    QPushButton *m_channelKey = nullptr;
    int m_keysAutomatic = -1; // the mode the keys show; -1 before the first
};
