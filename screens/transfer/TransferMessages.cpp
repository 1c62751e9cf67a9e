#include "TransferMessages.h"

#include "RotaryEncoderMessageBox.h"

#include <QCoreApplication>

namespace TransferMessages
{

namespace
{
void show(QMessageBox::Icon icon, const QString &title, const QString &text)
{
    RotaryEncoderMessageBox box;
    box.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    box.setIcon(icon);
    box.setWindowTitle(title);
    box.setText(text);
    box.setStandardButtons(QMessageBox::Ok);
    box.translateStandardButtons();
    box.exec();
}
} // namespace

void warn(const QString &text)
{
    show(QMessageBox::Warning, QCoreApplication::translate("DataTransfer", "Warning"), text);
}

void inform(const QString &title, const QString &text)
{
    show(QMessageBox::Information, title, text);
}

} // namespace TransferMessages
