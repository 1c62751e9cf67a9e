#include "PowerBoardManager.h"
#include "PtyPair.h"
#include "TempRoot.h"
#include "TestRegistry.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <memory>

namespace {

QByteArray hex(const char *text)
{
    return QByteArray::fromHex(text);
}

QByteArray repeated(int count, char byte)
{
    return QByteArray(count, byte);
}

// The link with its queue reachable, as the board manager reaches it.
class Link : public PowerBoardManager
{
public:
    using PowerBoardManager::PowerBoardManager;
    void queue(const QByteArray &command) { m_tx_queue.enqueue(command); }
};

// A far end on a pseudo-terminal at the board's device path, and the link on it.
// Unless a test is about timeouts, the retransmission timer is slowed down so that a
// stalled machine cannot slip an extra transmission into an exchange.
struct Line
{
    TempRoot root;
    PtyPair far;
    std::unique_ptr<Link> link;
    std::unique_ptr<QSignalSpy> complete, failed, packets;

    explicit Line(bool realTimeouts = false)
    {
        far.open(root.path("/dev/ttyAPP1"));
        link.reset(new Link("/dev/ttyAPP1"));
        if (!realTimeouts)
            link->findChild<QTimer *>()->setInterval(600000);
        complete.reset(new QSignalSpy(link.get(), &PowerBoardManager::txComplete));
        failed.reset(new QSignalSpy(link.get(), &PowerBoardManager::txFailed));
        packets.reset(new QSignalSpy(link.get(), &PowerBoardManager::packetReceived));
    }
    // Takes what the link wrote, once at least count bytes are there.
    QByteArray take(int count)
    {
        far.waitForBytes(count, 5000);
        return far.takeReceived();
    }
    QByteArray packet(int i) const { return packets->at(i).at(0).toByteArray(); }
};

// A data frame from the far end with sequence number 5 and payload "T1", its
// acknowledgement, and what the link delivers for it.
const char *const kFrameT1 = "02 05 7F F2 00 54 31 8D 00 03";
const char *const kAckT1 = "02 06 05 03";
const char *const kPacketT1 = "05 02 00 54 31 8D 00";

} // namespace

class TestPowerBoardManager : public QObject
{
    Q_OBJECT
private slots:
    void framesOnTheLine_data()
    {
        QTest::addColumn<QByteArray>("command");
        QTest::addColumn<int>("sequence");
        QTest::addColumn<QByteArray>("line");
        // Checksum 1 + 4 + 2 + 0 + 0x49 + 0x34 = 0x84; the length byte 02 is escaped.
        QTest::newRow("I4") << QByteArray("I4") << 4 << hex("02 04 7F F2 00 49 34 84 00 03");
        QTest::newRow("I4, sequence 5") << QByteArray("I4") << 5 << hex("02 05 7F F2 00 49 34 85 00 03");
        QTest::newRow("empty") << QByteArray() << 4 << hex("02 04 00 00 05 00 03");
        // Length 03 and the payload's 7F 02 03 each become a pair; the escape byte is
        // doubled first, so the pairs are not escaped again.
        QTest::newRow("escapes") << hex("7F 02 03") << 4
                                 << hex("02 04 7F F3 00 7F 7F 7F F2 7F F3 8C 00 03");
        // 1 + 4 + 1 + 0x79 = 0x7F: the checksum is escaped too.
        QTest::newRow("escaped checksum") << QByteArray("y") << 4 << hex("02 04 01 00 79 7F 7F 00 03");
        // 1 + 126 + 0x58 + 0x02 + 600 * 0xFF = 153217, which is 0x5681 modulo 65536.
        QTest::newRow("600 bytes, sequence 126")
            << repeated(600, '\xFF') << 126
            << hex("02 7E 58 7F F2") + repeated(600, '\xFF') + hex("81 56 03");
    }
    void framesOnTheLine()
    {
        QFETCH(QByteArray, command);
        QFETCH(int, sequence);
        QFETCH(QByteArray, line);
        QCOMPARE(PowerBoardManager::packetiseMessageBuffer(command, quint8(sequence)).toHex(' '),
                 line.toHex(' '));
    }

