#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QObject>
#include <QString>

class PtyPair;
class QTimer;

// The PC application at the far end of the instrument's PC link: it opens the line that
// the instrument's USB serial gadget would be (a pseudo-terminal linked at
// <root>/dev/ttyGS0), sends requests and decodes the replies. Written from the link's
// byte formats alone; it shares no code with the instrument.
//
// Behaviours a PC may show, for tests and the desktop run: requests written whole or cut
// into small writes, and a PC that stops reading its replies.
class PcLinkClient : public QObject
{
    Q_OBJECT
public:
    enum Request : quint32 {
        Poll = 1,
        Start = 2,
        Stop = 3,
        Alarm = 4,
        RequestInfo = 5,
        RequestPacket = 6
    };
    enum ReplyCode : quint32 {
        DataReply = 1,
        AlarmReply = 3,
        StopReply = 4,
        InfoReply = 5,
        ConfirmReply = 6
    };
    static constexpr quint32 firstRecord = 0xFFFFFFFFu;

    // A channel's live record as the Data reply carries it.
    struct Record {
        quint8 testType = 0;
        quint8 status = 0;
        qint16 pressure = 0;
        quint32 elapsed = 0;
        float volume = 0;
        quint32 revolution = 0;
        float flowInstant = 0, flowAverage = 0, flowPeak = 0, flowMin = 0;
        quint16 bolusCount = 0;
        float bolusFlow = 0, bolusVolume = 0;
        qint32 bolusDuration = 0;
        float bolusVolumeAverage = 0, bolusFlowAverage = 0;
        quint32 bolusDurationAverage = 0;
        qint16 pressurePeak = 0;
        quint32 occlusionTime = 0;
        quint8 autoOcclusionStatus = 0;
        qint16 pressureBackOff = 0;
    };
    // The instrument's identity, as the Request reply carries it.
    struct Info {
        quint32 packetId = 0;
        quint8 channel = 0;
        quint8 channelCount = 0;
        QString serialNumber, buildVersion, channelSerialNumber, firmwareVersion, calibrationDate;
    };
    struct Reply {
        quint32 id = 0;
        quint32 opcode = 0;
        quint8 channel = 0; // Data, Alarm, Stop, Confirm: as sent (zero-based)
        Record record;      // Data
        Info info;          // Request
        QByteArray frame;
    };

    explicit PcLinkClient(QObject *parent = nullptr);
    ~PcLinkClient() override;

    // Opens the line at <root>/dev/ttyGS0; the instrument opens it when its operator
    // chooses remote control.
    bool open(const QString &root);
    void close();

    // 0: every request in one write; n: n bytes per write, with the event loop run between.
    void setWriteChunk(int bytes) { m_writeChunk = bytes; }
    // false: replies stay in the line unread (the PC's application has hung).
    void setReading(bool reading);

    // The requests; Poll's channel counts from 0, the others' from 1 as on the wire.
    void poll(quint8 channel, quint32 index);
    void startFlow(quint8 channel, quint32 testTime, qint16 backPressure, quint16 windowSize,
                   float flowRate = 0);
    void startOcclusion(quint8 channel, quint8 pumpType);
    void startPca(quint8 channel, quint32 testTime, float basalRate, float bolusVolume);
    void stop(quint8 channel);
    void alarm(quint8 channel);
    void requestInfo(quint8 channel);
    // Bytes as they are, for frames a PC should never send.
    void sendRaw(const QByteArray &bytes);
    // A whole frame: CRC, packet ID, length, opcode, body.
    static QByteArray frame(quint32 packetId, quint32 opcode, const QByteArray &body);
    static quint16 crc(const QByteArray &bytes);

    QList<Reply> replies() const { return m_replies; }
    QList<Reply> takeReplies();
    // Replies whose CRC did not match.
    int badReplies() const { return m_badReplies; }
    // Runs the event loop until count replies have come or the time is up.
    bool waitForReplies(int count, int timeoutMs);

    // Follows a started test on the channel (zero-based): polls its records in order,
    // from the first, until the instrument answers with Stop.
    void follow(quint8 channel, int pollMs = 200);
    QList<Record> records(quint8 channel) const { return m_follow.value(channel).records; }
    bool finished(quint8 channel) const { return m_follow.value(channel).finished; }
    bool following(quint8 channel) const { return m_follow.value(channel).active; }

signals:
    void replyReceived(const PcLinkClient::Reply &reply);
    void recordReceived(quint8 channel, const PcLinkClient::Record &record);
    void testFinished(quint8 channel);

private:
    struct Follow {
        bool active = false;
        bool finished = false;
        quint32 index = firstRecord;
        QList<Record> records;
    };

    void send(quint32 opcode, const QByteArray &body);
    void onBytes(const QByteArray &bytes);
    void onReply(const Reply &reply);
    void pollFollowed();

    PtyPair *m_line;
    QTimer *m_pollTimer;
    QByteArray m_buffer;
    QList<Reply> m_replies;
    QMap<quint8, Follow> m_follow;
    quint32 m_nextId = 1;
    int m_writeChunk = 0;
    int m_badReplies = 0;
};
