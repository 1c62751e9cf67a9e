#pragma once

#include "EncoderDateTimeField.h"

#include <QDateTimeEdit>

// The date-time field of the forms, driven by the encoder.
class RotaryEncoderDateTimeEdit : public EncoderDateTimeField<QDateTimeEdit>
{
    Q_OBJECT
public:
    explicit RotaryEncoderDateTimeEdit(QWidget *parent = nullptr) : EncoderDateTimeField<QDateTimeEdit>(parent, "") {}
};
