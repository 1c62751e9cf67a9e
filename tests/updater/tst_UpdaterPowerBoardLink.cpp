#include "GpioPinController.h"
#include "PowerBoardManager.h"
#include "PtyPair.h"
#include "TempRoot.h"
#include "TestRegistry.h"

#include <QSignalSpy>
#include <QTest>

namespace {
QByteArray hex(const char *text)
{
    return QByteArray::fromHex(QByteArray(text).replace(' ', ""));
}

struct LinkBench
{
    LinkBench()
    {
        pty.open(root.path("/dev/ttyAPP1"));
        link.reset(new PowerBoardManager(QStringLiteral("/dev/ttyAPP1")));
    }
    // The next frame the board receives.
    QByteArray frame(int size)
    {
        if (!pty.waitForBytes(size, 10000))
            return pty.takeReceived();
        return pty.takeReceived();
    }
    TempRoot root;
    PtyPair pty;
    std::unique_ptr<PowerBoardManager> link;
};
} // namespace

class TestUpdaterPowerBoardLink : public QObject
{
    Q_OBJECT
private slots:
    void commandFrames_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<QByteArray>("frame");
        QTest::newRow("version") << 0 << hex("02 04 7f f2 00 53 56 b0 00 03");
        QTest::newRow("start test 2") << 1 << hex("02 04 7f f2 00 54 7f f2 5d 00 03");
        QTest::newRow("start test 7f") << 2 << hex("02 04 7f f2 00 54 7f 7f da 00 03");
        QTest::newRow("calibration date")
            << 3
            << hex("02 04 10 00 53 43 44 07 0e 05 7f f3 e8 07 7f f3 00 00 00 41 41 00 80 7f f2 03");
    }
    void commandFrames()
    {
        QFETCH(int, command);
        QFETCH(QByteArray, frame);
        LinkBench bench;
        switch (command) {
        case 0: bench.link->sendGetVersionCommand(); break;
        case 1: bench.link->sendStartTestCommand(0x02); break;
        case 2: bench.link->sendStartTestCommand(0x7F); break;
        case 3: bench.link->sendSetCalDataCommand(QDateTime(QDate(2024, 3, 5), QTime(14, 7))); break;
        }
        QCOMPARE(bench.frame(frame.size()).toHex(' '), frame.toHex(' '));
    }

    void oneFrameAtATimeUntilAcknowledged()
    {
        LinkBench bench;
        QSignalSpy complete(bench.link.get(), &PowerBoardManager::txComplete);
        bench.link->sendGetVersionCommand();
        bench.link->sendGetCalDataCommand();
        QCOMPARE(bench.frame(10), hex("02 04 7f f2 00 53 56 b0 00 03"));
        QTest::qWait(50);
        QCOMPARE(bench.pty.received(), QByteArray()); // the second waits for the ACK
        bench.pty.write(hex("02 06 04 03"));
        QCOMPARE(bench.frame(11), hex("02 05 7f f3 00 53 52 43 f1 00 03"));
        bench.pty.write(hex("02 06 05 03"));
        QTRY_COMPARE_WITH_TIMEOUT(complete.count(), 1, 10000);
    }

    void refusedFrameIsRepeatedThenGivenUp()
    {
        LinkBench bench;
        QSignalSpy failed(bench.link.get(), &PowerBoardManager::txFailed);
        const QByteArray sv = hex("02 04 7f f2 00 53 56 b0 00 03");
        bench.link->sendGetVersionCommand();
        QCOMPARE(bench.frame(10), sv);
        for (int i = 0; i < 3; ++i) {
            if (i == 1)
                bench.link->txTimeOut(); // a silent board counts as a refusal
            else
                bench.pty.write(hex("02 15 04 03"));
            QCOMPARE(bench.frame(10), sv);
        }
        bench.pty.write(hex("02 15 04 03"));
        QTRY_COMPARE_WITH_TIMEOUT(failed.count(), 1, 10000);
        QTest::qWait(50);
        QCOMPARE(bench.pty.received(), QByteArray());
    }

    void receivedFrames_data()
    {
        QTest::addColumn<QByteArray>("first");
        QTest::addColumn<QByteArray>("second"); // sent after a pause; may be empty
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<int>("packets");
        const QByteArray good = hex("02 09 7f f3 00 01 7f f2 7f f3 13 00 03");
        QTest::newRow("good") << good << QByteArray() << hex("02 06 09 03") << 1;
        QTest::newRow("split") << good.left(5) << good.mid(5) << hex("02 06 09 03") << 1;
        QTest::newRow("repeated") << good << good << hex("02 06 09 03 02 06 09 03") << 1;
        QTest::newRow("bad checksum") << hex("02 09 7f f3 00 01 7f f2 7f f3 14 00 03") << QByteArray()
                                      << hex("02 15 09 03") << 0;
        QTest::newRow("identifier out of range") << hex("02 80 01 00 01 83 00 03") << QByteArray()
                                                 << hex("02 15 80 03") << 0;
        QTest::newRow("length over 600") << hex("02 09 59 7f f3 00 00") + "\x03" << QByteArray()
                                         << hex("02 15 09 03") << 0;
        QTest::newRow("length beyond the bytes") << hex("02 09 10 00 01 1b 00 03") << QByteArray()
                                                 << hex("02 15 09 03") << 0;
    }
    void receivedFrames()
    {
        QFETCH(QByteArray, first);
        QFETCH(QByteArray, second);
        QFETCH(QByteArray, answer);
        QFETCH(int, packets);
        LinkBench bench;
        QSignalSpy received(bench.link.get(), &PowerBoardManager::packetReceived);
        bench.pty.write(first);
        if (!second.isEmpty()) {
            QTest::qWait(100);
            bench.pty.write(second);
        }
        QCOMPARE(bench.frame(answer.size()).toHex(' '), answer.toHex(' '));
        QCOMPARE(received.count(), packets);
        if (packets)
            QCOMPARE(received.first().at(0).toByteArray(), hex("09 03 00 01 02 03 13 00"));
    }

    void gpioThroughSysfsFiles()
    {
        TempRoot root;
        root.writeFile("/sys/class/gpio/export", "");
        root.writeFile("/sys/class/gpio/unexport", "");
        root.writeFile("/sys/class/gpio/gpio7/direction", "in");
        root.writeFile("/sys/class/gpio/gpio7/value", "0");
        GpioPinController pin(QStringLiteral("7"));
        QVERIFY(pin.createDriver());
        QVERIFY(pin.setDirection(QStringLiteral("out")));
        QCOMPARE(pin.getValue(), QString("0"));
        pin.toggleValue();
        QCOMPARE(pin.getValue(), QString("1"));
        QVERIFY(pin.removeDriver());
        QCOMPARE(root.readFile("/sys/class/gpio/export"), QByteArray("7"));
        QCOMPARE(root.readFile("/sys/class/gpio/unexport"), QByteArray("7"));
        QCOMPARE(root.readFile("/sys/class/gpio/gpio7/direction"), QByteArray("out"));

        // A pin that was not exported before: its files did not open.
        GpioPinController other(QStringLiteral("9"));
        QCOMPARE(other.getValue(), QString("-1"));
        QVERIFY(!other.setValue(QStringLiteral("1")));
    }
};

RONDIX_TEST(TestUpdaterPowerBoardLink)
#include "tst_UpdaterPowerBoardLink.moc"
