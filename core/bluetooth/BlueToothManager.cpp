#include "BlueToothManager.h"

#include "BtMuxFrame.h"
#include "BtReplyParser.h"
#include "GpioPinController.h"
#include "QueuedTtyHandler.h"

#include <QDebug>
#include <QFile>
#include <QTimer>

namespace {

// An address, name or PIN that carried a line end would end the command early and
// start another one.
QString oneLine(QString text)
{
    text.remove(QLatin1Char('\r'));
    text.remove(QLatin1Char('\n'));
    return text;
}

} // namespace

BlueToothManager::BlueToothManager(QString port, bool flowControl, int byteDelay, QObject *parent)
    : QObject(parent)
{
    m_pTty = new QueuedTtyHandler(port, 0, flowControl, byteDelay, this);
    connect(m_pTty, &TtyHandler::readyRead, this, &BlueToothManager::getBtRxData);

    m_pOppTimer = new QTimer(this);
    m_pOppTimer->setInterval(OppChunkIntervalMs);
    m_pOppTimer->setSingleShot(true);
    connect(m_pOppTimer, &QTimer::timeout, this, &BlueToothManager::sendNextFilePacket);

    m_pReadyTimer = new QTimer(this);
    m_pReadyTimer->setInterval(ReadyAfterMuxMs);
    m_pReadyTimer->setSingleShot(true);
    connect(m_pReadyTimer, &QTimer::timeout, this, &BlueToothManager::readyAfterMuxTimeout);

    // "1" holds the module off.
    m_pPowerPin = new GpioPinController(QStringLiteral("22"), this);
    m_pPowerPin->createDriver();
    m_pPowerPin->setDirection(QStringLiteral("out"));
    m_pPowerPin->setValue(QStringLiteral("1"));

    BTModulePowerOff();
}

BlueToothManager::~BlueToothManager()
{
    releaseOppFile();
}

// ---------------------------------------------------------------------------------------
// Sending

// The line takes a write whole or not at all, so the module never reads half a frame.
bool BlueToothManager::writeLine(const QByteArray &bytes)
{
    return m_pTty->queueData(bytes) >= 0;
}

bool BlueToothManager::sendDataMessage(QByteArray data, int link)
{
    if (link == BT_DEVICE::NoLink)
        return false;
    if (m_iMuxMode != MuxOn)
        return writeLine(data);
    QByteArray frames;
    for (const QByteArray &frame : BtMuxFrame::dataFrames(data, link))
        frames += frame;
    return writeLine(frames);
}

void BlueToothManager::sendCommandMessage(QByteArray text)
{
    if (m_iMuxMode != MuxOn) {
        writeLine(text);
        return;
    }
    if (text.endsWith('\n'))
        text.chop(1);
    const QByteArray frame = BtMuxFrame::controlFrame(text);
    if (frame.isEmpty()) {
        qWarning() << "Bluetooth command too long for one frame, not sent:" << text.left(40);
        return;
    }
    writeLine(frame);
}

void BlueToothManager::sendCommandLine(const QString &text)
{
    sendCommandMessage(text.toLocal8Bit());
}

void BlueToothManager::setMuxModeActive()
{
    sendCommandLine(QStringLiteral("SET CONTROL MUX 1\n"));
    m_iMuxMode = MuxOn;
}

void BlueToothManager::setMuxModeInActive()
{
    sendCommandLine(QStringLiteral("SET CONTROL MUX 0\n"));
    m_iMuxMode = MuxOff;
}

void BlueToothManager::callBTDevice(BT_DEVICE device, BT_CONNECTION_TYPE type, BT_PERIPHERAL)
{
    QString service;
    switch (type) {
    case BT_RFCOMM:
        service = QStringLiteral("1101 RFCOMM");
        break;
    case BT_FTP:
        service = QStringLiteral("1106 FTP");
        break;
    case BT_OPP:
        service = QStringLiteral("1105 OPP");
        break;
    default:
        qDebug() << "Error: unknown connection type";
        return;
    }
    sendCommandLine(
        QStringLiteral("CALL %1 %2\n").arg(oneLine(QString::fromLatin1(device.address)), service));
}

