#include "AbortFailMenu.h"

#include <QKeyEvent>

AbortFailMenu::AbortFailMenu(QWidget *previousScreen, QWidget *parent) : ScreenBase(previousScreen, parent) {}

void AbortFailMenu::vSetChannel(unsigned short channel)
{
    if (channel < 4)
        m_channel = channel;
}

void AbortFailMenu::showScreen(bool check)
{
    ScreenBase::showScreen(check);
    m_openedFor = m_channel;
    m_option[m_openedFor] = NO_OPTION;
}

void AbortFailMenu::chooseOption(int option)
{
    if (option < RESTART_TEST || option > ABORT_PROTOCOL)
        return;
    m_option[m_openedFor] = option;
    if (isCurrentWidget())
        onBackArrowClicked(true);
}

void AbortFailMenu::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F1)
        onBackArrowClicked(true);
    else
        ScreenBase::keyPressEvent(event);
}
