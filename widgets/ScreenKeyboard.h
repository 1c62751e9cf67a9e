#pragma once

#include <QDialog>

namespace Ui {
class ScreenKeyboard;
}
class VirtualKeyboard;

// The modal data-entry dialog: a text line above the key grid. The encoder moves the
// highlight, select or F1 types the highlighted key, F2 deletes, F3 shifts, F4 switches
// layout; green (F6) ends with result 0 (take the text), red (F7) with result 1.
class ScreenKeyboard : public QDialog
{
    Q_OBJECT
public:
    enum Result { Taken = 0, Kept = 1 };

    explicit ScreenKeyboard(QWidget *parent = nullptr);
    ~ScreenKeyboard() override;

    void setTitle(const QString &title);
    void setText(const QString &text);
    QString getText() const;
    void setTextMaxLength(int length);

    VirtualKeyboard *keyGrid() const;

    // Opens a keyboard on the text of a field (its parent) and runs it; on the green
    // key the typed text replaces text and true is returned.
    static bool editText(QWidget *field, QString &text, int maxLength);

public slots:
    // Any way out other than the green key keeps the caller's text.
    void reject() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    Ui::ScreenKeyboard *ui;
};
