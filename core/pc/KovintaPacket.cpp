#include "KovintaPacket.h"

#include "SerialUtilities.h"

#include <cstring>

unsigned int KovintaPacket::ms_packetID = 0;

using SU = SerialUtilities;

int KovintaPacket::OpCodeData::writeToBuffer(unsigned char *buffer) const
{
    unsigned char *cursor = buffer;
    SU::writeUnsignedCharToBuffer(cursor, channel);
    SU::writeUnsignedToBuffer(cursor, reserved1);
    SU::writeUnsignedToBuffer(cursor, reserved2);
    SU::writePumpDataToBuffer(cursor, record);
    return getSize();
}

int KovintaPacket::OpCodeData::readFromBuffer(unsigned char *buffer)
{
    unsigned char *cursor = buffer;
    channel = SU::readUnsignedCharFromBuffer(cursor);
    reserved1 = SU::readUnsignedFromBuffer(cursor);
    reserved2 = SU::readUnsignedFromBuffer(cursor);
    record = SU::readPumpDataFromBuffer(cursor);
    return getSize();
}

int KovintaPacket::OpCodeRequest::writeToBuffer(unsigned char *buffer) const
{
    std::memset(buffer, 0, size_t(getSize()));
    unsigned char *cursor = buffer;
    SU::writeUnsignedCharToBuffer(cursor, reserved);
    SU::writeUnsignedToBuffer(cursor, packetID);
    SU::writeUnsignedCharToBuffer(cursor, channel);
    SU::writeUnsignedCharToBuffer(cursor, channelCount);
    for (const QString &text :
         {serialNumber, buildVersion, channelSerialNumber, firmwareVersion, calibrationDate})
        SU::writeQStringToBuffer(cursor, text);
    return getSize();
}

int KovintaPacket::OpCodeRequest::readFromBuffer(unsigned char *buffer)
{
    unsigned char *cursor = buffer;
    reserved = SU::readUnsignedCharFromBuffer(cursor);
    packetID = SU::readUnsignedFromBuffer(cursor);
    channel = SU::readUnsignedCharFromBuffer(cursor);
    channelCount = SU::readUnsignedCharFromBuffer(cursor);
    for (QString *text :
         {&serialNumber, &buildVersion, &channelSerialNumber, &firmwareVersion, &calibrationDate})
        *text = SU::readQStringFromBuffer(cursor);
    return getSize();
}

int KovintaPacket::OpCodeMeta::writeToBuffer(unsigned char *buffer) const
{
    unsigned char *cursor = buffer;
    SU::writeUnsignedShortToBuffer(cursor, value);
    return getSize();
}

int KovintaPacket::OpCodeMeta::readFromBuffer(unsigned char *buffer)
{
    unsigned char *cursor = buffer;
    value = SU::readUnsignedShortFromBuffer(cursor);
    return getSize();
}

KovintaPacket::KovintaPacket() : m_frame(new unsigned char[Header::frameBufferSize]()) {}

KovintaPacket::~KovintaPacket() = default;

unsigned int KovintaPacket::getPacketID()
{
    return ++ms_packetID;
}

void KovintaPacket::resetPacketID()
{
    ms_packetID = 0;
}

quint16 KovintaPacket::build(unsigned int opcode, std::unique_ptr<OpCodeBase> body)
{
    std::memset(m_frame.get(), 0, Header::frameBufferSize);
    m_body = std::move(body);
    m_header.opcode = opcode;
    m_header.length = quint32(Header::getSize() + m_body->getSize());
    m_header.packetID = getPacketID();
    m_body->writeToBuffer(m_frame.get() + Header::bodyOffset);
    m_CRC = m_header.seal(m_frame.get());
    return m_CRC;
}

quint16 KovintaPacket::data(unsigned char channel, INFUSION_PUMP_TEST_DATA record)
{
    auto body = std::make_unique<OpCodeData>();
    body->channel = channel;
    body->record = record;
    return build(OPCODE_DATA, std::move(body));
}

quint16 KovintaPacket::alarm(unsigned char channel)
{
    return build(OPCODE_ALARM, std::make_unique<OpCodeAlarm>(channel));
}

quint16 KovintaPacket::stop(unsigned char channel)
{
    return build(OPCODE_STOP, std::make_unique<OpCodeStop>(channel));
}

quint16 KovintaPacket::confirm(unsigned char channel)
{
    return build(OPCODE_CONFIRM, std::make_unique<OpCodeConfirm>(channel));
}

quint16 KovintaPacket::requestPacket(unsigned char channel, unsigned int channelCount,
                                     QString serialNumber, QString buildVersion,
                                     QString channelSerialNumber, QString firmwareVersion,
                                     QString calibrationDate)
{
    auto body = std::make_unique<OpCodeRequest>();
    // The body repeats the reply's own ID, the one build() draws.
    body->packetID = getCurrentPacketID() + 1;
    body->channel = channel;
    body->channelCount = static_cast<unsigned char>(channelCount & 0xFF);
    body->serialNumber = serialNumber;
    body->buildVersion = buildVersion;
    body->channelSerialNumber = channelSerialNumber;
    body->firmwareVersion = firmwareVersion;
    body->calibrationDate = calibrationDate;
    return build(OPCODE_REQUEST, std::move(body));
}

quint16 KovintaPacket::requestRetry(unsigned int value32, unsigned char value8)
{
    auto body = std::make_unique<OpCodeRetry>();
    body->value32 = value32;
    body->value8 = value8;
    return build(OPCODE_RETRY, std::move(body));
}

quint16 KovintaPacket::meta()
{
    return build(OPCODE_META, std::make_unique<OpCodeMeta>());
}

QByteArray KovintaPacket::getFrame() const
{
    if (!m_body)
        return QByteArray();
    return QByteArray(reinterpret_cast<const char *>(m_frame.get()),
                      int(m_header.length) + Header::crcSize);
}

template <class Body> Body KovintaPacket::read(unsigned int opcode) const
{
    if (m_header.opcode != opcode || !m_body)
        throw m_exception;
    Body body;
    body.readFromBuffer(m_frame.get() + Header::bodyOffset);
    return body;
}

KovintaPacket::OpCodeData KovintaPacket::getData() const
{
    return read<OpCodeData>(OPCODE_DATA);
}

KovintaPacket::OpCodeAlarm KovintaPacket::getAlarm() const
{
    return read<OpCodeAlarm>(OPCODE_ALARM);
}

KovintaPacket::OpCodeStop KovintaPacket::getStop() const
{
    return read<OpCodeStop>(OPCODE_STOP);
}

KovintaPacket::OpCodeConfirm KovintaPacket::getConfirm() const
{
    return read<OpCodeConfirm>(OPCODE_CONFIRM);
}

KovintaPacket::OpCodeRequest KovintaPacket::getRequest() const
{
    return read<OpCodeRequest>(OPCODE_REQUEST);
}

KovintaPacket::OpCodeRetry KovintaPacket::getRetry() const
{
    return read<OpCodeRetry>(OPCODE_RETRY);
}
