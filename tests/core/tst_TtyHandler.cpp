#include "PtyPair.h"
#include "TempRoot.h"
#include "TestRegistry.h"
#include "TtyHandler.h"

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QSocketNotifier>
#include <QThread>
#include <QTest>

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

namespace {

// Write system calls made by this thread so far: counts writes exactly, whatever the
// machine's speed.
qint64 writeCalls()
{
    QFile io(QStringLiteral("/proc/thread-self/io"));
    if (!io.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : io.readAll().split('\n')) {
        if (line.startsWith("syscw:"))
            return line.mid(6).trimmed().toLongLong();
    }
    return -1;
}

} // namespace

class TestTtyHandler : public QObject
{
    Q_OBJECT
private slots:
    void baudCodeAndFlagsReachTheLine_data()
    {
        QTest::addColumn<uint>("code");
        QTest::addColumn<bool>("rtsCts");
        QTest::addColumn<uint>("speed");
        QTest::newRow("0 is 115200") << 0u << false << uint(B115200);
        QTest::newRow("1 is 57600") << 1u << false << uint(B57600);
        QTest::newRow("2 is 38400") << 2u << false << uint(B38400);
        QTest::newRow("3 is 19200") << 3u << false << uint(B19200);
        QTest::newRow("4 is 9600") << 4u << false << uint(B9600);
        QTest::newRow("7 is 115200") << 7u << false << uint(B115200);
        QTest::newRow("flow control") << 1u << true << uint(B57600);
    }
    void baudCodeAndFlagsReachTheLine()
    {
        QFETCH(uint, code);
        QFETCH(bool, rtsCts);
        QFETCH(uint, speed);
        TempRoot root;
        PtyPair far;
        QVERIFY(far.open(root.path("/dev/ttyAPP1")));
        TtyHandler tty("/dev/ttyAPP1", code, rtsCts, 0);
        QVERIFY(tty.isOpen());

        const int slave = ::open(far.slaveName().toLocal8Bit().constData(), O_RDWR | O_NOCTTY);
        QVERIFY(slave >= 0);
        termios t{};
        QCOMPARE(::tcgetattr(slave, &t), 0);
        ::close(slave);
        QCOMPARE(uint(::cfgetospeed(&t)), speed);
        QCOMPARE(uint(t.c_cflag & CBAUD), speed);
        QCOMPARE(t.c_cflag & (CSIZE | CREAD | HUPCL | CLOCAL), tcflag_t(CS8 | CREAD | HUPCL | CLOCAL));
        QCOMPARE(bool(t.c_cflag & CRTSCTS), rtsCts);
        QCOMPARE(t.c_iflag, tcflag_t(IGNPAR));
        QCOMPARE(t.c_oflag, tcflag_t(0));
        QCOMPARE(t.c_lflag, tcflag_t(0));
        QCOMPARE(int(t.c_cc[VMIN]), 0);
        QCOMPARE(int(t.c_cc[VTIME]), 0);
    }

    void bytesBothWays()
    {
        TempRoot root;
        PtyPair far;
        QVERIFY(far.open(root.path("/dev/ttyAPP1")));
        TtyHandler tty("/dev/ttyAPP1", 1);
        QVERIFY(tty.isSequential());
        QSignalSpy ready(&tty, &QIODevice::readyRead);
        QByteArray got;
        connect(&tty, &QIODevice::readyRead, [&] { got += tty.readAll(); });

        // Every byte value passes untranslated (no CR/LF mapping, no flow characters).
        QByteArray all;
        for (int i = 0; i < 256; ++i)
            all.append(char(i));
        QVERIFY(far.write(all));
        QTRY_COMPARE_WITH_TIMEOUT(got, all, 5000);

        tty.sendByteArray(QByteArray::fromHex("02047ff2004934840003"));
        tty.sendString(QStringLiteral("AT\r"));
        QCOMPARE(tty.write("\x11\x13", 2), qint64(2));
        QVERIFY(far.waitForBytes(15, 5000));
        QCOMPARE(far.received().toHex(' '),
                 QByteArray("02 04 7f f2 00 49 34 84 00 03 41 54 0d 11 13"));
    }

    // What the far end has not taken yet, and what it sent that was not read, is gone;
    // the line carries on with what is written afterwards.
    void discardQueuedDropsBothDirections()
    {
        TempRoot root;
        PtyPair far;
        QVERIFY(far.open(root.path("/dev/ttyAPP1")));
        TtyHandler tty("/dev/ttyAPP1", 1);
        far.setStalled(true);
        tty.sendByteArray("stale command");
        QVERIFY(far.write("stale answer"));
        QTRY_COMPARE_WITH_TIMEOUT(tty.bytesAvailable(), qint64(sizeof "stale answer" - 1), 5000);
        QTRY_COMPARE_WITH_TIMEOUT(far.heldSize(), int(sizeof "stale command" - 1), 5000);
        QVERIFY(tty.discardQueued());
        QCOMPARE(tty.bytesAvailable(), qint64(0));
        QTRY_COMPARE_WITH_TIMEOUT(far.outputFlushes(), 1, 5000);
        tty.sendByteArray("next");
        QTRY_COMPARE_WITH_TIMEOUT(far.heldSize(), 4, 5000);
        far.setStalled(false);
        QCOMPARE(far.received(), QByteArray("next"));

        tty.close();
        QVERIFY(!tty.discardQueued());
    }

