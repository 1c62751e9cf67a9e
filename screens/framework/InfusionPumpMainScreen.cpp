#include "InfusionPumpMainScreen.h"

#include "AboutScreen.h"
#include "CalibrateScreen.h"
#include "DataMenu.h"
#include "DataSeries.h"
#include "DevicePaths.h"
#include "DorvalenPacketHandler.h"
#include "DrainModeScreen.h"
#include "FlowRateRunningScreen.h"
#include "InfusionPumpPowerBoardManager.h"
#include "OcclusionManualTest.h"
#include "PCARunningScreen.h"
#include "PcRequestDispatcher.h"
#include "PrimingScreen.h"
#include "RemoteControlScreen.h"
#include "ScreenMessages.h"
#include "SetClockScreen.h"
#include "SetupScreen.h"
#include "SummaryManualScreen.h"
#include "UsbDriveController.h"
#include "ui_InfusionPumpMainMenu.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDebug>
#include <QKeyEvent>
#include <QStackedWidget>

namespace {

// The PC link's port: the USB serial gadget at 9600 baud, no flow control, no byte delay.
constexpr TTY_BAUDRATE kPcLinkBaudRate = 4;

} // namespace

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
    // The calibration terminal takes the PC's port for itself.
    connect(m_aboutScreen->getCalibrateScreen(), &CalibrateScreen::gadgetPortWanted, this,
            &InfusionPumpMainScreen::removeSerialPort);
    connect(&m_clockTimer, &QTimer::timeout, this, &InfusionPumpMainScreen::clockTick);
    m_clockTimer.start(500);

    if (board) {
        m_pcDispatcher = new PcRequestDispatcher(*board, this);
        connect(m_pcDispatcher, &PcRequestDispatcher::startRequested, this,
                &InfusionPumpMainScreen::onRemoteStart);
        connect(m_pcDispatcher, &PcRequestDispatcher::stopRequested, this,
                &InfusionPumpMainScreen::onRemoteStop);
        connect(m_pcDispatcher, &PcRequestDispatcher::alarmRequested, this,
                &InfusionPumpMainScreen::onRemoteAlarm);
    }
}

InfusionPumpMainScreen::~InfusionPumpMainScreen()
{
    removeSerialPort();
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
        // Without its port the remote screen would show a link that is not there.
        if (!initialiseSerialPort()) {
            const QString text = tr("Error opening the PC connection");
            // The title the transfer screens give their warnings.
            ScreenMessages::warn(QCoreApplication::translate("DataTransfer", "Warning"), text);
            break;
        }
        // Keep every per-second record for the PC.
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

bool InfusionPumpMainScreen::initialiseSerialPort()
{
    removeSerialPort();
    if (!board)
        return false;
    // The USB port must carry the serial gadget before its line can be opened.
    if (UsbDriveController::getInstance()->setMode(0) != 0)
        return false;
    auto *port =
        new DorvalenPacketHandler(DevicePaths::usbGadgetLine, kPcLinkBaudRate, false, 0, nullptr);
    if (!port->isOpen()) {
        qDebug() << "PC link port not opened:" << port->errorString();
        delete port;
        return false;
    }
    board->m_DataManager.m_pPacketHandler = port;
    m_pcDispatcher->clearReceiveBuffer();
    connect(port, &DorvalenPacketHandler::readyRead, this, &InfusionPumpMainScreen::usbDataReceived);
    return true;
}

void InfusionPumpMainScreen::removeSerialPort()
{
    if (!board)
        return;
    DataManager &data = board->m_DataManager;
    if (DorvalenPacketHandler *port = data.m_pPacketHandler) {
        disconnect(port, &DorvalenPacketHandler::readyRead, this,
                   &InfusionPumpMainScreen::usbDataReceived);
        data.m_pPacketHandler = nullptr;
        delete port;
    }
    m_pcDispatcher->clearReceiveBuffer();
}

void InfusionPumpMainScreen::usbDataReceived()
{
    if (board && board->m_DataManager.m_pPacketHandler)
        m_pcDispatcher->readFrom(*board->m_DataManager.m_pPacketHandler);
}

void InfusionPumpMainScreen::onRemoteStart(unsigned short channel, unsigned int testType)
{
    SummaryManualScreen *summary = getSummaryManualScreen();
    TestScreen *screen = nullptr;
    switch (testType) {
    case 0:
        screen = summary->getFlowRateRunningScreen();
        break;
    case 1: {
        OcclusionManualTest *occlusion = summary->getOcclusionRunningScreen();
        occlusion->setRemoteRun(channel, true);
        DataSeries::setScaleMode(0);
        screen = occlusion;
        break;
    }
    case 2:
        screen = summary->getPCARunningScreen();
        break;
    default:
        return;
    }
    screen->vSetChannel(channel);
    emit screen->stopTest(channel);
    emit screen->startTest(channel);
}

void InfusionPumpMainScreen::onRemoteStop(unsigned short channel)
{
    OcclusionManualTest *occlusion = getSummaryManualScreen()->getOcclusionRunningScreen();
    occlusion->setRemoteRun(channel, false);
    emit occlusion->stopTest(channel);
}

void InfusionPumpMainScreen::onRemoteAlarm(unsigned short channel)
{
    // Queued, as a key press would be: the Alarm reply is out before the screen answers
    // with its own. The key acts on the PC's channel whichever one the screen shows.
    OcclusionManualTest *occlusion = getSummaryManualScreen()->getOcclusionRunningScreen();
    QMetaObject::invokeMethod(
        occlusion, [occlusion, channel] { occlusion->onGreenKeyPressed(channel); },
        Qt::QueuedConnection);
}

void InfusionPumpMainScreen::changeEvent(QEvent *event)
{
    ScreenBase::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
}
