#include "PcByteWordBody.h"

#include "SerialUtilities.h"

int PcByteWordBody::writeToBuffer(unsigned char *buffer) const
{
    unsigned char *cursor = buffer;
    SerialUtilities::writeUnsignedCharToBuffer(cursor, value8);
    SerialUtilities::writeUnsignedToBuffer(cursor, value32);
    return getSize();
}

int PcByteWordBody::readFromBuffer(unsigned char *buffer)
{
    unsigned char *cursor = buffer;
    value8 = SerialUtilities::readUnsignedCharFromBuffer(cursor);
    value32 = SerialUtilities::readUnsignedFromBuffer(cursor);
    return getSize();
}
