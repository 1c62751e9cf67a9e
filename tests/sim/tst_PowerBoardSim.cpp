#include "PowerBoardSim.h"
#include "PtyPair.h"
#include "SimController.h"
#include "TempRoot.h"
#include "TestRegistry.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QTest>
#include <QThread>

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

Q_DECLARE_METATYPE(PowerBoardSim::Fault)

namespace {
QByteArray hex(const char *text)
{
    return QByteArray::fromHex(QByteArray(text).replace(' ', ""));
}

// The instrument's side of the line, driven byte by byte by the test.
class Host
{
public:
    explicit Host(const QString &path)
    {
        m_fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
        termios t{};
        ::tcgetattr(m_fd, &t);
        ::cfmakeraw(&t);
        ::tcsetattr(m_fd, TCSANOW, &t);
    }
    ~Host() { ::close(m_fd); }
    bool ok() const { return m_fd >= 0; }
    void send(const QByteArray &b) { QVERIFY(::write(m_fd, b.constData(), size_t(b.size())) == b.size()); }
    // Everything that arrives within ms, or until count bytes are in.
    QByteArray read(int count, int ms = 3000)
    {
        QDeadlineTimer deadline(ms);
        while (m_in.size() < count && !deadline.hasExpired())
            poll();
        const QByteArray r = m_in.left(count);
        m_in.remove(0, r.size());
        return r;
    }
    // The next whole frame, STX to ETX.
    QByteArray frame(int ms = 3000)
    {
        QDeadlineTimer deadline(ms);
        while (m_in.indexOf('\x03') < 0 && !deadline.hasExpired())
            poll();
        return read(m_in.indexOf('\x03') + 1, 0);
    }
    // Whatever arrives within ms.
    QByteArray quiet(int ms)
    {
        QDeadlineTimer deadline(ms);
        while (!deadline.hasExpired())
            poll();
        const QByteArray r = m_in;
        m_in.clear();
        return r;
    }

private:
    void poll()
    {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        char buf[512];
        const ssize_t n = ::read(m_fd, buf, sizeof buf);
        if (n > 0)
            m_in.append(buf, int(n));
        else
            QThread::msleep(1);
    }

private:
    int m_fd = -1;
    QByteArray m_in;
};
} // namespace

class TestPowerBoardSim : public QObject
{
    Q_OBJECT

    TempRoot *m_root = nullptr;
    PowerBoardSim *m_sim = nullptr;
    Host *m_host = nullptr;

    void gpio(int number, const char *file, const QByteArray &text)
    {
        QFile f(m_root->path(QString("/sys/class/gpio/gpio%1/%2").arg(number).arg(file)));
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(text);
    }
    void select(int channel)
    {
        const int cs[] = {137, 84, 78, 82};
        for (int ch = 0; ch < 4; ++ch)
            gpio(cs[ch], "value", ch == channel ? "0" : "1");
    }

private slots:
    void init()
    {
        m_root = new TempRoot;
        m_sim = new PowerBoardSim;
        QVERIFY(m_sim->start(m_root->root()));
        m_host = new Host(m_root->path("/dev/ttyAPP1"));
        QVERIFY(m_host->ok());
    }
    void cleanup()
    {
        delete m_host;
        delete m_sim;
        delete m_root;
    }

    void answersTheSelectedControllerWithItsFrameThenAcknowledges()
    {
        select(0);
        // "IRC" with sequence 4: its length byte 03 goes out escaped.
        m_host->send(hex("02 04 7F F3 00 49 52 43 E6 00 03"));
        // "ECD" 14:05 12 March 2026, sequence 4; the month byte 03 is escaped.
        QCOMPARE(m_host->read(17).toHex(' '), hex("02 04 09 00 45 43 44 05 0E 0C 7F F3 EA 07 ED 01 03").toHex(' '));
        m_host->send(hex("02 06 04 03"));
        QCOMPARE(m_host->read(4), hex("02 06 04 03"));
        QCOMPARE(m_sim->commands().size(), 1);
        QCOMPARE(m_sim->commands().at(0).channel, 0);
        QCOMPARE(m_sim->commands().at(0).payload, QByteArray("IRC"));
        QVERIFY(m_sim->faults().isEmpty());
    }

