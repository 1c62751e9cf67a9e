#include "EsaDownload.h"

#include "MemoryMappedPinController.h"
#include "PinLines.h"
#include "TtyHandler.h"

#include <QCoreApplication>
#include <QDebug>
#include <QFile>
#include <QTimer>

#include <termios.h>

namespace {
constexpr char SOH = 0x01;
constexpr char EOT = 0x04;
constexpr char ACK = 0x06;
constexpr char NAK = 0x15;
constexpr char CRQ = 0x43;
constexpr char Fill = 0x1A;
constexpr int BlockData = 128;
} // namespace

EsaDownload::EsaDownload(TtyHandler *port, QObject *parent) : QObject(parent), m_EsaTty(port)
{
    // Direct: emitting the signal sends the block at once.
    connect(this, &EsaDownload::ESAUpdateSendNextPacket, this, &EsaDownload::sendNextESAPacket,
            Qt::DirectConnection);
    // The port's read notifier is armed from the moment it opens: whatever arrives while no
    // download runs is read (and dropped) at once, or the notifier would fire without end.
    if (m_EsaTty)
        connect(m_EsaTty, &QIODevice::readyRead, this, &EsaDownload::ESADataReceived);
}

quint16 EsaDownload::calcrc(const char *data, int length)
{
    quint16 crc = 0;
    for (int i = 0; i < length; ++i) {
        crc ^= quint16(quint8(data[i]) << 8);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 0x8000) ? quint16((crc << 1) ^ 0x1021) : quint16(crc << 1);
    }
    return crc;
}

