#pragma once

#include <QMessageBox>

// The message box of every screen, limited to the display: the wheel moves between the
// buttons and the select key presses the focused one. The select key is Escape, so it
// never acts as the dialog's reject. Its texts are plain text. A box without a parent
// comes up centred over the window in use.
class RotaryEncoderMessageBox : public QMessageBox
{
    Q_OBJECT
public:
    static constexpr int maxWidth = 280;
    static constexpr int maxHeight = 170;

    explicit RotaryEncoderMessageBox(QWidget *parent = nullptr);

    // Gives every standard button the box holds its text in the program's translation.
    void translateStandardButtons();

protected:
    bool event(QEvent *event) override;
    void childEvent(QChildEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void limitSize();
    void placeOverActiveWindow();
    void shortenLongWords();
};