void BlueToothManager::setMyBTName(QString name)
{
    sendCommandLine(QStringLiteral("SET BT NAME ") + oneLine(name) + QLatin1Char('\n'));
}

void BlueToothManager::setMyBtPIN(QString pin)
{
    sendCommandLine(QStringLiteral("SET BT AUTH * ") + oneLine(pin) + QLatin1Char('\n'));
}

void BlueToothManager::sendBTInquiry(int n)
{
    m_deviceList.clear();
    sendCommandLine(QStringLiteral("INQUIRY %1 NAME\n").arg(n));
}

void BlueToothManager::sendBtCommand(QString text)
{
    sendCommandLine(text);
}

void BlueToothManager::checkDeviceSupportsOPP(BT_DEVICE device)
{
    m_currentDevice = device;
    sendCommandLine(
        QStringLiteral("SDP %1 1105\n").arg(oneLine(QString::fromLatin1(device.address))));
}

void BlueToothManager::closeBTLink(int link)
{
    sendCommandLine(QStringLiteral("CLOSE %1\n").arg(link));
}

void BlueToothManager::sendBTGetInfo()
{
    sendCommandLine(QStringLiteral("INFO\n"));
}

// ---------------------------------------------------------------------------------------
// Power

void BlueToothManager::BTModulePowerOn()
{
    if (m_iPowerOnCounter == 0) {
        m_pPowerPin->setValue(QStringLiteral("1"));
        m_pPowerPin->setValue(QStringLiteral("0"));
        // The module starts afresh: what was left of an earlier frame is no longer part of
        // anything, and whether it frames its output is known only once it speaks.
        m_receiver.clear();
        m_iMuxMode = MuxUnknown;
        m_bRxIsActive = true;
    }
    ++m_iPowerOnCounter;
}

void BlueToothManager::BTModulePowerOff()
{
    m_iPowerOnCounter = 0;
    m_bRxIsActive = false;
    m_pReadyTimer->stop();
    abandonOppTransfer();
    // A module started afresh must not get the rest of what was meant for its last run.
    m_pTty->clearQueue();
    m_pTty->discardQueued();
    m_pPowerPin->setValue(QStringLiteral("1"));
}

const BT_DEVICE &BlueToothManager::getDeviceFromList(int index) const
{
    if (index < 0 || index >= m_deviceList.size())
        return NullBTDevice;
    return m_deviceList.at(index);
}

// ---------------------------------------------------------------------------------------
// Receiving

void BlueToothManager::getBtRxData()
{
    receiveBytes(m_pTty->readAll());
}

void BlueToothManager::receiveBytes(const QByteArray &bytes)
{
    // What a switched-off module leaves on the line is read and dropped: left unread it
    // would keep the port's notifier firing.
    if (!m_bRxIsActive || bytes.isEmpty())
        return;
    for (const BtFrameReceiver::Item &item : m_receiver.feed(bytes)) {
        if (item.kind == BtFrameReceiver::Unframed) {
            qDebug().noquote() << "Error no SOF" << item.payload.toHex(' ');
            if (m_iMuxMode != MuxUnknown)
                continue;
            // Lines the module sends before multiplexing may come several to a read; each
            // keeps its line end, as a framed reply line would.
            const QByteArray &text = item.payload;
            for (int from = 0; from < text.size();) {
                const int lineEnd = text.indexOf('\n', from);
                const int end = lineEnd < 0 ? text.size() : lineEnd + 1;
                m_baRxPacket = text.mid(from, end - from);
                from = end;
                processBtRxControl();
            }
            continue;
        }
        m_iMuxMode = MuxOn;
        m_baRxPacket = item.payload;
        if (item.kind == BtFrameReceiver::Data)
            processBtRxData(char(item.link));
        else if (item.kind == BtFrameReceiver::Control)
            processBtRxControl();
    }
}

