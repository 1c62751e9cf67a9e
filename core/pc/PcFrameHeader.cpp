#include "PcFrameHeader.h"

#include "SerialUtilities.h"

int PcFrameHeader::writeToBuffer(unsigned char *buffer) const
{
    unsigned char *cursor = buffer;
    SerialUtilities::writeUnsignedToBuffer(cursor, packetID);
    SerialUtilities::writeUnsignedToBuffer(cursor, length);
    SerialUtilities::writeUnsignedToBuffer(cursor, opcode);
    return getSize();
}

int PcFrameHeader::readFromBuffer(unsigned char *buffer)
{
    unsigned char *cursor = buffer;
    packetID = SerialUtilities::readUnsignedFromBuffer(cursor);
    length = SerialUtilities::readUnsignedFromBuffer(cursor);
    opcode = SerialUtilities::readUnsignedFromBuffer(cursor);
    return getSize();
}

quint16 PcFrameHeader::calCRC(const unsigned char *data, int n)
{
    quint16 crc = 0;
    for (int i = 0; i < n; ++i) {
        crc ^= quint16(data[i] << 8);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 0x8000) ? quint16((crc << 1) ^ 0x1021) : quint16(crc << 1);
    }
    return crc;
}

quint16 PcFrameHeader::seal(unsigned char *frame) const
{
    writeToBuffer(frame + headerOffset);
    const quint16 crc = calCRC(frame + headerOffset, int(length));
    unsigned char *cursor = frame;
    SerialUtilities::writeUnsignedShortToBuffer(cursor, crc);
    return crc;
}

quint16 PcFrameHeader::carriedCRC(const unsigned char *frame)
{
    return quint16(frame[0] | (frame[1] << 8));
}

bool PcFrameHeader::checks(const unsigned char *frame) const
{
    return carriedCRC(frame) == calCRC(frame + headerOffset, int(length));
}
