#include "BtReplyParser.h"

#include <QList>

namespace {

using Step = BtReplyParser::Step;

Step emitPacket(QByteArray packet)
{
    return {Step::Emit, packet, BT_DEVICE()};
}

Step plain(Step::Kind kind)
{
    return {kind, QByteArray(), BT_DEVICE()};
}

// A packet of an event code and the link digit that starts a word; an empty word names
// no link, and the line then yields nothing.
bool linkPacket(BT_EVENT code, const QByteArray &word, QByteArray *packet)
{
    if (word.isEmpty())
        return false;
    *packet = QByteArray(1, char(code)) + word.at(0);
    return true;
}

BT_DEVICE namedDevice(const QList<QByteArray> &words)
{
    BT_DEVICE device;
    device.address = words.at(1);
    QByteArray name;
    for (int i = 2; i < words.size(); ++i) {
        if (i > 2)
            name.append(' ');
        name.append(words.at(i));
    }
    name.replace('"', QByteArray());
    name.replace('\n', ' ');
    name.replace('\r', ' ');
    device.name = name;
    return device;
}

// The phone's answer as the operator may see it: printable ASCII only, one line, short.
QByteArray shownAnswer(const QList<QByteArray> &words)
{
    const QByteArray answer = words.join(' ').trimmed();
    QByteArray shown;
    for (const char c : answer) {
        if (c >= 0x20 && c < 0x7F)
            shown.append(c);
    }
    // An answer of nothing printable is still a refusal, and is shown by its bytes.
    if (shown.trimmed().isEmpty())
        shown = answer.toHex();
    return shown.left(BtReplyParser::MaxAnswerShown);
}

} // namespace

QVector<BtReplyParser::Step> BtReplyParser::parse(const QByteArray &line,
                                                  const QByteArray &queriedAddress)
{
    QVector<Step> steps;
    const QList<QByteArray> words = line.split(' ');
    const QByteArray &w0 = words.at(0);
    const int n = words.size();
    QByteArray packet;

    if (w0.contains("READY")) {
        steps << plain(Step::Ready);
    } else if (w0.contains("CALL")) {
        if (n >= 2 && linkPacket(BT_EVENT_CALL, words.at(1), &packet))
            steps << emitPacket(packet);
    } else if (w0.contains("CONNECT")) {
        if (n >= 2 && linkPacket(BT_EVENT_CONNECT, words.at(1), &packet))
            steps << emitPacket(packet);
    } else if (w0.contains("NO")) {
        if (n >= 3 && words.at(1).contains("CARRIER")) {
            const bool failed =
                n >= 5 && words.at(3).contains("ERROR") && words.at(4).contains("311");
            if (linkPacket(failed ? BT_EVENT_CALL_FAILED : BT_EVENT_NO_CARRIER, words.at(2),
                           &packet))
                steps << plain(Step::AbandonPush) << emitPacket(packet);
        }
    } else if (w0.contains("INQUIRY_PARTIAL")) {
        steps << emitPacket(QByteArray(1, char(BT_EVENT_INQUIRY_PARTIAL)));
    } else if (w0.contains("INQUIRY")) {
        if (n == 2) {
            bool ok = false;
            int count = words.at(1).toInt(&ok);
            if (!ok)
                count = 10;
            steps << emitPacket(QByteArray(1, char(BT_EVENT_INQUIRY)) + char(count & 0xFF));
        }
    } else if (w0.contains("NAME")) {
        if (n >= 3) {
            if (words.at(1).contains("ERROR")) {
                steps << emitPacket(QByteArray(1, char(BT_EVENT_NAME_ERROR)));
            } else {
                Step add = plain(Step::AddDevice);
                add.device = namedDevice(words);
                steps << add << emitPacket(QByteArray(1, char(BT_EVENT_NAME)) + add.device.name);
            }
        }
    } else if (w0.contains("SDP")) {
        if (line.contains(queriedAddress) && !line.contains("ERROR"))
            steps << plain(Step::OppSupported) << emitPacket(QByteArray(1, char(BT_EVENT_SDP_OPP)));
    } else if (w0.contains("OBEX")) {
        if (n >= 3) {
            const QByteArray &w2 = words.at(2);
            const QByteArray answer = w2.trimmed();
            const bool send = w2.contains("SEND");
            const bool ready = w2.contains("READY");
            if (send)
                steps << plain(Step::SendFirstChunk)
                      << emitPacket(QByteArray(1, char(BT_EVENT_OBEX_SEND)));
            if (ready)
                steps << emitPacket(QByteArray(1, char(BT_EVENT_OBEX_READY)));
            if (answer == "OK")
                steps << plain(Step::PushFinished);
            else if (!send && !ready && !answer.isEmpty() && answer != "CONTINUE")
                steps << Step{Step::PushRefused, shownAnswer(words.mid(2)), BT_DEVICE()};
        }
    } else if (w0.contains("SYNTAX")) {
        if (n >= 2 && words.at(1).contains("ERROR"))
            steps << emitPacket(QByteArray(1, char(BT_EVENT_SYNTAX_ERROR)));
    } else if (w0.contains("WRAP")) {
        steps << emitPacket(QByteArray(1, char(BT_EVENT_WRAP)) + line);
    } else if (w0.contains("SET")) {
        if (n >= 4 && words.at(1).contains("BT")) {
            const QByteArray &w2 = words.at(2);
            if (w2.contains("BDADDR"))
                steps << emitPacket(QByteArray(1, char(BT_EVENT_BDADDR)) + words.at(3));
            if (w2.contains("NAME")) {
                QByteArray name = words.at(3);
                for (int i = 4; i < n; ++i)
                    name += ' ' + words.at(i);
                steps << emitPacket(QByteArray(1, char(BT_EVENT_BT_NAME)) + name);
            }
        }
    } else if (w0.contains("RING")) {
        if (n >= 5 && words.at(4).contains("OPP") &&
            linkPacket(BT_EVENT_RING_OPP, words.at(1), &packet))
            steps << emitPacket(packet);
    }
    return steps;
}
