#include "RotaryEncoderComboBox.h"

#include "FocusChain.h"

#include <QKeyEvent>
#include <QWheelEvent>

RotaryEncoderComboBox::RotaryEncoderComboBox(QWidget *parent) : QComboBox(parent)
{
    setWheelMode(navigate, false);
}

void RotaryEncoderComboBox::setWheelMode(WheelTabable::WheelMode mode, bool lock)
{
    m_mode = mode;
    m_lock = lock;
    if (mode == edit)
        setFocus();
    else
        setBorder(hasFocus());
}

void RotaryEncoderComboBox::setBorder(bool focused)
{
    setStyleSheet(focused ? QStringLiteral("QComboBox { border: 1px solid red }")
                          : QStringLiteral("QComboBox { border: 1px solid gray }"));
}

void RotaryEncoderComboBox::keyPressEvent(QKeyEvent *event)
{
    emit comboBoxSelectedItemChanged();
    if (!m_lock && event->key() == Qt::Key_Escape) {
        setWheelMode(otherMode(m_mode), false);
        event->accept();
        return;
    }
    QComboBox::keyPressEvent(event);
}

void RotaryEncoderComboBox::wheelEvent(QWheelEvent *event)
{
    const int delta = event->angleDelta().y();
    if (m_mode == navigate) {
        FocusChain::move(this, delta > 0);
        event->accept();
        return;
    }
    const int last = count() - 1;
    if (delta < 0 && currentIndex() == last && last >= 0) {
        setCurrentIndex(0);
        event->accept();
    } else if (delta > 0 && currentIndex() == 0) {
        setCurrentIndex(last);
        event->accept();
    } else {
        QComboBox::wheelEvent(event);
    }
}

void RotaryEncoderComboBox::focusInEvent(QFocusEvent *event)
{
    QComboBox::focusInEvent(event);
    setBorder(true);
}

void RotaryEncoderComboBox::focusOutEvent(QFocusEvent *event)
{
    QComboBox::focusOutEvent(event);
    setBorder(false);
}
