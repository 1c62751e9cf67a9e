#pragma once

#include <QtGlobal>

// The frame of the PC link, in both directions: CRC (2 bytes), this 12-byte header
// (packet ID, length, opcode; little-endian) and the opcode's body. The length counts
// header and body, not the CRC, so a frame is length + 2 bytes on the wire. There is no
// start or end marker: a receiver finds frames only through the length.
struct PcFrameHeader {
    static constexpr int crcSize = 2;
    static constexpr int headerOffset = 2;
    static constexpr int bodyOffset = 14;
    // Every packet keeps its frame in a buffer of this size, and so does the receiver.
    static constexpr int frameBufferSize = 1024;
    static constexpr quint32 minLength = 12;
    static constexpr quint32 maxLength = frameBufferSize - crcSize;

    quint32 packetID = 0;
    quint32 length = 0;
    quint32 opcode = 0;

    // Both return the 12 bytes they account for.
    int writeToBuffer(unsigned char *buffer) const;
    int readFromBuffer(unsigned char *buffer);
    static int getSize() { return 12; }

    // CRC-16/XMODEM: polynomial 0x1021, initial 0, most significant bit first, no
    // reflection, no final XOR.
    static quint16 calCRC(const unsigned char *data, int n);

    // Writes this header at offset 2 of the frame, then the CRC of the length bytes from
    // offset 2 at offset 0; returns the CRC. The body must already be in place.
    quint16 seal(unsigned char *frame) const;
    // The CRC a frame carries, and whether it matches its header and body. The frame
    // must hold length + 2 bytes.
    static quint16 carriedCRC(const unsigned char *frame);
    bool checks(const unsigned char *frame) const;
};
