#include "WheelToFocus.h"

#include "WheelDelivery.h"

#include <QApplication>
#include <QWheelEvent>
#include <QWidget>

WheelToFocus::WheelToFocus(QObject *parent) : QObject(parent) {}

bool WheelToFocus::eventFilter(QObject *watched, QEvent *event)
{
    // Only the window system's turns are spontaneous; the program's own (the encoder's,
    // and the ones redelivered here) pass. A turn of the window system first reaches the
    // window and is taken there: once Qt has passed it on to the widget under the
    // pointer, that widget may already have taken the focus (wheel focus policy).
    if (event->type() != QEvent::Wheel || !event->spontaneous())
        return QObject::eventFilter(watched, event);
    auto *wheel = static_cast<QWheelEvent *>(event);
    // Taken here: an event left unaccepted is offered to every parent in turn, and each
    // offer would turn the focus widget again.
    wheel->accept();
    QWidget *target = QApplication::focusWidget();
    if (!target)
        return true;
    m_remainder += wheel->angleDelta().y();
    const int detents = m_remainder / 120;
    m_remainder -= detents * 120;
    for (int i = 0; i < qAbs(detents); ++i)
        WheelDelivery::deliver(target, detents > 0 ? 120 : -120, wheel->modifiers());
    return true;
}
