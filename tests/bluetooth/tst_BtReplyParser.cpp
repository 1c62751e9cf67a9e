#include "BtReplyParser.h"
#include "TestRegistry.h"

#include <QTest>

namespace {

// The steps in a form a table can hold: "ready", "abandon", "first chunk", "finished",
// "refused <answer>",
// "device <address>|<name>", "opp", and emitted packets as hex.
QStringList render(const QVector<BtReplyParser::Step> &steps)
{
    QStringList out;
    for (const BtReplyParser::Step &s : steps) {
        switch (s.kind) {
        case BtReplyParser::Step::Ready:
            out << "ready";
            break;
        case BtReplyParser::Step::AbandonPush:
            out << "abandon";
            break;
        case BtReplyParser::Step::SendFirstChunk:
            out << "first chunk";
            break;
        case BtReplyParser::Step::PushFinished:
            out << "finished";
            break;
        case BtReplyParser::Step::PushRefused:
            out << "refused " + QString::fromLatin1(s.packet);
            break;
        case BtReplyParser::Step::AddDevice:
            out << "device " + QString::fromLatin1(s.device.address + '|' + s.device.name);
            break;
        case BtReplyParser::Step::OppSupported:
            out << "opp";
            break;
        case BtReplyParser::Step::Emit:
            out << QString::fromLatin1(s.packet.toHex(' '));
            break;
        }
    }
    return out;
}

} // namespace