    void replyIsRepeatedUntilAcknowledged()
    {
        select(1);
        m_host->send(hex("02 04 7F F3 00 49 52 43 E6 00 03"));
        const QByteArray first = m_host->read(17);
        m_host->send(hex("02 15 04 03")); // NAK: send it again
        QCOMPARE(m_host->read(17), first);
        m_host->send(hex("02 06 04 03"));
        QCOMPARE(m_host->read(4), hex("02 06 04 03"));
        // Unacknowledged, an answer goes out three times and then the command is
        // acknowledged anyway.
        m_host->send(hex("02 05 7F F3 00 49 52 43 E7 00 03"));
        const QByteArray again = m_host->frame();
        QCOMPARE(again.left(2), hex("02 05"));
        QCOMPARE(m_host->quiet(400), again + again + hex("02 06 05 03"));
        // The next answer goes out with the next sequence number.
        // The unacknowledged answer's number is used again.
        m_host->send(hex("02 06 7F F3 00 49 52 43 E8 00 03"));
        QCOMPARE(m_host->read(2), hex("02 05"));
    }

    void chipSelectDecidesWhoHears()
    {
        const int cs[] = {137, 84, 78, 82};
        // Nobody selected, then two at once: no controller may answer.
        m_host->send(hex("02 04 7F F2 00 49 34 84 00 03"));
        QCOMPARE(m_host->quiet(200), QByteArray());
        gpio(cs[1], "value", "0");
        gpio(cs[3], "direction", "low");
        m_host->send(hex("02 04 7F F2 00 49 34 84 00 03"));
        QCOMPARE(m_host->quiet(200), QByteArray());
        QCOMPARE(m_sim->commands().at(0).channel, -1);
        QCOMPARE(m_sim->commands().at(1).channel, -2);
        QVERIFY(!m_sim->faults().isEmpty());
        // "high" on the direction file drives the line high in one step.
        gpio(cs[3], "direction", "high");
        m_host->send(hex("02 04 7F F2 00 49 34 84 00 03"));
        QCOMPARE(m_host->read(2), hex("02 04"));
        QCOMPARE(m_sim->commands().at(2).channel, 1);
    }

    void heldInResetHearsNothingAndRestarts()
    {
        select(2);
        m_sim->controller(2).handle("IF1\x01", 0);
        gpio(79, "direction", "low");
        m_host->send(hex("02 04 7F F2 00 49 34 84 00 03"));
        QCOMPARE(m_host->quiet(200), QByteArray());
        gpio(79, "value", "1");
        m_host->send(hex("02 04 7F F2 00 49 34 84 00 03"));
        QVERIFY(m_host->frame().size() > 30);
        QCOMPARE(m_sim->resets(), QList<int>({2}));
        QCOMPARE(m_sim->controller(2).testType(), quint8(0)); // settings lost with the reset
    }

    void corruptFrameIsRefused_data()
    {
        QTest::addColumn<QByteArray>("frame");
        QTest::newRow("checksum") << hex("02 04 7F F2 00 49 34 85 00 03");
        QTest::newRow("sequence 1") << hex("02 01 7F F2 00 49 34 81 00 03");
        QTest::newRow("sequence 127") << hex("02 7F 7F F2 00 49 34 FF 00 03");
        QTest::newRow("short length") << hex("02 04 01 00 49 34 84 00 03");
        QTest::newRow("lone escape") << hex("02 04 7F 41 00 49 34 84 00 03");
    }
    void corruptFrameIsRefused()
    {
        QFETCH(QByteArray, frame);
        select(0);
        m_host->send(frame);
        QCOMPARE(m_host->quiet(200), hex("02 15 04 03"));
        QVERIFY(!m_sim->faults().isEmpty());
        QCOMPARE(m_sim->controller(0).status(), SimController::Idle);
    }

    void absentAndSilentControllersSayNothing()
    {
        select(3);
        m_sim->setAbsent(3, true);
        m_host->send(hex("02 04 7F F2 00 49 34 84 00 03"));
        QCOMPARE(m_host->quiet(200), QByteArray());
        m_sim->setAbsent(3, false);
        m_sim->setSilent(3, true);
        m_host->send(hex("02 04 7F F2 00 49 34 84 00 03"));
        QCOMPARE(m_host->quiet(200), QByteArray());
        m_sim->setSilent(3, false);
        m_host->send(hex("02 04 7F F2 00 49 34 84 00 03"));
        QCOMPARE(m_host->read(2), hex("02 04"));
    }

