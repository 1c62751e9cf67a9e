#pragma once

#include "WheelTabable.h"

#include <QComboBox>

// Chooser: the select key switches between moving the focus and stepping through the
// items, which wraps at both ends.
class RotaryEncoderComboBox : public QComboBox, public WheelTabable
{
    Q_OBJECT
public:
    explicit RotaryEncoderComboBox(QWidget *parent = nullptr);

    void setWheelMode(WheelTabable::WheelMode mode, bool lock) override;
    WheelTabable::WheelMode wheelMode() const { return m_mode; }

signals:
    void comboBoxSelectedItemChanged();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void setBorder(bool focused);

    WheelTabable::WheelMode m_mode = navigate;
    bool m_lock = false;
};
