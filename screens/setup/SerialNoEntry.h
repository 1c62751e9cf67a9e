#pragma once

#include "SettingsScreen.h"

namespace Ui
{
class InfusionPumpSerialNoEntry;
}

// The instrument's serial number, as result records and the PC link report it. F4
// stores the field as typed and shows the next screen.
class SerialNoEntry : public SettingsScreen
{
    Q_OBJECT
public:
    SerialNoEntry(QWidget *previousScreen, ScreenBase *nextScreen, QWidget *parent);
    // An entry in front of a test screen has no screen to show after saving.
    SerialNoEntry(QWidget *previousScreen, TestScreen *testScreen, QWidget *parent);
    ~SerialNoEntry() override;

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
    Ui::InfusionPumpSerialNoEntry *ui;
};
