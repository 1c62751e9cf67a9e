#pragma once

#include "EncoderDateTimeField.h"

#include <QTimeEdit>

// The time field of the forms, driven by the encoder.
class RotaryEncoderTimeEdit : public EncoderDateTimeField<QTimeEdit>
{
    Q_OBJECT
public:
    explicit RotaryEncoderTimeEdit(QWidget *parent = nullptr) : EncoderDateTimeField<QTimeEdit>(parent, "QTimeEdit") {}
};
