#include "DorvalenPacket.h"

#include "SerialUtilities.h"

#include <algorithm>
#include <cstring>
#include <iterator>

unsigned int DorvalenPacket::ms_packetID = 0;

using SU = SerialUtilities;

int DorvalenPacket::OpCodePoll::writeToBuffer(unsigned char *buffer) const
{
    unsigned char *cursor = buffer;
    SU::writeUnsignedCharToBuffer(cursor, channel);
    SU::writeUnsignedToBuffer(cursor, index);
    return getSize();
}

int DorvalenPacket::OpCodePoll::readFromBuffer(unsigned char *buffer)
{
    unsigned char *cursor = buffer;
    channel = SU::readUnsignedCharFromBuffer(cursor);
    index = SU::readUnsignedFromBuffer(cursor);
    return getSize();
}

int DorvalenPacket::OpCodeStart::writeToBuffer(unsigned char *buffer) const
{
    unsigned char *cursor = buffer;
    SU::writeUnsignedCharToBuffer(cursor, channel);
    SU::writeUnsignedToBuffer(cursor, testType);
    SU::writeUnsignedShortToBuffer(cursor, configSize);
    return getSize();
}

int DorvalenPacket::OpCodeStart::readFromBuffer(unsigned char *buffer)
{
    unsigned char *cursor = buffer;
    channel = SU::readUnsignedCharFromBuffer(cursor);
    testType = SU::readUnsignedFromBuffer(cursor);
    configSize = SU::readUnsignedShortFromBuffer(cursor);
    return getSize();
}

int DorvalenPacket::DataConfigFlowRate::writeToBuffer(unsigned char *buffer) const
{
    unsigned char *cursor = buffer;
    SU::writeFloatToBuffer(cursor, flowRate);
    SU::writeSignedShortToBuffer(cursor, backPressure);
    SU::writeUnsignedShortToBuffer(cursor, windowSize);
    SU::writeUnsignedToBuffer(cursor, testTime);
    return getSize();
}

int DorvalenPacket::DataConfigFlowRate::readFromBuffer(unsigned char *buffer)
{
    unsigned char *cursor = buffer;
    flowRate = SU::readFloatFromBuffer(cursor);
    backPressure = SU::readSignedShortFromBuffer(cursor);
    windowSize = SU::readUnsignedShortFromBuffer(cursor);
    testTime = SU::readUnsignedFromBuffer(cursor);
    return getSize();
}

int DorvalenPacket::DataConfigOcclusion::writeToBuffer(unsigned char *buffer) const
{
    buffer[0] = pumpType;
    return getSize();
}

int DorvalenPacket::DataConfigOcclusion::readFromBuffer(unsigned char *buffer)
{
    pumpType = buffer[0];
    return getSize();
}

int DorvalenPacket::DataConfigPCA::writeToBuffer(unsigned char *buffer) const
{
    unsigned char *cursor = buffer;
    SU::writeUnsignedToBuffer(cursor, testTime);
    SU::writeFloatToBuffer(cursor, basalFlowRate);
    SU::writeFloatToBuffer(cursor, bolusVolume);
    SU::writeSignedShortToBuffer(cursor, unused);
    return getSize();
}

int DorvalenPacket::DataConfigPCA::readFromBuffer(unsigned char *buffer)
{
    unsigned char *cursor = buffer;
    testTime = SU::readUnsignedFromBuffer(cursor);
    basalFlowRate = SU::readFloatFromBuffer(cursor);
    bolusVolume = SU::readFloatFromBuffer(cursor);
    unused = SU::readSignedShortFromBuffer(cursor);
    return getSize();
}

DorvalenPacket::DorvalenPacket()
    : m_frame(new unsigned char[Header::frameBufferSize]()), m_frameSize(Header::frameBufferSize)
{
}

DorvalenPacket::~DorvalenPacket() = default;

void DorvalenPacket::setDataPtr(unsigned char *data, int size)
{
    m_frame.reset(data);
    m_frameSize = data ? qMax(0, size) : 0;
    m_header = Header();
    if (m_frameSize >= Header::bodyOffset)
        m_header.readFromBuffer(m_frame.get() + Header::headerOffset);
}

