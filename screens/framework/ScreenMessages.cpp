#include "ScreenMessages.h"

#include "RotaryEncoderMessageBox.h"

#include <QPushButton>

namespace ScreenMessages
{

void setUp(RotaryEncoderMessageBox &box, QMessageBox::Icon icon, const QString &title,
           const QString &text, QMessageBox::StandardButtons buttons, const QString &informative,
           Question question)
{
    box.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    box.setWindowTitle(title);
    box.setIcon(icon);
    box.setTextFormat(Qt::PlainText);
    box.setText(text);
    box.setInformativeText(informative);
    box.setStandardButtons(buttons);
    box.translateStandardButtons();
    if (question == Question::Erases) {
        auto *harmless = qobject_cast<QPushButton *>(box.button(QMessageBox::No));
        if (!harmless)
            harmless = qobject_cast<QPushButton *>(box.button(QMessageBox::Cancel));
        if (harmless) {
            box.setDefaultButton(harmless);
            harmless->setFocus();
        }
    }
}

int run(QWidget *parent, QMessageBox::Icon icon, const QString &title, const QString &text,
        QMessageBox::StandardButtons buttons, const QString &informative, Question question)
{
    RotaryEncoderMessageBox box(parent);
    setUp(box, icon, title, text, buttons, informative, question);
    return box.exec();
}

void warn(const QString &title, const QString &text)
{
    run(nullptr, QMessageBox::Warning, title, text, QMessageBox::Ok);
}

void inform(const QString &title, const QString &text)
{
    run(nullptr, QMessageBox::Information, title, text, QMessageBox::Ok);
}

bool ask(QWidget *parent, const QString &title, const QString &text, const QString &informative,
         Question question)
{
    return run(parent, QMessageBox::Warning, title, text, QMessageBox::Yes | QMessageBox::No,
               informative, question) == QMessageBox::Yes;
}

bool confirm(QWidget *parent, const QString &title, const QString &text, Question question)
{
    return run(parent, QMessageBox::Warning, title, text, QMessageBox::Ok | QMessageBox::Cancel,
               QString(), question) == QMessageBox::Ok;
}

} // namespace ScreenMessages
