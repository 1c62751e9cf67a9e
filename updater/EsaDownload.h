#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QString>

class QFile;
class TtyHandler;

// Sends an application or EEPROM image to one of the two ESA boards through their boot
// loaders on the serial line: the board-select line picks the board, "B" (once per board
// and program run) wakes its boot loader, "2" or "3" asks for the application or the
// EEPROM, and the board's request byte 'C' starts a transfer of 133-byte blocks (SOH,
// number from 0, its complement, 128 data bytes filled with 0x1A, CRC-16 high and low),
// one per ACK, ended by EOT. A block counts as taken only when the board's answer to it
// is the ACK alone; a NAK ends the download as failed, and so does anything else (noise)
// once the wait for the block's answer runs out. A NAK in answer to EOT fails it too.
class EsaDownload : public QObject
{
    Q_OBJECT
public:
    enum Board { IoBoard = 0, MeasurementBoard = 1 };
    enum Kind { Application = 0, Eeprom = 1 };

    EsaDownload(TtyHandler *port, QObject *parent = nullptr);

    // Sends the file (a host path) to the board; blocks, processing events, until the
    // board took it, refused a block or stopped answering. Returns 0 on success, -1
    // otherwise. The board-select line is released when it returns.
    int download(const QString &filePath, Board board, Kind kind);

    // How long the board may take to ask for the file or to answer a block before the
    // download counts as failed.
    void setReplyTimeout(int ms) { m_ReplyTimeoutMs = ms; }
    // How long the answer to EOT is awaited: a NAK within it fails the download; an ACK,
    // or nothing at all, leaves it a success.
    void setEndAnswerWait(int ms) { m_EndAnswerWaitMs = ms; }
    // Why the latest download failed, in words for the operator; empty after a success.
    QString failureReason() const { return m_FailureReason; }

    // CRC-16 with polynomial 0x1021, initial value 0, most significant bit first.
    static quint16 calcrc(const char *data, int length);

signals:
    void ESAUpdateSendNextPacket();

public slots:
    void ESADataReceived();
    void sendNextESAPacket();

private:
    void end(bool success);
    void fail(const QString &reason);
    void takeAnswer(const QByteArray &data);
    QString timeoutReason() const;
    void releaseBoardSelect();

    TtyHandler *m_EsaTty;
    QFile *m_EsaFile = nullptr;
    bool m_EsaStarted = false;
    bool m_EsaBootSentMeasurement = false;
    bool m_EsaBootSentIo = false;
    bool m_EsaDone = false;
    bool m_EsaSuccess = false;
    quint8 m_EsaBlockNumber = 0;
    // The block awaiting its answer, counted from 0 over the whole file (the number on
    // the line wraps after 255); -1 before the first.
    int m_BlockIndex = -1;
    bool m_EotSent = false;
    // What has arrived since the latest block or EOT went out, requests aside.
    qint64 m_AnswerBytes = 0;
    bool m_Noise = false;
    int m_ReplyTimeoutMs = 10000;
    int m_EndAnswerWaitMs = 1000;
    QString m_FailureReason;
    // Restarted only when a block or EOT goes out, that is by the answer awaited: noise
    // never stretches a wait.
    QElapsedTimer m_SinceProgress;
};