// A body read from the frame: only when the opcode is the body's own and the frame (as
// its header and its buffer both bound it) holds every byte the body reads.
template <class Body> Body DorvalenPacket::read(unsigned int opcode, int offset) const
{
    Body body;
    const qint64 frameSize = qMin<qint64>(m_frameSize, qint64(m_header.length) + Header::crcSize);
    if (m_header.opcode != opcode || frameSize < offset + body.getSize())
        throw m_exception;
    body.readFromBuffer(m_frame.get() + offset);
    return body;
}

DorvalenPacket::OpCodePoll DorvalenPacket::getPoll() const
{
    return read<OpCodePoll>(OPCODE_POLL);
}

DorvalenPacket::OpCodeStart DorvalenPacket::getStart() const
{
    return read<OpCodeStart>(OPCODE_START);
}

DorvalenPacket::OpCodeStop DorvalenPacket::getStop() const
{
    return read<OpCodeStop>(OPCODE_STOP);
}

DorvalenPacket::OpCodeAlarm DorvalenPacket::getAlarm() const
{
    return read<OpCodeAlarm>(OPCODE_ALARM);
}

DorvalenPacket::OpCodeRequestInfo DorvalenPacket::getRequestInfo() const
{
    return read<OpCodeRequestInfo>(OPCODE_REQUEST_INFO);
}

DorvalenPacket::OpCodeRequestPacket DorvalenPacket::getRequestPacket() const
{
    return read<OpCodeRequestPacket>(OPCODE_REQUEST_PACKET);
}

unsigned int DorvalenPacket::getTestType() const
{
    return getStart().testType;
}

unsigned int DorvalenPacket::startTestTypeOf(unsigned int wanted) const
{
    if (getTestType() != wanted)
        throw m_exception;
    return Header::bodyOffset + OpCodeStart().getSize();
}

DorvalenPacket::DataConfigFlowRate DorvalenPacket::getFlowRateDetails() const
{
    return read<DataConfigFlowRate>(OPCODE_START, int(startTestTypeOf(TEST_FLOW)));
}

DorvalenPacket::DataConfigOcclusion DorvalenPacket::getOcclusionDetails() const
{
    return read<DataConfigOcclusion>(OPCODE_START, int(startTestTypeOf(TEST_OCCLUSION)));
}

DorvalenPacket::DataConfigPCA DorvalenPacket::getPCADetails() const
{
    return read<DataConfigPCA>(OPCODE_START, int(startTestTypeOf(TEST_PCA)));
}

bool DorvalenPacket::hasCompleteBody() const
{
    try {
        switch (getPacketType()) {
        case OPCODE_POLL:
            getPoll();
            return true;
        case OPCODE_START:
            switch (getTestType()) {
            case TEST_FLOW:
                getFlowRateDetails();
                return true;
            case TEST_OCCLUSION:
                getOcclusionDetails();
                return true;
            case TEST_PCA:
                getPCADetails();
                return true;
            default:
                return false;
            }
        case OPCODE_STOP:
            getStop();
            return true;
        case OPCODE_ALARM:
            getAlarm();
            return true;
        case OPCODE_REQUEST_INFO:
            getRequestInfo();
            return true;
        case OPCODE_REQUEST_PACKET:
            getRequestPacket();
            return true;
        default:
            return false;
        }
    } catch (const DataPacketException &) {
        return false;
    }
}

DorvalenPacket::HeaderFit DorvalenPacket::headerFit(const Header &header)
{
    // The fewest and the most body bytes a request of the opcode carries, as the getters
    // read them: a Start's configuration depends on its test type.
    int fewest = 0, most = 0;
    switch (header.opcode) {
    case OPCODE_POLL:
        fewest = most = OpCodePoll().getSize();
        break;
    case OPCODE_START: {
        const int configurations[] = {DataConfigFlowRate().getSize(),
                                      DataConfigOcclusion().getSize(), DataConfigPCA().getSize()};
        fewest = OpCodeStart().getSize() +
                 *std::min_element(std::begin(configurations), std::end(configurations));
        most = OpCodeStart().getSize() +
               *std::max_element(std::begin(configurations), std::end(configurations));
        break;
    }
    case OPCODE_STOP:
        fewest = most = OpCodeStop().getSize();
        break;
    case OPCODE_ALARM:
        fewest = most = OpCodeAlarm().getSize();
        break;
    case OPCODE_REQUEST_INFO:
        fewest = most = OpCodeRequestInfo().getSize();
        break;
    case OPCODE_REQUEST_PACKET:
        fewest = most = OpCodeRequestPacket().getSize();
        break;
    default:
        return HeaderFit::None;
    }
    const quint32 length = header.length;
    if (length < Header::minLength + quint32(fewest) || length > Header::maxLength)
        return HeaderFit::None;
    return length <= Header::minLength + quint32(most) ? HeaderFit::Request : HeaderFit::Oversized;
}

