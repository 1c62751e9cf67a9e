#include "Debouncer.h"
#include "InputDevices.h"
#include "RotaryEncoderReader.h"
#include "TempRoot.h"
#include "TestRegistry.h"

#include <QKeyEvent>
#include <QTest>
#include <QWheelEvent>
#include <QWidget>

#include <fcntl.h>
#include <linux/input.h>
#include <unistd.h>

#include <limits>

namespace {
class Recorder : public QWidget
{
public:
    QList<int> deltas;
    QList<int> keys;

protected:
    void wheelEvent(QWheelEvent *e) override { deltas << e->angleDelta().y(); }
    void keyPressEvent(QKeyEvent *e) override { keys << e->key(); }
};

QByteArray events(const QList<int> &values)
{
    QByteArray bytes;
    for (int v : values) {
        input_event ev{};
        ev.type = v ? EV_REL : EV_SYN;
        ev.code = v ? REL_WHEEL : SYN_REPORT;
        ev.value = v;
        bytes.append(reinterpret_cast<const char *>(&ev), int(sizeof ev));
    }
    return bytes;
}
} // namespace

class TestRotaryEncoderReader : public QObject
{
    Q_OBJECT
private slots:
    void burstBecomesOneWheelEvent_data()
    {
        QTest::addColumn<QList<int>>("values");
        QTest::addColumn<QList<int>>("deltas");
        QTest::newRow("two detents and a sync") << QList<int>{1, 1, 0} << QList<int>{240};
        QTest::newRow("back and forth") << QList<int>{1, -1} << QList<int>{};
        QTest::newRow("turned down") << QList<int>{-1, 0, -1, -1, 0} << QList<int>{-360};
        QList<int> seventy;
        for (int i = 0; i < 70; ++i)
            seventy << 1;
        QTest::newRow("70 pending: 64 then 6") << seventy << QList<int>{64 * 120, 6 * 120};
        // A device that reports huge movements: the sum saturates at the largest turn a
        // wheel event carries, however many such events the burst holds.
        const int most = std::numeric_limits<int>::max() / 120 * 120;
        QList<int> hugeUp, hugeDown;
        for (int i = 0; i < 64; ++i) {
            hugeUp << std::numeric_limits<int>::max();
            hugeDown << std::numeric_limits<int>::min();
        }
        QTest::newRow("64 of the largest value") << hugeUp << QList<int>{most};
        QTest::newRow("64 of the smallest value") << hugeDown << QList<int>{-most};
        QTest::newRow("largest then smallest") << QList<int>{std::numeric_limits<int>::max(), std::numeric_limits<int>::min()}
                                              << QList<int>{-120};
        QTest::newRow("one event over a wheel event's reach")
            << QList<int>{std::numeric_limits<int>::max() / 100} << QList<int>{most};
    }
    void burstBecomesOneWheelEvent()
    {
        QFETCH(QList<int>, values);
        QFETCH(QList<int>, deltas);
        Recorder w;
        w.setFocusPolicy(Qt::StrongFocus);
        w.show();
        w.activateWindow();
        w.setFocus();
        QVERIFY(QTest::qWaitForWindowActive(&w));

        int fds[2];
        QVERIFY(::pipe(fds) == 0);
        RotaryEncoderReader reader(fds[0], nullptr);
        const QByteArray bytes = events(values);
        QCOMPARE(::write(fds[1], bytes.constData(), size_t(bytes.size())), ssize_t(bytes.size()));
        if (deltas.isEmpty())
            QTest::qWait(100);
        else
            QTRY_COMPARE_WITH_TIMEOUT(w.deltas.size(), deltas.size(), 5000);
        QTest::qWait(50);
        QCOMPARE(w.deltas, deltas);
        ::close(fds[1]);
    }

    void withoutFocusNothingIsDelivered()
    {
        int fds[2];
        QVERIFY(::pipe(fds) == 0);
        RotaryEncoderReader reader(fds[0], nullptr);
        const QByteArray bytes = events({1, 1});
        QCOMPARE(::write(fds[1], bytes.constData(), size_t(bytes.size())), ssize_t(bytes.size()));
        reader.notify(fds[0]); // drains the burst; nobody to tell
        char c;
        QCOMPARE(::read(fds[0], &c, 1), ssize_t(-1));
        ::close(fds[1]);
    }

    void deviceNotFound()
    {
        TempRoot root;
        RotaryEncoderReader noDir;
        QCOMPARE(noDir.fd(), -1);
        // Files that are not input devices do not answer to their name.
        QVERIFY(root.writeFile("/dev/input/event0", "x"));
        QVERIFY(root.writeFile("/dev/input/mouse0", "x"));
        QCOMPARE(RotaryEncoderReader::getFdByName("wexholm-rotary"), -1);
        QCOMPARE(waitForKey(), -1); // no key pad: no endless wait
    }
};

class TestDebouncer : public QObject
{
    Q_OBJECT
private slots:
    void softKeysWithin500msAreSwallowed_data()
    {
        QTest::addColumn<QList<int>>("times");
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<QList<int>>("passed");
        // The first press ever starts the timer; F2 300 ms later is swallowed and
        // restarts it; F3 600 ms after that passes without a restart, so F4 200 ms
        // after F3 passes too; F1 300 ms after Escape is swallowed.
        QTest::newRow("timeline") << QList<int>{0, 300, 900, 1100, 1500, 1800}
                                  << QList<int>{Qt::Key_F6, Qt::Key_F2, Qt::Key_F3, Qt::Key_F4, Qt::Key_Escape, Qt::Key_F1}
                                  << QList<int>{Qt::Key_F6, Qt::Key_F3, Qt::Key_F4, Qt::Key_Escape};
        QTest::newRow("first press ever is a soft key") << QList<int>{0, 10} << QList<int>{Qt::Key_F1, Qt::Key_F1}
                                                        << QList<int>{Qt::Key_F1};
        QTest::newRow("499 swallowed, 500 passes")
            << QList<int>{0, 499, 999} << QList<int>{Qt::Key_F7, Qt::Key_F2, Qt::Key_F2}
            << QList<int>{Qt::Key_F7, Qt::Key_F2};
        QTest::newRow("other keys are never swallowed") << QList<int>{0, 1, 2} << QList<int>{Qt::Key_F7, Qt::Key_F6, Qt::Key_Escape}
                                                        << QList<int>{Qt::Key_F7, Qt::Key_F6, Qt::Key_Escape};
    }
    void softKeysWithin500msAreSwallowed()
    {
        QFETCH(QList<int>, times);
        QFETCH(QList<int>, keys);
        qint64 now = 0;
        Debouncer::setClock([&now] { return now; });
        Recorder w;
        Debouncer debouncer;
        w.installEventFilter(&debouncer);
        for (int i = 0; i < times.size(); ++i) {
            now = times.at(i);
            QTest::keyPress(&w, Qt::Key(keys.at(i)));
            QTest::keyRelease(&w, Qt::Key(keys.at(i))); // releases are never examined
        }
        QTEST(w.keys, "passed");
        Debouncer::setClock([] { return qint64(0); });
    }
};

RONDIX_TEST(TestRotaryEncoderReader)
RONDIX_TEST(TestDebouncer)
#include "tst_RotaryEncoderReader.moc"
