#pragma once

#include "ScreenBase.h"

namespace Ui
{
class RestoreSettings;
}
class RotaryEncoderMessageBox;

// Factory restore of what the operator ticks: the settings (all but the serial number),
// the stored test sequences, the stored results. Once confirmed it ends in a notice to
// switch the instrument off, which never gives way: values held in memory are stale.
class RestoreSettings : public ScreenBase
{
    Q_OBJECT
public:
    RestoreSettings(QWidget *previousScreen, QWidget *parent);
    ~RestoreSettings() override;

    bool isRestoreSettingsChecked() const;
    bool isDeleteSequencesChecked() const;
    bool isDeleteResultsChecked() const;

public slots:
    void showScreen(bool) override;
    void onRestoreClicked();

protected:
    void changeEvent(QEvent *event) override;
    // Whether the power-off notice opens again once it has returned: always, on the
    // instrument.
    virtual bool reopenPowerOffNotice() { return true; }

private:
    // Tells the operator what is still stored although it was to be removed.
    void listNotRemoved(const QStringList &names);
    void holdUntilPowerOff(RotaryEncoderMessageBox &box);

    Ui::RestoreSettings *ui;
};
