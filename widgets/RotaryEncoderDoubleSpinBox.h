#pragma once

#include "EncoderSpinBox.h"

#include <QDoubleSpinBox>

// DoubleSpinBox for the encoder with turn-speed acceleration: in edit mode a slow turn steps
// once per detent, a fast turn many times.
class RotaryEncoderDoubleSpinBox : public EncoderSpinBox<QDoubleSpinBox>
{
    Q_OBJECT
public:
    explicit RotaryEncoderDoubleSpinBox(QWidget *parent = nullptr)
        : EncoderSpinBox<QDoubleSpinBox>(parent, QStringLiteral("QDoubleSpinBox { border-width: 2px; }"))
    {
    }
};
