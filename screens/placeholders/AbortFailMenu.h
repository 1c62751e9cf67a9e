#pragma once

#include "ScreenBase.h"

// Stand-in until its subsystem is built: the abort/fail choice; no choice is ever made (5).
class AbortFailMenu : public ScreenBase
{
    Q_OBJECT
public:
    AbortFailMenu(QWidget *previousScreen, QWidget *parent);

    void vSetChannel(unsigned short channel) { m_channel = channel; }
    int getOption() const { return 5; }
    void clearOption() {}

private:
    unsigned short m_channel = 0;

public slots:
    // Opens nothing yet.
    void showScreen(bool) override {}
};
