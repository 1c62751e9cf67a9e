#include "InfusionPumpMainScreen.h"

#include "AboutScreen.h"
#include "DataMenu.h"
#include "DrainModeScreen.h"
#include "InfusionPumpPowerBoardManager.h"
#include "PrimingScreen.h"
#include "RemoteControlScreen.h"
#include "SetClockScreen.h"
#include "SetupScreen.h"
#include "SummaryManualScreen.h"
#include "ui_InfusionPumpMainMenu.h"

#include <QDateTime>
#include <QKeyEvent>
#include <QStackedWidget>

InfusionPumpMainScreen::InfusionPumpMainScreen(QWidget *previousScreen, QWidget *parent)
    : ScreenBase(previousScreen, parent), ui(new Ui::InfusionPumpMainMenu)
{
    ui->setupUi(this);
    m_mainList = ui->listMainMenuList;

    m_aboutScreen = new AboutScreen(this, nullptr);
    m_drainScreen = new DrainModeScreen(this, nullptr);
    m_primingScreen = new PrimingScreen(this, nullptr);
    m_setupScreen = new SetupScreen(this, nullptr);
    m_clockScreen = m_setupScreen->getClockScreen();

    if (stackedWidget)
        stackedWidget->setCurrentWidget(this);
    m_mainList->setCurrentRow(0);

    connect(ui->pushButtonTest, &QPushButton::clicked, this, &InfusionPumpMainScreen::onTestClicked);
    connect(ui->pushButtonPrime, &QPushButton::clicked, m_primingScreen, &PrimingScreen::showScreen);
    connect(ui->pushButtonDrain, &QPushButton::clicked, m_drainScreen, &DrainModeScreen::showScreen);
    connect(ui->pushButtonAbout, &QPushButton::clicked, m_aboutScreen, &AboutScreen::showScreen);
    connect(&m_clockTimer, &QTimer::timeout, this, &InfusionPumpMainScreen::clockTick);
    m_clockTimer.start(500);
    m_u32ReceivedCount = 0;
}

InfusionPumpMainScreen::~InfusionPumpMainScreen()
{
    delete ui;
}

SummaryManualScreen *InfusionPumpMainScreen::getSummaryManualScreen()
{
    if (!m_summaryScreen)
        m_summaryScreen = new SummaryManualScreen(this, nullptr);
    return m_summaryScreen;
}

RemoteControlScreen *InfusionPumpMainScreen::getRemoteScreen()
{
    if (!m_remoteScreen)
        m_remoteScreen = new RemoteControlScreen(this, nullptr);
    return m_remoteScreen;
}

DataMenu *InfusionPumpMainScreen::getDataMenuScreen()
{
    if (!m_dataMenuScreen)
        m_dataMenuScreen = new DataMenu(this, nullptr);
    return m_dataMenuScreen;
}

void InfusionPumpMainScreen::showScreen(bool check)
{
    ScreenBase::showScreen(check);
    m_mainList->setFocus();
}

void InfusionPumpMainScreen::onTestClicked()
{
    getSummaryManualScreen()->showScreen(true);
}

void InfusionPumpMainScreen::clockTick()
{
    // One reading of the clock for both parts, so the line never mixes two days.
    const QDateTime now = QDateTime::currentDateTime();
    ui->label_Clock->setText(now.time().toString(m_clockScreen->timeFormat) + QLatin1Char(' ')
                             + now.date().toString(m_clockScreen->dateFormat));
}

void InfusionPumpMainScreen::keyPressEvent(QKeyEvent *event)
{
    if (event->key() != Qt::Key_Escape) {
        ScreenBase::keyPressEvent(event);
        return;
    }
    switch (m_mainList->currentRow()) {
    case 0:
        getSummaryManualScreen()->showScreen(true);
        break;
    case 1:
        initialiseSerialPort();
        // Keep every per-second record for the PC.
        if (board)
            board->m_DataManager.setRemoteControl(1);
        getRemoteScreen()->showScreen(true);
        break;
    case 2:
        getDataMenuScreen()->showScreen(true);
        break;
    case 3:
        m_setupScreen->showScreen(true);
        break;
    case 4:
        m_aboutScreen->showScreen(true);
        break;
    default:
        break;
    }
    event->accept();
}

void InfusionPumpMainScreen::changeEvent(QEvent *event)
{
    ScreenBase::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
}
