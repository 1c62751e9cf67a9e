#include "MenuKeys.h"

#include "RotaryEncoderList.h"

#include <QKeyEvent>

namespace MenuKeys
{

bool selectRow(QKeyEvent *event, const RotaryEncoderList *menu,
               const QList<std::function<void()>> &operations)
{
    if (event->key() != Qt::Key_Escape)
        return false;
    event->accept();
    const int row = menu->selectedRow();
    if (row >= 0 && row < operations.size())
        operations.at(row)();
    return true;
}

} // namespace MenuKeys
