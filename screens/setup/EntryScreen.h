#pragma once

#include "SettingsScreen.h"

// What the PIN gate and the serial-number entry share: a screen of the settings family
// that edits no channel, so the channel steps of the family do nothing, and that shows a
// next screen once its entry is confirmed.
class EntryScreen : public SettingsScreen
{
    Q_OBJECT
public:
    EntryScreen(QWidget *previousScreen, ScreenBase *nextScreen, QWidget *parent);
    // An entry in front of a test screen has no next screen.
    EntryScreen(QWidget *previousScreen, TestScreen *testScreen, QWidget *parent);

    void vEnableItems(bool) override {}
    void fetchCurrentChannel() override {}
    void transferSettingsToPump() override {}
    void loadSettings() override {}
    void applySettings() override {}
    void saveSettings() override {}

protected:
    // Shows the next screen, if there is one.
    void showNextScreen(bool state);

private:
    ScreenBase *m_nextScreen = nullptr;
};
