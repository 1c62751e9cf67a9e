#pragma once

#include "EncoderSpinBox.h"

#include <QSpinBox>

// SpinBox for the encoder with turn-speed acceleration: in edit mode a slow turn steps
// once per detent, a fast turn many times.
class RotaryEncoderSpinBox : public EncoderSpinBox<QSpinBox>
{
    Q_OBJECT
public:
    explicit RotaryEncoderSpinBox(QWidget *parent = nullptr)
        : EncoderSpinBox<QSpinBox>(parent, QStringLiteral("QSpinBox { border-width: 2px; }"))
    {
    }
};
