#pragma once

#include "WheelTabable.h"

#include <QLineEdit>

// One-line text field. It is never typed into directly: the select key opens the
// on-screen keyboard with the field's text; green takes the new text, red keeps the old.
class LineEdit : public QLineEdit, public WheelTabable
{
    Q_OBJECT
public:
    explicit LineEdit(QWidget *parent = nullptr);

    void setWheelMode(WheelTabable::WheelMode mode, bool lock) override;
    WheelTabable::WheelMode wheelMode() const { return m_mode; }

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    WheelTabable::WheelMode m_mode = navigate;
    bool m_lock = false;
};
