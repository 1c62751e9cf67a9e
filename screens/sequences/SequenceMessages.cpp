#include "SequenceMessages.h"

#include "RotaryEncoderMessageBox.h"

namespace SequenceMessages
{

int run(QWidget *parent, const QString &title, const QString &text, const QString &informative,
        QMessageBox::StandardButtons buttons, Qt::TextFormat format)
{
    RotaryEncoderMessageBox box(parent);
    box.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    box.setWindowTitle(title);
    box.setIcon(QMessageBox::Warning);
    box.setTextFormat(format);
    box.setText(text);
    box.setInformativeText(informative);
    box.setStandardButtons(buttons);
    box.translateStandardButtons();
    return box.exec();
}

void warn(const QString &title, const QString &text)
{
    run(nullptr, title, text, QString(), QMessageBox::Ok);
}

bool ask(QWidget *parent, const QString &title, const QString &text, const QString &informative)
{
    return run(parent, title, text, informative, QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}

bool confirm(QWidget *parent, const QString &title, const QString &text)
{
    return run(parent, title, text, QString(), QMessageBox::Ok | QMessageBox::Cancel) ==
           QMessageBox::Ok;
}

} // namespace SequenceMessages
