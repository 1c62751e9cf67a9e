#include "SimFrame.h"

namespace SimFrame {

int nextSequence(int seq)
{
    return seq >= lastSequence ? firstSequence : seq + 1;
}

namespace {
quint16 sum(int seq, const QByteArray &lengthAndPayload)
{
    quint32 s = 1u + quint32(seq);
    for (char c : lengthAndPayload)
        s += quint8(c);
    return quint16(s);
}
} // namespace

QByteArray encode(int seq, const QByteArray &payload)
{
    QByteArray body;
    body.append(char(payload.size() & 0xFF));
    body.append(char((payload.size() >> 8) & 0xFF));
    body.append(payload);
    const quint16 s = sum(seq, body);
    body.append(char(s & 0xFF));
    body.append(char(s >> 8));

    QByteArray frame;
    frame.reserve(body.size() * 2 + 3);
    frame.append(STX);
    frame.append(char(seq));
    for (char c : body) {
        if (c == ESC)
            frame.append(ESC).append(ESC);
        else if (c == STX)
            frame.append(ESC).append(char(0xF2));
        else if (c == ETX)
            frame.append(ESC).append(char(0xF3));
        else
            frame.append(c);
    }
    frame.append(ETX);
    return frame;
}

QByteArray acknowledgement(char kind, int seq)
{
    return QByteArray() + STX + kind + char(seq) + ETX;
}

Received decode(const QByteArray &inner)
{
    Received r;
    if (inner.size() == 2) {
        if (inner.at(0) == ACK || inner.at(0) == NAK) {
            r.kind = inner.at(0) == ACK ? Received::Ack : Received::Nak;
            r.seq = quint8(inner.at(1));
        }
        return r;
    }
    if (inner.isEmpty())
        return r;
    r.seq = quint8(inner.at(0));
    QByteArray body;
    for (int i = 1; i < inner.size(); ++i) {
        const char c = inner.at(i);
        if (c != ESC) {
            body.append(c);
            continue;
        }
        if (i + 1 >= inner.size())
            return r;
        const char n = inner.at(++i);
        if (n == ESC)
            body.append(ESC);
        else if (n == char(0xF2))
            body.append(STX);
        else if (n == char(0xF3))
            body.append(ETX);
        else
            return r; // a lone escape is not something a sound sender produces
    }
    if (r.seq < firstSequence || r.seq > lastSequence || body.size() < 4)
        return r;
    const int length = quint8(body.at(0)) | (quint8(body.at(1)) << 8);
    if (length > maxPayload || body.size() != length + 4)
        return r;
    const quint16 expected = quint8(body.at(length + 2)) | (quint8(body.at(length + 3)) << 8);
    if (sum(r.seq, body.left(length + 2)) != expected)
        return r;
    r.kind = Received::Data;
    r.payload = body.mid(2, length);
    return r;
}

} // namespace SimFrame
