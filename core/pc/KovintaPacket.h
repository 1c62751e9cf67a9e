#pragma once

#include "INFUSION_PUMP_TEST_DATA.h"
#include "PcByteWordBody.h"
#include "PcChannelBody.h"
#include "PcFrameHeader.h"
#include "PcOpCodeBase.h"

#include <QByteArray>
#include <QString>

#include <exception>
#include <memory>

// A frame from the instrument to the PC application: a channel's live record (Data),
// Alarm, Stop, Confirm, the instrument's identity (Request), and Retry and Meta, which
// nothing sends. Each reply is built in a packet of its own with the next reply ID and
// sent as getFrame(). The getters decode a built frame again; they throw
// KovintaPacketException when the opcode is not their own.
class KovintaPacket
{
public:
    using Header = PcFrameHeader;
    using OpCodeBase = PcOpCodeBase;

    enum Opcode : unsigned int {
        OPCODE_DATA = 1,
        OPCODE_ALARM = 3,
        OPCODE_STOP = 4,
        OPCODE_REQUEST = 5,
        OPCODE_CONFIRM = 6,
        OPCODE_RETRY = 7,
        OPCODE_META = 8
    };

    class KovintaPacketException : public std::exception
    {
    public:
        const char *what() const noexcept override { return "Kovinta Packet Exception"; }
    };

    // Zero-based channel, two reserved words (sent as 0) and the 87-byte record.
    class OpCodeData : public OpCodeBase
    {
    public:
        int writeToBuffer(unsigned char *buffer) const override;
        int readFromBuffer(unsigned char *buffer) override;
        int getSize() const override { return 96; }
        unsigned char channel = 0;
        unsigned int reserved1 = 0;
        unsigned int reserved2 = 0;
        INFUSION_PUMP_TEST_DATA record;
    };
    class OpCodeAlarm : public PcChannelBody
    {
        using PcChannelBody::PcChannelBody;
    };
    class OpCodeStop : public PcChannelBody
    {
        using PcChannelBody::PcChannelBody;
    };
    class OpCodeConfirm : public PcChannelBody
    {
        using PcChannelBody::PcChannelBody;
    };
    // The instrument's identity. Its declared size covers 29 reserved zero bytes after
    // the five texts.
    class OpCodeRequest : public OpCodeBase
    {
    public:
        int writeToBuffer(unsigned char *buffer) const override;
        int readFromBuffer(unsigned char *buffer) override;
        int getSize() const override { return 186; }
        unsigned char reserved = 0;
        unsigned int packetID = 0;
        unsigned char channel = 0; // one-based, as the PC asked
        unsigned char channelCount = 0;
        QString serialNumber;
        QString buildVersion;
        QString channelSerialNumber;
        QString firmwareVersion;
        QString calibrationDate;
    };
    class OpCodeRetry : public PcByteWordBody
    {
    };
    class OpCodeMeta : public OpCodeBase
    {
    public:
        int writeToBuffer(unsigned char *buffer) const override;
        int readFromBuffer(unsigned char *buffer) override;
        int getSize() const override { return 2; }
        unsigned short value = 0;
    };

    KovintaPacket();
    ~KovintaPacket();
    KovintaPacket(const KovintaPacket &) = delete;
    KovintaPacket &operator=(const KovintaPacket &) = delete;

    // Builders: each makes the whole frame with the next reply ID and returns its CRC.
    quint16 data(unsigned char channel, INFUSION_PUMP_TEST_DATA record);
    quint16 alarm(unsigned char channel);
    quint16 stop(unsigned char channel);
    quint16 confirm(unsigned char channel);
    quint16 requestPacket(unsigned char channel, unsigned int channelCount, QString serialNumber,
                          QString buildVersion, QString channelSerialNumber,
                          QString firmwareVersion, QString calibrationDate);
    quint16 requestRetry(unsigned int value32, unsigned char value8);
    quint16 meta();

    // The frame to send: length + 2 bytes of the frame buffer (empty before a builder).
    QByteArray getFrame() const;
    unsigned char *getDataPtr() { return m_frame.get(); }
    const Header &getHeader() const { return m_header; }
    unsigned int getPacketType() const { return m_header.opcode; }

    OpCodeData getData() const;
    OpCodeAlarm getAlarm() const;
    OpCodeStop getStop() const;
    OpCodeConfirm getConfirm() const;
    OpCodeRequest getRequest() const;
    OpCodeRetry getRetry() const;

    static quint16 calCRC(const unsigned char *data, int n) { return Header::calCRC(data, n); }
    static unsigned int getPacketID();
    static unsigned int getCurrentPacketID() { return ms_packetID; }
    static void resetPacketID();

private:
    template <class Body> Body read(unsigned int opcode) const;
    quint16 build(unsigned int opcode, std::unique_ptr<OpCodeBase> body);

    static unsigned int ms_packetID;

    KovintaPacketException m_exception;
    std::unique_ptr<unsigned char[]> m_frame;
    quint16 m_CRC = 0;
    Header m_header;
    std::unique_ptr<OpCodeBase> m_body;
};
