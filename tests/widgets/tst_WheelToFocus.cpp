#include "GuiTest.h"
#include "RotaryEncoderList.h"
#include "RotaryEncoderSpinBox.h"
#include "TestRegistry.h"
#include "WheelToFocus.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QTest>
#include <QtTest/qtestspontaneevent.h>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <QWindow>

namespace {
// A wheel turn as the window system delivers it: spontaneous, to the window, at the
// point under the pointer. Qt then picks the widget there, may give it the focus (wheel
// focus policy) and offers the turn to it and its parents until one accepts it.
void wheelOver(QWidget *widget, int delta)
{
    QWidget *window = widget->window();
    const QPointF at = QRectF(widget->rect()).center();
    const QPointF inWindow = widget->mapTo(window, at.toPoint());
    QWheelEvent event(inWindow, widget->mapToGlobal(at.toPoint()), QPoint(), QPoint(0, delta),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QSpontaneKeyEvent::setSpontaneous(&event);
    qApp->notify(window->windowHandle(), &event);
}
} // namespace

class TestWheelToFocus : public QObject
{
    Q_OBJECT
private slots:
    // The pointer rests on a list beside a value in edit mode: the value turns, the list
    // keeps its row and the value keeps the focus, whatever the list's focus policy (the
    // forms give theirs wheel focus, which Qt honours before any filter of the program).
    void mouseWheelTurnsTheFocusWidget_data()
    {
        QTest::addColumn<Qt::FocusPolicy>("listPolicy");
        QTest::newRow("strong focus") << Qt::StrongFocus;
        QTest::newRow("wheel focus") << Qt::WheelFocus;
    }
    void mouseWheelTurnsTheFocusWidget()
    {
        QFETCH(Qt::FocusPolicy, listPolicy);
        QWidget window;
        auto *layout = new QVBoxLayout(&window);
        auto *value = new RotaryEncoderSpinBox;
        value->setRange(0, 100);
        value->setValue(50);
        value->setAccelerationParameters(1e9f, 1.0f); // one step per detent, however fast
        auto *underPointer = new RotaryEncoderList;
        underPointer->addItems({"a", "b", "c"});
        underPointer->setCurrentRow(0);
        underPointer->setFocusPolicy(listPolicy);
        layout->addWidget(value);
        layout->addWidget(underPointer);
        WheelToFocus filter;
        qApp->installEventFilter(&filter);
        QVERIFY(GuiTest::showActive(&window));
        value->setFocus();
        value->setWheelMode(WheelTabable::edit, false);

        wheelOver(underPointer, 120);
        QCOMPARE(value->value(), 51);
        QCOMPARE(underPointer->currentRow(), 0);
        QCOMPARE(QApplication::focusWidget(), value);
        // A fine-grained wheel turns once a whole detent has come together.
        wheelOver(underPointer, -60);
        QCOMPARE(value->value(), 51);
        wheelOver(underPointer, -60);
        QCOMPARE(value->value(), 50);
        QCOMPARE(underPointer->currentRow(), 0);
        QCOMPARE(QApplication::focusWidget(), value);
        qApp->removeEventFilter(&filter);
    }

    // A wheel click from the window system is spontaneous: Qt offers it to each parent
    // in turn until one accepts it. The focus widget still turns once per click.
    void oneClickIsOneDetent()
    {
        QWidget window;
        auto *outer = new QVBoxLayout(&window);
        auto *focused = new RotaryEncoderList;
        focused->addItems({"a", "b", "c", "d", "e", "f", "g"});
        focused->setCurrentRow(0);
        outer->addWidget(focused);
        // The pointer rests on a label deep inside frames, none of which takes a wheel.
        QWidget *parent = &window;
        for (int depth = 0; depth < 3; ++depth) {
            auto *frame = new QFrame;
            parent->layout()->addWidget(frame);
            new QVBoxLayout(frame);
            parent = frame;
        }
        auto *underPointer = new QLabel(QStringLiteral("value"));
        parent->layout()->addWidget(underPointer);

        WheelToFocus filter;
        qApp->installEventFilter(&filter);
        QVERIFY(GuiTest::showActive(&window));
        focused->setFocus();
        wheelOver(underPointer, 120);
        QCOMPARE(focused->currentRow(), 1);
        wheelOver(underPointer, -120);
        QCOMPARE(focused->currentRow(), 0);
        wheelOver(underPointer, 240); // a fast flick: two detents
        QCOMPARE(focused->currentRow(), 2);
        qApp->removeEventFilter(&filter);
    }
};

RONDIX_TEST(TestWheelToFocus)
#include "tst_WheelToFocus.moc"
