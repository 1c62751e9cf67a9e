#include "AboutScreen.h"

AboutScreen::AboutScreen(QWidget *previousScreen, QWidget *parent) : ScreenBase(previousScreen, parent) {}
