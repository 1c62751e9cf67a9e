#include "RotaryEncoderSpinBox.h"

#include "FocusChain.h"

#include "SpinBoxPainter.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QStyleOptionSpinBox>
#include <QWheelEvent>

RotaryEncoderSpinBox::RotaryEncoderSpinBox(QWidget *parent) : QSpinBox(parent)
{
    setWheelMode(navigate, false);
    setStyleSheet(QStringLiteral("QSpinBox { border-width: 2px; }"));
}

void RotaryEncoderSpinBox::setWheelMode(WheelTabable::WheelMode mode, bool lock)
{
    m_mode = mode;
    m_lock = lock;
    setReadOnly(mode == navigate);
    if (mode == edit)
        lineEdit()->selectAll();
    update();
}

void RotaryEncoderSpinBox::setAccelerationParameters(float threshold, float exponent)
{
    m_acceleration.setParameters(threshold, exponent);
}

void RotaryEncoderSpinBox::keyPressEvent(QKeyEvent *event)
{
    if (m_lock || event->key() != Qt::Key_Escape) {
        QSpinBox::keyPressEvent(event);
        return;
    }
    setWheelMode(otherMode(m_mode), false);
    if (m_mode == navigate)
        FocusChain::move(this, true);
    event->accept();
}

void RotaryEncoderSpinBox::wheelEvent(QWheelEvent *event)
{
    const int delta = event->angleDelta().y();
    if (m_mode == navigate) {
        FocusChain::move(this, delta > 0);
    } else {
        const int steps = m_acceleration.steps(delta, event->modifiers());
        if (steps != 0)
            stepBy(steps);
    }
    event->accept();
}

void RotaryEncoderSpinBox::focusInEvent(QFocusEvent *event)
{
    QSpinBox::focusInEvent(event);
    lineEdit()->deselect();
}

void RotaryEncoderSpinBox::focusOutEvent(QFocusEvent *event)
{
    QSpinBox::focusOutEvent(event);
    setStyleSheet(QString());
}

void RotaryEncoderSpinBox::paintEvent(QPaintEvent *)
{
    QStyleOptionSpinBox option;
    initStyleOption(&option);
    SpinBoxPainter::paint(this, option, m_mode == edit);
}
