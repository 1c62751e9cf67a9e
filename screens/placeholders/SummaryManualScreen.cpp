#include "SummaryManualScreen.h"

SummaryManualScreen::SummaryManualScreen(QWidget *previousScreen, QWidget *parent) : ScreenBase(previousScreen, parent) {}
