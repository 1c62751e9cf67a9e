#pragma once

#include "ScreenBase.h"

// Stand-in until its subsystem is built: the abort/fail choice of a stopped automatic
// run. It keeps one choice per channel; its page is empty yet (an automatic run, the
// only way here, cannot start before the asset screen stands), and a choice is made
// through chooseOption(), which the menu's rows will call.
class AbortFailMenu : public ScreenBase
{
    Q_OBJECT
public:
    enum Option { RESTART_TEST = 0, RESTART_PROTOCOL = 1, NEXT_TEST = 2, END_PROTOCOL = 3,
                  ABORT_PROTOCOL = 4, NO_OPTION = 5 };

    AbortFailMenu(QWidget *previousScreen, QWidget *parent);

    // The channel whose choice getOption() and clearOption() read; a channel outside
    // 0..3 is ignored.
    void vSetChannel(unsigned short channel);
    int getOption() const { return m_option[m_channel]; }
    void clearOption() { m_option[m_channel] = NO_OPTION; }

    // A row chosen: the choice belongs to the channel the menu was last opened for, not
    // to whichever channel the engine has looked at since, so with two channels stopped
    // a choice never acts on the other one. Back to the previous screen when shown.
    void chooseOption(int option);
    unsigned short openedChannel() const { return m_openedFor; }

public slots:
    // Shows the (still empty) page, binds the menu to the current channel and clears
    // its choice.
    void showScreen(bool) override;

protected:
    // F1 goes back, so the empty page never holds the operator.
    void keyPressEvent(QKeyEvent *event) override;

private:
    unsigned short m_channel = 0;
    unsigned short m_openedFor = 0;
    int m_option[4] = {NO_OPTION, NO_OPTION, NO_OPTION, NO_OPTION};
};
