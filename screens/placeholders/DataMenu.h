#pragma once

#include "ScreenBase.h"

// Stand-in until its subsystem is built: the data menu.
class DataMenu : public ScreenBase
{
    Q_OBJECT
public:
    DataMenu(QWidget *previousScreen, QWidget *parent);

public slots:
    // Opens nothing yet.
    void showScreen(bool) override {}
};
