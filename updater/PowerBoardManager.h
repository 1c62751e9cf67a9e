#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QObject>
#include <QQueue>
#include <QString>

class QTimer;
class TtyHandler;

// The updater's framed, acknowledged link to the power board. Nothing in the update flow
// uses it.
//
// A frame: STX, sequence number (4..126), length (16-bit, low byte first), payload,
// checksum (16-bit, low byte first: 1 + sequence + length bytes + payload, modulo 65536),
// ETX; length, payload and checksum are escaped (0x7F -> 7F 7F, 0x02 -> 7F F2,
// 0x03 -> 7F F3). An acknowledgement is STX, ACK or NAK, the packet identifier, ETX.
class PowerBoardManager : public QObject
{
    Q_OBJECT
public:
    PowerBoardManager(const QString &device, QObject *parent = nullptr);

    virtual void sendGetVersionCommand();
    virtual void sendGetCalDataCommand();
    virtual void sendSetCalDataCommand(const QDateTime &time);
    virtual void sendStartTestCommand(unsigned char test);
    void sendStopTestCommand();
    void sendSendDataCommand();

    static QByteArray escape(const QByteArray &bytes);
    static QByteArray unescape(const QByteArray &bytes);

signals:
    void txComplete();
    void txFailed();
    void packetReceived(QByteArray packetData);

public slots:
    void processRxData();
    void txTimeOut();

private:
    void queueCommand(const QByteArray &command);
    void sendNext();
    void retry();
    void handleFrame(const QByteArray &frame);
    void sendAcknowledge(char kind, quint8 id);

    QQueue<QByteArray> m_Queue;
    TtyHandler *m_Port;
    QByteArray m_RxBuffer;
    quint8 m_TxSequence = 4;
    int m_RetryCount = 0;
    quint8 m_LastRxId = 0;
    QByteArray m_TxFrame;
    QTimer *m_ReplyTimer;
    bool m_InFrame = false;
};
