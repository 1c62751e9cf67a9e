#pragma once

#include "ScreenBase.h"

class SetClockScreen;

// Stand-in until its subsystem is built: the setup menu, which builds the clock screen.
class SetupScreen : public ScreenBase
{
    Q_OBJECT
public:
    SetupScreen(QWidget *previousScreen, QWidget *parent);

    SetClockScreen *getClockScreen() const { return m_clockScreen; }

private:
    SetClockScreen *m_clockScreen;

public slots:
    // Opens nothing yet.
    void showScreen(bool) override {}
};
