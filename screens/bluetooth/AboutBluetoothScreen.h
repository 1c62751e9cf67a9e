#pragma once

#include "AboutScreenBase.h"

#include <QByteArray>

namespace Ui
{
class AboutBluetoothScreen;
}

// The instrument's Bluetooth module: its name, device address and firmware banner.
// Showing the page asks the Bluetooth service for the module's information; the values
// follow whatever information the service reports, shown or not, and keep the last one
// of each kind. Building this page is what brings the Bluetooth service into being at
// start-up.
class AboutBluetoothScreen : public AboutScreenBase
{
    Q_OBJECT
public:
    AboutBluetoothScreen(QWidget *previousScreen, QWidget *parent);
    ~AboutBluetoothScreen() override;

public slots:
    void showScreen(bool check) override;
    // A reply event of the module: its code in byte 0, its text after it.
    void processBtInfo(QByteArray packet);

protected:
    void changeEvent(QEvent *event) override;

private:
    Ui::AboutBluetoothScreen *ui;
};
