#include "PowerBoardManager.h"

#include "StreamHelper.h"
#include "TtyHandler.h"

#include <QDataStream>
#include <QTimer>

const char *const PowerBoardManager::cmdGetVersion = "SV";
const char *const PowerBoardManager::cmdGetCalData = "SRC";
const char *const PowerBoardManager::cmdSetCalData = "SCD";

namespace {

// The longest frame a valid one can be between STX and ETX: the sequence number and a
// body of the largest payload with every byte escaped. Anything longer is never a frame.
constexpr int MAX_RAW_FRAME = 1 + 2 * (2 + PowerBoardManager::MAX_PAYLOAD + 2);

quint8 nextSequence(quint8 sequence)
{
    return sequence >= PowerBoardManager::LAST_SEQUENCE ? PowerBoardManager::FIRST_SEQUENCE
                                                        : quint8(sequence + 1);
}

bool sequenceInRange(quint8 sequence)
{
    return sequence >= PowerBoardManager::FIRST_SEQUENCE
        && sequence <= PowerBoardManager::LAST_SEQUENCE;
}

} // namespace

PowerBoardManager::PowerBoardManager(QString device, QObject *parent)
    : QObject(parent), m_port(new TtyHandler(device, 1, false, 0, this)),
      m_tx_timer(new QTimer(this))
{
    m_tx_timer->setSingleShot(true);
    m_tx_timer->setInterval(RETRANSMIT_MS);
    connect(m_port, &QIODevice::readyRead, this, &PowerBoardManager::processRxData);
    connect(m_tx_timer, &QTimer::timeout, this, &PowerBoardManager::txTimeOut);
}

PowerBoardManager::~PowerBoardManager() = default;

quint16 PowerBoardManager::checksum(quint8 sequence, const QByteArray &lengthAndPayload)
{
    quint32 sum = 1u + sequence;
    for (const char c : lengthAndPayload)
        sum += quint8(c);
    return quint16(sum);
}

QByteArray PowerBoardManager::escapeMessageBuffer(const QByteArray &body)
{
    // Three passes in this order; the escape byte goes first so that the pairs made by
    // the later passes are not escaped again.
    QByteArray escaped = body;
    escaped.replace(QByteArray(1, ESC), QByteArray::fromRawData("\x7F\x7F", 2));
    escaped.replace(QByteArray(1, STX), QByteArray::fromRawData("\x7F\xF2", 2));
    escaped.replace(QByteArray(1, ETX), QByteArray::fromRawData("\x7F\xF3", 2));
    return escaped;
}

QByteArray PowerBoardManager::unescapeMessageBuffer(const QByteArray &escaped)
{
    QByteArray out;
    out.reserve(escaped.size());
    for (int i = 0; i < escaped.size(); ++i) {
        const char c = escaped.at(i);
        if (c == ESC && i + 1 < escaped.size()) {
            const quint8 next = quint8(escaped.at(i + 1));
            if (next == 0xF2) {
                out.append(STX);
                ++i;
                continue;
            }
            if (next == 0xF3) {
                out.append(ETX);
                ++i;
                continue;
            }
            if (next == 0x7F) {
                out.append(ESC);
                ++i;
                continue;
            }
        }
        out.append(c);
    }
    return out;
}

QByteArray PowerBoardManager::packetiseMessageBuffer(const QByteArray &command, quint8 sequence)
{
    const int length = command.size();
    QByteArray body;
    body.reserve(length + 4);
    body.append(char(length & 0xFF));
    body.append(char((length >> 8) & 0xFF));
    body.append(command);
    const quint16 sum = checksum(sequence, body);
    body.append(char(sum & 0xFF));
    body.append(char(sum >> 8));

    QByteArray frame;
    frame.reserve(2 * body.size() + 3);
    frame.append(STX);
    frame.append(char(sequence));
    frame.append(escapeMessageBuffer(body));
    frame.append(ETX);
    return frame;
}

QByteArray PowerBoardManager::acknowledgement(char kind, quint8 sequence)
{
    const char bytes[4] = {STX, kind, char(sequence), ETX};
    return QByteArray(bytes, 4);
}

bool PowerBoardManager::checkDataFrame(const QByteArray &frame, QByteArray *packet)
{
    const QByteArray data = unescapeMessageBuffer(frame);
    // Sequence number and both length bytes, before anything is read from them.
    if (data.size() < 3)
        return false;
    const quint8 sequence = quint8(data.at(0));
    if (!sequenceInRange(sequence))
        return false;
    const int length = quint8(data.at(1)) | (quint8(data.at(2)) << 8);
    // A length beyond the bytes received would have the check read past the frame; bytes
    // beyond the length are no part of any frame the far end meant.
    if (length > MAX_PAYLOAD || data.size() != length + 5)
        return false;
    const quint16 sum = checksum(sequence, data.mid(1, length + 2));
    const quint16 sent = quint16(quint8(data.at(length + 3)) | (quint8(data.at(length + 4)) << 8));
    if (sum != sent)
        return false;
    if (packet)
        *packet = data;
    return true;
}

void PowerBoardManager::sendGetCalDataCommand()
{
    m_tx_queue.enqueue(QByteArray(cmdGetCalData));
    sendNextCommand();
}

void PowerBoardManager::sendSetCalDataCommand(QDateTime when)
{
    QByteArray command;
    QDataStream out(&command, QIODevice::WriteOnly);
    StreamHelper::setup(out);
    out << QByteArray(cmdSetCalData) << quint8(when.time().minute()) << quint8(when.time().hour())
        << quint8(when.date().day()) << quint8(when.date().month())
        << quint16(when.date().year()) << "AA";
    m_tx_queue.enqueue(command);
    sendNextCommand();
}

