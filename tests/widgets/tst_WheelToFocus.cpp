#include "GuiTest.h"
#include "RotaryEncoderList.h"
#include "TestRegistry.h"
#include "WheelToFocus.h"

#include <QApplication>
#include <QTest>
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
};

RONDIX_TEST(TestWheelToFocus)
#include "tst_WheelToFocus.moc"
