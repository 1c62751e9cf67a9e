#include "GuiTest.h"
#include "PrecisionElapsedTimer.h"
#include "RotaryEncoderDoubleSpinBox.h"
#include "RotaryEncoderSpinBox.h"
#include "TestRegistry.h"
#include "TurnAcceleration.h"

#include <QApplication>
#include <QImage>
#include <QTest>
#include <QVBoxLayout>

using namespace GuiTest;

namespace {
qint64 g_now = 0;
qint64 fakeClock()
{
    return g_now;
}
void advance(double seconds)
{
    g_now += qint64(seconds * 1e9 + 0.5);
}

struct Form : QWidget
{
    Form()
    {
        auto *layout = new QVBoxLayout(this);
        layout->addWidget(spin);
        layout->addWidget(dspin);
        spin->setRange(-100000, 100000);
        spin->setValue(1000);
        dspin->setRange(0, 1000);
        dspin->setDecimals(1);
        dspin->setSingleStep(0.5);
    }
    RotaryEncoderSpinBox *spin = new RotaryEncoderSpinBox;
    RotaryEncoderDoubleSpinBox *dspin = new RotaryEncoderDoubleSpinBox;
};
} // namespace

class TestSpinBoxes : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        g_now = 1000000000000;
        PrecisionElapsedTimer::setClock(fakeClock);
    }
    void cleanup() { PrecisionElapsedTimer::setClock(nullptr); }

    void accelerationByInterval_data()
    {
        QTest::addColumn<double>("interval");
        QTest::addColumn<int>("delta");
        QTest::addColumn<int>("steps");
        QTest::newRow("0.2 s") << 0.2 << 120 << 1;
        QTest::newRow("0.1 s") << 0.1 << 120 << 1;
        QTest::newRow("0.08 s") << 0.08 << 120 << 1;
        QTest::newRow("0.05 s") << 0.05 << 120 << 3;
        QTest::newRow("0.04 s") << 0.04 << 120 << 5;
        QTest::newRow("0.03 s") << 0.03 << 120 << 8;
        QTest::newRow("0.02 s") << 0.02 << 120 << 18;
        QTest::newRow("0.01 s") << 0.01 << 120 << 63;
        QTest::newRow("0.01 s reverse") << 0.01 << -120 << -63;
        QTest::newRow("0.05 s reverse") << 0.05 << -120 << -3;
        QTest::newRow("two detents slow") << 0.5 << 240 << 2;
        QTest::newRow("under one detent") << 0.01 << 119 << 0;
        // A clock that stands still or went back tells nothing: a slow turn.
        QTest::newRow("zero interval") << 0.0 << 120 << 1;
        QTest::newRow("clock set back") << -3600.0 << -120 << -1;
        // However fast, a turn never jumps further than the cap.
        QTest::newRow("one microsecond") << 0.000001 << 120 << TurnAcceleration::maxSteps;
    }
    void accelerationByInterval()
    {
        QFETCH(double, interval);
        QFETCH(int, delta);
        QFETCH(int, steps);
        Form form;
        QVERIFY(showActive(&form));
        form.spin->setFocus();
        key(Qt::Key_Escape);
        QCOMPARE(form.spin->wheelMode(), WheelTabable::edit);
        advance(1.0);
        wheel(120); // the first turn after a pause: one step
        QCOMPARE(form.spin->value(), 1001);
        advance(interval);
        wheel(delta);
        QCOMPARE(form.spin->value(), 1001 + steps);
    }

    void ctrlMultipliesByTen()
    {
        Form form;
        QVERIFY(showActive(&form));
        form.spin->setFocus();
        key(Qt::Key_Escape);
        advance(1.0);
        wheel(120, Qt::ControlModifier);
        QCOMPARE(form.spin->value(), 1010);
        advance(0.05);
        wheel(-120, Qt::ControlModifier);
        QCOMPARE(form.spin->value(), 980);
    }

    void doubleSpinBoxStepsBySingleStepWithinRange()
    {
        Form form;
        QVERIFY(showActive(&form));
        form.dspin->setFocus();
        key(Qt::Key_Escape);
        advance(1.0);
        wheel(120);
        QCOMPARE(form.dspin->value(), 0.5);
        advance(0.01);
        wheel(-120);
        QCOMPARE(form.dspin->value(), 0.0); // clamped at the minimum
    }

    void navigateModeMovesFocusAndKeepsValue()
    {
        Form form;
        QVERIFY(showActive(&form));
        form.spin->setFocus();
        QCOMPARE(form.spin->wheelMode(), WheelTabable::navigate);
        QVERIFY(form.spin->isReadOnly());
        turn(1);
        QCOMPARE(form.spin->value(), 1000);
        QVERIFY(form.dspin->hasFocus());
        turn(-1);
        QVERIFY(form.spin->hasFocus());
        // Select enters edit mode; select again leaves it and moves on.
        key(Qt::Key_Escape);
        QVERIFY(!form.spin->isReadOnly());
        key(Qt::Key_Escape);
        QCOMPARE(form.spin->wheelMode(), WheelTabable::navigate);
        QVERIFY(form.dspin->hasFocus());
    }

    void navigateTurnsDoNotRestartTheTurnTimer()
    {
        Form form;
        QVERIFY(showActive(&form));
        form.spin->setFocus();
        key(Qt::Key_Escape);
        advance(1.0);
        wheel(120);
        key(Qt::Key_Escape); // to the double spin box
        advance(0.01);
        turn(-1); // back to the spin box, navigating
        key(Qt::Key_Escape);
        advance(0.01);
        wheel(120); // 0.02 s after the last edit-mode turn
        QCOMPARE(form.spin->value(), 1001 + 18);
    }

    // An encoder spin box is its value on the form's background: no stray pixel at a
    // corner; only the focused one is outlined.
    void onlyTheFocusedBoxIsOutlined()
    {
        Form form;
        form.setStyleSheet(QStringLiteral("background-color: rgb(231, 231, 231);"));
        QVERIFY(showActive(&form));
        form.spin->setFocus();
        const QColor background(231, 231, 231);
        const QImage unfocused = form.dspin->grab().toImage();
        const QImage focused = form.spin->grab().toImage();
        const int w = unfocused.width() - 1, h = unfocused.height() - 1;
        for (const QPoint corner : {QPoint(0, 0), QPoint(w, 0), QPoint(0, h), QPoint(w, h)})
            QCOMPARE(QColor(unfocused.pixel(corner)), background);
        QCOMPARE(QColor(focused.pixel(0, 0)), QColor(Qt::red));
    }

    void elapsedIsWholeSecondsAndDoesNotRestart()
    {
        PrecisionElapsedTimer timer;
        advance(2.7);
        QCOMPARE(timer.elapsed(), 2.0f);
        QVERIFY(qAbs(timer.restart() - 2.7f) < 1e-4f);
        QCOMPARE(timer.elapsed(), 0.0f);
    }
};

RONDIX_TEST(TestSpinBoxes)
#include "tst_SpinBoxes.moc"
