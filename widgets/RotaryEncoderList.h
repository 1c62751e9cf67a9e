#pragma once

#include <QListWidget>

// List of the menus: each turn moves the selection one row, wrapping at both ends.
// Keys are the list widget's own, which leaves the select key to the screen.
class RotaryEncoderList : public QListWidget
{
    Q_OBJECT
public:
    explicit RotaryEncoderList(QWidget *parent = nullptr);

    // The highlighted row, the one the operator sees chosen; -1 when none is. The list's
    // current row can differ: focus alone makes the first row current, unhighlighted.
    int selectedRow() const;

protected:
    bool event(QEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
};
