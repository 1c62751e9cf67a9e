#pragma once

#include "SettingsScreen.h"

namespace Ui {
class PCAManual_Seup;
}

// Set-up of a manual PCA test on one channel: duration, basal rate and bolus limits.
class PCAManual_Setup : public SettingsScreen
{
    Q_OBJECT
public:
    PCAManual_Setup(QWidget *previous, TestScreen *pairedRunningScreen, QWidget *parent);
    ~PCAManual_Setup() override;

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
    Ui::PCAManual_Seup *ui;
};
