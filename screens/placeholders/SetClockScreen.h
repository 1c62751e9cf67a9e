#pragma once

#include "ScreenBase.h"

// Stand-in until its subsystem is built: the clock screen; the main menu reads its two formats.
class SetClockScreen : public ScreenBase
{
    Q_OBJECT
public:
    SetClockScreen(QWidget *previousScreen, QWidget *parent);

    QString dateFormat;
    QString timeFormat;

public slots:
    // Opens nothing yet.
    void showScreen(bool) override {}
};
