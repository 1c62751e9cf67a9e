#include "RotaryEncoderDateTimeEdit.h"

#include "FocusChain.h"

#include "DateTimeEditing.h"

#include <QKeyEvent>
#include <QWheelEvent>

RotaryEncoderDateTimeEdit::RotaryEncoderDateTimeEdit(QWidget *parent) : QDateTimeEdit(parent) {}

void RotaryEncoderDateTimeEdit::keyPressEvent(QKeyEvent *event)
{
    if (!DateTimeEditing::toggleOnSelect(this, m_edit, event))
        QDateTimeEdit::keyPressEvent(event);
}

void RotaryEncoderDateTimeEdit::wheelEvent(QWheelEvent *event)
{
    if (m_edit) {
        QDateTimeEdit::wheelEvent(event);
        return;
    }
    FocusChain::move(this, event->angleDelta().y() > 0);
    event->accept();
}
