#pragma once

#include <QListWidget>

// List of the menus: each turn moves the selection one row, wrapping at both ends.
// Keys are the list widget's own, which leaves the select key to the screen.
class RotaryEncoderList : public QListWidget
{
    Q_OBJECT
public:
    explicit RotaryEncoderList(QWidget *parent = nullptr);

protected:
    bool event(QEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
};
