#include "CalibrateScreen.h"

#include "DevicePaths.h"
#include "InfusionPumpPowerBoardManager.h"
#include "QueuedTtyHandler.h"
#include "UsbDriveController.h"
#include "ui_CalibrateScreen.h"

#include <QDebug>
#include <QKeyEvent>
#include <QScrollBar>
#include <QThread>

namespace
{
// 115200 baud, the calibration software's rate.
constexpr TTY_BAUDRATE kGadgetBaudRate = 0;
constexpr unsigned short kChannels = 4;
} // namespace

CalibrateScreen::CalibrateScreen(QWidget *previousScreen, QWidget *parent)
    : ScreenBase(previousScreen, parent), ui(new Ui::CalibrateScreen)
{
    ui->setupUi(this);
    connect(ui->pushButtonBackFromCalibrate, &QPushButton::clicked, this,
            &CalibrateScreen::onBackArrowClicked);
    connect(ui->pushButtonCalibrateF4, &QPushButton::clicked, this,
            &CalibrateScreen::changeChannel);
    m_updateTimer.setInterval(PollMs);
    connect(&m_updateTimer, &QTimer::timeout, this, &CalibrateScreen::updateText);
    m_gadgetTimer.setSingleShot(true);
    m_gadgetTimer.setInterval(GadgetDelayMs);
    connect(&m_gadgetTimer, &QTimer::timeout, this, &CalibrateScreen::setUpGadgetTty);
    if (board)
        m_boardPort = board->getTtyHandler();
}

CalibrateScreen::~CalibrateScreen()
{
    delete ui;
}

bool CalibrateScreen::isGadgetOpen() const
{
    return m_pcPort && m_pcPort->isOpen();
}

void CalibrateScreen::showScreen(bool check)
{
    ui->label_Calibrate_ChannelNo->setText(QString::number(m_u16Channel + 1));
    ScreenBase::showScreen(check);
    ui->textEditBox->setFocusPolicy(Qt::NoFocus);
    clearText();
    selectChannel();
    m_active = true;
    m_updateTimer.start();
    // The PC link, if open, must let the port go before the gadget is touched.
    emit gadgetPortWanted();
    UsbDriveController::getInstance()->setMode(0);
    m_gadgetTimer.start();
}

void CalibrateScreen::onBackArrowClicked(bool check)
{
    m_updateTimer.stop();
    m_gadgetTimer.stop();
    closeGadgetTty();
    if (m_active && board)
        board->restoreNormality();
    m_active = false;
    ScreenBase::onBackArrowClicked(check);
}

void CalibrateScreen::selectChannel()
{
    QThread::msleep(SwitchSettleMs);
    if (board)
        board->hyperterminalMode(m_u16Channel);
}

void CalibrateScreen::changeChannel()
{
    m_u16Channel = (m_u16Channel + 1) % kChannels;
    selectChannel();
    ui->label_Calibrate_ChannelNo->setText(QString::number(m_u16Channel + 1));
    clearText();
}

void CalibrateScreen::clearText()
{
    m_text.clear();
    ui->textEditBox->clear();
}

void CalibrateScreen::setUpGadgetTty()
{
    closeGadgetTty();
    m_pcPort = new QueuedTtyHandler(DevicePaths::usbGadgetLine, kGadgetBaudRate, false, 0, this);
    // Without the port the local terminal goes on; the PC just hears nothing.
    if (!m_pcPort->isOpen())
        qWarning() << "Calibration terminal: PC port not opened:" << m_pcPort->errorString();
    connect(m_pcPort, &QIODevice::readyRead, this, &CalibrateScreen::readGadgetTtty);
}

void CalibrateScreen::closeGadgetTty()
{
    delete m_pcPort;
    m_pcPort = nullptr;
}

void CalibrateScreen::readGadgetTtty()
{
    if (!m_pcPort)
        return;
    const QByteArray bytes = m_pcPort->readAll();
    if (m_boardPort && !bytes.isEmpty())
        m_boardPort->sendByteArray(bytes);
}

void CalibrateScreen::updateText()
{
    if (!m_boardPort)
        return;
    const QByteArray bytes = m_boardPort->readAll();
    if (bytes.isEmpty())
        return;
    // A PC that does not read loses what does not fit its queue; the terminal goes on.
    if (m_pcPort)
        m_pcPort->queueData(bytes);
    if (!m_text.append(bytes))
        return;
    ui->textEditBox->setPlainText(m_text.text());
    QScrollBar *scroll = ui->textEditBox->verticalScrollBar();
    scroll->setValue(scroll->maximum());
}

void CalibrateScreen::keyPressEvent(QKeyEvent *event)
{
    if (m_active && m_boardPort) {
        switch (event->key()) {
        case Qt::Key_Escape:
            break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            m_boardPort->sendString(QStringLiteral("\r\n"));
            break;
        default:
            m_boardPort->sendString(event->text());
            break;
        }
    }
    ScreenBase::keyPressEvent(event);
}

void CalibrateScreen::changeEvent(QEvent *event)
{
    ScreenBase::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        ui->label_Calibrate_ChannelNo->setText(QString::number(m_u16Channel + 1));
    }
}
