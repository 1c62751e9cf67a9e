#pragma once

#include "SettingsScreen.h"

namespace Ui {
class manualSetup;
}

// Set-up of a manual flow-rate (and volume) test on one channel.
class ManualSetup : public SettingsScreen
{
    Q_OBJECT
public:
    ManualSetup(QWidget *previous, TestScreen *pairedRunningScreen, QWidget *parent);
    ~ManualSetup() override;

    void setupPressureDetails();
    // Puts the test-type choice on a row, as the other set-up screens do when they
    // hand over to this one.
    void setTestTypeRow(int row);

public slots:
    void showScreen(bool check) override;
    void changeSetupScreen();

protected:
    void vEnableItems(bool enable) override;
    void transferSettingsToPump() override;
    void loadSettings() override;
    void applySettings() override;
    void saveSettings() override {}
    void changeEvent(QEvent *event) override;

private:
    Ui::manualSetup *ui;
};