void BlueToothManager::processBtRxData(char LinkId)
{
    QByteArray packet;
    packet.reserve(m_baRxPacket.size() + 2);
    packet.append(char(BT_EVENT_DATA));
    packet.append(char('0' + LinkId));
    packet.append(m_baRxPacket);
    emit packetReceived(packet);
}

void BlueToothManager::processBtRxControl()
{
    handleReplyLine(m_baRxPacket);
}

void BlueToothManager::handleReplyLine(const QByteArray &line)
{
    for (const BtReplyParser::Step &step : BtReplyParser::parse(line, m_currentDevice.address)) {
        switch (step.kind) {
        case BtReplyParser::Step::Ready:
            btModuleReady();
            break;
        case BtReplyParser::Step::AbandonPush:
            // A push the phone has answered stays answered.
            if (m_eOppFileTransferInProgress != OppFinished &&
                m_eOppFileTransferInProgress != OppRefused)
                abandonOppTransfer();
            break;
        case BtReplyParser::Step::SendFirstChunk:
            sendFirstFilePacket();
            break;
        case BtReplyParser::Step::PushFinished:
            // Only an OK to the final packet: the phone cannot have taken the file before
            // all of it is on the line.
            if (oppAllOnLine())
                endOppTransfer(OppFinished);
            else if (m_eOppFileTransferInProgress == OppPutSent ||
                     m_eOppFileTransferInProgress == OppSending)
                qWarning() << "Bluetooth push: OK before the whole file was sent, not taken";
            break;
        case BtReplyParser::Step::PushRefused:
            if (m_eOppFileTransferInProgress == OppPutSent ||
                m_eOppFileTransferInProgress == OppSending ||
                m_eOppFileTransferInProgress == OppLastSent) {
                qWarning() << "Bluetooth push refused:" << step.packet;
                m_sOppRefusal = QString::fromLatin1(step.packet);
                endOppTransfer(OppRefused);
            }
            break;
        case BtReplyParser::Step::AddDevice:
            if (m_deviceList.size() < MaxDevices)
                m_deviceList.append(step.device);
            break;
        case BtReplyParser::Step::OppSupported:
            m_currentDevice.oppSupported = true;
            break;
        case BtReplyParser::Step::Emit:
            emit packetReceived(step.packet);
            break;
        }
    }
}

// A module that reports ready unframed is switched to multiplexing first; the report
// is passed on once one arrives framed, or, should the module not repeat it, once it
// has had time to.
void BlueToothManager::btModuleReady()
{
    qDebug() << "BT_MANAGER ON";
    if (m_iMuxMode != MuxOn) {
        qDebug() << "no mux at power on!";
        setMuxModeActive();
        m_pReadyTimer->start();
        return;
    }
    m_pReadyTimer->stop();
    emit btModuleHasReset();
}

void BlueToothManager::readyAfterMuxTimeout()
{
    if (m_bRxIsActive)
        emit btModuleHasReset();
}

// ---------------------------------------------------------------------------------------
// Outgoing object push

int BlueToothManager::StartFileTransfer(QString path, BT_DEVICE device)
{
    auto *file = new QFile(path, this);
    if (!file->open(QIODevice::ReadOnly)) {
        qDebug() << "Error opening OPP file";
        delete file;
        return -1;
    }
    m_pOppTimer->stop();
    releaseOppFile();
    m_pOppFile = file;
    m_iOppFileSize = file->size();
    m_iOppBytesSent = 0;
    m_iOppLastChunk = 0;
    m_sOppRefusal.clear();
    m_currentDevice = device;
    m_eOppFileTransferInProgress = OppPutSent;
    const QString name = oneLine(path.mid(path.lastIndexOf(QLatin1Char('/')) + 1));
    sendCommandLine(QStringLiteral("PUT %1 text/plain %2\n").arg(m_iOppFileSize).arg(name));
    return 0;
}

