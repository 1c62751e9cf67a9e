#include "PowerBoardManager.h"

#include "TtyHandler.h"

#include <QDebug>
#include <QTimer>

namespace {
const char cmdGetVersion[] = "SV";
const char cmdGetCalData[] = "SRC";
const char cmdSetCalData[] = "SCD";
const char cmdStartTest[] = "T";
const char cmdStopTest[] = "T0";
const char cmdSendData[] = "SD";

constexpr char STX = 0x02;
constexpr char ETX = 0x03;
constexpr char ACK = 0x06;
constexpr char NAK = 0x15;
constexpr char ESC = 0x7F;
constexpr int ReplyTimeoutMs = 5000;
constexpr int MaxRetries = 3;
constexpr int MaxLength = 600;

quint16 checksum(const QByteArray &idLengthPayload)
{
    quint16 sum = 1;
    for (char c : idLengthPayload)
        sum = quint16(sum + quint8(c));
    return sum;
}
} // namespace

PowerBoardManager::PowerBoardManager(const QString &device, QObject *parent)
    : QObject(parent), m_Port(new TtyHandler(device, this)), m_ReplyTimer(new QTimer(this))
{
    m_ReplyTimer->setSingleShot(true);
    connect(m_Port, &QIODevice::readyRead, this, &PowerBoardManager::processRxData);
    connect(m_ReplyTimer, &QTimer::timeout, this, &PowerBoardManager::txTimeOut);
}

QByteArray PowerBoardManager::escape(const QByteArray &bytes)
{
    QByteArray out = bytes;
    out.replace(QByteArray(1, ESC), QByteArray("\x7F\x7F", 2));
    out.replace(QByteArray(1, STX), QByteArray("\x7F\xF2", 2));
    out.replace(QByteArray(1, ETX), QByteArray("\x7F\xF3", 2));
    return out;
}

QByteArray PowerBoardManager::unescape(const QByteArray &bytes)
{
    QByteArray out;
    for (int i = 0; i < bytes.size(); ++i) {
        if (bytes.at(i) != ESC || i + 1 == bytes.size()) {
            out.append(bytes.at(i));
            continue;
        }
        const char next = bytes.at(++i);
        out.append(next == char(0xF2) ? STX : next == char(0xF3) ? ETX : next);
    }
    return out;
}

void PowerBoardManager::sendGetVersionCommand()
{
    queueCommand(cmdGetVersion);
}

void PowerBoardManager::sendGetCalDataCommand()
{
    queueCommand(cmdGetCalData);
}

void PowerBoardManager::sendSetCalDataCommand(const QDateTime &time)
{
    QByteArray c(cmdSetCalData);
    c.append(char(time.time().minute())).append(char(time.time().hour()));
    c.append(char(time.date().day())).append(char(time.date().month()));
    const int year = time.date().year();
    c.append(char(year & 0xFF)).append(char((year >> 8) & 0xFF));
    // "AA" as a data-stream string: 32-bit length (with the terminator), text, zero.
    c.append(QByteArray("\x03\x00\x00\x00" "AA", 6)).append('\0');
    queueCommand(c);
}

void PowerBoardManager::sendStartTestCommand(unsigned char test)
{
    queueCommand(QByteArray(cmdStartTest).append(char(test)));
}

void PowerBoardManager::sendStopTestCommand()
{
    queueCommand(cmdStopTest);
}

void PowerBoardManager::sendSendDataCommand()
{
    queueCommand(cmdSendData);
}

void PowerBoardManager::queueCommand(const QByteArray &command)
{
    m_Queue.enqueue(command);
    // One frame on the line at a time: the next goes when this one is acknowledged.
    if (!m_ReplyTimer->isActive())
        sendNext();
}

