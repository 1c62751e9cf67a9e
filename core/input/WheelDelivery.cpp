#include "WheelDelivery.h"

#include <QApplication>
#include <QPointer>
#include <QWheelEvent>
#include <QWidget>

namespace WheelDelivery {

bool deliver(QWidget *target, int delta, Qt::KeyboardModifiers modifiers)
{
    QPointer<QWidget> w = target;
    while (w) {
        const QPointF centre = QRectF(w->rect()).center();
        QWheelEvent event(centre, w->mapToGlobal(centre.toPoint()), QPoint(), QPoint(0, delta), Qt::NoButton,
                          modifiers, Qt::NoScrollPhase, false);
        const bool handled = QApplication::sendEvent(w, &event);
        if (handled && event.isAccepted())
            return true;
        if (!w || w->isWindow() || w->testAttribute(Qt::WA_NoMousePropagation))
            return false;
        w = w->parentWidget();
    }
    return false;
}

} // namespace WheelDelivery
