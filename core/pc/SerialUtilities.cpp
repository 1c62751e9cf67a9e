#include "SerialUtilities.h"

#include <cstring>

unsigned char SerialUtilities::readUnsignedCharFromBuffer(unsigned char *&cursor)
{
    return *cursor++;
}

void SerialUtilities::writeUnsignedCharToBuffer(unsigned char *&cursor, unsigned char value)
{
    *cursor++ = value;
}

unsigned short SerialUtilities::readUnsignedShortFromBuffer(unsigned char *&cursor)
{
    const unsigned short value = static_cast<unsigned short>(cursor[0] | (cursor[1] << 8));
    cursor += 2;
    return value;
}

void SerialUtilities::writeUnsignedShortToBuffer(unsigned char *&cursor, unsigned short value)
{
    *cursor++ = static_cast<unsigned char>(value & 0xFF);
    *cursor++ = static_cast<unsigned char>(value >> 8);
}

short SerialUtilities::readSignedShortFromBuffer(unsigned char *&cursor)
{
    return static_cast<short>(readUnsignedShortFromBuffer(cursor));
}

void SerialUtilities::writeSignedShortToBuffer(unsigned char *&cursor, short value)
{
    writeUnsignedShortToBuffer(cursor, static_cast<unsigned short>(value));
}

unsigned int SerialUtilities::readUnsignedFromBuffer(unsigned char *&cursor)
{
    const unsigned int value =
        static_cast<unsigned int>(cursor[0]) | static_cast<unsigned int>(cursor[1]) << 8 |
        static_cast<unsigned int>(cursor[2]) << 16 | static_cast<unsigned int>(cursor[3]) << 24;
    cursor += 4;
    return value;
}

void SerialUtilities::writeUnsignedToBuffer(unsigned char *&cursor, unsigned int value)
{
    for (int i = 0; i < 4; ++i)
        *cursor++ = static_cast<unsigned char>((value >> (8 * i)) & 0xFF);
}

