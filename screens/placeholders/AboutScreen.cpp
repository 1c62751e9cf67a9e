#include "AboutScreen.h"

#include "BluetoothFavourites.h"

AboutScreen::AboutScreen(QWidget *previousScreen, QWidget *parent)
    : ScreenBase(previousScreen, parent)
{
    // The about area's Bluetooth page brings the Bluetooth service into being at start-up,
    // and with it the module's first configuration; until that page exists, the about
    // menu does.
    BluetoothFavourites::getInstance();
}
