#include "BlueToothManager.h"
#include "ModuleLine.h"
#include "TestRegistry.h"

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

QByteArray hex(const char *text)
{
    return QByteArray::fromHex(text);
}

// The module link on the far end of a pseudo-terminal.
struct Link {
    ModuleLine line;
    std::unique_ptr<BlueToothManager> bt;
    std::unique_ptr<QSignalSpy> packets, resets;

    // mux: the multiplexing the link is to believe in (0 unknown, 1 on, 2 off).
    explicit Link(int mux = 0)
    {
        bt.reset(new BlueToothManager("/dev/ttyAPP3", true, 0));
        packets.reset(new QSignalSpy(bt.get(), &BlueToothManager::packetReceived));
        resets.reset(new QSignalSpy(bt.get(), &BlueToothManager::btModuleHasReset));
        bt->BTModulePowerOn();
        if (mux == 1)
            bt->setMuxModeActive();
        else if (mux == 2)
            bt->setMuxModeInActive();
        if (mux)
            line.take(18);
    }
    QList<QByteArray> taken() const
    {
        QList<QByteArray> out;
        for (const QList<QVariant> &args : *packets)
            out << args.at(0).toByteArray();
        return out;
    }
};

// A file of the given size under a fresh folder, its bytes counting up.
struct PushFile {
    QTemporaryDir dir;
    QString path;
    QByteArray content;
    explicit PushFile(int size, const QString &name = QStringLiteral("f.bin"))
        : path(dir.path() + QLatin1Char('/') + name)
    {
        for (int i = 0; i < size; ++i)
            content.append(char(i % 251));
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(content);
    }
};

} // namespace

class TestBlueToothManager : public QObject
{
    Q_OBJECT
private slots:
    void sendFramedOrRaw_data()
    {
        QTest::addColumn<int>("mux");
        QTest::addColumn<bool>("command");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("link");
        QTest::addColumn<QByteArray>("line");
        const QByteArray data = hex("01020304");
        QTest::newRow("data, multiplexed")
            << 1 << false << data << 2 << hex("BF 02 00 04 01 02 03 04 FD");
        QTest::newRow("data, unknown") << 0 << false << data << 2 << data;
        QTest::newRow("data, multiplexing off") << 2 << false << data << 2 << data;
        QTest::newRow("data on no link, multiplexed") << 1 << false << data << 128 << QByteArray();
        QTest::newRow("data on no link, unknown") << 0 << false << data << 128 << QByteArray();
        QTest::newRow("command, multiplexed")
            << 1 << true << QByteArray("INFO\n") << 0 << hex("BF FF 00 04 49 4E 46 4F 00");
        QTest::newRow("command, unknown")
            << 0 << true << QByteArray("INFO\n") << 0 << QByteArray("INFO\n");
        QTest::newRow("command, multiplexing off")
            << 2 << true << QByteArray("INFO\n") << 0 << QByteArray("INFO\n");
    }
    void sendFramedOrRaw()
    {
        QFETCH(int, mux);
        QFETCH(bool, command);
        QFETCH(QByteArray, bytes);
        QFETCH(int, link);
        QFETCH(QByteArray, line);
        Link l(mux);
        if (command)
            l.bt->sendCommandMessage(bytes);
        else
            l.bt->sendDataMessage(bytes, link);
        QCOMPARE(line.isEmpty() ? l.line.takeQuiet() : l.line.take(line.size()), line);
    }

    void longPayloadsNeverTruncateTheLength()
    {
        Link l(1);
        l.bt->sendDataMessage(QByteArray(300, 'x'), 1);
        QCOMPARE(l.line.take(305).left(4), hex("BF 01 01 2C"));

        // More than the ten-bit length holds goes in two frames.
        const QByteArray big(1500, 'y');
        l.bt->sendDataMessage(big, 3);
        const QByteArray two = l.line.take(1510);
        QCOMPARE(two.size(), 1510);
        QCOMPARE(two.left(4), hex("BF 03 03 FF"));
        QCOMPARE(two.mid(1027, 5), hex("FC BF 03 01 DD"));
        QCOMPARE(two.mid(4, 1023) + two.mid(1032, 477), big);

        // A command line beyond a control frame is refused, one that fits is sent.
        l.bt->sendCommandMessage(QByteArray(256, 'A') + '\n');
        QCOMPARE(l.line.takeQuiet(), QByteArray());
        l.bt->sendCommandMessage(QByteArray(255, 'A') + '\n');
        QCOMPARE(l.line.take(260).left(4), hex("BF FF 00 FF"));
    }

