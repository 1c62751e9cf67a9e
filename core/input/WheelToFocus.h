#pragma once

#include <QObject>

// On a desktop, the mouse wheel stands in for the rotary encoder: like the encoder, it
// turns the widget that has the focus, not the one under the pointer, and never moves
// the focus there. Installed on the application; turns of the window system are taken
// at the window and redelivered through WheelDelivery, a detent (120) at a time. The
// program's own turns (the encoder's) pass untouched.
class WheelToFocus : public QObject
{
    Q_OBJECT
public:
    explicit WheelToFocus(QObject *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    int m_remainder = 0; // part of a detent from fine-grained wheels
};
