#include "GuiTest.h"
#include "RotaryEncoderList.h"
#include "TestRegistry.h"
#include "WheelToFocus.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QTest>
#include <QtTest/qtestspontaneevent.h>
#include <QVBoxLayout>
#include <QWheelEvent>

namespace {
// A wheel turn as the window system delivers it: to the widget under the pointer, and
// spontaneous, so that Qt offers it to the parents while nobody accepts it.
void wheelOver(QWidget *widget, int delta)
{
    const QPointF at = QRectF(widget->rect()).center();
    QWheelEvent event(at, widget->mapToGlobal(at.toPoint()), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QSpontaneKeyEvent::setSpontaneous(&event);
    qApp->notify(widget, &event);
}
} // namespace

class TestWheelToFocus : public QObject
{
    Q_OBJECT
private slots:
    void mouseWheelTurnsTheFocusWidget()
    {
        QWidget window;
        auto *layout = new QVBoxLayout(&window);
        auto *focused = new RotaryEncoderList;
        auto *underPointer = new RotaryEncoderList;
        for (RotaryEncoderList *list : {focused, underPointer}) {
            list->addItems({"a", "b", "c"});
            list->setCurrentRow(0);
            layout->addWidget(list);
        }
        WheelToFocus filter;
        qApp->installEventFilter(&filter);
        QVERIFY(GuiTest::showActive(&window));
        focused->setFocus();
        wheelOver(underPointer, 120);
        QCOMPARE(focused->currentRow(), 1);
        QCOMPARE(underPointer->currentRow(), 0);
        // A fine-grained wheel turns once a whole detent has come together.
        wheelOver(underPointer, -60);
        QCOMPARE(focused->currentRow(), 1);
        wheelOver(underPointer, -60);
        QCOMPARE(focused->currentRow(), 0);
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