class TestBtReplyParser : public QObject
{
    Q_OBJECT
private slots:
    void parse_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QStringList>("steps");
        QTest::newRow("ready") << QByteArray("READY.") << QStringList{"ready"};
        QTest::newRow("ready with line end") << QByteArray("READY.\r\n") << QStringList{"ready"};
        QTest::newRow("call") << QByteArray("CALL 0") << QStringList{"05 30"};
        QTest::newRow("call alone") << QByteArray("CALL") << QStringList{};
        QTest::newRow("call with an empty link word") << QByteArray("CALL  0") << QStringList{};
        QTest::newRow("connect") << QByteArray("CONNECT 2 RFCOMM 1") << QStringList{"06 32"};
        QTest::newRow("no carrier")
            << QByteArray("NO CARRIER 1 ERROR 0") << QStringList{"abandon", "07 31"};
        QTest::newRow("call failed")
            << QByteArray("NO CARRIER 1 ERROR 311") << QStringList{"abandon", "08 31"};
        QTest::newRow("call failed, text after")
            << QByteArray("NO CARRIER 1 ERROR 311 L2CAP_CONNECTION_FAILED")
            << QStringList{"abandon", "08 31"};
        QTest::newRow("no carrier alone") << QByteArray("NO CARRIER") << QStringList{};
        QTest::newRow("NO without CARRIER") << QByteArray("NO SUCH 1") << QStringList{};
        QTest::newRow("partial inquiry")
            << QByteArray("INQUIRY_PARTIAL 00:1c:97:10:44:01 5a020c") << QStringList{"0c"};
        QTest::newRow("inquiry count") << QByteArray("INQUIRY 3") << QStringList{"0b 03"};
        QTest::newRow("inquiry count with line end")
            << QByteArray("INQUIRY 3\r\n") << QStringList{"0b 03"};
        QTest::newRow("inquiry, not a number") << QByteArray("INQUIRY x") << QStringList{"0b 0a"};
        QTest::newRow("inquiry of a device")
            << QByteArray("INQUIRY 00:1c:97:10:44:01 5a020c") << QStringList{};
        QTest::newRow("name") << QByteArray("NAME 00:1c:97:10:44:01 \"Scanner one\"")
                              << QStringList{"device 00:1c:97:10:44:01|Scanner one",
                                             "09 " + QString::fromLatin1(
                                                         QByteArray("Scanner one").toHex(' '))};
        QTest::newRow("name with line end")
            << QByteArray("NAME 00:1c:97:10:44:01 \"A\"\r\n")
            << QStringList{"device 00:1c:97:10:44:01|A  ", "09 41 20 20"};
        QTest::newRow("name error")
            << QByteArray("NAME ERROR 0x104 00:1c:97:10:44:01") << QStringList{"0a"};
        QTest::newRow("name, too few words")
            << QByteArray("NAME 00:1c:97:10:44:01") << QStringList{};
        QTest::newRow("service query answer")
            << QByteArray("SDP 00:1e:e2:8b:33:02 < I SERVICENAME >") << QStringList{"opp", "0d"};
        QTest::newRow("service query of another device")
            << QByteArray("SDP 00:24:7e:d0:12:03 < I >") << QStringList{};
        QTest::newRow("service query error")
            << QByteArray("SDP 00:1e:e2:8b:33:02 ERROR") << QStringList{};
        QTest::newRow("obex send") << QByteArray("OBEX 0 SEND") << QStringList{"first chunk", "0e"};
        QTest::newRow("obex ready") << QByteArray("OBEX 0 READY") << QStringList{"0f"};
        QTest::newRow("obex ok") << QByteArray("OBEX 0 OK") << QStringList{"finished"};
        QTest::newRow("obex ok with line end") << QByteArray("OBEX 0 OK\r\n") << QStringList{"finished"};
        // Only the word OK takes the push; the phone's other answers refuse it, and its
        // Continue lets it go on.
        QTest::newRow("obex continue") << QByteArray("OBEX 0 CONTINUE") << QStringList{};
        QTest::newRow("obex forbidden")
            << QByteArray("OBEX 0 FORBIDDEN\r\n") << QStringList{"refused FORBIDDEN"};
        QTest::newRow("obex not acceptable")
            << QByteArray("OBEX 1 NOT_ACCEPTABLE") << QStringList{"refused NOT_ACCEPTABLE"};
        QTest::newRow("obex error with its code")
            << QByteArray("OBEX 0 ERROR 0xC3") << QStringList{"refused ERROR 0xC3"};
        QTest::newRow("OK inside another word")
            << QByteArray("OBEX 0 NOT_OK") << QStringList{"refused NOT_OK"};
        QTest::newRow("a long answer is cut, unprintables dropped")
            << QByteArray("OBEX 0 E\x01" + QByteArray(60, 'x'))
            << QStringList{"refused E" + QString(39, QLatin1Char('x'))};
        QTest::newRow("an answer of nothing printable is shown by its bytes")
            << QByteArray("OBEX 0 \xd0\x01 \x7f") << QStringList{"refused d001207f"};
        QTest::newRow("obex empty answer") << QByteArray("OBEX 0 ") << QStringList{};
        QTest::newRow("obex short") << QByteArray("OBEX 0") << QStringList{};
        QTest::newRow("syntax error") << QByteArray("SYNTAX ERROR") << QStringList{"14"};
        QTest::newRow("syntax alone") << QByteArray("SYNTAX") << QStringList{};
        QTest::newRow("banner, exactly as received")
            << QByteArray("WRAP SIM 2.4  build 7\r\n")
            << QStringList{"10 " +
                           QString::fromLatin1(QByteArray("WRAP SIM 2.4  build 7\r\n").toHex(' '))};
        QTest::newRow("address")
            << QByteArray("SET BT BDADDR 00:07:80:4e:21:9a")
            << QStringList{"12 " + QString::fromLatin1(QByteArray("00:07:80:4e:21:9a").toHex(' '))};
        QTest::newRow("module name")
            << QByteArray("SET BT NAME Pexon Kovinta (A)")
            << QStringList{"13 " + QString::fromLatin1(QByteArray("Pexon Kovinta (A)").toHex(' '))};
        QTest::newRow("pin setting") << QByteArray("SET BT AUTH * 8146") << QStringList{};
        QTest::newRow("set alone") << QByteArray("SET") << QStringList{};
        QTest::newRow("ring for a push")
            << QByteArray("RING 0 00:1e:e2:8b:33:02 4 OPP") << QStringList{"11 30"};
        QTest::newRow("ring for a serial link")
            << QByteArray("RING 0 00:1e:e2:8b:33:02 1 RFCOMM") << QStringList{};
        QTest::newRow("unknown") << QByteArray("HELLO 1 2") << QStringList{};
        QTest::newRow("empty") << QByteArray() << QStringList{};
        // The tests run in order: a word holding INQUIRY_PARTIAL and NAME is a partial inquiry.
        QTest::newRow("first test decides")
            << QByteArray("INQUIRY_PARTIALNAME x y") << QStringList{"0c"};
    }
    void parse()
    {
        QFETCH(QByteArray, line);
        QFETCH(QStringList, steps);
        QCOMPARE(render(BtReplyParser::parse(line, "00:1e:e2:8b:33:02")), steps);
    }
};

RONDIX_TEST(TestBtReplyParser)
#include "tst_BtReplyParser.moc"
