#include "DataMenu.h"

DataMenu::DataMenu(QWidget *previousScreen, QWidget *parent) : ScreenBase(previousScreen, parent) {}
