#pragma once

#include "PcByteWordBody.h"
#include "PcChannelBody.h"
#include "PcFrameHeader.h"
#include "PcOpCodeBase.h"

#include <QByteArray>

#include <exception>
#include <memory>

// A request from the PC application: Poll, Start (with a flow, occlusion or PCA
// configuration), Stop, Alarm, RequestInfo or RequestPacket. The instrument hands each
// received frame over with setDataPtr() and decodes its body with the typed getters; the
// builders make every request frame (the PC's side of the link, and the tests').
//
// A getter throws DataPacketException when the frame's opcode (or a Start's test type)
// is not its own, or when the frame is too short for what it reads.
class DorvalenPacket
{
public:
    using Header = PcFrameHeader;
    using OpCodeBase = PcOpCodeBase;

    enum Opcode : unsigned int {
        OPCODE_POLL = 1,
        OPCODE_START = 2,
        OPCODE_STOP = 3,
        OPCODE_ALARM = 4,
        OPCODE_REQUEST_INFO = 5,
        OPCODE_REQUEST_PACKET = 6
    };
    enum TestType : unsigned int { TEST_FLOW = 0, TEST_OCCLUSION = 1, TEST_PCA = 2 };
    // Poll's record index that asks for the first record.
    static constexpr unsigned int firstRecordIndex = 0xFFFFFFFFu;

    class DataPacketException : public std::exception
    {
    public:
        const char *what() const noexcept override { return "Data Packet Exception"; }
    };

    // Channel 0-3 and record index.
    class OpCodePoll : public OpCodeBase
    {
    public:
        int writeToBuffer(unsigned char *buffer) const override;
        int readFromBuffer(unsigned char *buffer) override;
        int getSize() const override { return 5; }
        unsigned char channel = 0;
        unsigned int index = 0;
    };
    // Channel 1-4, test type and the size of the configuration that follows.
    class OpCodeStart : public OpCodeBase
    {
    public:
        int writeToBuffer(unsigned char *buffer) const override;
        int readFromBuffer(unsigned char *buffer) override;
        int getSize() const override { return 7; }
        unsigned char channel = 0;
        unsigned int testType = 0;
        unsigned short configSize = 0;
    };
    // Channel 1-4 (RequestInfo: as the PC sends it).
    class OpCodeStop : public PcChannelBody
    {
        using PcChannelBody::PcChannelBody;
    };
    class OpCodeAlarm : public PcChannelBody
    {
        using PcChannelBody::PcChannelBody;
    };
    class OpCodeRequestInfo : public PcChannelBody
    {
        using PcChannelBody::PcChannelBody;
    };
    // Two values the instrument does not use.
    class OpCodeRequestPacket : public PcByteWordBody
    {
    };

    // Start's configurations. On the wire the flow test time comes last.
    class DataConfigFlowRate : public OpCodeBase
    {
    public:
        int writeToBuffer(unsigned char *buffer) const override;
        int readFromBuffer(unsigned char *buffer) override;
        int getSize() const override { return 12; }
        unsigned int testTime = 0;     // s
        float flowRate = 0;            // not used by the instrument
        short backPressure = 0;        // mmHg
        unsigned short windowSize = 0; // s
    };
    class DataConfigOcclusion : public OpCodeBase
    {
    public:
        int writeToBuffer(unsigned char *buffer) const override;
        int readFromBuffer(unsigned char *buffer) override;
        int getSize() const override { return 1; }
        unsigned char pumpType = 0; // 0 manual, 1 auto reverse
    };
    class DataConfigPCA : public OpCodeBase
    {
    public:
        int writeToBuffer(unsigned char *buffer) const override;
        int readFromBuffer(unsigned char *buffer) override;
        int getSize() const override { return 14; }
        unsigned int testTime = 0; // s
        float basalFlowRate = 0;   // ml/h
        float bolusVolume = 0;     // ml
        short unused = 0;          // not used by the instrument
    };

    DorvalenPacket();
    ~DorvalenPacket();
    DorvalenPacket(const DorvalenPacket &) = delete;
    DorvalenPacket &operator=(const DorvalenPacket &) = delete;

    unsigned char *getDataPtr() { return m_frame.get(); }
    int getFrameSize() const { return m_frameSize; }
    // Takes over a received frame of size bytes (allocated with new[]) and reads its
    // header from it.
    void setDataPtr(unsigned char *data, int size);
    const Header &getHeader() const { return m_header; }

    unsigned int getPacketType() const { return m_header.opcode; }
    // Whether the frame carries the whole body of its opcode (and a Start's whole
    // configuration); false for an unknown opcode or test type. Reads what it checks with
    // the getters below.
    bool hasCompleteBody() const;

    // What a received header, before its body is there, says of the frame it begins. With
    // no start marker on the wire, this is how a receiver tells a request that is still
    // coming from garbage.
    enum class HeaderFit {
        // No request begins so: an opcode no request has, or a length below the header
        // and the opcode's body or beyond a frame buffer.
        None,
        // A request's opcode with a length that fits a frame buffer but is longer than
        // any request of that opcode: a frame all the same, though more likely a length
        // field gone wrong.
        Oversized,
        // A length that a request of the opcode has.
        Request
    };
    static HeaderFit headerFit(const Header &header);

    OpCodePoll getPoll() const;
    OpCodeStart getStart() const;
    OpCodeStop getStop() const;
    OpCodeAlarm getAlarm() const;
    OpCodeRequestInfo getRequestInfo() const;
    OpCodeRequestPacket getRequestPacket() const;
    unsigned int getTestType() const;
    DataConfigFlowRate getFlowRateDetails() const;
    DataConfigOcclusion getOcclusionDetails() const;
    DataConfigPCA getPCADetails() const;

    static quint16 calCRC(const unsigned char *data, int n) { return Header::calCRC(data, n); }
    static unsigned int getPacketID();
    static void resetPacketID();

    // Builders: each makes a whole frame in the frame buffer with the next request ID and
    // returns its CRC. The frame is getFrame().
    quint16 poll(unsigned int channel, unsigned int index = firstRecordIndex);
    quint16 startFlowRate(unsigned char channel, unsigned int testTime, float flowRate,
                          short backPressure, unsigned short windowSize);
    quint16 startOcclusion(unsigned char channel, unsigned char pumpType);
    quint16 startPCA(unsigned char channel, unsigned int testTime, float basalFlowRate,
                     float bolusVolume, short unused);
    quint16 stopTest(unsigned char channel);
    quint16 alarm(unsigned char channel);
    quint16 requestInfo(unsigned int channel);
    quint16 requestPacket(unsigned int value32, unsigned char value8);
    QByteArray getFrame() const;

private:
    template <class Body> Body read(unsigned int opcode, int offset = Header::bodyOffset) const;
    unsigned int startTestTypeOf(unsigned int wanted) const;
    quint16 build(unsigned int opcode, std::unique_ptr<OpCodeBase> body,
                  std::unique_ptr<OpCodeBase> configuration = {});
    quint16 buildStart(unsigned char channel, unsigned int testType,
                       std::unique_ptr<OpCodeBase> configuration);

    static unsigned int ms_packetID;

    DataPacketException m_exception;
    quint16 m_CRC = 0;
    Header m_header;
    std::unique_ptr<OpCodeBase> m_body;
    std::unique_ptr<OpCodeBase> m_configuration;
    std::unique_ptr<unsigned char[]> m_frame;
    int m_frameSize = 0;
};
