#pragma once

#include "AboutScreenBase.h"

#include <array>

class AboutBluetoothScreen;
class QAbstractButton;
class QLabel;

namespace Ui
{
class AboutDetailsScreen;
}

// The identities page: the instrument's serial number and software version, and for each
// channel the firmware version, hardware version and serial number its controller
// reports. Every second it shows what the board manager holds of those replies and
// keeps it in the settings file, where the PC link and new test results read it. The
// replies are asked for when the page is built and each time it is shown.
class AboutDetailsScreen : public AboutScreenBase
{
    Q_OBJECT
public:
    AboutDetailsScreen(QWidget *previousScreen, QWidget *parent);
    ~AboutDetailsScreen() override;

    QAbstractButton *calibrationButton() const;
    QAbstractButton *contactButton() const;

signals:
    // The channel (0..3) whose version or serial-number reply the board should fetch.
    void getPicVersion(unsigned short channel);
    void getPicSerial(unsigned short channel);

public slots:
    void showScreen(bool check) override;
    void fetchData() override;
    void btButtonClicked();

protected:
    void changeEvent(QEvent *event) override;

private:
    void requestIdentities();
    void showInstrument();

    Ui::AboutDetailsScreen *ui;
    AboutBluetoothScreen *m_bluetoothScreen = nullptr;
    std::array<QLabel *, 4> m_firmware{};
    std::array<QLabel *, 4> m_hardware{};
    std::array<QLabel *, 4> m_serial{};
};