void PowerBoardManager::sendNext()
{
    if (m_Queue.isEmpty()) {
        emit txComplete();
        return;
    }
    const QByteArray payload = m_Queue.dequeue();
    QByteArray body;
    body.append(char(payload.size() & 0xFF)).append(char(payload.size() >> 8)).append(payload);
    const quint16 sum = checksum(QByteArray(1, char(m_TxSequence)) + body);
    body.append(char(sum & 0xFF)).append(char(sum >> 8));
    m_TxFrame = QByteArray(1, STX) + char(m_TxSequence) + escape(body) + ETX;
    m_ReplyTimer->start(ReplyTimeoutMs);
    m_Port->sendByteArray(m_TxFrame);
}

void PowerBoardManager::retry()
{
    if (++m_RetryCount > MaxRetries) {
        m_RetryCount = 0;
        m_ReplyTimer->stop();
        emit txFailed();
        return;
    }
    m_ReplyTimer->start(ReplyTimeoutMs);
    m_Port->sendByteArray(m_TxFrame);
}

void PowerBoardManager::txTimeOut()
{
    retry();
}

void PowerBoardManager::processRxData()
{
    const QByteArray chunk = m_Port->readAll();
    const int stx = chunk.indexOf(STX);
    if (!m_InFrame) {
        if (chunk.count(STX) != 1)
            return;
        const int etx = chunk.indexOf(ETX, stx + 1);
        if (etx >= 0) {
            handleFrame(chunk.mid(stx + 1, etx - stx - 1));
            return;
        }
        m_RxBuffer = chunk.mid(stx + 1);
        m_InFrame = true;
        return;
    }
    if (stx >= 0) {
        m_RxBuffer.clear();
        m_InFrame = false;
        return;
    }
    const int etx = chunk.indexOf(ETX);
    if (etx < 0) {
        m_RxBuffer += chunk;
        return;
    }
    m_RxBuffer += chunk.left(etx);
    m_InFrame = false;
    const QByteArray frame = m_RxBuffer;
    m_RxBuffer.clear();
    handleFrame(frame);
}

void PowerBoardManager::handleFrame(const QByteArray &raw)
{
    if (raw.size() == 2) {
        const quint8 id = quint8(raw.at(1));
        if (raw.at(0) == ACK) {
            qDebug() << "received ack: " << id;
            m_RetryCount = 0;
            if (id == m_TxSequence) {
                m_TxSequence = m_TxSequence >= 126 ? 4 : m_TxSequence + 1;
                m_ReplyTimer->stop();
                sendNext();
            }
        } else if (raw.at(0) == NAK) {
            qDebug() << "received nak: " << id;
            retry();
        }
        return;
    }
    if (raw.isEmpty())
        return;
    const QByteArray frame = QByteArray(1, raw.at(0)) + unescape(raw.mid(1));
    const quint8 id = quint8(frame.at(0));
    if (id < 4 || id > 126) {
        qDebug() << "invalid id: " << id;
        sendAcknowledge(NAK, id);
        return;
    }
    const int length = frame.size() >= 3 ? (quint8(frame.at(1)) | quint8(frame.at(2)) << 8) : -1;
    // A length that does not match the bytes that came is refused like one too large.
    if (length < 0 || length > MaxLength || frame.size() != 5 + length) {
        qDebug() << "invalid length: " << length;
        sendAcknowledge(NAK, id);
        return;
    }
    const quint16 sum = quint16(quint8(frame.at(3 + length)) | quint8(frame.at(4 + length)) << 8);
    if (sum != checksum(frame.left(3 + length))) {
        qDebug() << "invalid checksum: " << sum;
        sendAcknowledge(NAK, id);
        return;
    }
    if (id == m_LastRxId) {
        qDebug() << "same packet: " << id;
        sendAcknowledge(ACK, id);
        return;
    }
    m_LastRxId = id;
    sendAcknowledge(ACK, id);
    emit packetReceived(frame);
}

void PowerBoardManager::sendAcknowledge(char kind, quint8 id)
{
    if (kind == NAK)
        qDebug() << "sent Nak: " << id;
    m_Port->sendByteArray(QByteArray(1, STX) + kind + char(id) + ETX);
}
