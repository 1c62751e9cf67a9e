#pragma once

#include "FocusChain.h"
#include "SpinBoxPainter.h"
#include "TurnAcceleration.h"
#include "WheelTabable.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QStyleOptionSpinBox>
#include <QWheelEvent>

// What the integer and the decimal spin box share, on top of the toolkit spin box
// they derive from: navigate and edit mode, and turn-speed acceleration in edit mode.
template<class SpinBox>
class EncoderSpinBox : public SpinBox, public WheelTabable
{
public:
    EncoderSpinBox(QWidget *parent, const QString &styleSheet) : SpinBox(parent)
    {
        setWheelMode(navigate, false);
        this->setStyleSheet(styleSheet);
    }

    void setWheelMode(WheelTabable::WheelMode mode, bool lock) override
    {
        m_mode = mode;
        m_lock = lock;
        this->setReadOnly(mode == navigate);
        if (mode == edit)
            this->lineEdit()->selectAll();
        this->update();
    }
    WheelTabable::WheelMode wheelMode() const { return m_mode; }

    void setAccelerationParameters(float threshold, float exponent) { m_acceleration.setParameters(threshold, exponent); }

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        if (m_lock || event->key() != Qt::Key_Escape) {
            SpinBox::keyPressEvent(event);
            return;
        }
        setWheelMode(otherMode(m_mode), false);
        if (m_mode == navigate)
            FocusChain::move(this, true);
        event->accept();
    }

    void wheelEvent(QWheelEvent *event) override
    {
        const int delta = event->angleDelta().y();
        if (m_mode == navigate) {
            FocusChain::move(this, delta > 0);
        } else {
            const int steps = m_acceleration.steps(delta, event->modifiers());
            if (steps != 0)
                this->stepBy(steps);
        }
        event->accept();
    }

    void focusInEvent(QFocusEvent *event) override
    {
        SpinBox::focusInEvent(event);
        this->lineEdit()->deselect();
    }

    void focusOutEvent(QFocusEvent *event) override
    {
        SpinBox::focusOutEvent(event);
        this->setStyleSheet(QString());
    }

    void paintEvent(QPaintEvent *) override
    {
        QStyleOptionSpinBox option;
        this->initStyleOption(&option);
        SpinBoxPainter::paint(this, option, m_mode == edit);
    }

private:
    WheelTabable::WheelMode m_mode = navigate;
    bool m_lock = false;
    TurnAcceleration m_acceleration;
};
