#pragma once

#include <QMessageBox>
#include <QString>

class RotaryEncoderMessageBox;

// The message boxes of every screen: a title bar without window buttons, an icon, the
// texts as plain text (a text may hold a name from outside the instrument, never markup)
// and the standard buttons in the program's translation. Texts come translated.
namespace ScreenMessages
{

// What a question's Yes or Ok does. A question that deletes or resets opens with the
// answer that keeps everything (No or Cancel) as its default and focused button, so a
// select key pressed twice by habit erases nothing. Others open as the toolkit chooses.
enum class Question { Keeps, Erases };

// Sets the box up so; an empty informative text removes one the box had.
void setUp(RotaryEncoderMessageBox &box, QMessageBox::Icon icon, const QString &title,
           const QString &text, QMessageBox::StandardButtons buttons,
           const QString &informative = QString(), Question question = Question::Keeps);

// A box set up so and run modally; returns the button pressed.
int run(QWidget *parent, QMessageBox::Icon icon, const QString &title, const QString &text,
        QMessageBox::StandardButtons buttons, const QString &informative = QString(),
        Question question = Question::Keeps);

// A warning with one OK key and no parent.
void warn(const QString &title, const QString &text);

// An information with one OK key and no parent.
void inform(const QString &title, const QString &text);

// A warning asking Yes or No; true when the operator answers Yes.
bool ask(QWidget *parent, const QString &title, const QString &text, const QString &informative,
         Question question = Question::Keeps);

// A warning asking OK or Cancel; true when the operator answers OK.
bool confirm(QWidget *parent, const QString &title, const QString &text,
             Question question = Question::Keeps);

} // namespace ScreenMessages
