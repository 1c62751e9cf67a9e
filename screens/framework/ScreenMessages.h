#pragma once

#include <QMessageBox>
#include <QString>

class RotaryEncoderMessageBox;

// The message boxes of every screen: a title bar without window buttons, an icon, the
// texts as plain text (a text may hold a name from outside the instrument, never markup)
// and the standard buttons in the program's translation. Texts come translated.
namespace ScreenMessages
{

// Sets the box up so; an empty informative text removes one the box had.
void setUp(RotaryEncoderMessageBox &box, QMessageBox::Icon icon, const QString &title,
           const QString &text, QMessageBox::StandardButtons buttons,
           const QString &informative = QString());

// A box set up so and run modally; returns the button pressed.
int run(QWidget *parent, QMessageBox::Icon icon, const QString &title, const QString &text,
        QMessageBox::StandardButtons buttons, const QString &informative = QString());

// A warning with one OK key and no parent.
void warn(const QString &title, const QString &text);

// An information with one OK key and no parent.
void inform(const QString &title, const QString &text);

// A warning asking Yes or No; true when the operator answers Yes.
bool ask(QWidget *parent, const QString &title, const QString &text, const QString &informative);

// A warning asking OK or Cancel; true when the operator answers OK.
bool confirm(QWidget *parent, const QString &title, const QString &text);

} // namespace ScreenMessages
