#include "PlainTextEdit.h"

#include "FocusChain.h"

#include "ScreenKeyboard.h"

#include <QDebug>
#include <QKeyEvent>
#include <QWheelEvent>

PlainTextEdit::PlainTextEdit(QWidget *parent) : QPlainTextEdit(parent)
{
    setWheelMode(navigate, false);
    setStyleSheet(QStringLiteral("QPlainTextEdit{ border-width: 2px; }"));
}

void PlainTextEdit::setWheelMode(WheelTabable::WheelMode mode, bool lock)
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

bool PlainTextEdit::event(QEvent *event)
{
    // The scroll area must never take a turn of the encoder.
    if (event->type() == QEvent::Wheel) {
        wheelEvent(static_cast<QWheelEvent *>(event));
        return true;
    }
    return QPlainTextEdit::event(event);
}

void PlainTextEdit::keyPressEvent(QKeyEvent *event)
{
    if (m_lock || event->key() != Qt::Key_Escape) {
        QPlainTextEdit::keyPressEvent(event);
        return;
    }
    setWheelMode(otherMode(m_mode), false);
    if (m_mode == navigate) {
        FocusChain::move(this, true);
    } else {
        QString typed = toPlainText();
        if (ScreenKeyboard::editText(this, typed, m_maxLength))
            setPlainText(typed);
        setFocus();
        setWheelMode(navigate, false);
    }
    event->accept();
}

void PlainTextEdit::wheelEvent(QWheelEvent *event)
{
    qDebug() << "PlainTextEdit::wheelEvent";
    if (m_mode == edit) {
        QPlainTextEdit::wheelEvent(event);
        return;
    }
    FocusChain::move(this, event->angleDelta().y() > 0);
    event->accept();
}

void PlainTextEdit::focusInEvent(QFocusEvent *event)
{
    QPlainTextEdit::focusInEvent(event);
    setStyleSheet(QStringLiteral("QPlainTextEdit { border: 1px solid red; }"));
}

void PlainTextEdit::focusOutEvent(QFocusEvent *event)
{
    QPlainTextEdit::focusOutEvent(event);
    setStyleSheet(QStringLiteral("QPlainTextEdit { border: 1px solid gray }"));
}