    void nakWithStrayAckNeverCarriesACommandOut()
    {
        select(1);
        m_sim->setNakWithStrayAck(1, true);
        // "I2" with sequence 4, then with 5: each is refused and followed by the
        // acknowledgement of the number before it (126 comes before 4).
        m_host->send(hex("02 04 7F F2 00 49 32 82 00 03"));
        QCOMPARE(m_host->quiet(200).toHex(' '), hex("02 15 04 03 02 06 7E 03").toHex(' '));
        m_host->send(hex("02 05 7F F2 00 49 32 83 00 03"));
        QCOMPARE(m_host->quiet(200).toHex(' '), hex("02 15 05 03 02 06 04 03").toHex(' '));
        QCOMPARE(m_sim->controller(1).status(), SimController::Idle);
        m_sim->setNakWithStrayAck(1, false);
        m_host->send(hex("02 05 7F F2 00 49 32 83 00 03"));
        QCOMPARE(m_host->frame().left(2), hex("02 04"));
    }

    void droppedAcknowledgementDoesNotRunACommandTwice()
    {
        qint64 clock = 0;
        m_sim->setClock([&clock] { return clock; });
        select(0);
        m_sim->setDropAcks(0, 1);
        const QByteArray start = hex("02 04 7F F2 00 49 32 82 00 03"); // "I2"
        m_host->send(start);
        QCOMPARE(m_host->frame().left(2), hex("02 04")); // "ES" and the state
        m_host->send(hex("02 06 04 03"));
        QCOMPARE(m_host->quiet(150), QByteArray()); // acknowledgement lost
        clock = 5000;
        m_host->send(start); // the instrument sends the same frame again
        QCOMPARE(m_host->frame().left(2), hex("02 05"));
        m_host->send(hex("02 06 05 03"));
        QCOMPARE(m_host->read(4), hex("02 06 04 03"));
        QVERIFY(m_sim->commands().at(1).repeated);
        QCOMPARE(m_sim->controller(0).elapsed(clock), quint32(5)); // the test was not restarted
    }

    void silentFromSomeSecondsIntoATest()
    {
        qint64 clock = 0;
        m_sim->setClock([&clock] { return clock; });
        m_sim->setSilentDuringTest(0, 10, 5);
        select(0);
        m_host->send(hex("02 04 7F F2 00 49 32 82 00 03")); // "I2"
        m_host->frame();
        m_host->send(hex("02 06 04 03"));
        QCOMPARE(m_host->read(4), hex("02 06 04 03"));
        const QByteArray poll = hex("02 05 7F F2 00 49 34 85 00 03"); // "I4"
        clock = 12000;
        m_host->send(poll);
        QCOMPARE(m_host->quiet(200), QByteArray());
        clock = 15000;
        m_host->send(poll);
        QCOMPARE(m_host->read(2), hex("02 05"));
    }

    // A controller that restarts mid-test: idle, or still claiming its test with zeros
    // or with its count begun again.
    void resetDuringATest_data()
    {
        QTest::addColumn<PowerBoardSim::Fault>("fault");
        QTest::addColumn<int>("status");
        QTest::addColumn<int>("elapsedLater");
        QTest::newRow("idle") << PowerBoardSim::Fault::ResetIdle << 0 << 0;
        QTest::newRow("zeros") << PowerBoardSim::Fault::ResetZeros << 3 << 0;
        QTest::newRow("restart") << PowerBoardSim::Fault::ResetRestart << 3 << 2;
    }
    void resetDuringATest()
    {
        QFETCH(PowerBoardSim::Fault, fault);
        qint64 clock = 0;
        m_sim->setClock([&clock] { return clock; });
        select(0);
        m_host->send(hex("02 04 7F F2 00 49 32 82 00 03")); // "I2"
        m_host->frame();
        m_host->send(hex("02 06 04 03"));
        QCOMPARE(m_host->read(4), hex("02 06 04 03"));
        m_sim->setFaultInTest(0, fault, 5);
        clock = 4000;
        m_host->send(hex("02 05 7F F2 00 49 34 85 00 03")); // "I4"
        QVERIFY(!m_host->frame().isEmpty());
        m_host->send(hex("02 06 05 03"));
        QCOMPARE(m_host->read(4), hex("02 06 05 03"));
        clock = 6000;
        m_host->send(hex("02 06 7F F2 00 49 34 86 00 03"));
        QVERIFY(!m_host->frame().isEmpty());
        m_host->send(hex("02 06 06 03"));
        QCOMPARE(m_host->read(4), hex("02 06 06 03"));
        clock = 8000;
        m_host->send(hex("02 07 7F F2 00 49 34 87 00 03"));
        QVERIFY(!m_host->frame().isEmpty());

        const QList<PowerBoardSim::SentTestData> sent = m_sim->sentTestData(0);
        QCOMPARE(sent.size(), 3);
        QCOMPARE(sent.at(0).figures.elapsed, quint32(4));
        QVERIFY(sent.at(0).figures.volume > 0);
        QCOMPARE(sent.at(1).figures.elapsed, quint32(0));
        QCOMPARE(sent.at(1).figures.volume, quint32(0));
        QTEST(int(sent.at(2).figures.status), "status");
        QTEST(int(sent.at(2).figures.elapsed), "elapsedLater");
        QVERIFY(sent.at(2).whole);
        QCOMPARE(sent.at(2).test, sent.at(0).test);
    }

