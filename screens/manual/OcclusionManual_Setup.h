#pragma once

#include "SettingsScreen.h"

namespace Ui {
class OcclusionManual_Setup;
}

// Set-up of a manual occlusion test on one channel: pump type and pressure limits.
class OcclusionManual_Setup : public SettingsScreen
{
    Q_OBJECT
public:
    OcclusionManual_Setup(QWidget *previous, TestScreen *pairedRunningScreen, QWidget *parent);
    ~OcclusionManual_Setup() override;

    void setupPressureDetails();
    void setTestTypeRow(int row);

public slots:
    void showScreen(bool check) override;

protected slots:
    void changeSetupScreen();

protected:
    void vEnableItems(bool enable) override;
    void transferSettingsToPump() override;
    void loadSettings() override;
    void applySettings() override;
    void saveSettings() override {}
    void changeEvent(QEvent *event) override;

private:
    Ui::OcclusionManual_Setup *ui;
};
