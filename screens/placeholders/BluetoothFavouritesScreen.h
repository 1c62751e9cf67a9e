#pragma once

#include "ScreenBase.h"

// Stand-in until its subsystem is built: the Bluetooth favourites screen.
class BluetoothFavouritesScreen : public ScreenBase
{
    Q_OBJECT
public:
    BluetoothFavouritesScreen(QWidget *previousScreen, QWidget *parent);

public slots:
    // Opens nothing yet.
    void showScreen(bool) override {}
};
