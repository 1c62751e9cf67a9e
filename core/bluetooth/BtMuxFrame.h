#pragma once

#include <QByteArray>
#include <QList>

// The byte form of the Bluetooth module's multiplexing frames, both directions alike:
// start byte BF, link (0..8 a data link, FF the control channel), length high and low,
// payload, check byte (~link; 00 on the control channel).
class BtMuxFrame
{
public:
    static constexpr char StartByte = char(0xBF);
    static constexpr int ControlLink = 0xFF;
    static constexpr int HeaderSize = 4;
    static constexpr int Overhead = HeaderSize + 1;
    // The length field is ten bits on a data frame; a control frame carries no high bits.
    static constexpr int MaxDataPayload = 1023;
    static constexpr int MaxControlPayload = 255;

    // The frames carrying data on a link, split into as many frames as the length field
    // needs. Empty data gives one empty frame.
    static QList<QByteArray> dataFrames(const QByteArray &data, int link);
    // The control frame of one command line (its line feed already dropped); empty when the
    // line does not fit one frame.
    static QByteArray controlFrame(const QByteArray &line);
};
