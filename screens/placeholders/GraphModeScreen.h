#pragma once

#include "ScreenBase.h"

// Stand-in until its subsystem is built: the live graph.
class GraphModeScreen : public ScreenBase
{
    Q_OBJECT
public:
    GraphModeScreen(QWidget *previousScreen, QWidget *parent);

public slots:
    // Opens nothing yet.
    void showScreen(bool) override {}
};
