#include "PcLinkClient.h"

#include "PtyPair.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QTimer>

#include <cstring>

namespace
{

// Little-endian field writer and reader of the link's frames.
struct Out {
    QByteArray bytes;
    Out &u8(quint32 v)
    {
        bytes.append(char(v & 0xFF));
        return *this;
    }
    Out &u16(quint32 v) { return u8(v).u8(v >> 8); }
    Out &u32(quint32 v) { return u16(v & 0xFFFF).u16(v >> 16); }
    Out &f32(float v)
    {
        quint32 bits;
        std::memcpy(&bits, &v, 4);
        return u32(bits);
    }
};

struct In {
    const QByteArray &bytes;
    int at;
    quint32 u8() { return at < bytes.size() ? quint8(bytes.at(at++)) : (at++, 0u); }
    quint32 u16()
    {
        const quint32 lo = u8();
        return lo | u8() << 8;
    }
    quint32 u32()
    {
        const quint32 lo = u16();
        return lo | u16() << 16;
    }
    // Eight bytes: the value in the first four.
    quint32 long64()
    {
        const quint32 v = u32();
        at += 4;
        return v;
    }
    float f32()
    {
        const quint32 bits = u32();
        float v;
        std::memcpy(&v, &bits, 4);
        return v;
    }
    QString text30()
    {
        const QByteArray field = bytes.mid(at, 30);
        at += 30;
        const int zero = field.indexOf('\0');
        return QString::fromLatin1(zero < 0 ? field : field.left(zero));
    }
};

PcLinkClient::Record readRecord(In &in)
{
    PcLinkClient::Record r;
    r.testType = quint8(in.u8());
    r.status = quint8(in.u8());
    r.pressure = qint16(in.u16());
    r.elapsed = in.long64();
    r.volume = in.f32();
    r.revolution = in.long64();
    r.flowInstant = in.f32();
    r.flowAverage = in.f32();
    r.flowPeak = in.f32();
    r.flowMin = in.f32();
    r.bolusCount = quint16(in.u16());
    r.bolusFlow = in.f32();
    r.bolusVolume = in.f32();
    r.bolusDuration = qint32(in.long64());
    r.bolusVolumeAverage = in.f32();
    r.bolusFlowAverage = in.f32();
    r.bolusDurationAverage = in.long64();
    r.pressurePeak = qint16(in.u16());
    r.occlusionTime = in.long64();
    r.autoOcclusionStatus = quint8(in.u8());
    r.pressureBackOff = qint16(in.u16());
    return r;
}

constexpr int kHeaderEnd = 14;
constexpr quint32 kMaxLength = 1022;

} // namespace

PcLinkClient::PcLinkClient(QObject *parent)
    : QObject(parent), m_line(new PtyPair(this)), m_pollTimer(new QTimer(this))
{
    connect(m_line, &PtyPair::bytesReceived, this, &PcLinkClient::onBytes);
    connect(m_pollTimer, &QTimer::timeout, this, &PcLinkClient::pollFollowed);
}

PcLinkClient::~PcLinkClient() = default;

bool PcLinkClient::open(const QString &root)
{
    m_buffer.clear();
    return m_line->open(root + QStringLiteral("/dev/ttyGS0"));
}

void PcLinkClient::close()
{
    m_pollTimer->stop();
    m_line->close();
}

void PcLinkClient::setReading(bool reading)
{
    m_line->setReading(reading);
}

quint16 PcLinkClient::crc(const QByteArray &bytes)
{
    quint16 c = 0;
    for (char byte : bytes) {
        c ^= quint16(quint8(byte) << 8);
        for (int i = 0; i < 8; ++i)
            c = (c & 0x8000) ? quint16((c << 1) ^ 0x1021) : quint16(c << 1);
    }
    return c;
}

QByteArray PcLinkClient::frame(quint32 packetId, quint32 opcode, const QByteArray &body)
{
    Out header;
    header.u32(packetId).u32(quint32(12 + body.size())).u32(opcode);
    const QByteArray covered = header.bytes + body;
    Out out;
    out.u16(crc(covered));
    return out.bytes + covered;
}

void PcLinkClient::sendRaw(const QByteArray &bytes)
{
    if (m_writeChunk <= 0) {
        m_line->write(bytes);
        return;
    }
    for (int i = 0; i < bytes.size(); i += m_writeChunk) {
        m_line->write(bytes.mid(i, m_writeChunk));
        QCoreApplication::processEvents();
    }
}

void PcLinkClient::send(quint32 opcode, const QByteArray &body)
{
    sendRaw(frame(m_nextId++, opcode, body));
}

void PcLinkClient::poll(quint8 channel, quint32 index)
{
    send(Poll, Out().u8(channel).u32(index).bytes);
}