    // The copy lands after the command's acknowledgement, when the instrument has moved on.
    void lateRepeatComesAfterTheExchange()
    {
        m_sim->setFault(0, PowerBoardSim::Fault::LateRepeat, 40);
        select(0);
        m_host->send(hex("02 04 7F F2 00 49 34 84 00 03"));
        const QByteArray reply = m_host->frame();
        m_host->send(hex("02 06 04 03"));
        QCOMPARE(m_host->read(4), hex("02 06 04 03"));
        QCOMPARE(m_host->quiet(300), reply);
        const QList<PowerBoardSim::SentTestData> sent = m_sim->sentTestData(0);
        QCOMPARE(sent.size(), 2);
        QCOMPARE(sent.at(1).origin, PowerBoardSim::Origin::LateRepeat);
        QCOMPARE(sent.at(1).payload, sent.at(0).payload);
    }

    // The second answer is a frame of its own: the link cannot take it for a retransmission.
    void doubleReplyTakesASequenceNumberOfItsOwn()
    {
        m_sim->setFault(1, PowerBoardSim::Fault::DoubleReply);
        select(1);
        m_host->send(hex("02 04 7F F2 00 49 34 84 00 03"));
        const QByteArray first = m_host->frame();
        const QByteArray second = m_host->frame();
        QCOMPARE(first.left(2), hex("02 04"));
        QCOMPARE(second.left(2), hex("02 05"));
        m_host->send(hex("02 06 04 03"));
        QCOMPARE(m_host->read(4), hex("02 06 04 03"));
        m_sim->clearFault(1, PowerBoardSim::Fault::DoubleReply);
        m_host->send(hex("02 05 7F F2 00 49 34 85 00 03"));
        QCOMPARE(m_host->frame().left(2), hex("02 06"));
    }

    // A slow controller answers late, and not at all once the instrument has selected
    // another: deselected, it is off the line.
    void slowAnswersLateAndOnlyWhileSelected()
    {
        const auto heard = [this](int commands) {
            QDeadlineTimer deadline(3000);
            QByteArray bytes;
            while (m_sim->commands().size() < commands && !deadline.hasExpired())
                bytes += m_host->quiet(2);
            return bytes;
        };
        m_sim->setFault(0, PowerBoardSim::Fault::Slow, 150);
        select(0);
        m_host->send(hex("02 04 7F F2 00 49 34 84 00 03"));
        QCOMPARE(heard(1), QByteArray());
        QCOMPARE(m_host->frame().left(7), hex("02 04 1e 00 45 50 53"));
        m_host->send(hex("02 06 04 03"));
        QCOMPARE(m_host->read(4), hex("02 06 04 03"));
        m_host->send(hex("02 05 7F F2 00 49 34 85 00 03"));
        QCOMPARE(heard(2), QByteArray());
        select(1);
        QCOMPARE(m_host->quiet(400), QByteArray());
    }

    // What the instrument wrote and this end has not read yet is counted: the test data log
    // tells by it whether a frame went out with a command already on its way.
    void lineCountsWhatItHasNotRead()
    {
        PtyPair line;
        QVERIFY(line.open(m_root->path("/dev/ttyExtra")));
        line.setReading(false);
        Host instrument(m_root->path("/dev/ttyExtra"));
        QVERIFY(instrument.ok());
        instrument.send(hex("02 06 04 03"));
        QTRY_COMPARE(line.pendingInput(), 4);
        line.setReading(true);
        QTRY_COMPARE(line.received(), hex("02 06 04 03"));
        QCOMPARE(line.pendingInput(), 0);
    }

