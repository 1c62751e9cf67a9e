#pragma once

#include "ScreenBase.h"

// Stand-in until its subsystem is built: the channel summary.
class SummaryManualScreen : public ScreenBase
{
    Q_OBJECT
public:
    SummaryManualScreen(QWidget *previousScreen, QWidget *parent);

public slots:
    // Opens nothing yet.
    void showScreen(bool) override {}
};
