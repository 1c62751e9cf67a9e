#pragma once

#include <QMessageBox>
#include <QString>

// The message boxes of the sequence and result screens: a title bar without window
// buttons, the warning icon and translated standard buttons, run modally. Texts come
// translated.
namespace SequenceMessages
{

// A warning with the given buttons; returns the one pressed. The texts are plain text, as
// they may hold names from outside the instrument, which must never act as markup.
int run(QWidget *parent, const QString &title, const QString &text, const QString &informative,
        QMessageBox::StandardButtons buttons, Qt::TextFormat format = Qt::PlainText);

// A warning with one OK key and no parent.
void warn(const QString &title, const QString &text);

// A warning asking Yes or No; true when the operator answers Yes.
bool ask(QWidget *parent, const QString &title, const QString &text, const QString &informative);

// A warning asking OK or Cancel; true when the operator answers OK.
bool confirm(QWidget *parent, const QString &title, const QString &text);

} // namespace SequenceMessages
