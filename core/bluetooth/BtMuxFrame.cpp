#include "BtMuxFrame.h"

namespace {
QByteArray frame(quint8 link, const QByteArray &payload, quint8 check)
{
    QByteArray out;
    out.reserve(payload.size() + BtMuxFrame::Overhead);
    out.append(BtMuxFrame::StartByte);
    out.append(char(link));
    out.append(char((payload.size() >> 8) & 0x03));
    out.append(char(payload.size() & 0xFF));
    out.append(payload);
    out.append(char(check));
    return out;
}
} // namespace

QList<QByteArray> BtMuxFrame::dataFrames(const QByteArray &data, int link)
{
    const quint8 l = quint8(link & 0xFF);
    QList<QByteArray> frames;
    int at = 0;
    do {
        frames << frame(l, data.mid(at, MaxDataPayload), quint8(~l));
        at += MaxDataPayload;
    } while (at < data.size());
    return frames;
}

QByteArray BtMuxFrame::controlFrame(const QByteArray &line)
{
    if (line.size() > MaxControlPayload)
        return QByteArray();
    return frame(quint8(ControlLink), line, 0x00);
}
