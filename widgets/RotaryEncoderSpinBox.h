#pragma once

#include "TurnAcceleration.h"
#include "WheelTabable.h"

#include <QSpinBox>

// Numeric field for the encoder with turn-speed acceleration: in edit mode a slow turn
// steps once per detent, a fast turn many times.
class RotaryEncoderSpinBox : public QSpinBox, public WheelTabable
{
    Q_OBJECT
public:
    explicit RotaryEncoderSpinBox(QWidget *parent = nullptr);

    void setWheelMode(WheelTabable::WheelMode mode, bool lock) override;
    WheelTabable::WheelMode wheelMode() const { return m_mode; }
    void setAccelerationParameters(float threshold, float exponent);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    WheelTabable::WheelMode m_mode = navigate;
    bool m_lock = false;
    TurnAcceleration m_acceleration;
};
