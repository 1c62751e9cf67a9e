#pragma once

#include "INFUSION_PUMP_TEST_DATA.h"
#include "PCA_TEST_DATA.h"

#include <QString>

// The PC link's field encoding: every multi-byte field little-endian, byte by byte, so the
// wire form does not depend on the processor's byte order or alignment. Each operation
// reads or writes at the cursor and moves it past the field. The caller guarantees room
// for the field: nothing here checks a bound.
class SerialUtilities
{
public:
    static constexpr int stringFieldSize = 30;
    static constexpr int longFieldSize = 8;
    static constexpr int pcaTestDataSize = 18;
    static constexpr int pumpDataSize = 87;

    static unsigned char readUnsignedCharFromBuffer(unsigned char *&cursor);
    static void writeUnsignedCharToBuffer(unsigned char *&cursor, unsigned char value);
    static unsigned short readUnsignedShortFromBuffer(unsigned char *&cursor);
    static void writeUnsignedShortToBuffer(unsigned char *&cursor, unsigned short value);
    static short readSignedShortFromBuffer(unsigned char *&cursor);
    static void writeSignedShortToBuffer(unsigned char *&cursor, short value);
    static unsigned int readUnsignedFromBuffer(unsigned char *&cursor);
    static void writeUnsignedToBuffer(unsigned char *&cursor, unsigned int value);
    static float readFloatFromBuffer(unsigned char *&cursor);
    static void writeFloatToBuffer(unsigned char *&cursor, float value);

    // A "long" is eight bytes on the wire and 32 bits in memory: the value in bytes 0-3,
    // then zeros (unsigned) or four copies of the sign byte (signed). Readers skip bytes
    // 4-7 unseen.
    static unsigned int readUnsignedLongFromBuffer(unsigned char *&cursor);
    static void writeUnsignedLongToBuffer(unsigned char *&cursor, unsigned int value);
    static int readSignedLongFromBuffer(unsigned char *&cursor);
    static void writeSignedLongToBuffer(unsigned char *&cursor, int value);

    // A 30-byte Latin-1 field: at most 29 characters, then zeros. Characters Latin-1
    // cannot hold travel as '?'. A field without a zero byte reads as its 30 bytes.
    static QString readQStringFromBuffer(unsigned char *&cursor);
    static void writeQStringToBuffer(unsigned char *&cursor, QString text);

    // One PCA bolus, 18 bytes.
    static PCA_TEST_DATA readPCATestDataFromBuffer(unsigned char *&cursor);
    static void writePCATestDataToBuffer(unsigned char *&cursor, PCA_TEST_DATA data);

    // A channel's live test record, 87 bytes.
    static INFUSION_PUMP_TEST_DATA readPumpDataFromBuffer(unsigned char *&cursor);
    static void writePumpDataToBuffer(unsigned char *&cursor, INFUSION_PUMP_TEST_DATA data);
};
