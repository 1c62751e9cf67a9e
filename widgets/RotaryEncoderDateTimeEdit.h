#pragma once

#include <QDateTimeEdit>

// DateTimeEdit field for the encoder: the select key switches between navigating (a turn
// moves the focus) and editing (a turn steps the current section).
class RotaryEncoderDateTimeEdit : public QDateTimeEdit
{
    Q_OBJECT
public:
    explicit RotaryEncoderDateTimeEdit(QWidget *parent = nullptr);

    bool isEditing() const { return m_edit; }

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    bool m_edit = false;
};
