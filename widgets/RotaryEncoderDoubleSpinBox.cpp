#include "RotaryEncoderDoubleSpinBox.h"

#include "FocusChain.h"

#include "SpinBoxPainter.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QStyleOptionSpinBox>
#include <QWheelEvent>

RotaryEncoderDoubleSpinBox::RotaryEncoderDoubleSpinBox(QWidget *parent) : QDoubleSpinBox(parent)
{
    setWheelMode(navigate, false);
    setStyleSheet(QStringLiteral("QDoubleSpinBox { border-width: 2px; }"));
}

void RotaryEncoderDoubleSpinBox::setWheelMode(WheelTabable::WheelMode mode, bool lock)
{
    m_mode = mode;
    m_lock = lock;
    setReadOnly(mode == navigate);
    if (mode == edit)
        lineEdit()->selectAll();
    update();
}

void RotaryEncoderDoubleSpinBox::setAccelerationParameters(float threshold, float exponent)
{
    m_acceleration.setParameters(threshold, exponent);
}

void RotaryEncoderDoubleSpinBox::keyPressEvent(QKeyEvent *event)
{
    if (m_lock || event->key() != Qt::Key_Escape) {
        QDoubleSpinBox::keyPressEvent(event);
        return;
    }
    setWheelMode(otherMode(m_mode), false);
    if (m_mode == navigate)
        FocusChain::move(this, true);
    event->accept();
}

void RotaryEncoderDoubleSpinBox::wheelEvent(QWheelEvent *event)
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

void RotaryEncoderDoubleSpinBox::focusInEvent(QFocusEvent *event)
{
    QDoubleSpinBox::focusInEvent(event);
    lineEdit()->deselect();
}

void RotaryEncoderDoubleSpinBox::focusOutEvent(QFocusEvent *event)
{
    QDoubleSpinBox::focusOutEvent(event);
    setStyleSheet(QString());
}

void RotaryEncoderDoubleSpinBox::paintEvent(QPaintEvent *)
{
    QStyleOptionSpinBox option;
    initStyleOption(&option);
    SpinBoxPainter::paint(this, option, m_mode == edit);
}