    void unescaping_data()
    {
        QTest::addColumn<QByteArray>("escaped");
        QTest::addColumn<QByteArray>("plain");
        QTest::newRow("pairs") << hex("41 7F F2 7F F3 7F 7F 42") << hex("41 02 03 7F 42");
        QTest::newRow("escape before other byte stays") << hex("7F 41") << hex("7F 41");
        QTest::newRow("escape at the end stays") << hex("41 7F") << hex("41 7F");
        QTest::newRow("scan resumes after the pair") << hex("7F 7F F2") << hex("7F F2");
    }
    void unescaping()
    {
        QFETCH(QByteArray, escaped);
        QFETCH(QByteArray, plain);
        QCOMPARE(PowerBoardManager::unescapeMessageBuffer(escaped).toHex(' '), plain.toHex(' '));
    }

    void everyByteSurvivesEscaping()
    {
        QByteArray all;
        for (int i = 0; i < 256; ++i)
            all.append(char(i));
        all += hex("7F F2 7F F3 7F 7F 02 7F");
        const QByteArray escaped = PowerBoardManager::escapeMessageBuffer(all);
        QVERIFY(!escaped.contains('\x02'));
        QVERIFY(!escaped.contains('\x03'));
        QCOMPARE(PowerBoardManager::unescapeMessageBuffer(escaped), all);
    }

    void commandIsAcknowledgedAndQueueRuns()
    {
        Line line;
        line.link->queue("I4");
        line.link->queue("I4");
        line.link->sendNextCommand();
        QCOMPARE(line.take(10).toHex(' '), hex("02 04 7F F2 00 49 34 84 00 03").toHex(' '));
        // An acknowledgement of another frame changes nothing.
        line.far.write(hex("02 06 09 03"));
        line.far.write(hex("02 06 04 03"));
        QCOMPARE(line.take(10).toHex(' '), hex("02 05 7F F2 00 49 34 85 00 03").toHex(' '));
        QCOMPARE(line.complete->count(), 0);
        line.far.write(hex("02 06 05 03"));
        QTRY_COMPARE_WITH_TIMEOUT(line.complete->count(), 1, 5000);
        QCOMPARE(line.failed->count(), 0);
        QCOMPARE(line.far.received(), QByteArray());
    }

    void sequenceWrapsFrom126To4()
    {
        Line line;
        for (int sequence = 4; sequence <= 126; ++sequence) {
            line.link->sendPowerBoardCommand("X");
            const QByteArray frame = line.take(8);
            QCOMPARE(int(quint8(frame.at(1))), sequence);
            line.far.write(PowerBoardManager::acknowledgement(PowerBoardManager::ACK, quint8(sequence)));
            QTRY_COMPARE_WITH_TIMEOUT(line.complete->count(), sequence - 3, 5000);
        }
        line.link->sendPowerBoardCommand("I4");
        QCOMPARE(line.take(10).toHex(' '), hex("02 04 7F F2 00 49 34 84 00 03").toHex(' '));
    }

    void silenceMeansFiveTransmissionsThenFailure()
    {
        Line line(true);
        line.link->queue("I4");
        line.link->queue("I5");
        QElapsedTimer clock;
        clock.start();
        line.link->sendNextCommand();
        QTRY_COMPARE_WITH_TIMEOUT(line.failed->count(), 1, 10000);
        // Four waits of 200 ms before the fifth transmission and one after it.
        QVERIFY(clock.elapsed() >= 4 * 200);
        QTest::qWait(600);
        QCOMPARE(line.failed->count(), 1);
        QCOMPARE(line.far.takeReceived().toHex(' '),
                 hex("02 04 7F F2 00 49 34 84 00 03").repeated(5).toHex(' '));
        QCOMPARE(line.complete->count(), 0);

        line.link->findChild<QTimer *>()->setInterval(600000);
        // The queue went with the failure, and a late ACK of the given-up frame does not
        // complete anything; the next command keeps the sequence number.
        line.far.write(hex("02 06 04 03"));
        line.far.write(hex(kFrameT1));
        QCOMPARE(line.take(4).toHex(' '), hex(kAckT1).toHex(' '));
        QCOMPARE(line.complete->count(), 0);
        line.link->sendPowerBoardCommand("I4");
        QCOMPARE(line.take(10).toHex(' '), hex("02 04 7F F2 00 49 34 84 00 03").toHex(' '));
    }