    void babbleNeedsNoChipSelect()
    {
        m_sim->setFault(2, PowerBoardSim::Fault::Babble, 20);
        const QByteArray heard = m_host->quiet(200);
        QVERIFY2(heard.count('\x03') >= 3, heard.toHex(' ').constData());
        QVERIFY(heard.startsWith(hex("02 04 1e 00 45 50 53")));
        const QList<PowerBoardSim::SentTestData> sent = m_sim->sentTestData(2);
        QVERIFY(!sent.isEmpty());
        QCOMPARE(sent.at(0).origin, PowerBoardSim::Origin::Babble);
        // Held in reset it says nothing.
        gpio(79, "direction", "low");
        m_host->quiet(50);
        QCOMPARE(m_host->quiet(150), QByteArray());
    }

    void cutAndPaddedTestData_data()
    {
        QTest::addColumn<PowerBoardSim::Fault>("fault");
        QTest::addColumn<int>("value");
        QTest::addColumn<QByteArray>("lengthBytes");
        QTest::newRow("short") << PowerBoardSim::Fault::ShortReply << 14 << hex("0e 00");
        QTest::newRow("long") << PowerBoardSim::Fault::LongReply << 40 << hex("28 00");
    }
    void cutAndPaddedTestData()
    {
        QFETCH(PowerBoardSim::Fault, fault);
        QFETCH(int, value);
        m_sim->setFault(3, fault, value);
        select(3);
        m_host->send(hex("02 04 7F F2 00 49 34 84 00 03"));
        const QByteArray frame = m_host->frame();
        QTEST(frame.mid(2, 2), "lengthBytes");
        QCOMPARE(m_sim->sentTestData(3).size(), 1);
        QCOMPARE(m_sim->sentTestData(3).at(0).payload.size(), value);
        QVERIFY(!m_sim->sentTestData(3).at(0).whole);
        // Identity replies are not test data and go out whole.
        m_host->send(hex("02 06 04 03"));
        m_host->read(4);
        m_host->send(hex("02 05 7F F2 00 49 56 A7 00 03")); // "IV"
        QCOMPARE(m_host->frame().mid(2, 2), hex("0b 00"));
    }
};

// The measurements a pump under test makes a controller report.
class TestSimController : public QObject
{
    Q_OBJECT

    struct Eps
    {
        quint8 type, status, autoOcc;
        qint16 pressure, peak, backOff;
        quint32 elapsed, volume, instant, average;
        quint16 revolutions;
    };
    static Eps parse(const QByteArray &p)
    {
        auto u8 = [&](int i) { return quint8(p.at(i)); };
        auto u16 = [&](int i) { return quint16(u8(i) | (u8(i + 1) << 8)); };
        auto u32 = [&](int i) { return quint32(u16(i) | (quint32(u16(i + 2)) << 16)); };
        return {u8(3), u8(4), u8(27), qint16(u16(5)), qint16(u16(25)), qint16(u16(28)),
                u32(7), u32(11), u32(17), u32(21), u16(15)};
    }

private slots:
    void testDataLayout()
    {
        SimController c(0);
        c.handle(QByteArray("IF2\x0A\x00", 5), 0); // back pressure 10 mmHg
        c.handle("I2", 1000);
        const QByteArray p = c.testData(1000 + 3600 * 1000);
        QCOMPARE(p.size(), 30);
        QVERIFY(p.startsWith("EPS"));
        const Eps e = parse(p);
        QCOMPARE(e.type, quint8(0));
        QCOMPARE(e.status, quint8(3));
        QCOMPARE(e.elapsed, quint32(3600));
        QCOMPARE(e.volume, quint32(100000)); // 100 ml after an hour at 100 ml/h
        QCOMPARE(e.average, quint32(100000));
        QCOMPARE(e.revolutions, quint16(100000 / 20));
        QVERIFY(qAbs(int(e.instant) - 100000) <= 3000); // the mechanism's ripple
        QVERIFY(e.pressure >= 100 && e.pressure <= 130);
    }