void PowerBoardManager::sendNextCommand()
{
    if (m_tx_queue.isEmpty()) {
        emit txComplete();
        return;
    }
    sendPowerBoardCommand(m_tx_queue.dequeue());
}

void PowerBoardManager::sendPowerBoardCommand(QByteArray command)
{
    setAsideEarlierInput();
    m_tx_message_buffer = packetiseMessageBuffer(command, m_tx_sequence);
    m_tx_command = command;
    ++m_tx_commands_sent;
    m_tx_pending = true;
    m_tx_retries = 0;
    m_tx_timer->start();
    ++m_tx_transmissions;
    m_port->sendByteArray(m_tx_message_buffer);
}

void PowerBoardManager::reSendPowerBoardCommand()
{
    m_tx_timer->start();
    ++m_tx_transmissions;
    m_port->sendByteArray(m_tx_message_buffer);
}

void PowerBoardManager::setTransmissionsAllowed(int count)
{
    m_tx_allowed = qBound(1, count, int(MAX_TRANSMISSIONS));
}

void PowerBoardManager::stop_m_tx_timer()
{
    m_tx_timer->stop();
}

TtyHandler *PowerBoardManager::getTtyHandler()
{
    return m_port;
}

void PowerBoardManager::processRxData()
{
    receiveBytes(m_port->readAll());
}

void PowerBoardManager::setAsideEarlierInput()
{
    // What reached the instrument before a command went out cannot answer it: a
    // controller repeating itself late, or talking unasked, while the line was between
    // commands. It is read now and taken as earlier input, so that only what comes after
    // the command can be its answer. Called from an acknowledgement in the middle of a
    // read, the rest of that read is earlier input too, and receiveBytes reads what waits
    // behind it once the read is done.
    m_rx_earlier = true;
    if (!m_rx_reading)
        readEarlierInput();
}

void PowerBoardManager::readEarlierInput()
{
    receiveStream(m_port->readAll());
    m_rx_in_frame = false;
    m_rx_message_buffer.clear();
    m_rx_earlier = false;
}

void PowerBoardManager::receiveBytes(const QByteArray &bytes)
{
    const bool outer = !m_rx_reading;
    m_rx_reading = true;
    receiveStream(bytes);
    if (!outer)
        return;
    m_rx_reading = false;
    if (m_rx_earlier)
        readEarlierInput();
}

void PowerBoardManager::receiveStream(const QByteArray &bytes)
{
    // A stream, not chunks: the line cuts frames wherever it likes, and one read may
    // carry a reply and an acknowledgement together.
    for (const char c : bytes) {
        if (c == STX) {
            // A new frame starts here, whatever was being collected.
            m_rx_message_buffer.clear();
            m_rx_in_frame = true;
            continue;
        }
        if (!m_rx_in_frame)
            continue;
        if (c == ETX) {
            m_rx_in_frame = false;
            const QByteArray frame = m_rx_message_buffer;
            m_rx_message_buffer.clear();
            lineReceived(frame);
            continue;
        }
        if (m_rx_message_buffer.size() >= MAX_RAW_FRAME) {
            // No valid frame is this long: refuse it now rather than hold the line's
            // bytes until an ETX that may never come.
            m_rx_in_frame = false;
            m_rx_message_buffer.clear();
            sendAcknowledgement(NAK, m_rx_sequence);
            continue;
        }
        m_rx_message_buffer.append(c);
    }
}

void PowerBoardManager::lineReceived(const QByteArray &frame)
{
    if (m_rx_earlier) {
        // Nothing read before the frame on the line went out is about it. A data frame
        // is still acknowledged, so that its sender does not repeat it, but not handed up.
        QByteArray packet;
        if (frame.size() != 2 && checkDataFrame(frame, &packet)) {
            m_rx_sequence = quint8(packet.at(0));
            sendAcknowledgement(ACK, m_rx_sequence);
            earlierFrameDropped();
        }
        return;
    }
    if (frame.size() == 2) {
        const char kind = frame.at(0);
        const quint8 sequence = quint8(frame.at(1));
        if (kind == ACK) {
            // Only the frame that is out can be acknowledged: a late ACK for a command
            // already given up must not end the next exchange early, and a stray one
            // (a far end answering NAK and then some other number) must not give the
            // frame its transmissions back, or it is retransmitted for ever.
            if (m_tx_pending && sequence == m_tx_sequence) {
                m_tx_retries = 0;
                m_tx_pending = false;
                m_tx_sequence = nextSequence(m_tx_sequence);
                m_tx_timer->stop();
                sendNextCommand();
            }
        } else if (kind == NAK) {
            // With nothing out there is nothing to resend.
            if (m_tx_pending)
                countRetry();
        }
        return;
    }

    QByteArray packet;
    if (!checkDataFrame(frame, &packet)) {
        sendAcknowledgement(NAK, m_rx_sequence);
        return;
    }
    m_rx_sequence = quint8(packet.at(0));
    sendAcknowledgement(ACK, m_rx_sequence);
    emit packetReceived(packet);
}

void PowerBoardManager::txTimeOut()
{
    if (!m_tx_pending)
        return;
    ++m_tx_timeouts;
    countRetry();
}

void PowerBoardManager::countRetry()
{
    ++m_tx_retries;
    if (m_tx_retries >= m_tx_allowed) {
        m_tx_retries = 0;
        m_tx_pending = false;
        m_tx_timer->stop();
        m_tx_queue.clear();
        emit txFailed();
        return;
    }
    m_tx_timer->stop();
    reSendPowerBoardCommand();
}

void PowerBoardManager::sendAcknowledgement(char kind, quint8 sequence)
{
    m_port->sendByteArray(acknowledgement(kind, sequence));
}
