#pragma once

#include <QPushButton>

// Push button for the encoder: any key that reaches it clicks it.
class RotaryEncoderPushButton : public QPushButton
{
    Q_OBJECT
public:
    explicit RotaryEncoderPushButton(QWidget *parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    bool m_edit = false; // offered by the family; nothing sets it
};