    void nakResendsTheSameFrame()
    {
        Line line;
        line.link->queue("I4");
        line.link->queue("I5");
        line.link->sendNextCommand();
        const QByteArray frame = hex("02 04 7F F2 00 49 34 84 00 03");
        QCOMPARE(line.take(10), frame);
        for (int nak = 1; nak <= 4; ++nak) {
            line.far.write(hex("02 15 04 03"));
            QCOMPARE(line.take(10), frame);
        }
        QCOMPARE(line.failed->count(), 0);
        line.far.write(hex("02 15 04 03"));
        QTRY_COMPARE_WITH_TIMEOUT(line.failed->count(), 1, 5000);
        // Nothing more goes out: not the frame, not the rest of the queue.
        line.far.write(hex(kFrameT1));
        QCOMPARE(line.take(4).toHex(' '), hex(kAckT1).toHex(' '));
    }

    // Only the acknowledgement of the frame that is out ends its retries: a far end that
    // answers NAK and then acknowledges some other number cannot keep it going.
    void onlyTheMatchingAckResetsTheRetries()
    {
        Line line;
        line.link->queue("I4");
        line.link->queue("I4");
        line.link->sendNextCommand();
        const QByteArray first = hex("02 04 7F F2 00 49 34 84 00 03");
        const QByteArray second = hex("02 05 7F F2 00 49 34 85 00 03");
        QCOMPARE(line.take(10), first);
        for (int nak = 1; nak <= 4; ++nak) {
            line.far.write(hex("02 15 04 03"));
            QCOMPARE(line.take(10), first);
        }
        line.far.write(hex("02 06 04 03"));
        QCOMPARE(line.take(10), second);
        // The next frame has all its transmissions again, and a stray ACK gives none back.
        for (int nak = 1; nak <= 4; ++nak) {
            line.far.write(hex("02 15 05 03") + hex("02 06 04 03"));
            QCOMPARE(line.take(10), second);
        }
        QCOMPARE(line.failed->count(), 0);
        line.far.write(hex("02 15 05 03") + hex("02 06 04 03"));
        QTRY_COMPARE_WITH_TIMEOUT(line.failed->count(), 1, 5000);
        line.far.write(hex(kFrameT1));
        QCOMPARE(line.take(4).toHex(' '), hex(kAckT1).toHex(' '));
        QCOMPARE(line.complete->count(), 0);
    }

    void nakWithNothingOutIsIgnored()
    {
        Line line;
        line.link->sendPowerBoardCommand("I4");
        line.take(10);
        line.far.write(hex("02 06 04 03"));
        QTRY_COMPARE_WITH_TIMEOUT(line.complete->count(), 1, 5000);
        for (int i = 0; i < 6; ++i)
            line.far.write(hex("02 15 04 03"));
        line.far.write(hex(kFrameT1));
        QCOMPARE(line.take(4).toHex(' '), hex(kAckT1).toHex(' '));
        QCOMPARE(line.failed->count(), 0);
    }