    void commandTexts_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("serial call") << 0 << QByteArray("CALL 00:1c:97:10:44:01 1101 RFCOMM\n");
        QTest::newRow("file transfer call") << 1 << QByteArray("CALL 00:1c:97:10:44:01 1106 FTP\n");
        QTest::newRow("object push call") << 2 << QByteArray("CALL 00:1c:97:10:44:01 1105 OPP\n");
        QTest::newRow("unknown call type") << 3 << QByteArray();
        QTest::newRow("name") << 4 << QByteArray("SET BT NAME Pexon Kovinta (A-1)\n");
        QTest::newRow("a name cannot inject a command")
            << 5 << QByteArray("SET BT NAME XINQUIRY 5 NAME\n");
        QTest::newRow("pin") << 6 << QByteArray("SET BT AUTH * 8146\n");
        QTest::newRow("no pin") << 7 << QByteArray("SET BT AUTH * \n");
        QTest::newRow("inquiry") << 8 << QByteArray("INQUIRY 5 NAME\n");
        QTest::newRow("service query") << 9 << QByteArray("SDP 00:1c:97:10:44:01 1105\n");
        QTest::newRow("close") << 10 << QByteArray("CLOSE 3\n");
        QTest::newRow("info") << 11 << QByteArray("INFO\n");
        QTest::newRow("an address cannot inject a command")
            << 12 << QByteArray("CALL 00:1c:97:10:CLOSE 0 1101 RFCOMM\n");
    }
    void commandTexts()
    {
        QFETCH(int, command);
        QFETCH(QByteArray, line);
        Link l;
        BT_DEVICE d;
        d.address = "00:1c:97:10:44:01";
        BT_DEVICE evil;
        evil.address = "00:1c:97:10:\r\nCLOSE 0";
        switch (command) {
        case 0:
        case 1:
        case 2:
        case 3:
            l.bt->callBTDevice(d, BlueToothManager::BT_CONNECTION_TYPE(command), BT_BARCODE);
            break;
        case 4:
            l.bt->setMyBTName("Pexon Kovinta (A-1)");
            break;
        case 5:
            l.bt->setMyBTName("X\r\nINQUIRY 5 NAME");
            break;
        case 6:
            l.bt->setMyBtPIN("8146");
            break;
        case 7:
            l.bt->setMyBtPIN(QString());
            break;
        case 8:
            l.bt->sendBTInquiry(5);
            break;
        case 9:
            l.bt->checkDeviceSupportsOPP(d);
            break;
        case 10:
            l.bt->closeBTLink(3);
            break;
        case 11:
            l.bt->sendBTGetInfo();
            break;
        case 12:
            l.bt->callBTDevice(evil, BlueToothManager::BT_RFCOMM, BT_BARCODE);
            break;
        }
        QCOMPARE(line.isEmpty() ? l.line.takeQuiet() : l.line.take(line.size()), line);
    }

    void receive_data()
    {
        QTest::addColumn<int>("mux");
        QTest::addColumn<QList<QByteArray>>("reads");
        QTest::addColumn<QList<QByteArray>>("packets");
        QTest::addColumn<int>("muxAfter");
        const QByteArray callFrame = hex("BF FF 00 06") + "CALL 3" + hex("00");
        const QByteArray dataFrame = hex("BF 03 00 03") + "abc" + hex("FC");
        const QByteArray call3 = QByteArray("\x05"
                                            "3");
        const QByteArray data3 = QByteArray("\x00"
                                            "3abc",
                                            5);
        QTest::newRow("leading bytes dropped")
            << 0 << QList<QByteArray>{hex("41 42 BF FF 00 02 4F 4B 00")} << QList<QByteArray>{}
            << 1;
        QTest::newRow("reply after junk")
            << 0 << QList<QByteArray>{"AB" + callFrame} << QList<QByteArray>{call3} << 1;
        QTest::newRow("data frame")
            << 1 << QList<QByteArray>{dataFrame} << QList<QByteArray>{data3} << 1;
        QTest::newRow("two frames in one read") << 1 << QList<QByteArray>{dataFrame + callFrame}
                                                << QList<QByteArray>{data3, call3} << 1;
        QTest::newRow("a frame over two reads")
            << 1 << QList<QByteArray>{callFrame.left(5), callFrame.mid(5)}
            << QList<QByteArray>{call3} << 1;
        QTest::newRow("header over two reads")
            << 1 << QList<QByteArray>{callFrame.left(2), callFrame.mid(2)}
            << QList<QByteArray>{call3} << 1;
        QTest::newRow("other links dropped")
            << 0 << QList<QByteArray>{hex("BF 09 00 01 41 F6") + dataFrame}
            << QList<QByteArray>{data3} << 1;
        QTest::newRow("impossible length resynchronises")
            << 1 << QList<QByteArray>{hex("BF 02 04 00 01 02") + callFrame}
            << QList<QByteArray>{call3} << 1;
        QTest::newRow("unframed line while unknown") << 0 << QList<QByteArray>{"CALL 1\r\n"}
                                                     << QList<QByteArray>{QByteArray("\x05"
                                                                                     "1")}
                                                     << 0;
        QTest::newRow("unframed lines come several to a read")
            << 0 << QList<QByteArray>{"CALL 1\r\nCONNECT 1 RFCOMM 1\r\n"}
            << QList<QByteArray>{QByteArray("\x05"
                                            "1"),
                                 QByteArray("\x06"
                                            "1")}
            << 0;
        QTest::newRow("unframed line while multiplexed")
            << 1 << QList<QByteArray>{"CALL 1\r\n"} << QList<QByteArray>{} << 1;
        QTest::newRow("unframed line while multiplexing off")
            << 2 << QList<QByteArray>{"CALL 1\r\n"} << QList<QByteArray>{} << 2;
    }
    void receive()
    {
        QFETCH(int, mux);
        QFETCH(QList<QByteArray>, reads);
        QFETCH(QList<QByteArray>, packets);
        QFETCH(int, muxAfter);
        Link l(mux);
        for (const QByteArray &r : reads)
            l.bt->receiveBytes(r);
        QCOMPARE(l.taken(), packets);
        QCOMPARE(l.bt->muxMode(), muxAfter);
    }

    // Bytes that reach the line while the module is off are read and dropped, not held
    // for the next power-on.
    void bytesWhileOffAreDropped()
    {
        Link l(1);
        l.bt->BTModulePowerOff();
        l.line.far.write(controlFrame("CALL 1"));
        QTest::qWait(50);
        l.bt->BTModulePowerOn();
        l.line.far.write(controlFrame("CALL 2"));
        QTRY_COMPARE(l.packets->size(), 1);
        QTest::qWait(30);
        QCOMPARE(l.taken(), QList<QByteArray>{QByteArray("\x05"
                                                         "2")});
    }

    void powerLine()
    {
        ModuleLine line;
        BlueToothManager bt("/dev/ttyAPP3", true, 0);
        line.powerWrites();
        QCOMPARE(line.powerLevel(), QByteArray("1"));
        bt.BTModulePowerOn();
        QCOMPARE(line.powerWrites(), 2); // "1" then "0"
        QCOMPARE(line.powerLevel(), QByteArray("0"));
        bt.BTModulePowerOn();
        QCOMPARE(line.powerWrites(), 0);
        bt.BTModulePowerOff();
        QCOMPARE(line.powerWrites(), 1);
        QCOMPARE(line.powerLevel(), QByteArray("1"));
        bt.BTModulePowerOn();
        QCOMPARE(line.powerWrites(), 2);
        QCOMPARE(line.powerLevel(), QByteArray("0"));
    }

    void readyHandshake()
    {
        Link l;
        // Unframed: the module is switched to multiplexing and the report not passed on.
        l.bt->receiveBytes("READY.\r\n");
        QCOMPARE(l.line.take(18), QByteArray("SET CONTROL MUX 1\n"));
        QCOMPARE(l.resets->size(), 0);
        l.bt->receiveBytes(controlFrame("READY."));
        QCOMPARE(l.resets->size(), 1);
        l.bt->receiveBytes(controlFrame("READY."));
        QCOMPARE(l.resets->size(), 2);
        // Nothing more comes of the first report.
        QTest::qWait(BlueToothManager::ReadyAfterMuxMs + 200);
        QCOMPARE(l.resets->size(), 2);
    }

    // A module that takes the switch without reporting ready again is taken as started
    // all the same, framed from then on.
    void readyWithoutASecondReport()
    {
        Link l;
        l.bt->receiveBytes("WRAP x\r\nREADY.\r\n");
        QCOMPARE(l.line.take(18), QByteArray("SET CONTROL MUX 1\n"));
        QCOMPARE(l.resets->size(), 0);
        QTRY_COMPARE_WITH_TIMEOUT(l.resets->size(), 1, 5000);
        l.bt->sendCommandMessage("INFO\n");
        QCOMPARE(l.line.take(9), hex("BF FF 00 04 49 4E 46 4F 00"));
    }

    void deviceList()
    {
        Link l(1);
        QCOMPARE(l.bt->getDeviceFromList(0).linkId, 128);
        l.bt->receiveBytes(controlFrame("NAME 00:1c:97:10:44:01 \"Scanner BT\""));
        QCOMPARE(l.bt->getDeviceList().size(), 1);
        QCOMPARE(l.bt->getDeviceFromList(0).name, QByteArray("Scanner BT"));
        const BT_DEVICE &beyond = l.bt->getDeviceFromList(1);
        QVERIFY(beyond.address.isEmpty());
        QCOMPARE(beyond.linkId, 128);
        l.bt->sendBTInquiry(5);
        QVERIFY(l.bt->getDeviceList().isEmpty());
    }

    // A 2500-byte file: the first chunk on the module's SEND, the second at once on
    // continue, the rest every 130 ms, on the link of the device pushed to.
    void pushAFile()
    {
        Link l(1);
        PushFile file(2500);
        BT_DEVICE phone;
        phone.address = "00:1e:e2:8b:33:02";
        phone.linkId = 1;
        QCOMPARE(l.bt->StartFileTransfer(file.path, phone), 0);
        const QByteArray put = controlFrame("PUT 2500 text/plain f.bin");
        QCOMPARE(l.line.take(put.size()), put);
        QCOMPARE(l.bt->oppState(), int(BlueToothManager::OppPutSent));

        l.bt->receiveBytes(controlFrame("OBEX 1 SEND"));
        QCOMPARE(l.line.take(1005), dataFrame(1, file.content.left(1000)));
        QCOMPARE(l.packets->last().at(0).toByteArray(), QByteArray(1, char(14)));
        QCOMPARE(l.bt->iOppProgress(), 0);

        QCOMPARE(l.bt->ContinueFileTransfer(), 0);
        QCOMPARE(l.bt->oppState(), int(BlueToothManager::OppSending));
        QCOMPARE(l.bt->iOppProgress(), 80);
        QCOMPARE(l.line.take(1510),
                 dataFrame(1, file.content.mid(1000, 1000)) + dataFrame(1, file.content.mid(2000)));
        // Every byte on the line is not yet a file sent: the phone's OK decides.
        QCOMPARE(l.bt->iOppProgress(), 99);
        QTRY_COMPARE(l.bt->oppState(), int(BlueToothManager::OppLastSent));
        QCOMPARE(l.bt->iOppProgress(), 99);
        QCOMPARE(l.line.takeQuiet(300), QByteArray());
        QCOMPARE(l.bt->ContinueFileTransfer(), -1);
        QCOMPARE(l.line.takeQuiet(), QByteArray());
        l.bt->receiveBytes(controlFrame("OBEX 1 OK"));
        QCOMPARE(l.bt->oppState(), int(BlueToothManager::OppFinished));
        QCOMPARE(l.bt->iOppProgress(), 100);
    }

    // What the phone answers, and when, decides how a 2500-byte push ends. "at": put
    // (before SEND), first (after the first chunk), last (every byte on the line).
    void thePhonesAnswerDecides_data()
    {
        QTest::addColumn<QString>("at");
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<int>("state");
        QTest::addColumn<int>("progress");
        QTest::addColumn<int>("dataBytes"); // what reached the module in all
        QTest::addColumn<QString>("refusal");
        const int refused = BlueToothManager::OppRefused;
        QTest::newRow("OK to the final packet")
            << "last" << QByteArray("OBEX 0 OK") << int(BlueToothManager::OppFinished) << 100
            << 2500 << "";
        QTest::newRow("final packet forbidden")
            << "last" << QByteArray("OBEX 0 FORBIDDEN") << refused << 0 << 2500 << "FORBIDDEN";
        QTest::newRow("final packet not acceptable")
            << "last" << QByteArray("OBEX 0 NOT_ACCEPTABLE") << refused << 0 << 2500
            << "NOT_ACCEPTABLE";
        QTest::newRow("continue to the end")
            << "last" << QByteArray("OBEX 0 CONTINUE") << int(BlueToothManager::OppLastSent)
            << 99 << 2500 << "";
        QTest::newRow("no answer") << "last" << QByteArray() << int(BlueToothManager::OppLastSent)
                                   << 99 << 2500 << "";
        QTest::newRow("link drops after the last byte")
            << "last" << QByteArray("NO CARRIER 0 ERROR 0") << int(BlueToothManager::OppNone) << 0
            << 2500 << "";
        QTest::newRow("refused after the first 1000 bytes")
            << "first" << QByteArray("OBEX 0 FORBIDDEN") << refused << 0 << 1000 << "FORBIDDEN";
        QTest::newRow("OK before the end is no OK")
            << "first" << QByteArray("OBEX 0 OK") << int(BlueToothManager::OppLastSent) << 99
            << 2500 << "";
        QTest::newRow("PUT refused") << "put" << QByteArray("OBEX 0 ERROR") << refused << 0 << 0
                                     << "ERROR";
    }
    void thePhonesAnswerDecides()
    {
        QFETCH(QString, at);
        QFETCH(QByteArray, answer);
        QFETCH(int, state);
        QFETCH(int, progress);
        QFETCH(int, dataBytes);
        QFETCH(QString, refusal);
        Link l(1);
        PushFile file(2500);
        QCOMPARE(l.bt->StartFileTransfer(file.path, BT_DEVICE()), 0);
        l.line.take(30);
        const auto answerNow = [&] {
            if (!answer.isEmpty())
                l.bt->receiveBytes(controlFrame(answer));
        };
        if (at == "put")
            answerNow();
        l.bt->receiveBytes(controlFrame("OBEX 0 SEND"));
        if (at == "first")
            answerNow();
        l.bt->ContinueFileTransfer();
        QTest::qWait(400); // the rest of the file, if it is to go
        if (at == "last") {
            QCOMPARE(l.bt->oppState(), int(BlueToothManager::OppLastSent));
            answerNow();
        }
        QCOMPARE(l.bt->oppState(), state);
        QCOMPARE(l.bt->iOppProgress(), progress);
        QCOMPARE(l.bt->oppRefusal(), refusal);
        QByteArray data;
        for (const QString &frame : framesIn(l.line.takeQuiet(300)))
            data += frame.mid(7).toLatin1(); // "data 0 "
        QCOMPARE(data, file.content.left(dataBytes));
        // Once answered, a drop of the link leaves the answer standing.
        if (state == BlueToothManager::OppFinished || state == BlueToothManager::OppRefused) {
            l.bt->receiveBytes(controlFrame("NO CARRIER 0 ERROR 0"));
            QCOMPARE(l.bt->oppState(), state);
        }
    }

    // A module that stops reading its line holds up nothing: the push waits with at most
    // one chunk held back, counts only what the line took, and what the module reads once
    // it goes on is the file's start in whole frames.
    void aModuleThatStopsReadingHoldsNothingUp()
    {
        Link l(1);
        PushFile file(300 * 1000);
        QCOMPARE(l.bt->StartFileTransfer(file.path, BT_DEVICE()), 0);
        l.line.take(30);
        l.line.far.setReading(false);
        l.bt->receiveBytes(controlFrame("OBEX 0 SEND"));
        QCOMPARE(l.bt->ContinueFileTransfer(), 0);
        QElapsedTimer clock;
        clock.start();
        qint64 last = 0, longest = 0;
        int lastProgress = -1;
        QDeadlineTimer stuck(2000); // the progress stands still this long
        while (!stuck.hasExpired() && clock.elapsed() < 60000) {
            QTest::qWait(20);
            longest = qMax(longest, clock.elapsed() - last);
            last = clock.elapsed();
            if (l.bt->iOppProgress() != lastProgress) {
                lastProgress = l.bt->iOppProgress();
                stuck.setRemainingTime(2000);
            }
        }
        QVERIFY2(longest < 500, QByteArray::number(longest));
        QVERIFY2(lastProgress < 99, QByteArray::number(lastProgress));
        QCOMPARE(l.bt->oppState(), int(BlueToothManager::OppSending));
        const QString shown = l.bt->sOppProgressString();
        const int counted = shown.section(' ', 0, 0).toInt() * 1024;

        l.line.far.setReading(true);
        QTRY_VERIFY_WITH_TIMEOUT(l.bt->iOppProgress() > lastProgress, 5000);
        l.bt->BTModulePowerOff();
        QByteArray data;
        for (const QString &frame : framesIn(l.line.takeQuiet(300)))
            data += frame.mid(7).toLatin1();
        QVERIFY2(data.size() > counted, QByteArray::number(data.size()));
        QCOMPARE(data, file.content.left(data.size()));
        QCOMPARE(data.size() % BlueToothManager::OppChunkBytes, 0);
    }

    void pushEdges()
    {
        Link l(1);
        PushFile file(2500, QStringLiteral("g.bin"));
        QCOMPARE(l.bt->StartFileTransfer(file.path + "-missing", BT_DEVICE()), -1);
        QCOMPARE(l.line.takeQuiet(), QByteArray());
        QCOMPARE(l.bt->oppState(), int(BlueToothManager::OppNone));

        // A device with no link of its own gets the data on link 0.
        QCOMPARE(l.bt->StartFileTransfer(file.path, BT_DEVICE()), 0);
        l.line.take(30);
        QCOMPARE(l.bt->sendFirstFilePacket(), 0);
        QCOMPARE(l.line.take(1005).left(2), hex("BF 00"));

        // A dropped link ends the push and lets the file go.
        QCOMPARE(l.bt->ContinueFileTransfer(), 0);
        l.bt->receiveBytes(controlFrame("NO CARRIER 0 ERROR 0"));
        QCOMPARE(l.bt->oppState(), int(BlueToothManager::OppNone));
        QCOMPARE(l.bt->iOppProgress(), 0);
        QCOMPARE(l.line.takeQuiet(300).size(), 1005);
        QCOMPARE(l.bt->ContinueFileTransfer(), -1);

        // An OK before any of the file went is no answer to its final packet.
        QCOMPARE(l.bt->StartFileTransfer(file.path, BT_DEVICE()), 0);
        l.bt->receiveBytes(controlFrame("OBEX 0 OK"));
        QCOMPARE(l.bt->oppState(), int(BlueToothManager::OppPutSent));
    }

    void progressText_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<bool>("twoChunks");
        QTest::addColumn<QString>("text");
        QTest::newRow("kilobytes") << 5000 << true << "1 / 4 Kbytes, 0 mins remaining.";
        QTest::newRow("bytes") << 500 << false << "0 / 500 bytes, 0 mins remaining.";
        QTest::newRow("minutes") << 500000 << false << "0 / 488 Kbytes, 1 mins remaining.";
    }
    void progressText()
    {
        QFETCH(int, size);
        QFETCH(bool, twoChunks);
        QFETCH(QString, text);
        Link l(1);
        PushFile file(size);
        QCOMPARE(l.bt->StartFileTransfer(file.path, BT_DEVICE()), 0);
        if (twoChunks) {
            l.bt->sendFirstFilePacket();
            l.bt->ContinueFileTransfer();
            l.bt->BTModulePowerOff(); // no further chunk, and the figures stay
        }
        QCOMPARE(l.bt->sOppProgressString(), text);
    }
};

RONDIX_TEST(TestBlueToothManager)
#include "tst_BlueToothManager.moc"
