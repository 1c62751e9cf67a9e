#include "RotaryEncoderTimeEdit.h"

#include "FocusChain.h"

#include "DateTimeEditing.h"

#include <QKeyEvent>
#include <QWheelEvent>

RotaryEncoderTimeEdit::RotaryEncoderTimeEdit(QWidget *parent) : QTimeEdit(parent) {}

void RotaryEncoderTimeEdit::keyPressEvent(QKeyEvent *event)
{
    if (!DateTimeEditing::toggleOnSelect(this, m_edit, event))
        QTimeEdit::keyPressEvent(event);
}

void RotaryEncoderTimeEdit::wheelEvent(QWheelEvent *event)
{
    if (m_edit) {
        QTimeEdit::wheelEvent(event);
        return;
    }
    FocusChain::move(this, event->angleDelta().y() > 0);
    event->accept();
}

void RotaryEncoderTimeEdit::focusInEvent(QFocusEvent *event)
{
    QTimeEdit::focusInEvent(event);
    setStyleSheet(QStringLiteral("QTimeEdit { border: 1px solid red }"));
}

void RotaryEncoderTimeEdit::focusOutEvent(QFocusEvent *event)
{
    QTimeEdit::focusOutEvent(event);
    setStyleSheet(QStringLiteral("QTimeEdit { border: 1px solid gray }"));
}
