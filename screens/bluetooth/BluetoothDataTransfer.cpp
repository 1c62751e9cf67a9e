#include "BluetoothDataTransfer.h"
#include "ui_BluetoothDataTransfer.h"

#include "BlueToothManager.h"
#include "BluetoothFavourites.h"
#include "DevicePath.h"
#include "DevicePaths.h"
#include "FileUtils.h"
#include "ScreenMessages.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTimer>

namespace
{
// The path as the instrument names it, with a break allowed after each "/" so that a
// long one wraps on the display instead of running off it.
QString displayPath(const QString &path)
{
    QString shown = path;
    const QString root = DevicePath::root();
    if (!root.isEmpty() && shown.startsWith(root + QLatin1Char('/')))
        shown.remove(0, root.size());
    return shown.replace(QLatin1Char('/'), QStringLiteral("/\u200b"));
}
} // namespace

QString BluetoothDataTransfer::exportDirectory()
{
    return DevicePath::path(DevicePaths::dataPartition + QStringLiteral("/bluetoothOut"));
}

QString BluetoothDataTransfer::prepareExportDirectory()
{
    const QString dir = exportDirectory();
    QDir().mkpath(dir);
    FileUtils::removeDirContents(dir);
    return dir;
}

BluetoothDataTransfer::BluetoothDataTransfer(QWidget *previousScreen, QWidget *parent)
    : ScreenBase(previousScreen, parent), m_pRefreshTimer(new QTimer(this)),
      ui(new Ui::BluetoothDataTransfer), m_service(BluetoothFavourites::getInstance())
{
    ui->setupUi(this);
    connect(ui->pushButtonBack, &QPushButton::clicked, this,
            &BluetoothDataTransfer::onBackArrowClicked);
    connect(ui->pushButtonBack, &QPushButton::clicked, this, &BluetoothDataTransfer::disconnectAll);
    connect(ui->pushButtonSend, &QPushButton::clicked, this,
            &BluetoothDataTransfer::sendButtonClicked);
    m_pRefreshTimer->setSingleShot(true);
    m_pRefreshTimer->setInterval(RefreshMs);
    connect(m_pRefreshTimer, &QTimer::timeout, this, &BluetoothDataTransfer::updateInfo);
    ui->progressBarTransfer->setValue(0);
    ui->progressBarTransfer->setTextVisible(false);
    ui->progressBarTransfer->hide();
}

BluetoothDataTransfer::~BluetoothDataTransfer()
{
    releaseFile();
    delete ui;
}

void BluetoothDataTransfer::setFilenameToSend(QString path)
{
    m_sFileToSend = path;
}

QProgressBar *BluetoothDataTransfer::getProgressBar() const
{
    return ui->progressBarTransfer;
}

void BluetoothDataTransfer::setNoAnswerLimits(int connectMs, int sendStallMs)
{
    m_iConnectLimitMs = connectMs;
    m_iSendStallLimitMs = sendStallMs;
}

void BluetoothDataTransfer::showScreen(bool check)
{
    ScreenBase::showScreen(check);
    m_iWaitState = -1;
    // A new push starts clean: the last push's completion line and full bar beside this
    // one's "Download stopped" would tell the operator a file went that did not.
    ui->labelFile->clear();
    ui->progressBarTransfer->setValue(0);
    ui->progressBarTransfer->setTextVisible(false);
    ui->progressBarTransfer->hide();
    if (!m_service->connectDevice(BT_MOBILE_PHONE)) {
        ScreenMessages::warn(tr("Warning"), tr("No device set in Bluetooth Favourites"));
        stopPush(tr("No device set in Bluetooth Favourites"));
        return;
    }
    m_pRefreshTimer->start();
    m_iDisplayState = StateConnecting;
    showDisplayState();
}

void BluetoothDataTransfer::updateInfo()
{
    const BlueToothManager *link = m_service->manager();
    const int status = m_service->eBtModuleStatus();
    // Only the phone says whether it took the file: a refusal, at the PUT or at any
    // packet after it, ends the push, and so does a link lost once the file streams
    // (what went before the loss may never have reached the phone).
    if (m_bPushStarted && link->oppState() == BlueToothManager::OppRefused) {
        stopPush(tr("The device refused the file: %1").arg(link->oppRefusal()));
        return;
    }
    if (m_iDisplayState == StateSending &&
        (link->oppState() == BlueToothManager::OppNone || !(status & 0x100))) {
        stopPush(tr("The link dropped before the device confirmed the file"));
        return;
    }
    // The link gives a push up when a link of the module drops. The phone may have been
    // called again and be ready before this poll sees it gone, so the loss is read from
    // the link itself: before Send, the push is started anew at the next ready report.
    if (m_bPushStarted && link->oppState() == BlueToothManager::OppNone) {
        m_bPushStarted = false;
        m_iDisplayState = StateConnecting;
    }
    if (status & 0x200)
        m_iDisplayState = StateConnected;
    if (!(status & 0x100)) {
        m_bPushStarted = false;
        m_iDisplayState = StateConnecting;
    }
    if (m_iDisplayState == StateConnected && !m_sFileToSend.isEmpty()) {
        if (!m_bPushStarted) {
            if (!QFileInfo(m_sFileToSend).isReadable()) {
                stopPush(tr("Error reading file"));
                return;
            }
            m_service->InitiateOppTransfer(m_sFileToSend, BT_MOBILE_PHONE);
            m_bPushStarted = true;
        }
        m_iDisplayState = StateReadyToSend;
    }
    showDisplayState();
    if (m_iDisplayState == StateStopped)
        return;
    m_pRefreshTimer->start();
}

