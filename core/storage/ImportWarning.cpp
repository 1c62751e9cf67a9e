#include "ImportWarning.h"

#include <QCoreApplication>
#include <QDebug>

namespace ImportWarning {

namespace {
Handler &handler()
{
    static Handler h;
    return h;
}
} // namespace

void setHandler(Handler h)
{
    handler() = std::move(h);
}

void showFormatWarning()
{
    const QString title = QCoreApplication::translate("ImportWarning", "Warning");
    const QString text = QCoreApplication::translate("ImportWarning", "Incorrect File Format");
    if (handler())
        handler()(title, text);
    else
        qWarning().noquote() << title << text;
}

} // namespace ImportWarning
