#include "RemoteControlScreen.h"
#include "ui_RemoteControlScreen.h"

#include "DorvalenPacketHandler.h"
#include "InfusionPumpMainScreen.h"
#include "InfusionPumpPowerBoardManager.h"
#include "KovintaPacket.h"
#include "OcclusionManualTest.h"
#include "SummaryManualScreen.h"

#include <QKeyEvent>
#include <QTimer>

RemoteControlScreen::RemoteControlScreen(QWidget *previousScreen, QWidget *parent)
    : ScreenBase(previousScreen, parent), ui(new Ui::RemoteControlScreen)
{
    ui->setupUi(this);
    ui->listWidgetChannels->setCurrentRow(0);

    m_refreshTimer = new QTimer(this);
    connect(m_refreshTimer, &QTimer::timeout, this, &RemoteControlScreen::fetchData);
    m_closeTimer = new QTimer(this);
    m_closeTimer->setSingleShot(true);
    m_closeTimer->setInterval(closeDelayMs);
    connect(m_closeTimer, &QTimer::timeout, this, &RemoteControlScreen::clearRemoteFlag);

    connect(ui->pushButtonBackwardFromManualSummaryScreen, &QPushButton::clicked, this,
            &RemoteControlScreen::onBackArrowClicked);
    if (board) {
        connect(this, &RemoteControlScreen::stopPump, board,
                &InfusionPumpPowerBoardManager::vSetStopRsq);
        connect(this, &RemoteControlScreen::primePump, board,
                &InfusionPumpPowerBoardManager::vSetStartPrimingRsq);
    }
    m_refreshTimer->start(refreshMs);
}

RemoteControlScreen::~RemoteControlScreen()
{
    delete ui;
}

void RemoteControlScreen::showScreen(bool check)
{
    ScreenBase::showScreen(check);
    m_closeTimer->stop();
    ui->listWidgetChannels->setFocus();
}

void RemoteControlScreen::fetchData()
{
    if (!board)
        return;
    for (unsigned short channel = 0; channel < 4; ++channel)
        writeRow(channel);
}

void RemoteControlScreen::writeRow(unsigned short channel)
{
    DataManager &data = board->m_DataManager;
    const int row = channel + 1;
    const auto field = [this, row](const char *name) {
        return findChild<QLabel *>(
            QStringLiteral("label_Channel_%1_%2").arg(row).arg(QLatin1String(name)));
    };
    QLabel *type = field("TestType");
    QLabel *volume = field("Volume");
    QLabel *pressure = field("Pressure");
    QLabel *flow = field("FlowRate");
    QLabel *duration = field("ElaspeTime");

    switch (board->getChannelStatus(channel)) {
    case 0:
        type->setText(tr("N/A"));
        for (QLabel *label : {volume, pressure, flow, duration})
            label->setText(tr("---"));
        break;
    case 1: {
        static const char *const types[] = {QT_TR_NOOP("Flow"), QT_TR_NOOP("Occ"),
                                            QT_TR_NOOP("PCA"), QT_TR_NOOP("User")};
        const INFUSION_PUMP_TEST_DATA live = data.getTestData(channel);
        const unsigned testType = data.getTestSetting(channel).u8TestTypeSetting;
        // A type without a name keeps what the row showed.
        if (testType <= 3)
            type->setText(tr(types[testType]));
        volume->setText(QString::number(live.fVolume, 'f', 2));
        pressure->setText(QString::number(data.getPressureValue(live.s16Pressure), 'f', 2));
        flow->setText(QString::number(live.fFlowRate_Ave, 'f', 2));
        duration->setText(data.vGetTestRunningFlag(channel) ? formatTimeFromPic(live.u32ElapseTime)
                                                            : tr("Ready"));
        break;
    }
    default:
        // Contact lost: the type stays as it was last known.
        for (QLabel *label : {volume, pressure, flow})
            label->setText(tr("?"));
        duration->setText(QStringLiteral("ER1"));
        break;
    }
}

void RemoteControlScreen::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_F6:
    case Qt::Key_Escape:
        acknowledgeOcclusionChannels();
        break;
    case Qt::Key_F7:
        onStopAllClicked(true);
        break;
    default:
        ScreenBase::keyPressEvent(event);
        break;
    }
}

void RemoteControlScreen::acknowledgeOcclusionChannels()
{
    OcclusionManualTest *occlusion = occlusionScreen();
    if (!board || !occlusion)
        return;
    DataManager &data = board->m_DataManager;
    // Only manual pumps wait for the operator; auto-reverse pumps clear themselves. A
    // channel whose PC run is over, stopped or not waiting is left alone: the key would
    // start a run the PC never asked for, or report an alarm nobody acknowledged.
    for (unsigned short channel = 0; channel < 4; ++channel) {
        if (data.getTestSetting(channel).u8TestTypeSetting == 1 &&
            data.getOcclusionTestSetting(channel) == 0 && occlusion->waitsForRemoteAlarm(channel)) {
            occlusion->vSetChannel(channel);
            occlusion->onGreenKeyPressed();
        }
    }
}

OcclusionManualTest *RemoteControlScreen::occlusionScreen() const
{
    auto *menu = qobject_cast<InfusionPumpMainScreen *>(previousScreen());
    return menu ? menu->getSummaryManualScreen()->getOcclusionRunningScreen() : nullptr;
}

void RemoteControlScreen::onStopAllClicked(bool)
{
    DorvalenPacketHandler *port = board ? board->m_DataManager.m_pPacketHandler : nullptr;
    OcclusionManualTest *occlusion = occlusionScreen();
    for (unsigned short channel = 0; channel < 4; ++channel) {
        emit stopPump(channel);
        emit primePump(channel);
        // A stopped run waits for no alarm.
        if (occlusion)
            occlusion->setRemoteRun(channel, false);
        KovintaPacket stop;
        stop.stop(static_cast<unsigned char>(channel));
        DorvalenPacketHandler::sendReply(port, stop);
    }
}

void RemoteControlScreen::onBackArrowClicked(bool check)
{
    onStopAllClicked(check);
    m_closeTimer->start();
    ScreenBase::onBackArrowClicked(check);
}

void RemoteControlScreen::clearRemoteFlag()
{
    if (auto *menu = qobject_cast<InfusionPumpMainScreen *>(previousScreen()))
        menu->removeSerialPort();
    if (board)
        board->m_DataManager.setRemoteControl(0);
}

void RemoteControlScreen::changeEvent(QEvent *event)
{
    ScreenBase::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
}