unsigned int DorvalenPacket::getPacketID()
{
    return ++ms_packetID;
}

void DorvalenPacket::resetPacketID()
{
    ms_packetID = 0;
}

quint16 DorvalenPacket::build(unsigned int opcode, std::unique_ptr<OpCodeBase> body,
                              std::unique_ptr<OpCodeBase> configuration)
{
    if (m_frameSize < Header::frameBufferSize) {
        m_frame.reset(new unsigned char[Header::frameBufferSize]());
        m_frameSize = Header::frameBufferSize;
    }
    std::memset(m_frame.get(), 0, size_t(m_frameSize));
    m_body = std::move(body);
    m_configuration = std::move(configuration);
    m_header.opcode = opcode;
    m_header.length = quint32(Header::getSize() + m_body->getSize() +
                              (m_configuration ? m_configuration->getSize() : 0));
    m_header.packetID = getPacketID();
    unsigned char *at = m_frame.get() + Header::bodyOffset;
    at += m_body->writeToBuffer(at);
    if (m_configuration)
        m_configuration->writeToBuffer(at);
    m_CRC = m_header.seal(m_frame.get());
    return m_CRC;
}

quint16 DorvalenPacket::buildStart(unsigned char channel, unsigned int testType,
                                   std::unique_ptr<OpCodeBase> configuration)
{
    auto start = std::make_unique<OpCodeStart>();
    start->channel = channel;
    start->testType = testType;
    start->configSize = static_cast<unsigned short>(configuration->getSize());
    return build(OPCODE_START, std::move(start), std::move(configuration));
}

quint16 DorvalenPacket::poll(unsigned int channel, unsigned int index)
{
    auto body = std::make_unique<OpCodePoll>();
    body->channel = static_cast<unsigned char>(channel);
    body->index = index;
    return build(OPCODE_POLL, std::move(body));
}

quint16 DorvalenPacket::startFlowRate(unsigned char channel, unsigned int testTime, float flowRate,
                                      short backPressure, unsigned short windowSize)
{
    auto config = std::make_unique<DataConfigFlowRate>();
    config->testTime = testTime;
    config->flowRate = flowRate;
    config->backPressure = backPressure;
    config->windowSize = windowSize;
    return buildStart(channel, TEST_FLOW, std::move(config));
}

quint16 DorvalenPacket::startOcclusion(unsigned char channel, unsigned char pumpType)
{
    auto config = std::make_unique<DataConfigOcclusion>();
    config->pumpType = pumpType;
    return buildStart(channel, TEST_OCCLUSION, std::move(config));
}

quint16 DorvalenPacket::startPCA(unsigned char channel, unsigned int testTime, float basalFlowRate,
                                 float bolusVolume, short unused)
{
    auto config = std::make_unique<DataConfigPCA>();
    config->testTime = testTime;
    config->basalFlowRate = basalFlowRate;
    config->bolusVolume = bolusVolume;
    config->unused = unused;
    return buildStart(channel, TEST_PCA, std::move(config));
}

quint16 DorvalenPacket::stopTest(unsigned char channel)
{
    return build(OPCODE_STOP, std::make_unique<OpCodeStop>(channel));
}

quint16 DorvalenPacket::alarm(unsigned char channel)
{
    return build(OPCODE_ALARM, std::make_unique<OpCodeAlarm>(channel));
}

quint16 DorvalenPacket::requestInfo(unsigned int channel)
{
    return build(OPCODE_REQUEST_INFO,
                 std::make_unique<OpCodeRequestInfo>(static_cast<unsigned char>(channel)));
}

quint16 DorvalenPacket::requestPacket(unsigned int value32, unsigned char value8)
{
    auto body = std::make_unique<OpCodeRequestPacket>();
    body->value32 = value32;
    body->value8 = value8;
    return build(OPCODE_REQUEST_PACKET, std::move(body));
}

QByteArray DorvalenPacket::getFrame() const
{
    const int size = int(qMin<qint64>(m_frameSize, qint64(m_header.length) + Header::crcSize));
    return QByteArray(reinterpret_cast<const char *>(m_frame.get()), qMax(0, size));
}
