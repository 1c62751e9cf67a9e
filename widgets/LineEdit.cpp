#include "LineEdit.h"

#include "FocusChain.h"

#include "ScreenKeyboard.h"

#include <QKeyEvent>
#include <QWheelEvent>

LineEdit::LineEdit(QWidget *parent) : QLineEdit(parent)
{
    setWheelMode(navigate, false);
    setStyleSheet(QStringLiteral("QLineEdit { border-width: 2px; }"));
}

void LineEdit::setWheelMode(WheelTabable::WheelMode mode, bool lock)
{
    m_mode = mode;
    m_lock = lock;
    if (mode == edit) {
        setReadOnly(false);
        selectAll();
    } else {
        setReadOnly(true);
    }
}

void LineEdit::keyPressEvent(QKeyEvent *event)
{
    if (m_lock || event->key() != Qt::Key_Escape) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    setWheelMode(otherMode(m_mode), false);
    if (m_mode == navigate) {
        FocusChain::move(this, true);
    } else {
        QString typed = text();
        if (ScreenKeyboard::editText(this, typed, maxLength()))
            setText(typed);
        setFocus();
        setWheelMode(navigate, false);
    }
    // The select key has acted on this field; it must not travel on to the screen
    // (or reject a dialog the field sits in).
    event->accept();
}

void LineEdit::wheelEvent(QWheelEvent *event)
{
    if (m_mode == navigate) {
        FocusChain::move(this, event->angleDelta().y() > 0);
    }
    event->accept();
}

void LineEdit::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    deselect();
    setStyleSheet(QStringLiteral("QLineEdit { border: 1px solid red; }"));
}

void LineEdit::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    setStyleSheet(QStringLiteral("QLineEdit { border: 1px solid gray }"));
}
