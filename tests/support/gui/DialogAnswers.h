#pragma once

#include <QList>
#include <QMessageBox>
#include <QString>
#include <QStringList>

#include <functional>

// Answering the dialogs a key opens, one after another, the way the operator does.

// What a message box showed.
struct BoxSeen {
    QString title;
    QString text;
    QString informative;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    // The buttons the box opened with as default and as focused.
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
    QMessageBox::StandardButton focused = QMessageBox::NoButton;
};

// How the operator answers one dialog.
using Answer = std::function<void(QWidget *dialog)>;
// Turns to the button of a message box and presses the select key; what the box showed
// goes into seen when given.
Answer button(QMessageBox::StandardButton pressed, BoxSeen *seen = nullptr);
// Presses the select key on the button the box opened on, as a key pressed once more
// by habit does.
Answer selectAsOpened(BoxSeen *seen = nullptr);
// Types text on the on-screen keyboard and takes it with the green key.
Answer type(const QString &text);
// The red key.
Answer cancel();

// Runs trigger (a key press) and answers the dialogs that open one after another while
// it runs, in order. Returns what each dialog that came up showed (a box's text, the
// keyboard's title); a dialog that never came up is left out.
QStringList dialogs(const std::function<void()> &trigger, const QList<Answer> &answers);

// A key press as a trigger.
std::function<void()> press(int key);
