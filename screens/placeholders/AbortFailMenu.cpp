#include "AbortFailMenu.h"

AbortFailMenu::AbortFailMenu(QWidget *previousScreen, QWidget *parent) : ScreenBase(previousScreen, parent) {}
