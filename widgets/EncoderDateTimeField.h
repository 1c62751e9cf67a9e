#pragma once

#include "FocusChain.h"

#include <QKeyEvent>
#include <QWheelEvent>

// What the encoder's date and time fields share: the select key toggles an edit flag
// (white while editing, grey otherwise); a turn steps the current section while editing
// and moves the focus otherwise. focusStyle names the style-sheet type of the focus
// border, or is empty for none.
template<class Field>
class EncoderDateTimeField : public Field
{
public:
    EncoderDateTimeField(QWidget *parent, const char *focusStyle) : Field(parent), m_focusStyle(focusStyle) {}

    bool isEditing() const { return m_edit; }

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        if (event->key() != Qt::Key_Escape) {
            Field::keyPressEvent(event);
            return;
        }
        m_edit = !m_edit;
        this->setStyleSheet(m_edit ? QStringLiteral(" background-color: rgb(255, 255, 255);selection-color: rgb(0, 0, 0);")
                                   : QStringLiteral(" background-color: rgba(231, 231, 231, 231);selection-color: rgb(0, 0, 0);"));
        event->accept();
    }

    void wheelEvent(QWheelEvent *event) override
    {
        if (m_edit) {
            Field::wheelEvent(event);
            return;
        }
        FocusChain::move(this, event->angleDelta().y() > 0);
        event->accept();
    }

    void focusInEvent(QFocusEvent *event) override
    {
        Field::focusInEvent(event);
        if (*m_focusStyle)
            this->setStyleSheet(QString::fromLatin1(m_focusStyle) + QStringLiteral(" { border: 1px solid red }"));
    }

    void focusOutEvent(QFocusEvent *event) override
    {
        Field::focusOutEvent(event);
        if (*m_focusStyle)
            this->setStyleSheet(QString::fromLatin1(m_focusStyle) + QStringLiteral(" { border: 1px solid gray }"));
    }

private:
    const char *m_focusStyle;
    bool m_edit = false;
};