float SerialUtilities::readFloatFromBuffer(unsigned char *&cursor)
{
    const unsigned int bits = readUnsignedFromBuffer(cursor);
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

void SerialUtilities::writeFloatToBuffer(unsigned char *&cursor, float value)
{
    unsigned int bits;
    std::memcpy(&bits, &value, sizeof bits);
    writeUnsignedToBuffer(cursor, bits);
}

unsigned int SerialUtilities::readUnsignedLongFromBuffer(unsigned char *&cursor)
{
    const unsigned int value = readUnsignedFromBuffer(cursor);
    cursor += 4;
    return value;
}

void SerialUtilities::writeUnsignedLongToBuffer(unsigned char *&cursor, unsigned int value)
{
    writeUnsignedToBuffer(cursor, value);
    writeUnsignedToBuffer(cursor, 0);
}

int SerialUtilities::readSignedLongFromBuffer(unsigned char *&cursor)
{
    return static_cast<int>(readUnsignedLongFromBuffer(cursor));
}

void SerialUtilities::writeSignedLongToBuffer(unsigned char *&cursor, int value)
{
    writeUnsignedToBuffer(cursor, static_cast<unsigned int>(value));
    writeUnsignedToBuffer(cursor, value < 0 ? 0xFFFFFFFFu : 0u);
}

QString SerialUtilities::readQStringFromBuffer(unsigned char *&cursor)
{
    const void *zero = std::memchr(cursor, 0, stringFieldSize);
    const int size =
        zero ? int(static_cast<const unsigned char *>(zero) - cursor) : stringFieldSize;
    const QString text = QString::fromLatin1(reinterpret_cast<const char *>(cursor), size);
    cursor += stringFieldSize;
    return text;
}

void SerialUtilities::writeQStringToBuffer(unsigned char *&cursor, QString text)
{
    // toLatin1() turns what Latin-1 cannot hold into '?'; a zero inside the text ends the
    // field early, as it would on the reader's side.
    const QByteArray bytes = text.left(stringFieldSize - 1).toLatin1();
    std::memset(cursor, 0, stringFieldSize);
    const int size = int(qstrnlen(bytes.constData(), uint(bytes.size())));
    std::memcpy(cursor, bytes.constData(), size_t(size));
    cursor += stringFieldSize;
}

PCA_TEST_DATA SerialUtilities::readPCATestDataFromBuffer(unsigned char *&cursor)
{
    PCA_TEST_DATA data;
    data.u16BolusCount = readUnsignedShortFromBuffer(cursor);
    data.fFlowRate_Bolus = readFloatFromBuffer(cursor);
    data.fVolume_Bolus = readFloatFromBuffer(cursor);
    data.u32BolusDuration = static_cast<quint32>(readSignedLongFromBuffer(cursor));
    return data;
}

void SerialUtilities::writePCATestDataToBuffer(unsigned char *&cursor, PCA_TEST_DATA data)
{
    writeUnsignedShortToBuffer(cursor, data.u16BolusCount);
    writeFloatToBuffer(cursor, data.fFlowRate_Bolus);
    writeFloatToBuffer(cursor, data.fVolume_Bolus);
    writeSignedLongToBuffer(cursor, static_cast<int>(data.u32BolusDuration));
}

INFUSION_PUMP_TEST_DATA SerialUtilities::readPumpDataFromBuffer(unsigned char *&cursor)
{
    INFUSION_PUMP_TEST_DATA data;
    data.u8TestType = readUnsignedCharFromBuffer(cursor);
    data.u8PIC_Status = readUnsignedCharFromBuffer(cursor);
    data.s16Pressure = readSignedShortFromBuffer(cursor);
    data.u32ElapseTime = readUnsignedLongFromBuffer(cursor);
    data.fVolume = readFloatFromBuffer(cursor);
    data.u16Revolution = readUnsignedLongFromBuffer(cursor);
    data.fFlowRate_Instant = readFloatFromBuffer(cursor);
    data.fFlowRate_Ave = readFloatFromBuffer(cursor);
    data.fFlowRate_Peak = readFloatFromBuffer(cursor);
    data.fFlowRate_Min = readFloatFromBuffer(cursor);
    data.Pca_Test_Data = readPCATestDataFromBuffer(cursor);
    data.fVolume_Bolus_Ave = readFloatFromBuffer(cursor);
    data.fFlowRate_Bolus_Ave = readFloatFromBuffer(cursor);
    data.u32BolusDuration_Ave = readUnsignedLongFromBuffer(cursor);
    data.s16Pressure_Peak = readSignedShortFromBuffer(cursor);
    data.u32OcclusionTime = readUnsignedLongFromBuffer(cursor);
    data.u8AutoOccStatus = readUnsignedCharFromBuffer(cursor);
    data.s16Pressure_BackOff = readSignedShortFromBuffer(cursor);
    return data;
}

void SerialUtilities::writePumpDataToBuffer(unsigned char *&cursor, INFUSION_PUMP_TEST_DATA data)
{
    writeUnsignedCharToBuffer(cursor, data.u8TestType);
    writeUnsignedCharToBuffer(cursor, data.u8PIC_Status);
    writeSignedShortToBuffer(cursor, data.s16Pressure);
    writeUnsignedLongToBuffer(cursor, data.u32ElapseTime);
    writeFloatToBuffer(cursor, data.fVolume);
    writeUnsignedLongToBuffer(cursor, data.u16Revolution);
    writeFloatToBuffer(cursor, data.fFlowRate_Instant);
    writeFloatToBuffer(cursor, data.fFlowRate_Ave);
    writeFloatToBuffer(cursor, data.fFlowRate_Peak);
    writeFloatToBuffer(cursor, data.fFlowRate_Min);
    writePCATestDataToBuffer(cursor, data.Pca_Test_Data);
    writeFloatToBuffer(cursor, data.fVolume_Bolus_Ave);
    writeFloatToBuffer(cursor, data.fFlowRate_Bolus_Ave);
    writeUnsignedLongToBuffer(cursor, data.u32BolusDuration_Ave);
    writeSignedShortToBuffer(cursor, data.s16Pressure_Peak);
    writeUnsignedLongToBuffer(cursor, data.u32OcclusionTime);
    writeUnsignedCharToBuffer(cursor, data.u8AutoOccStatus);
    writeSignedShortToBuffer(cursor, data.s16Pressure_BackOff);
}
