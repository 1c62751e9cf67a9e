#include "BtFrameReceiver.h"

#include "BtMuxFrame.h"

QVector<BtFrameReceiver::Item> BtFrameReceiver::feed(const QByteArray &bytes)
{
    QVector<Item> items;
    m_buffer.append(bytes);
    int start = m_buffer.indexOf(BtMuxFrame::StartByte);
    if (start < 0) {
        if (!m_buffer.isEmpty())
            items.append({Unframed, -1, m_buffer});
        m_buffer.clear();
        return items;
    }
    while (start >= 0) {
        m_buffer.remove(0, start);
        if (m_buffer.size() < BtMuxFrame::HeaderSize)
            break;
        const int length = quint8(m_buffer.at(2)) * 256 + quint8(m_buffer.at(3));
        if (length > BtMuxFrame::MaxDataPayload) {
            start = m_buffer.indexOf(BtMuxFrame::StartByte, 1);
            if (start < 0)
                m_buffer.clear();
            continue;
        }
        if (m_buffer.size() < length + BtMuxFrame::Overhead)
            break;
        const int link = quint8(m_buffer.at(1));
        const QByteArray payload = m_buffer.mid(BtMuxFrame::HeaderSize, length);
        if (link <= 8)
            items.append({Data, link, payload});
        else if (link == BtMuxFrame::ControlLink)
            items.append({Control, link, payload});
        else
            items.append({Foreign, link, QByteArray()});
        m_buffer.remove(0, length + BtMuxFrame::Overhead);
        start = m_buffer.indexOf(BtMuxFrame::StartByte);
    }
    return items;
}
