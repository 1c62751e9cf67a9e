#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <Qt>

#include <functional>

class QWidget;
class QTimer;

// Drives widgets the way the operator does: keys of the key pad and detents of the
// rotary encoder, both delivered to the widget that has the focus.
namespace GuiTest {

// Shows a top-level widget at the display's size and waits until it is the active
// window: shortcuts (the soft keys) fire only in the active window.
bool showActive(QWidget *window);

// The widget that receives keys and turns now: the focus widget, else the active
// modal dialog or window.
QWidget *focusTarget();

// Presses and releases one key (F1..F4 soft keys, F6 green, F7 red, Escape select).
void key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
void keys(const QList<int> &keys);

// Turns the encoder: |detents| wheel events of 120, positive forward.
void turn(int detents, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// One wheel event with a raw vertical delta (a detent is 120).
void wheel(int delta, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

// Types text on an open on-screen keyboard as the operator does: the encoder walks to
// each character (F3 and F4 switch case and layout when it is not on the one shown) and
// select types it; then the green key takes the line. False when a character is on no
// layout (the red key then closes the keyboard).
bool typeOnKeyboard(QWidget *keyboard, const QString &text);

// Opens the on-screen keyboard on the focused field with the select key, erases the
// given number of characters with F2, then types text as typeOnKeyboard does.
bool typeIntoFocusedField(const QString &text, int erase = 0);

// Renders a widget and stores it as PNG (for looking at a form).
bool savePng(QWidget *widget, const QString &path);

// Answers the next modal dialog once it is up: runs action on it from a timer while
// the caller sits in the dialog's exec(). Keep the object until exec() has returned;
// answered() tells whether the dialog ever came up.
class ModalAnswer : public QObject
{
    Q_OBJECT
public:
    explicit ModalAnswer(std::function<void(QWidget *)> action, int timeoutMs = 10000);
    // The common case: press these keys in the dialog, in order.
    explicit ModalAnswer(const QList<int> &keys, int timeoutMs = 10000);
    ~ModalAnswer() override;

    bool answered() const { return m_answered; }
    // What the dialog showed when it came up (its window title and text, if any).
    QString dialogText() const { return m_text; }

private:
    void poll();

    std::function<void(QWidget *)> m_action;
    QTimer *m_timer;
    QPointer<QWidget> m_before;
    QPointer<QWidget> m_owner;
    int m_remainingPolls;
    bool m_answered = false;
    QString m_text;
};

} // namespace GuiTest
