#pragma once

#include "EncoderDateTimeField.h"

#include <QDateEdit>

// The date field of the forms, driven by the encoder.
class RotaryEncoderDateEdit : public EncoderDateTimeField<QDateEdit>
{
    Q_OBJECT
public:
    explicit RotaryEncoderDateEdit(QWidget *parent = nullptr) : EncoderDateTimeField<QDateEdit>(parent, "QDateEdit") {}
};
