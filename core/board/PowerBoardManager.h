#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QObject>
#include <QQueue>
#include <QString>

class QTimer;
class TtyHandler;

// The framed link to the channel controllers on the power board: each command goes out
// as STX, sequence number, escaped body (16-bit length, payload, 16-bit sum), ETX; one
// frame at a time, retransmitted every 200 ms or on NAK, given up after five
// transmissions. Received data frames are checked, acknowledged and handed up whole.
class PowerBoardManager : public QObject
{
    Q_OBJECT
public:
    static constexpr char STX = 0x02;
    static constexpr char ETX = 0x03;
    static constexpr char ESC = 0x7F;
    static constexpr char ACK = 0x06;
    static constexpr char NAK = 0x15;
    static constexpr quint8 FIRST_SEQUENCE = 4;
    static constexpr quint8 LAST_SEQUENCE = 126;
    static constexpr int MAX_PAYLOAD = 600;
    static constexpr int RETRANSMIT_MS = 200;
    static constexpr int MAX_TRANSMISSIONS = 5;

    static const char *const cmdGetVersion;
    static const char *const cmdGetCalData;
    static const char *const cmdSetCalData;

    // The device path goes through the device root prefix; the line runs at 57600 baud.
    explicit PowerBoardManager(QString device, QObject *parent = nullptr);
    ~PowerBoardManager() override;

    virtual void sendGetCalDataCommand();
    virtual void sendSetCalDataCommand(QDateTime when);

    // Sends the first queued command, or emits txComplete() when the queue is empty.
    void sendNextCommand();
    // Makes the command the current frame (with the current sequence number) and sends it.
    void sendPowerBoardCommand(QByteArray command);
    // Sends the current frame again, unchanged.
    void reSendPowerBoardCommand();
    void stop_m_tx_timer();
    TtyHandler *getTtyHandler();

    // A command frame is on the line, not yet acknowledged nor given up.
    bool commandOut() const { return m_tx_pending; }
    // The command of the frame on the line (or last on it), unframed.
    QByteArray commandOnLine() const { return m_tx_command; }
    // Commands sent so far, each counted once however often it is retransmitted.
    quint32 commandsSent() const { return m_tx_commands_sent; }
    // Frames written so far, retransmissions included, and transmissions that went
    // unanswered until the retransmission timer ran out.
    quint32 transmissions() const { return m_tx_transmissions; }
    quint32 timeouts() const { return m_tx_timeouts; }
    // How many times each frame from now on is written before the link gives it up
    // (1 to MAX_TRANSMISSIONS).
    void setTransmissionsAllowed(int count);

    // Takes bytes as they came off the line; frames may be split or packed in any way.
    void receiveBytes(const QByteArray &bytes);

    // The byte form of the link, free of any port.
    // Checksum of an unescaped body (length bytes, payload): 1 + sequence + every byte.
    static quint16 checksum(quint8 sequence, const QByteArray &lengthAndPayload);
    static QByteArray escapeMessageBuffer(const QByteArray &body);
    static QByteArray unescapeMessageBuffer(const QByteArray &escaped);
    // The whole frame on the line for a command.
    static QByteArray packetiseMessageBuffer(const QByteArray &command, quint8 sequence);
    static QByteArray acknowledgement(char kind, quint8 sequence);
    // Checks a received data frame (the bytes between STX and ETX); on success gives the
    // de-escaped frame: sequence number, both length bytes, payload, both checksum bytes.
    static bool checkDataFrame(const QByteArray &frame, QByteArray *packet);

signals:
    void txComplete();
    void txFailed();
    void packetReceived(QByteArray packetData);

public slots:
    void processRxData();
    void txTimeOut();

protected:
    QQueue<QByteArray> m_tx_queue;

    // A whole data frame that was in the input before the command on the line went out:
    // acknowledged, never handed up.
    virtual void earlierFrameDropped() {}

private:
    void setAsideEarlierInput();
    void readEarlierInput();
    void receiveStream(const QByteArray &bytes);
    void lineReceived(const QByteArray &frame);
    void countRetry();
    void sendAcknowledgement(char kind, quint8 sequence);

    TtyHandler *m_port = nullptr;
    QByteArray m_rx_message_buffer;
    quint8 m_tx_sequence = FIRST_SEQUENCE;
    int m_tx_retries = 0;
    quint8 m_rx_sequence = FIRST_SEQUENCE;
    QByteArray m_tx_message_buffer;
    QByteArray m_tx_command;
    quint32 m_tx_commands_sent = 0;
    quint32 m_tx_transmissions = 0;
    quint32 m_tx_timeouts = 0;
    int m_tx_allowed = MAX_TRANSMISSIONS;
    QTimer *m_tx_timer = nullptr;
    // A frame is out and not yet acknowledged or given up.
    bool m_tx_pending = false;
    // Between an STX and its ETX.
    bool m_rx_in_frame = false;
    // Inside receiveBytes; what is being read went out before the command on the line.
    bool m_rx_reading = false;
    bool m_rx_earlier = false;
};
