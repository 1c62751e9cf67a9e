#include "RotaryEncoderDateEdit.h"

#include "FocusChain.h"

#include "DateTimeEditing.h"

#include <QKeyEvent>
#include <QWheelEvent>

RotaryEncoderDateEdit::RotaryEncoderDateEdit(QWidget *parent) : QDateEdit(parent) {}

void RotaryEncoderDateEdit::keyPressEvent(QKeyEvent *event)
{
    if (!DateTimeEditing::toggleOnSelect(this, m_edit, event))
        QDateEdit::keyPressEvent(event);
}

void RotaryEncoderDateEdit::wheelEvent(QWheelEvent *event)
{
    if (m_edit) {
        QDateEdit::wheelEvent(event);
        return;
    }
    FocusChain::move(this, event->angleDelta().y() > 0);
    event->accept();
}

void RotaryEncoderDateEdit::focusInEvent(QFocusEvent *event)
{
    QDateEdit::focusInEvent(event);
    setStyleSheet(QStringLiteral("QDateEdit { border: 1px solid red }"));
}

void RotaryEncoderDateEdit::focusOutEvent(QFocusEvent *event)
{
    QDateEdit::focusOutEvent(event);
    setStyleSheet(QStringLiteral("QDateEdit { border: 1px solid gray }"));
}