    void receivedFrames_data()
    {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<QByteArray>("packet");
        const QByteArray nak = hex("02 15 04 03");
        QTest::newRow("good") << hex(kFrameT1) << hex(kAckT1) << hex(kPacketT1);
        QTest::newRow("escaped payload restored")
            << hex("02 09 7F F3 00 7F 7F 7F F2 7F F3 91 00 03") << hex("02 06 09 03")
            << hex("09 03 00 7F 02 03 91 00");
        QTest::newRow("wrong checksum") << hex("02 05 7F F2 00 54 31 8E 00 03") << nak << QByteArray();
        // Sequence number 3 is an ETX: the frame ends empty.
        QTest::newRow("sequence 3") << hex("02 03 01 00 41 46 00 03") << nak << QByteArray();
        QTest::newRow("sequence 127") << hex("02 7F 01 00 41 C2 00 03") << nak << QByteArray();
        QTest::newRow("empty frame") << hex("02 03") << nak << QByteArray();
        QTest::newRow("sequence only") << hex("02 05 03") << nak << QByteArray();
        QTest::newRow("length beyond the frame") << hex("02 05 05 00 54 31 8D 00 03") << nak << QByteArray();
        QTest::newRow("no checksum") << hex("02 05 00 00 03") << nak << QByteArray();
        // Length 1, "T" and its right sum (1 + 5 + 1 + 0x54 = 0x5B), then one byte more.
        QTest::newRow("byte beyond the length") << hex("02 05 01 00 54 5B 00 31 03") << nak << QByteArray();
        QTest::newRow("escaped byte beyond the length")
            << hex("02 05 01 00 54 5B 00 7F F2 03") << nak << QByteArray();
        // 1 + 6 + 0x58 + 0x02 + 600 * 0x41 = 0x98B9.
        QTest::newRow("600 bytes")
            << hex("02 06 58 7F F2") + repeated(600, 'A') + hex("B9 98 03") << hex("02 06 06 03")
            << hex("06 58 02") + repeated(600, 'A') + hex("B9 98");
        // 1 + 6 + 0x58 + 0x02 + 600 * 0x7F = 0x2A09 (mod 65536): the longest frame there is.
        QTest::newRow("600 escape bytes")
            << hex("02 06 58 7F F2") + repeated(1200, '\x7F') + hex("09 2A 03") << hex("02 06 06 03")
            << hex("06 58 02") + repeated(600, '\x7F') + hex("09 2A");
        // 1 + 6 + 0x59 + 0x02 + 601 * 0x41 = 0x98FB: right sum, length over 600.
        QTest::newRow("601 bytes") << hex("02 06 59 7F F2") + repeated(601, 'A') + hex("FB 98 03")
                                   << nak << QByteArray();
        QTest::newRow("other two-byte frame ignored, next taken")
            << hex("02 41 05 03") + hex(kFrameT1) << hex(kAckT1) << hex(kPacketT1);
    }
    void receivedFrames()
    {
        QFETCH(QByteArray, input);
        QFETCH(QByteArray, answer);
        QFETCH(QByteArray, packet);
        Line line;
        line.far.write(input);
        QCOMPARE(line.take(answer.size()).toHex(' '), answer.toHex(' '));
        QCOMPARE(line.packets->count(), packet.isEmpty() ? 0 : 1);
        if (!packet.isEmpty())
            QCOMPARE(line.packet(0).toHex(' '), packet.toHex(' '));
    }

    void nakCarriesTheLastAcceptedSequence()
    {
        Line line;
        line.far.write(hex("02 09 7F F3 00 7F 7F 7F F2 7F F3 91 00 03"));
        QCOMPARE(line.take(4).toHex(' '), hex("02 06 09 03").toHex(' '));
        line.far.write(hex("02 05 7F F2 00 54 31 8E 00 03"));
        QCOMPARE(line.take(4).toHex(' '), hex("02 15 09 03").toHex(' '));
    }

    void repeatedFrameIsTakenTwice()
    {
        Line line;
        line.far.write(hex(kFrameT1));
        QCOMPARE(line.take(4).toHex(' '), hex(kAckT1).toHex(' '));
        line.far.write(hex(kFrameT1));
        QCOMPARE(line.take(4).toHex(' '), hex(kAckT1).toHex(' '));
        QCOMPARE(line.packets->count(), 2);
    }

    void replyAndAckInOneRead()
    {
        Line line;
        line.link->sendPowerBoardCommand("I4");
        line.take(10);
        line.far.write(hex("02 06 04 03") + hex(kFrameT1));
        QCOMPARE(line.take(4).toHex(' '), hex(kAckT1).toHex(' '));
        QCOMPARE(line.complete->count(), 1);
        QCOMPARE(line.packets->count(), 1);
        QCOMPARE(line.packet(0).toHex(' '), hex(kPacketT1).toHex(' '));
    }

