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
        // As the window system delivers it: to the widget under the pointer.
        const auto scroll = [&](int delta) {
            const QPointF at = QRectF(underPointer->rect()).center();
            QWheelEvent event(at, underPointer->mapToGlobal(at.toPoint()), QPoint(), QPoint(0, delta), Qt::NoButton,
                              Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(underPointer, &event);
        };
        scroll(120);
        QCOMPARE(focused->currentRow(), 1);
        QCOMPARE(underPointer->currentRow(), 0);
        // A fine-grained wheel turns once a whole detent has come together.
        scroll(-60);
        QCOMPARE(focused->currentRow(), 1);
        scroll(-60);
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
        const auto click = [&](int delta) {
            const QPointF at = QRectF(underPointer->rect()).center();
            QWheelEvent event(at, underPointer->mapToGlobal(at.toPoint()), QPoint(), QPoint(0, delta), Qt::NoButton,
                              Qt::NoModifier, Qt::NoScrollPhase, false);
            QSpontaneKeyEvent::setSpontaneous(&event);
            qApp->notify(underPointer, &event);
        };
        click(120);
        QCOMPARE(focused->currentRow(), 1);
        click(-120);
        QCOMPARE(focused->currentRow(), 0);
        click(240); // a fast flick: two detents
        QCOMPARE(focused->currentRow(), 2);
        qApp->removeEventFilter(&filter);
    }
};

RONDIX_TEST(TestWheelToFocus)
#include "tst_WheelToFocus.moc"
