#include "ScreenMessages.h"

#include "RotaryEncoderMessageBox.h"

namespace ScreenMessages
{

void setUp(RotaryEncoderMessageBox &box, QMessageBox::Icon icon, const QString &title,
           const QString &text, QMessageBox::StandardButtons buttons, const QString &informative)
{
    box.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    box.setWindowTitle(title);
    box.setIcon(icon);
    box.setTextFormat(Qt::PlainText);
    box.setText(text);
    box.setInformativeText(informative);
    box.setStandardButtons(buttons);
    box.translateStandardButtons();
}

int run(QWidget *parent, QMessageBox::Icon icon, const QString &title, const QString &text,
        QMessageBox::StandardButtons buttons, const QString &informative)
{
    RotaryEncoderMessageBox box(parent);
    setUp(box, icon, title, text, buttons, informative);
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

bool ask(QWidget *parent, const QString &title, const QString &text, const QString &informative)
{
    return run(parent, QMessageBox::Warning, title, text, QMessageBox::Yes | QMessageBox::No,
               informative) == QMessageBox::Yes;
}

bool confirm(QWidget *parent, const QString &title, const QString &text)
{
    return run(parent, QMessageBox::Warning, title, text, QMessageBox::Ok | QMessageBox::Cancel) ==
           QMessageBox::Ok;
}

} // namespace ScreenMessages