int BlueToothManager::ContinueFileTransfer()
{
    if (!m_pOppFile)
        return -1;
    m_eOppFileTransferInProgress = OppSending;
    return sendNextFilePacket();
}

int BlueToothManager::sendFirstFilePacket()
{
    if (!m_pOppFile)
        return -1;
    // One chunk at a time: the next waits until the line has taken the last, so what the
    // line holds is never more than a chunk and is never counted as sent.
    if (m_pTty->queuedBytes() > 0)
        return 0;
    if (m_pOppFile->atEnd()) {
        // On the line, not yet taken: the phone's answer to the final packet decides.
        m_eOppFileTransferInProgress = OppLastSent;
        releaseOppFile();
        return -1;
    }
    const qint64 at = m_pOppFile->pos();
    const QByteArray chunk = m_pOppFile->read(OppChunkBytes);
    if (chunk.isEmpty()) {
        qWarning() << "Bluetooth push: the file could not be read:" << m_pOppFile->errorString();
        abandonOppTransfer();
        return -1;
    }
    const int link = m_currentDevice.linkId == BT_DEVICE::NoLink ? 0 : m_currentDevice.linkId;
    if (!sendDataMessage(chunk, link)) {
        // Refused by the line: not sent, tried again at the next chunk.
        m_pOppFile->seek(at);
        m_iOppLastChunk = 0;
        return 0;
    }
    m_iOppBytesSent += chunk.size();
    m_iOppLastChunk = chunk.size();
    return 0;
}

qint64 BlueToothManager::oppBytesOnLine() const
{
    return m_iOppBytesSent - (m_pTty->queuedBytes() > 0 ? m_iOppLastChunk : 0);
}

bool BlueToothManager::oppAllOnLine() const
{
    switch (m_eOppFileTransferInProgress) {
    case OppLastSent:
        return true;
    case OppPutSent:
    case OppSending:
        return m_pOppFile && m_pOppFile->atEnd() && m_pTty->queuedBytes() == 0;
    default:
        return false;
    }
}

void BlueToothManager::endOppTransfer(int state)
{
    m_pOppTimer->stop();
    m_eOppFileTransferInProgress = state;
    releaseOppFile();
}

int BlueToothManager::sendNextFilePacket()
{
    const int result = sendFirstFilePacket();
    if (result == 0)
        m_pOppTimer->start();
    return result;
}

void BlueToothManager::abandonOppTransfer()
{
    endOppTransfer(OppNone);
}

void BlueToothManager::releaseOppFile()
{
    if (!m_pOppFile)
        return;
    m_pOppFile->close();
    delete m_pOppFile;
    m_pOppFile = nullptr;
}

int BlueToothManager::iOppProgress() const
{
    switch (m_eOppFileTransferInProgress) {
    case OppFinished:
        return 100;
    case OppSending:
    case OppLastSent:
        if (m_iOppFileSize <= 0)
            return 0;
        // 100 is the phone's to give.
        return int(qMin<qint64>(99, oppBytesOnLine() * 100 / m_iOppFileSize));
    default:
        return 0;
    }
}

QString BlueToothManager::sOppProgressString() const
{
    const qint64 sent = oppBytesOnLine();
    const qint64 minutes = ((m_iOppFileSize - sent) / 5900 + 30) / 60;
    const bool kilo = m_iOppFileSize >= 1024;
    return tr("%1 / %2 %3bytes, %4 mins remaining.", "Bluetooth download details")
        .arg(kilo ? sent / 1024 : sent)
        .arg(kilo ? m_iOppFileSize / 1024 : m_iOppFileSize)
        .arg(kilo ? QStringLiteral("K") : QString())
        .arg(minutes);
}
