#include "EsaBootLoaderSim.h"

#include "HostPinPage.h"
#include "PinLines.h"
#include "PtyPair.h"

#include <cerrno>
#include <unistd.h>

namespace {
// CRC-16, polynomial 0x1021, initial 0, written out apart from the updater's own so that
// a fault there shows here.
quint16 crc16(const QByteArray &data)
{
    quint32 crc = 0;
    for (char c : data) {
        for (int bit = 7; bit >= 0; --bit) {
            const bool top = ((crc >> 15) & 1) != (((quint8(c) >> bit) & 1) != 0);
            crc = ((crc << 1) & 0xFFFF) ^ (top ? 0x1021 : 0);
        }
    }
    return quint16(crc);
}
} // namespace

EsaBootLoaderSim::EsaBootLoaderSim(PtyPair *line, std::shared_ptr<HostPinPage> page, QObject *parent)
    : QObject(parent), m_line(line), m_page(std::move(page))
{
    m_lastSelected = selected();
    connect(m_line, &PtyPair::bytesReceived, this, [this](const QByteArray &b) { take(b, selected()); });
    // Bytes already on the line when the select line changes belong to the board chosen
    // before the change.
    m_page->addObserver([this](unsigned, quint32, quint32) {
        const BoardId now = selected();
        if (now != m_lastSelected)
            drainLine(m_lastSelected);
        m_lastSelected = now;
    });
}

EsaBootLoaderSim::BoardId EsaBootLoaderSim::selected() const
{
    const PinLines::Line &s = PinLines::EsaBoardSelect;
    const bool driven = m_page->read(s.doe) & s.mask;
    const bool high = !driven || (m_page->read(s.dout) & s.mask);
    return high ? Measurement : Io;
}

void EsaBootLoaderSim::drainLine(BoardId b)
{
    char buf[4096];
    for (;;) {
        const ssize_t n = ::read(m_line->masterFd(), buf, sizeof buf);
        if (n <= 0)
            return;
        take(QByteArray(buf, int(n)), b);
    }
}

void EsaBootLoaderSim::answer(char byte)
{
    if (!m_silent)
        m_line->write(QByteArray(1, byte));
}

void EsaBootLoaderSim::sendUnasked(const QByteArray &bytes)
{
    m_line->write(bytes);
}

void EsaBootLoaderSim::take(const QByteArray &bytes, BoardId id)
{
    Board &b = m_boards[id];
    b.heard += bytes;
    for (char c : bytes) {
        if (!b.receiving) {
            if (c == 'B') {
                b.awake = true;
                ++b.wakeUps;
            } else if (b.awake && (c == '2' || c == '3')) {
                b.kind = c;
                b.receiving = true;
                b.expected = 0;
                b.index = 0;
                b.ended = false;
                b.image.clear();
                b.numbers.clear();
                answer('C');
            }
            continue;
        }
        if (b.pending.isEmpty() && c == 0x04) {
            b.receiving = false;
            b.ended = true;
            if (m_endAnswer != EndSilent)
                answer(m_endAnswer == EndAck ? 0x06 : 0x15);
            if (m_requestAgain)
                answer('C');
            continue;
        }
        b.pending.append(c);
        if (b.pending.size() < 133)
            continue;
        const QByteArray block = b.pending;
        b.pending.clear();
        const quint8 number = quint8(block.at(1));
        const quint16 crc = quint16(quint8(block.at(131)) << 8 | quint8(block.at(132)));
        const bool good = block.at(0) == 0x01 && number == quint8(b.expected)
            && quint8(block.at(2)) == quint8(255 - number)
            && crc == crc16(block.mid(3, 128)) && b.index != m_refuse;
        ++b.index;
        if (!good) {
            answer(0x15);
            continue;
        }
        b.numbers << number;
        b.image += block.mid(3, 128);
        ++b.expected;
        if (m_babbleAfter >= 0 && b.numbers.size() > m_babbleAfter) {
            if (!m_silent)
                m_line->write(babble());
        } else if (!m_noAck) {
            if (m_requestBeside && !m_silent)
                m_line->write(QByteArray("C\x06", 2));
            else
                answer(0x06);
        }
    }
}
