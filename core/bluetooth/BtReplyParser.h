#pragma once

#include "BT_DEVICE.h"

#include <QByteArray>
#include <QVector>

// Codes of the packets the module link hands to the Bluetooth service: 0 a data frame,
// 5..20 a reply line of the module.
enum BT_EVENT {
    BT_EVENT_DATA = 0,
    BT_EVENT_CALL = 5,
    BT_EVENT_CONNECT = 6,
    BT_EVENT_NO_CARRIER = 7,
    BT_EVENT_CALL_FAILED = 8,
    BT_EVENT_NAME = 9,
    BT_EVENT_NAME_ERROR = 10,
    BT_EVENT_INQUIRY = 11,
    BT_EVENT_INQUIRY_PARTIAL = 12,
    BT_EVENT_SDP_OPP = 13,
    BT_EVENT_OBEX_SEND = 14,
    BT_EVENT_OBEX_READY = 15,
    BT_EVENT_WRAP = 16,
    BT_EVENT_RING_OPP = 17,
    BT_EVENT_BDADDR = 18,
    BT_EVENT_BT_NAME = 19,
    BT_EVENT_SYNTAX_ERROR = 20,
};

// Reads one reply line of the Bluetooth module into the steps the module link takes for
// it, in the order it must take them. Words are split at every blank, empty words kept;
// the first test on word 0 that matches decides, and a test whose further conditions
// fail yields nothing. A line end stays on the last word.
//
// An OBEX line carries the phone's answer to the outgoing push in word 2: SEND, READY and
// CONTINUE let it go on, the word OK (that word alone) takes it, and any other answer
// refuses it.
class BtReplyParser
{
public:
    struct Step {
        enum Kind {
            Ready,          // the module has started
            AbandonPush,    // a link dropped: an outgoing push stops
            SendFirstChunk, // the module takes the outgoing push's data
            PushFinished,   // the phone took the outgoing push (OK to its final packet)
            PushRefused,    // the phone refused the outgoing push (its answer in packet)
            AddDevice,      // a device named during an inquiry (in device)
            OppSupported,   // the queried device offers object push
            Emit,           // a reply packet for the service (in packet)
        };
        Kind kind;
        QByteArray packet;
        BT_DEVICE device;
    };

    // queriedAddress: the address of the last service query or push, which an SDP reply
    // must name.
    // The longest answer of a refusal that is kept, to be shown to the operator.
    static constexpr int MaxAnswerShown = 40;

    static QVector<Step> parse(const QByteArray &line, const QByteArray &queriedAddress);
};
