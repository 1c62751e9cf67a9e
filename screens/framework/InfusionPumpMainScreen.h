#pragma once

#include "ScreenBase.h"

#include <QTimer>

namespace Ui {
class InfusionPumpMainMenu;
}
class AboutScreen;
class DataMenu;
class DrainModeScreen;
class PcRequestDispatcher;
class PrimingScreen;
class RemoteControlScreen;
class RotaryEncoderList;
class SetClockScreen;
class SetupScreen;
class SummaryManualScreen;

// The root screen: the five main functions, four soft keys and the clock line. It builds
// the about, drain, priming and setup screens at once and the summary, data menu and
// remote control screens on first use. It also hosts the PC link of remote control.
//
// Start-up builds it with no previous screen and no parent, after the screen area and
// the board manager; it makes itself the current page.
class InfusionPumpMainScreen : public ScreenBase
{
    Q_OBJECT
public:
    InfusionPumpMainScreen(QWidget *previousScreen, QWidget *parent);
    ~InfusionPumpMainScreen() override;

    SummaryManualScreen *getSummaryManualScreen();
    RemoteControlScreen *getRemoteScreen();
    DataMenu *getDataMenuScreen();

    // The PC packet port of remote control on the USB serial gadget, kept in the data
    // manager for every sender of replies. Opening closes any open port first and is
    // false, with no port kept, when the gadget or its line cannot be had; closing leaves
    // the gadget as it is. Both empty the receive buffer.
    bool initialiseSerialPort();
    void removeSerialPort();
    PcRequestDispatcher *getPcRequestDispatcher() const { return m_pcDispatcher; }

signals:
    void screenChanged(unsigned short newScreenID);

public slots:
    void showScreen(bool) override;
    void onTestClicked();
    void clockTick();
    void usbDataReceived();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    // What a PC's requests do on the running screens.
    void onRemoteStart(unsigned short channel, unsigned int testType);
    void onRemoteStop(unsigned short channel);
    void onRemoteAlarm(unsigned short channel);

    AboutScreen *m_aboutScreen = nullptr;
    DrainModeScreen *m_drainScreen = nullptr;
    PrimingScreen *m_primingScreen = nullptr;
    SummaryManualScreen *m_summaryScreen = nullptr;
    SetupScreen *m_setupScreen = nullptr;
    DataMenu *m_dataMenuScreen = nullptr;
    RemoteControlScreen *m_remoteScreen = nullptr;
    SetClockScreen *m_clockScreen = nullptr;
    QTimer m_clockTimer;
    PcRequestDispatcher *m_pcDispatcher = nullptr;
    Ui::InfusionPumpMainMenu *ui;
    RotaryEncoderList *m_mainList = nullptr;
};
