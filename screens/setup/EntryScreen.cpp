#include "EntryScreen.h"

EntryScreen::EntryScreen(QWidget *previousScreen, ScreenBase *nextScreen, QWidget *parent)
    : SettingsScreen(previousScreen, nullptr, parent), m_nextScreen(nextScreen)
{
}

EntryScreen::EntryScreen(QWidget *previousScreen, TestScreen *testScreen, QWidget *parent)
    : SettingsScreen(previousScreen, testScreen, parent)
{
}

void EntryScreen::showNextScreen(bool state)
{
    if (m_nextScreen)
        m_nextScreen->showScreen(state);
}
