#include "SetupScreen.h"

#include "SetClockScreen.h"

SetupScreen::SetupScreen(QWidget *previousScreen, QWidget *parent)
    : ScreenBase(previousScreen, parent), m_clockScreen(new SetClockScreen(this, nullptr))
{
}
