// Feeds arbitrary reply lines to the Bluetooth module's reply parser. Whatever comes in:
// no crash, and every packet it makes is one the service knows, with the shape of its
// event (a link digit where one belongs), and a refusal's answer fit to be shown.
#include "BtReplyParser.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray line(reinterpret_cast<const char *>(data), int(size));
    for (const BtReplyParser::Step &step : BtReplyParser::parse(line, "00:1e:e2:8b:33:02")) {
        if (step.kind == BtReplyParser::Step::AddDevice && step.device.name.contains('"'))
            std::abort();
        // A refusal's answer goes on the screen: short, printable, never empty.
        if (step.kind == BtReplyParser::Step::PushRefused) {
            const QByteArray &answer = step.packet;
            if (answer.isEmpty() || answer.size() > BtReplyParser::MaxAnswerShown)
                std::abort();
            for (const char c : answer) {
                if (c < 0x20 || c > 0x7E)
                    std::abort();
            }
        }
        if (step.kind != BtReplyParser::Step::Emit)
            continue;
        const QByteArray &p = step.packet;
        if (p.isEmpty())
            std::abort();
        switch (quint8(p.at(0))) {
        case BT_EVENT_CALL:
        case BT_EVENT_CONNECT:
        case BT_EVENT_NO_CARRIER:
        case BT_EVENT_CALL_FAILED:
        case BT_EVENT_RING_OPP:
        case BT_EVENT_INQUIRY:
            if (p.size() != 2)
                std::abort();
            break;
        case BT_EVENT_NAME_ERROR:
        case BT_EVENT_INQUIRY_PARTIAL:
        case BT_EVENT_SDP_OPP:
        case BT_EVENT_OBEX_SEND:
        case BT_EVENT_OBEX_READY:
        case BT_EVENT_SYNTAX_ERROR:
            if (p.size() != 1)
                std::abort();
            break;
        case BT_EVENT_NAME:
        case BT_EVENT_WRAP:
        case BT_EVENT_BDADDR:
        case BT_EVENT_BT_NAME:
            if (p.size() > line.size() + 1)
                std::abort();
            break;
        default:
            std::abort();
        }
    }
    return 0;
}
