#include "ScreenArea.h"

#include "ScreenBase.h"

#include <QApplication>
#include <QStackedWidget>

QByteArray ScreenArea::defaultSettings()
{
    return "[General]\nDate_format=dd.MM.yyyy\nTime_format=hh:mm:ss\n";
}

ScreenArea::ScreenArea(const QByteArray &settings) : m_stack(new QStackedWidget)
{
    m_root.writeFile("/mnt/data/kovinta.ini", settings);
    m_stack->setMinimumSize(290, 201);
    m_stack->resize(320, 240);
    ScreenBase::stackedWidget = m_stack;
}

ScreenArea::~ScreenArea()
{
    delete m_stack;
    ScreenBase::stackedWidget = nullptr;
    ScreenBase::board = nullptr;
}

QWidget *ScreenArea::current() const
{
    return m_stack->currentWidget();
}

void ScreenArea::attachBoard(InfusionPumpPowerBoardManager *board)
{
    ScreenBase::board = board;
}

bool ScreenArea::activate()
{
    return GuiTest::showActive(m_stack);
}

bool ScreenArea::savePng(const QString &path) const
{
    return GuiTest::savePng(m_stack, path);
}

QString ScreenArea::settingsPath() const
{
    return m_root.path("/mnt/data/kovinta.ini");
}