    // What reached the instrument before a command went out cannot be its answer: a frame
    // behind the acknowledgement that sends the next command, in the same read, or one
    // waiting unread on the line when the command is written. It is acknowledged, so the
    // far end does not repeat it, and not handed up; what comes after the command is.
    void inputBeforeACommandIsNotItsAnswer_data()
    {
        QTest::addColumn<bool>("behindTheAck");
        QTest::newRow("behind the acknowledgement in one read") << true;
        QTest::newRow("unread on the line") << false;
    }
    void inputBeforeACommandIsNotItsAnswer()
    {
        QFETCH(bool, behindTheAck);
        Line line;
        const QByteArray second = hex("02 05 7F F2 00 49 34 85 00 03");
        line.link->queue("I4");
        line.link->queue("I4");
        line.link->sendNextCommand();
        line.take(10);
        if (behindTheAck) {
            line.far.write(hex("02 06 04 03") + hex(kFrameT1));
            QCOMPARE(line.take(14).toHex(' '), (second + hex(kAckT1)).toHex(' '));
        } else {
            line.far.write(hex("02 06 04 03"));
            QCOMPARE(line.take(10).toHex(' '), second.toHex(' '));
            line.far.write(hex("02 06 05 03"));
            QTRY_COMPARE_WITH_TIMEOUT(line.complete->count(), 1, 5000);
            line.link->queue("I4");
            line.far.write(hex(kFrameT1));
            // Into the instrument's input, with no event handled meanwhile.
            QThread::msleep(100);
            line.link->sendNextCommand();
            QCOMPARE(line.take(14).toHex(' '),
                     (hex(kAckT1) + hex("02 06 7F F2 00 49 34 86 00 03")).toHex(' '));
        }
        QTest::qWait(50);
        QCOMPARE(line.packets->count(), 0);
        line.far.write(hex(kFrameT1));
        QCOMPARE(line.take(4).toHex(' '), hex(kAckT1).toHex(' '));
        QCOMPARE(line.packets->count(), 1);
    }

    void framesCutAnywhereAndNoiseBetween()
    {
        Line line;
        // Noise, a frame broken off by a new STX, the frame byte by byte, noise again.
        const QByteArray stream = hex("41 42 03 02 05 7F") + hex(kFrameT1) + hex("43 44 03");
        for (const char c : stream) {
            line.far.write(QByteArray(1, c));
            QTest::qWait(1);
        }
        line.far.write(hex(kFrameT1) + hex(kFrameT1));
        QCOMPARE(line.take(12).toHex(' '), hex(kAckT1).repeated(3).toHex(' '));
        QCOMPARE(line.packets->count(), 3);
        for (int i = 0; i < 3; ++i)
            QCOMPARE(line.packet(i).toHex(' '), hex(kPacketT1).toHex(' '));
    }

    void overlongFrameIsRefusedAndTheLineRecovers()
    {
        Line line;
        // No ETX for far longer than any frame can be.
        line.far.write(hex("02 05") + repeated(5000, 'A'));
        QCOMPARE(line.take(4).toHex(' '), hex("02 15 04 03").toHex(' '));
        line.far.write(hex("03") + hex(kFrameT1));
        QCOMPARE(line.take(4).toHex(' '), hex(kAckT1).toHex(' '));
        QCOMPARE(line.packets->count(), 1);
    }

    void calibrationCommands()
    {
        Line line;
        line.link->sendGetCalDataCommand();
        // "SRC": length 03 escaped; 1 + 4 + 3 + 0x53 + 0x52 + 0x43 = 0xF0.
        QCOMPARE(line.take(11).toHex(' '), hex("02 04 7F F3 00 53 52 43 F0 00 03").toHex(' '));
        line.far.write(hex("02 06 04 03"));
        QTRY_COMPARE_WITH_TIMEOUT(line.complete->count(), 1, 5000);

        // "SCD" as a byte array, minute 7, hour 14, day 5, month 3, year 2024, then "AA"
        // with its zero; payload of 20 bytes, sum 1 + 5 + 20 + 622 = 0x0288.
        line.link->sendSetCalDataCommand(QDateTime(QDate(2024, 3, 5), QTime(14, 7)));
        const QByteArray expected = hex("02 05 14 00 7F F3 00 00 00 53 43 44 07 0E 05 7F F3 E8 07"
                                        " 7F F3 00 00 00 41 41 00 88 7F F2 03");
        QCOMPARE(line.take(expected.size()).toHex(' '), expected.toHex(' '));
    }
};

RONDIX_TEST(TestPowerBoardManager)
#include "tst_PowerBoardManager.moc"