int EsaDownload::download(const QString &filePath, Board board, Kind kind)
{
    m_EsaDone = false;
    m_EsaSuccess = false;
    m_EsaStarted = false;
    m_EotSent = false;
    m_BlockIndex = -1;
    m_AnswerBytes = 0;
    m_Noise = false;
    m_FailureReason.clear();
    if (!m_EsaTty || !m_EsaTty->isOpen()) {
        qDebug() << "ESA port not open";
        return -1;
    }
    QFile *file = new QFile(filePath);
    if (!file->open(QIODevice::ReadOnly)) {
        qDebug().noquote() << "Failed to open ESA file: " + filePath;
        delete file;
        return -1;
    }
    {
        MemoryMappedPinController pins(PinLines::PinControllerBase);
        if (!pins.isMapped()) {
            qDebug() << "ESA download - pin controller not available";
            delete file;
            return -1;
        }
        // The level first, then the direction: the line never shows the wrong board.
        const PinLines::Line &select = PinLines::EsaBoardSelect;
        pins.setValue(select.dout, select.mask, board == MeasurementBoard ? 1 : 0);
        pins.setDirection(select.doe, select.mask, MemoryMappedPinController::Output);
    }
    m_EsaFile = file;
    // Whatever a board said before this download (such as its answer to the last EOT)
    // must not be taken for its answer now.
    m_EsaTty->readAll();
    bool &bootSent = board == MeasurementBoard ? m_EsaBootSentMeasurement : m_EsaBootSentIo;
    bool sent = true;
    if (!bootSent) {
        sent = m_EsaTty->sendString(QStringLiteral("B"));
        bootSent = sent;
    }
    sent = sent && m_EsaTty->sendString(kind == Eeprom ? QStringLiteral("3") : QStringLiteral("2"));
    if (!sent)
        fail(tr("Could not send to the ESA board"));

    // Every wait has an end: the board must ask for each next block in time.
    m_SinceProgress.start();
    QTimer tick;
    tick.start(20);
    bool lastLook = false;
    while (!m_EsaDone) {
        const int limit = m_EotSent ? m_EndAnswerWaitMs : m_ReplyTimeoutMs;
        if (m_SinceProgress.elapsed() < limit) {
            lastLook = false;
        } else if (!lastLook) {
            // What reached the line in time counts, however late a busy program reads it:
            // one more look without waiting.
            lastLook = true;
            QCoreApplication::processEvents();
            continue;
        } else if (m_EotSent) {
            // The board took every block and did not refuse the end.
            end(true);
            break;
        } else {
            fail(timeoutReason());
            break;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    }
    m_EsaFile = nullptr;
    file->close();
    delete file;
    releaseBoardSelect();
    return m_EsaSuccess ? 0 : -1;
}

void EsaDownload::releaseBoardSelect()
{
    // What was written goes out on the line before the line switches boards.
    if (m_EsaTty && m_EsaTty->descriptor() > 0)
        ::tcdrain(m_EsaTty->descriptor());
    MemoryMappedPinController pins(PinLines::PinControllerBase);
    const PinLines::Line &select = PinLines::EsaBoardSelect;
    pins.setValue(select.dout, select.mask, 1);
    pins.setDirection(select.doe, select.mask, MemoryMappedPinController::Input);
}

void EsaDownload::end(bool success)
{
    m_EsaDone = true;
    m_EsaSuccess = success;
    m_EsaStarted = false;
}

void EsaDownload::fail(const QString &reason)
{
    qDebug().noquote() << "ESA download failed:" << reason;
    m_FailureReason = reason;
    end(false);
}

QString EsaDownload::timeoutReason() const
{
    const QString limit = QString::number(m_ReplyTimeoutMs / 1000.0);
    if (!m_EsaStarted)
        return tr("The ESA board did not ask for the file within %1 s").arg(limit);
    if (m_Noise)
        return tr("Noise from the ESA board in answer to block %1").arg(m_BlockIndex);
    return tr("No answer from the ESA board to block %1 within %2 s").arg(m_BlockIndex).arg(limit);
}

void EsaDownload::ESADataReceived()
{
    const QByteArray data = m_EsaTty->readAll();
    // Anything after a download: nobody is listening, and the bytes are only logged.
    const bool listening = m_EsaFile && !m_EsaDone;
    if (listening && data.contains(CRQ) && !m_EsaStarted) {
        m_EsaStarted = true;
        m_EsaBlockNumber = 0;
        m_EsaDone = false;
        emit ESAUpdateSendNextPacket();
    } else if (listening && m_EsaStarted) {
        takeAnswer(data);
    } else {
        qDebug().noquote() << "unknown received: " + QString::fromLatin1(data.toHex());
    }
}

void EsaDownload::takeAnswer(const QByteArray &data)
{
    // A request beside the answer is the board asking again; it says nothing of the block.
    QByteArray bytes = data;
    bytes.replace(QByteArray(1, CRQ), QByteArray());
    if (bytes.isEmpty()) {
        qDebug().noquote() << "unknown received: " + QString::fromLatin1(data.toHex());
        return;
    }
    // The board answers with one byte: a second one, or a byte that is no answer, makes
    // all of it noise, and noise is never taken for a word.
    const bool word =
        m_AnswerBytes == 0 && bytes.size() == 1 && (bytes.at(0) == ACK || bytes.at(0) == NAK);
    m_AnswerBytes += bytes.size();
    if (m_EotSent) {
        // A refusal of the end is never overlooked, even among noise; a success needs no
        // word after EOT.
        if (bytes.contains(NAK))
            fail(tr("The ESA board refused the end of the transfer (NAK)"));
        else if (word)
            end(true);
        else
            qDebug().noquote() << "unknown received: " + QString::fromLatin1(data.toHex());
        return;
    }
    if (!word) {
        m_Noise = true;
        qDebug().noquote() << "unknown received: " + QString::fromLatin1(data.toHex());
        return;
    }
    if (bytes.at(0) == ACK) {
        emit ESAUpdateSendNextPacket();
        return;
    }
    qDebug() << "ESA NACK received";
    fail(tr("The ESA board refused block %1 (NAK)").arg(m_BlockIndex));
}

void EsaDownload::sendNextESAPacket()
{
    if (!m_EsaFile || m_EsaDone)
        return;
    m_AnswerBytes = 0;
    m_Noise = false;
    if (m_EsaFile->atEnd()) {
        if (!m_EsaTty->sendByteArray(QByteArray(1, EOT))) {
            fail(tr("Could not send the end of the transfer to the ESA board"));
            return;
        }
        m_EotSent = true;
        m_SinceProgress.restart();
        qDebug() << "ESA programming finished";
        return;
    }
    ++m_BlockIndex;
    QByteArray data = m_EsaFile->read(BlockData);
    if (data.isEmpty()) {
        qDebug() << "ESA file read failed: " << m_EsaFile->errorString();
        fail(tr("Could not read block %1 of the file").arg(m_BlockIndex));
        return;
    }
    data.append(QByteArray(BlockData - data.size(), Fill));
    const quint16 crc = calcrc(data.constData(), BlockData);
    QByteArray block;
    block.reserve(BlockData + 5);
    block.append(SOH).append(char(m_EsaBlockNumber)).append(char(255 - m_EsaBlockNumber));
    block.append(data).append(char(crc >> 8)).append(char(crc & 0xFF));
    if (!m_EsaTty->sendByteArray(block)) {
        fail(tr("Could not send block %1 to the ESA board").arg(m_BlockIndex));
        return;
    }
    ++m_EsaBlockNumber;
    m_SinceProgress.restart();
}