    void perByteDelayWritesEachByteAlone_data()
    {
        QTest::addColumn<int>("delayUs");
        QTest::addColumn<int>("writes");
        QTest::newRow("no delay: one write") << 0 << 1;
        QTest::newRow("negative: one write") << -5 << 1;
        QTest::newRow("1000 us: ten writes") << 1000 << 10;
    }
    void perByteDelayWritesEachByteAlone()
    {
        QFETCH(int, delayUs);
        QFETCH(int, writes);
        TempRoot root;
        PtyPair far;
        QVERIFY(far.open(root.path("/dev/ttyAPP1")));
        TtyHandler tty("/dev/ttyAPP1", 0, false, delayUs);
        const QByteArray data("0123456789");

        QElapsedTimer clock;
        clock.start();
        const qint64 before = writeCalls();
        QVERIFY(before >= 0);
        tty.sendByteArray(data);
        const qint64 after = writeCalls();
        const qint64 elapsedUs = clock.nsecsElapsed() / 1000;

        QCOMPARE(after - before, qint64(writes));
        // A lower bound only: the pause after each byte, the last one included.
        QVERIFY(elapsedUs >= qint64(qMax(delayUs, 0)) * data.size());
        QVERIFY(far.waitForBytes(data.size(), 5000));
        QCOMPARE(far.received(), data);
    }

    void missingDeviceIsNotOpen()
    {
        TempRoot root;
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("TtyHandler: Cannot open .*/dev/ttyAPP9"));
        TtyHandler tty("/dev/ttyAPP9", 1, false, 1000);
        QVERIFY(!tty.isOpen());
        QVERIFY(tty.errorString().contains(root.path("/dev/ttyAPP9")));
        QSignalSpy ready(&tty, &QIODevice::readyRead);
        const qint64 before = writeCalls();
        tty.sendByteArray("abc");
        tty.sendString("abc");
        QCOMPARE(writeCalls(), before);
        char buf[4];
        QCOMPARE(tty.read(buf, sizeof buf), qint64(-1));
        QTest::qWait(50);
        QCOMPARE(ready.count(), 0);
    }

    void descriptorZeroIsAValidLine()
    {
        TempRoot root;
        PtyPair far;
        QVERIFY(far.open(root.path("/dev/ttyAPP1")));
        // With standard input closed the line gets descriptor 0.
        const int savedStdin = ::dup(0);
        ::close(0);
        QByteArray got;
        {
            TtyHandler tty("/dev/ttyAPP1", 1);
            const bool open = tty.isOpen();
            connect(&tty, &QIODevice::readyRead, [&] { got += tty.readAll(); });
            tty.sendByteArray("ping");
            far.write("pong");
            const bool arrived = far.waitForBytes(4, 5000);
            QTRY_COMPARE_WITH_TIMEOUT(got, QByteArray("pong"), 5000);
            if (savedStdin >= 0) {
                ::dup2(savedStdin, 0);
                ::close(savedStdin);
            }
            QVERIFY(open);
            QVERIFY(arrived);
        }
        QCOMPARE(far.received(), QByteArray("ping"));
    }

    void hangUpStopsNotifying()
    {
        TempRoot root;
        PtyPair far;
        QVERIFY(far.open(root.path("/dev/ttyAPP1")));
        TtyHandler tty("/dev/ttyAPP1", 1);
        int notified = 0;
        connect(&tty, &QIODevice::readyRead, [&] {
            ++notified;
            tty.readAll();
        });
        far.write("x");
        QTRY_COMPARE_WITH_TIMEOUT(notified, 1, 5000);

        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("TtyHandler: no longer reading"));
        far.close();
        // A line that stays readable with nothing to read would notify thousands of
        // times here if it were still watched.
        QTest::qWait(200);
        QCOMPARE(notified, 1);
    }

    // Another reader took the bytes between the event loop seeing the line readable and
    // the wake-up being handled: the line is live and stays watched.
    void bytesTakenElsewhereKeepTheLineWatched()
    {
        TempRoot root;
        PtyPair far;
        QVERIFY(far.open(root.path("/dev/ttyAPP1")));
        TtyHandler tty("/dev/ttyAPP1", 1);
        QSignalSpy ready(&tty, &QIODevice::readyRead);
        QVERIFY(far.write("taken"));
        QDeadlineTimer deadline(5000);
        while (tty.bytesAvailable() < 5 && !deadline.hasExpired())
            QThread::msleep(5);
        QCOMPARE(tty.readAll(), QByteArray("taken"));
        auto *notifier = tty.findChild<QSocketNotifier *>();
        QVERIFY(notifier);
        QEvent wakeUp(QEvent::SockAct); // what the event loop delivers for the stale look
        QCoreApplication::sendEvent(notifier, &wakeUp);
        QVERIFY(notifier->isEnabled());

        QVERIFY(far.write("next"));
        QTRY_VERIFY_WITH_TIMEOUT(!ready.isEmpty(), 5000);
        QCOMPARE(tty.readAll(), QByteArray("next"));
    }
};

RONDIX_TEST(TestTtyHandler)
#include "tst_TtyHandler.moc"
