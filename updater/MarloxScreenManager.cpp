#include "MarloxScreenManager.h"

#include "UpdaterMainScreen.h"
#include "UpdaterProgressScreen.h"

#include <QStackedWidget>

MarloxScreenManager::MarloxScreenManager(QWidget *parent, Qt::WindowFlags flags) : QWidget(parent, flags)
{
    m_StackedWidget = new QStackedWidget;
    m_StackedWidget->setWindowFlags(Qt::CustomizeWindowHint | Qt::FramelessWindowHint);
    m_StackedWidget->setGeometry(3, 31, 281, 208);

    // The progress screen first: its constructor reads the enable settings and opens the
    // line to the ESA boards, both at program start.
    m_ProgressScreen = new UpdaterProgressScreen(this, flags);
    m_MainScreen = new UpdaterMainScreen(this, flags);
    m_StackedWidget->insertWidget(0, m_MainScreen);
    m_StackedWidget->insertWidget(1, m_ProgressScreen);
    m_StackedWidget->setCurrentIndex(0);

    connect(m_MainScreen, &UpdaterMainScreen::requestChangeScreen, this, &MarloxScreenManager::changeScreen);
    connect(m_MainScreen, &UpdaterMainScreen::setUpdateType, m_ProgressScreen,
            &UpdaterProgressScreen::setUpdateType);
    connect(m_ProgressScreen, &UpdaterProgressScreen::requestChangeScreen, this,
            &MarloxScreenManager::changeScreen);

    m_StackedWidget->show();
}

MarloxScreenManager::~MarloxScreenManager()
{
    // The window has no parent; the screens became its pages.
    delete m_StackedWidget;
}

void MarloxScreenManager::changeScreen(int index)
{
    m_StackedWidget->setCurrentIndex(index);
    m_StackedWidget->show();
}
