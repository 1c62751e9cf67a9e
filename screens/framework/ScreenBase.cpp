#include "ScreenBase.h"

#include "ResultFormat.h"

#include <QStackedWidget>

QStackedWidget *ScreenBase::stackedWidget = nullptr;
InfusionPumpPowerBoardManager *ScreenBase::board = nullptr;

// The forms' images live in a static library, whose resource initialiser the linker
// drops unless something refers to it.
static void initialiseResources()
{
    static const bool done = [] {
        Q_INIT_RESOURCE(resources);
        return true;
    }();
    Q_UNUSED(done);
}

ScreenBase::ScreenBase(QWidget *previousScreen, QWidget *parent)
    : QWidget(parent), m_previousScreen(previousScreen)
{
    initialiseResources();
    if (stackedWidget)
        stackedWidget->addWidget(this);
    else
        qWarning("%s: no screen area; the screen is not shown", Q_FUNC_INFO);
}

void ScreenBase::setPreviousScreen(QWidget *previousScreen)
{
    m_previousScreen = previousScreen;
}

bool ScreenBase::isCurrentWidget() const
{
    return stackedWidget && stackedWidget->currentWidget() == this;
}

QString ScreenBase::formatTimeFromPic(unsigned int seconds)
{
    return ResultFormat::duration(seconds);
}

void ScreenBase::showScreen(bool)
{
    if (stackedWidget)
        stackedWidget->setCurrentWidget(this);
    setFocus();
}

void ScreenBase::onBackArrowClicked(bool)
{
    if (auto *previous = qobject_cast<ScreenBase *>(m_previousScreen))
        previous->showScreen(true);
}
