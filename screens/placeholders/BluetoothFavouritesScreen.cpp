#include "BluetoothFavouritesScreen.h"

BluetoothFavouritesScreen::BluetoothFavouritesScreen(QWidget *previousScreen, QWidget *parent)
    : ScreenBase(previousScreen, parent)
{
}
