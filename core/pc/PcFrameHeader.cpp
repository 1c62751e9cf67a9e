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

namespace
{

// The CRC of every byte value, so a byte costs one look-up: the receiver checks a frame at
// every offset of garbage until one fits, up to a kilobyte each time.
struct CrcTable {
    quint16 entry[256] = {};
    constexpr CrcTable()
    {
        for (int value = 0; value < 256; ++value) {
            quint16 crc = quint16(value << 8);
            for (int bit = 0; bit < 8; ++bit)
                crc = (crc & 0x8000) ? quint16((crc << 1) ^ 0x1021) : quint16(crc << 1);
            entry[value] = crc;
        }
    }
};

constexpr CrcTable kCrcTable;

} // namespace

quint16 PcFrameHeader::calCRC(const unsigned char *data, int n)
{
    quint16 crc = 0;
    for (int i = 0; i < n; ++i)
        crc = quint16((crc << 8) ^ kCrcTable.entry[(crc >> 8) ^ data[i]]);
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
