#pragma once

#include "ScreenBase.h"

// Stand-in until its subsystem is built: the remote control screen.
class RemoteControlScreen : public ScreenBase
{
    Q_OBJECT
public:
    RemoteControlScreen(QWidget *previousScreen, QWidget *parent);

public slots:
    // Opens nothing yet.
    void showScreen(bool) override {}
};
