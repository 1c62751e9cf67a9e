#pragma once

#include <QByteArray>

// The power board's line as a channel controller sees it: data frames
// STX, sequence number, escaped body (length, payload, sum), ETX, and the
// four-byte acknowledgements. Written from the line's description alone, so
// that the simulator checks the instrument's own framing rather than sharing it.
namespace SimFrame {

constexpr char STX = 0x02;
constexpr char ETX = 0x03;
constexpr char ACK = 0x06;
constexpr char NAK = 0x15;
constexpr char ESC = 0x7F;

constexpr int firstSequence = 4;
constexpr int lastSequence = 126;
constexpr int maxPayload = 600;

// The sequence number after seq (126 is followed by 4).
int nextSequence(int seq);

// The whole data frame for a payload, ready for the line.
QByteArray encode(int seq, const QByteArray &payload);

// An acknowledgement frame (kind ACK or NAK).
QByteArray acknowledgement(char kind, int seq);

// What came between an STX and its ETX.
struct Received
{
    enum Kind { Ack, Nak, Data, Bad };
    Kind kind = Bad;
    int seq = -1;
    QByteArray payload;
};

// Classifies the bytes between STX and ETX. A data frame is Bad when its escaping,
// sequence number, length or sum is wrong.
Received decode(const QByteArray &inner);

} // namespace SimFrame
