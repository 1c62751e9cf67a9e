#pragma once

#include "ScreenBase.h"

namespace Ui
{
class AbortFailMenu;
}
class RotaryEncoderList;

// How an automatic run goes on after one of its tests failed or was stopped on a
// channel. One menu serves the four channels: it stores the operator's choice for the
// channel it was opened for and returns to the summary, whose sequence engine reads the
// choice at its next tick, acts on it and clears it.
class AbortFailMenu : public ScreenBase
{
    Q_OBJECT
public:
    // The stored choice; the values are the rows of the list.
    enum Option {
        RESTART_TEST = 0,
        RESTART_PROTOCOL = 1,
        NEXT_TEST = 2,
        END_PROTOCOL = 3,
        ABORT_PROTOCOL = 4,
        NO_OPTION = 5
    };

    AbortFailMenu(QWidget *previous, QWidget *parent);
    ~AbortFailMenu() override;

    // The channel getOption() and clearOption() refer to; a channel outside 0..3 is
    // ignored.
    void vSetChannel(unsigned short channel);
    int getOption() const { return m_option[m_channel]; }
    void clearOption() { m_option[m_channel] = NO_OPTION; }

    RotaryEncoderList *list() const;

public slots:
    // Opens the menu for the channel last set: a choice stored for it earlier and not
    // yet read is dropped.
    void showScreen(bool check) override;

    void onRestartTestClicked();
    void onRestartProtocolClicked();
    void onNextTestClicked();
    void onEndProtocolClicked();
    void onAbortProtocolClicked();

protected:
    // The select key takes the list's current row.
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void choose(Option option);

    Ui::AbortFailMenu *ui;
    unsigned short m_channel = 0;
    // The engine reads the other stopped channels' choices while the menu is shown, so
    // a choice goes to the channel the menu was opened for, never to the last one read.
    unsigned short m_openedFor = 0;
    int m_option[4] = {NO_OPTION, NO_OPTION, NO_OPTION, NO_OPTION};
};
