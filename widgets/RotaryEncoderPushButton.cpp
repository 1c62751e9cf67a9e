#include "RotaryEncoderPushButton.h"

#include "FocusChain.h"

#include <QKeyEvent>
#include <QWheelEvent>

RotaryEncoderPushButton::RotaryEncoderPushButton(QWidget *parent) : QPushButton(parent) {}

void RotaryEncoderPushButton::keyPressEvent(QKeyEvent *event)
{
    click();
    QPushButton::keyPressEvent(event);
}

void RotaryEncoderPushButton::wheelEvent(QWheelEvent *event)
{
    if (m_edit) {
        QWidget::wheelEvent(event);
        return;
    }
    FocusChain::move(this, event->angleDelta().y() > 0);
    event->accept();
}