    void stopFreezesTheLastTest()
    {
        SimController c(1);
        c.handle("I2", 0);
        c.handle("I3", 90 * 1000);
        c.handle("I6", 91 * 1000);
        const Eps e = parse(c.testData(500 * 1000));
        QCOMPARE(e.status, quint8(SimController::Prime));
        QCOMPARE(e.elapsed, quint32(90));
        QCOMPARE(e.volume, quint32(2500));
        c.handle("I2", 600 * 1000);
        QCOMPARE(parse(c.testData(600 * 1000)).elapsed, quint32(0));
    }

    // The other firmware behaviour: a stop clears the readings; a reset keeps the choice.
    void stopClearsWhenSetTo()
    {
        SimController c(1);
        c.setClearsAfterStop(true);
        c.reset();
        c.handle("I2", 0);
        c.handle("I3", 90 * 1000);
        const Eps e = parse(c.testData(500 * 1000));
        QCOMPARE(e.status, quint8(SimController::Idle));
        QCOMPARE(e.elapsed, quint32(0));
        QCOMPARE(e.volume, quint32(0));
        QCOMPARE(e.peak, qint16(0));
    }

    void pcaBolusOnTopOfBasalRate()
    {
        SimController c(0);
        c.handle(QByteArray("IF1\x02", 4), 0);
        c.handle(QByteArray("IF4\x0A\x00", 5), 0);
        c.handle("I2", 0);
        const Eps before = parse(c.testData(15 * 1000));
        QCOMPARE(before.status, quint8(SimController::Pca));
        QCOMPARE(before.instant, quint32(10000)); // basal 10 ml/h
        const Eps during = parse(c.testData(30 * 1000));
        QCOMPARE(during.instant, quint32(310000)); // 300 ml/h bolus over the 10 s window
        QCOMPARE(parse(c.testData(32 * 1000)).volume, quint32(1089)); // 32 s basal + 1 ml bolus
    }

    void occlusion_data()
    {
        QTest::addColumn<int>("pumpType");
        QTest::addColumn<int>("releaseAt");
        QTest::addColumn<int>("at");
        QTest::addColumn<int>("pressure");
        QTest::addColumn<int>("autoOcc");
        QTest::addColumn<int>("backOff");
        QTest::addColumn<int>("volume");
        QTest::newRow("building") << 0 << -1 << 10 << 2500 << 1 << 0 << 0;
        QTest::newRow("manual alarm holds") << 0 << -1 << 60 << 5000 << 2 << 0 << 0;
        QTest::newRow("manual released") << 0 << 40 << 44 << -15 << 0 << 0 << 300;
        QTest::newRow("auto holding") << 1 << -1 << 23 << 5000 << 3 << 0 << 0;
        QTest::newRow("auto reversing") << 1 << -1 << 25 << 3500 << 4 << 0 << 0;
        QTest::newRow("auto backed off") << 1 << -1 << 28 << 500 << 5 << 500 << 0;
        QTest::newRow("auto let go") << 1 << -1 << 31 << -20 << 5 << 500 << 0;
    }
    void occlusion()
    {
        QFETCH(int, pumpType);
        QFETCH(int, releaseAt);
        QFETCH(int, at);
        SimController c(2);
        c.handle(QByteArray("IF1\x01", 4), 0);
        c.handle(QByteArray("IF5", 3) + char(pumpType), 0);
        c.handle("I2", 0);
        if (releaseAt >= 0)
            c.handle("I2", releaseAt * 1000);
        const Eps e = parse(c.testData(at * 1000));
        QCOMPARE(e.status, quint8(SimController::Occlusion));
        QTEST(int(e.pressure), "pressure");
        QTEST(int(e.autoOcc), "autoOcc");
        QTEST(int(e.backOff), "backOff");
        QTEST(int(e.volume), "volume");
    }

    void identityReplies()
    {
        SimController c(3);
        QCOMPARE(c.handle("IV", 0), QByteArray("NV2.07,PB-C"));
        QCOMPARE(c.handle("ICG", 0), QByteArray("ENPB2403-104\r\n\0", 15));
        QCOMPARE(c.handle("IRV", 0).toHex(' '), QByteArray("45 43 56 1e 09 02 04 ea 07"));
        QCOMPARE(c.faults(), 0);
        QCOMPARE(c.handle("IF1", 0), QByteArray("EE")); // argument missing
        QCOMPARE(c.faults(), 1);
    }
};

RONDIX_TEST(TestPowerBoardSim)
RONDIX_TEST(TestSimController)
#include "tst_PowerBoardSim.moc"
