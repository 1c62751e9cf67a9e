#include "DateTimeEditing.h"

#include <QAbstractSpinBox>
#include <QKeyEvent>

namespace DateTimeEditing {

bool toggleOnSelect(QAbstractSpinBox *field, bool &editFlag, QKeyEvent *event)
{
    if (event->key() != Qt::Key_Escape)
        return false;
    editFlag = !editFlag;
    field->setStyleSheet(
        editFlag ? QStringLiteral(" background-color: rgb(255, 255, 255);selection-color: rgb(0, 0, 0);")
                 : QStringLiteral(" background-color: rgba(231, 231, 231, 231);selection-color: rgb(0, 0, 0);"));
    event->accept();
    return true;
}

} // namespace DateTimeEditing