void PcLinkClient::startFlow(quint8 channel, quint32 testTime, qint16 backPressure,
                             quint16 windowSize, float flowRate)
{
    Out body;
    body.u8(channel).u32(0).u16(12);
    body.f32(flowRate).u16(quint16(backPressure)).u16(windowSize).u32(testTime);
    send(Start, body.bytes);
}

void PcLinkClient::startOcclusion(quint8 channel, quint8 pumpType)
{
    send(Start, Out().u8(channel).u32(1).u16(1).u8(pumpType).bytes);
}

void PcLinkClient::startPca(quint8 channel, quint32 testTime, float basalRate, float bolusVolume)
{
    Out body;
    body.u8(channel).u32(2).u16(14);
    body.u32(testTime).f32(basalRate).f32(bolusVolume).u16(0);
    send(Start, body.bytes);
}

void PcLinkClient::stop(quint8 channel)
{
    send(Stop, Out().u8(channel).bytes);
}

void PcLinkClient::alarm(quint8 channel)
{
    send(Alarm, Out().u8(channel).bytes);
}

void PcLinkClient::requestInfo(quint8 channel)
{
    send(RequestInfo, Out().u8(channel).bytes);
}

QList<PcLinkClient::Reply> PcLinkClient::takeReplies()
{
    QList<Reply> r = m_replies;
    m_replies.clear();
    return r;
}

bool PcLinkClient::waitForReplies(int count, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    while (m_replies.size() < count && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 10);
    return m_replies.size() >= count;
}

void PcLinkClient::onBytes(const QByteArray &bytes)
{
    m_buffer += bytes;
    while (m_buffer.size() >= kHeaderEnd) {
        In header{m_buffer, 6};
        const quint32 length = header.u32();
        if (length < 12 || length > kMaxLength) {
            // Out of step: a PC can only start again with what comes next.
            ++m_badReplies;
            m_buffer.clear();
            return;
        }
        if (quint32(m_buffer.size()) < length + 2)
            return;
        const QByteArray whole = m_buffer.left(int(length) + 2);
        m_buffer.remove(0, int(length) + 2);
        In in{whole, 0};
        const quint16 carried = quint16(in.u16());
        if (carried != crc(whole.mid(2))) {
            ++m_badReplies;
            continue;
        }
        Reply reply;
        reply.frame = whole;
        reply.id = in.u32();
        in.u32();
        reply.opcode = in.u32();
        switch (reply.opcode) {
        case DataReply:
            reply.channel = quint8(in.u8());
            in.u32();
            in.u32();
            reply.record = readRecord(in);
            break;
        case InfoReply:
            in.u8();
            reply.info.packetId = in.u32();
            reply.info.channel = quint8(in.u8());
            reply.info.channelCount = quint8(in.u8());
            reply.info.serialNumber = in.text30();
            reply.info.buildVersion = in.text30();
            reply.info.channelSerialNumber = in.text30();
            reply.info.firmwareVersion = in.text30();
            reply.info.calibrationDate = in.text30();
            break;
        default:
            reply.channel = quint8(in.u8());
            break;
        }
        onReply(reply);
    }
}

void PcLinkClient::onReply(const Reply &reply)
{
    m_replies.append(reply);
    emit replyReceived(reply);
    auto it = m_follow.find(reply.channel);
    if (it == m_follow.end() || !it->active)
        return;
    if (reply.opcode == StopReply) {
        it->active = false;
        it->finished = true;
        emit testFinished(reply.channel);
        return;
    }
    if (reply.opcode != DataReply)
        return;
    // Each record is taken once, in order: a poll repeated before its answer came, or a
    // first record not yet there (elapsed all ones), changes nothing.
    const quint32 elapsed = reply.record.elapsed;
    const bool wanted = it->index == firstRecord ? elapsed == 1 : elapsed == it->index + 1;
    if (!wanted)
        return;
    it->records.append(reply.record);
    it->index = it->index == firstRecord ? 1 : it->index + 1;
    emit recordReceived(reply.channel, reply.record);
    poll(reply.channel, it->index); // catch up at once; the timer covers records not yet due
}

void PcLinkClient::follow(quint8 channel, int pollMs)
{
    Follow &f = m_follow[channel];
    f = Follow();
    f.active = true;
    poll(channel, firstRecord);
    m_pollTimer->start(pollMs);
}

void PcLinkClient::pollFollowed()
{
    bool any = false;
    for (auto it = m_follow.begin(); it != m_follow.end(); ++it) {
        if (!it->active)
            continue;
        any = true;
        poll(it.key(), it->index);
    }
    if (!any)
        m_pollTimer->stop();
}
