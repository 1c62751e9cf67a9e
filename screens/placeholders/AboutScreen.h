#pragma once

#include "ScreenBase.h"

// Stand-in until its subsystem is built: the about menu.
class AboutScreen : public ScreenBase
{
    Q_OBJECT
public:
    AboutScreen(QWidget *previousScreen, QWidget *parent);

public slots:
    // Opens nothing yet.
    void showScreen(bool) override {}
};
