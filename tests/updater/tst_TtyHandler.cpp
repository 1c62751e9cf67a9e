#include "TestRegistry.h"
#include "TempRoot.h"
#include "PtyPair.h"
#include "TtyHandler.h"

#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

class TtyHandlerTest : public QObject
{
    Q_OBJECT
private slots:
    void rawLineAt115200();
    void bytesBothWays();
    void pendingInputDiscardedOnOpen();
    void failedOpenIsReported();
    void descriptorZeroIsValid();
};

void TtyHandlerTest::rawLineAt115200()
{
    TempRoot root;
    PtyPair pty;
    QVERIFY(pty.open(root.path("/dev/ttyAPP1")));
    TtyHandler tty("/dev/ttyAPP1");
    QVERIFY(tty.isOpen());
    termios t{};
    QCOMPARE(tcgetattr(tty.descriptor(), &t), 0);
    QCOMPARE(cfgetospeed(&t), speed_t(B115200));
    QCOMPARE(cfgetispeed(&t), speed_t(B115200));
    QCOMPARE(t.c_cflag & (CSIZE | PARENB | CSTOPB | CRTSCTS | CREAD | CLOCAL),
             tcflag_t(CS8 | CREAD | CLOCAL));
    QCOMPARE(t.c_iflag, tcflag_t(IGNPAR));
    QCOMPARE(t.c_lflag, tcflag_t(0));
    QCOMPARE(t.c_oflag, tcflag_t(0));
    QCOMPARE(int(t.c_cc[VMIN]), 0);
    QCOMPARE(int(t.c_cc[VTIME]), 0);
}

void TtyHandlerTest::bytesBothWays()
{
    TempRoot root;
    PtyPair pty;
    QVERIFY(pty.open(root.path("/dev/ttyAPP1")));
    TtyHandler tty("/dev/ttyAPP1");
    QByteArray got;
    connect(&tty, &QIODevice::readyRead, &tty, [&] { got += tty.readAll(); });

    // Every byte value, CR, LF and the terminal's control characters among them, passes
    // unchanged in both directions.
    QByteArray all;
    for (int i = 0; i < 256; ++i)
        all.append(char(i));
    QVERIFY(pty.write(all));
    QTRY_COMPARE_WITH_TIMEOUT(got, all, 10000);

    QVERIFY(tty.sendByteArray(all));
    QVERIFY(tty.sendString(QStringLiteral("B2")));
    QVERIFY(pty.waitForBytes(258, 10000));
    QCOMPARE(pty.received(), all + "B2");
}

void TtyHandlerTest::pendingInputDiscardedOnOpen()
{
    TempRoot root;
    PtyPair pty;
    QVERIFY(pty.open(root.path("/dev/ttyAPP1")));
    QVERIFY(pty.write("stale"));
    QTest::qWait(50);
    TtyHandler tty("/dev/ttyAPP1");
    QByteArray got;
    connect(&tty, &QIODevice::readyRead, &tty, [&] { got += tty.readAll(); });
    QVERIFY(pty.write("C"));
    QTRY_COMPARE_WITH_TIMEOUT(got, QByteArray("C"), 10000);
}

void TtyHandlerTest::failedOpenIsReported()
{
    TempRoot root;
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("TtyHandler: cannot open .*/dev/ttyAPP1"));
    TtyHandler tty("/dev/ttyAPP1");
    QVERIFY(!tty.isOpen());
    QCOMPARE(tty.descriptor(), -1);
    QVERIFY(!tty.sendByteArray("B"));
    QVERIFY(!tty.sendString("2"));
}

void TtyHandlerTest::descriptorZeroIsValid()
{
    TempRoot root;
    PtyPair pty;
    QVERIFY(pty.open(root.path("/dev/ttyAPP1")));
    // With standard input closed the port's open gets descriptor 0, which must work.
    const int savedStdin = ::dup(0);
    QVERIFY(savedStdin >= 0);
    ::close(0);
    {
        TtyHandler tty("/dev/ttyAPP1");
        const int fd = tty.descriptor();
        QByteArray got;
        connect(&tty, &QIODevice::readyRead, &tty, [&] { got += tty.readAll(); });
        const bool open = tty.isOpen();
        const bool sent = tty.sendByteArray("B");
        const bool echoed = pty.waitForBytes(1, 10000);
        pty.write("C");
        const bool received = QTest::qWaitFor([&] { return !got.isEmpty(); }, 10000);
        ::dup2(savedStdin, 0);
        ::close(savedStdin);
        QCOMPARE(fd, 0);
        QVERIFY(open);
        QVERIFY(sent);
        QVERIFY(echoed);
        QCOMPARE(pty.received(), QByteArray("B"));
        QVERIFY(received);
        QCOMPARE(got, QByteArray("C"));
    }
}

RONDIX_TEST(TtyHandlerTest)
#include "tst_TtyHandler.moc"
