#include "GraphModeScreen.h"

GraphModeScreen::GraphModeScreen(QWidget *previousScreen, QWidget *parent) : ScreenBase(previousScreen, parent) {}
