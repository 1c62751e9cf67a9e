#pragma once

#include "CalibrationTerminalText.h"
#include "ScreenBase.h"

#include <QTimer>

class QueuedTtyHandler;
class TtyHandler;

namespace Ui
{
class CalibrateScreen;
}

// The service engineer's calibration terminal: the raw line of one channel's controller,
// bridged both ways to a PC on the USB serial gadget and shown on the screen. Showing it
// hands the power-board line to the selected channel (the board manager stops using it),
// puts the USB port on the serial gadget and, two seconds later, opens the PC's port.
// Bytes pass unchanged both ways; keys pressed on the instrument go to the channel as
// text. CH (F4) moves the terminal to the next channel; back (F1) closes the PC's port
// and gives the line back to the board manager.
class CalibrateScreen : public ScreenBase
{
    Q_OBJECT
public:
    static constexpr int PollMs = 100;
    static constexpr int GadgetDelayMs = 2000;
    // Lets the line settle between the board manager and the terminal.
    static constexpr int SwitchSettleMs = 3;

    CalibrateScreen(QWidget *previousScreen, QWidget *parent);
    ~CalibrateScreen() override;

    // The channel the terminal talks to, 0..3.
    unsigned short channel() const { return m_u16Channel; }
    // Whether the PC's port is open now.
    bool isGadgetOpen() const;

signals:
    // The terminal is about to take the PC's port: whoever holds it lets it go, so the
    // port is never open twice.
    void gadgetPortWanted();

public slots:
    void showScreen(bool check) override;
    void updateText();
    void changeChannel();
    void setUpGadgetTty();
    void readGadgetTtty();

protected slots:
    void onBackArrowClicked(bool check) override;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void selectChannel();
    void clearText();
    void closeGadgetTty();

    Ui::CalibrateScreen *ui;
    unsigned short m_u16Channel = 0;
    QTimer m_updateTimer;
    QTimer m_gadgetTimer;
    // The power-board line, the board manager's.
    TtyHandler *m_boardPort = nullptr;
    QueuedTtyHandler *m_pcPort = nullptr;
    CalibrationTerminalText m_text;
    // The line is the terminal's: shown and not yet left.
    bool m_active = false;
};
