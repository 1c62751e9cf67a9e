#include "RemoteControlScreen.h"

RemoteControlScreen::RemoteControlScreen(QWidget *previousScreen, QWidget *parent) : ScreenBase(previousScreen, parent) {}
