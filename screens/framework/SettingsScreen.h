#pragma once

#include "ScreenBase.h"

class TestScreen;

// Base of the screens that edit one channel's test set-up and send it to the power
// board; fixes the order of the steps on showing and on confirming.
class SettingsScreen : public ScreenBase
{
    Q_OBJECT
public:
    SettingsScreen(QWidget *previous, TestScreen *testScreen, QWidget *parent);

    void vSetChannel(unsigned short channel) { m_u16Channel = channel; }
    unsigned short channel() const { return m_u16Channel; }

signals:
    void changeSettings(unsigned short channel);

public slots:
    void showScreen(bool check) override;
    virtual void onConfirmClicked(bool check);

public:
    virtual void vEnableItems(bool enable) = 0;
    virtual void updateSettings();
    virtual void fetchCurrentChannel();
    virtual void transferSettingsToPump() = 0;
    virtual void loadSettings() = 0;
    virtual void applySettings() = 0;
    virtual void saveSettings() = 0;

protected:
    // Tells the operator that the confirmed settings did not reach the settings file.
    void showSaveFailure();
    void setWheelNavigation(bool on) { m_bWheelNavigation = on; }
    void wheelEvent(QWheelEvent *event) override;

private:
    unsigned short m_u16Channel = 0;
    bool m_bWheelNavigation = true;
    TestScreen *m_testScreen;
};