// The module is waited for while the device connects and while the file streams; a
// wait that has gone on too long, or progress that has stood still too long, ends it.
void BluetoothDataTransfer::watchForAnswer(int progress)
{
    if (m_iDisplayState != StateConnecting && m_iDisplayState != StateSending) {
        m_iWaitState = -1;
        return;
    }
    if (m_iDisplayState != m_iWaitState || progress != m_iWaitProgress) {
        m_iWaitState = m_iDisplayState;
        m_iWaitProgress = progress;
        m_waiting.start();
        return;
    }
    const int limit = m_iDisplayState == StateConnecting ? m_iConnectLimitMs : m_iSendStallLimitMs;
    if (m_waiting.elapsed() < limit)
        return;
    const QString name = m_service->deviceName(BT_MOBILE_PHONE);
    stopPush(name.isEmpty() ? tr("No answer from the Bluetooth device")
                            : tr("No answer from %1").arg(name));
}

void BluetoothDataTransfer::showDisplayState()
{
    int progress = -1;
    switch (m_iDisplayState) {
    case StateConstructed:
        ui->labelBtInfo->clear();
        ui->labelInstructions->clear();
        blankSendKey();
        break;
    case StateConnecting:
        ui->labelBtInfo->setText(
            tr("Connecting to %1....").arg(m_service->deviceName(BT_MOBILE_PHONE)));
        ui->labelInstructions->clear();
        blankSendKey();
        break;
    case StateConnected:
        ui->labelBtInfo->setText(tr("Connected"));
        ui->labelInstructions->clear();
        blankSendKey();
        break;
    case StateReadyToSend:
        ui->labelBtInfo->setText(tr("Connected"));
        ui->labelInstructions->setText(tr("Press Send to start the download"));
        setSendKey(tr("Send", "Start data download"));
        ui->progressBarTransfer->setValue(0);
        break;
    case StateSending:
        ui->labelBtInfo->setText(tr("Sending data... ", "Downloading data to bluetooth device"));
        ui->labelInstructions->setText(m_service->sSendFileProgressString());
        blankSendKey();
        progress = m_service->iSendFileProgress();
        if (progress > 0) {
            ui->progressBarTransfer->setValue(progress);
            ui->progressBarTransfer->setTextVisible(true);
            ui->progressBarTransfer->show();
        }
        // 100 only once the phone has said OK to the final packet.
        if (progress == 100) {
            m_iDisplayState = StateSent;
            m_bPushStarted = false;
        }
        break;
    case StateSent:
        ui->labelBtInfo->setText(tr("Download complete."));
        ui->labelInstructions->clear();
        if (!m_sFileToSend.isEmpty()) {
            ui->labelFile->setText(
                tr("%1 has been sent", "File sent via bluetooth").arg(displayPath(m_sFileToSend)));
            // Sent: the file has done its work.
            releaseFile();
        }
        blankSendKey();
        break;
    case StateStopped:
        ui->labelBtInfo->setText(tr("Download stopped"));
        ui->labelInstructions->setText(m_sStopReason);
        blankSendKey();
        break;
    }
    watchForAnswer(progress);
}

void BluetoothDataTransfer::sendButtonClicked(bool)
{
    if (!m_bPushStarted || m_sFileToSend.isEmpty())
        return;
    m_service->vContinueSendingOppFile();
    blankSendKey();
    m_iDisplayState = StateSending;
}

void BluetoothDataTransfer::disconnectAll(bool)
{
    releaseFile();
    m_pRefreshTimer->stop();
    m_service->disconnectDevices();
    m_bPushStarted = false;
}

void BluetoothDataTransfer::stopPush(const QString &reason)
{
    m_pRefreshTimer->stop();
    m_service->disconnectDevices();
    m_bPushStarted = false;
    releaseFile();
    m_sStopReason = reason;
    m_iDisplayState = StateStopped;
    showDisplayState();
}

// Only a file prepared for the push is removed; a path given from elsewhere is left alone.
void BluetoothDataTransfer::releaseFile()
{
    if (m_sFileToSend.isEmpty())
        return;
    const QFileInfo file(m_sFileToSend);
    if (file.absoluteDir() == QDir(exportDirectory()))
        QFile::remove(file.absoluteFilePath());
    m_sFileToSend.clear();
}

void BluetoothDataTransfer::blankSendKey()
{
    ui->pushButtonSend->setIcon(QIcon());
    setSendKey(QString());
}

// A button's text brings its own shortcut with it, so F4 is set again after it.
void BluetoothDataTransfer::setSendKey(const QString &text)
{
    ui->pushButtonSend->setText(text);
    ui->pushButtonSend->setShortcut(QKeySequence(Qt::Key_F4));
}

void BluetoothDataTransfer::changeEvent(QEvent *event)
{
    ScreenBase::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        showDisplayState();
    }
}
