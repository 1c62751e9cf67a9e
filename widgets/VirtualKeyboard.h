#pragma once

#include <QWidget>

class VirtualKeyboardPrivate;

// The key grid of the on-screen keyboard: one key highlighted, the encoder moves the
// highlight through the keys in reading order, wrapping at both ends.
class VirtualKeyboard : public QWidget
{
    Q_OBJECT
public:
    enum Keyboard { QwertyUpper = 0, QwertyLower = 1, AlphaUpper = 2, AlphaLower = 3 };

    explicit VirtualKeyboard(QWidget *parent = nullptr);

    void setKeyboard(VirtualKeyboard::Keyboard keyboard);
    VirtualKeyboard::Keyboard keyboard() const;
    void toggleShift();
    void toggleKeyboard();
    QChar getCurrentKey() const;

protected:
    void wheelEvent(QWheelEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    VirtualKeyboardPrivate *d;
};
