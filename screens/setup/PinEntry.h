#pragma once

#include "SettingsScreen.h"

namespace Ui
{
class InfusionPumpPinEntry;
}

// A PIN gate in front of a service screen: F4 opens the screen behind it when the typed
// PIN matches exactly, and the field is emptied whatever was typed. Its creator sets the
// PIN; each service screen has a gate of its own.
class PinEntry : public SettingsScreen
{
    Q_OBJECT
public:
    PinEntry(QWidget *previousScreen, ScreenBase *nextScreen, QWidget *parent);
    // A gate in front of a test screen has no screen to open.
    PinEntry(QWidget *previousScreen, TestScreen *testScreen, QWidget *parent);
    ~PinEntry() override;

    void setPin(const QString &pin);

    void vEnableItems(bool) override {}
    void fetchCurrentChannel() override {}
    void transferSettingsToPump() override {}
    void loadSettings() override {}
    void applySettings() override {}
    void saveSettings() override {}

public slots:
    void showScreen(bool) override;
    void onConfirmClicked(bool state) override;

protected:
    void changeEvent(QEvent *event) override;

private:
    void setUp();

    ScreenBase *m_nextScreen = nullptr;
    QString m_pin;
    Ui::InfusionPumpPinEntry *ui;
};
