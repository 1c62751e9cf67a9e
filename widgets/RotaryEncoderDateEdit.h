#pragma once

#include <QDateEdit>

// DateEdit field for the encoder: the select key switches between navigating (a turn
// moves the focus) and editing (a turn steps the current section).
class RotaryEncoderDateEdit : public QDateEdit
{
    Q_OBJECT
public:
    explicit RotaryEncoderDateEdit(QWidget *parent = nullptr);

    bool isEditing() const { return m_edit; }

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    bool m_edit = false;
};
