#include "RotaryEncoderList.h"

#include <QWheelEvent>

RotaryEncoderList::RotaryEncoderList(QWidget *parent) : QListWidget(parent) {}

int RotaryEncoderList::selectedRow() const
{
    const QList<QListWidgetItem *> selected = selectedItems();
    return selected.isEmpty() ? -1 : row(selected.first());
}

bool RotaryEncoderList::event(QEvent *event)
{
    // The scroll area must not scroll on a turn; the turn is reported not handled.
    if (event->type() == QEvent::Wheel) {
        wheelEvent(static_cast<QWheelEvent *>(event));
        return false;
    }
    return QListWidget::event(event);
}

void RotaryEncoderList::wheelEvent(QWheelEvent *event)
{
    const int rows = count();
    if (rows == 0)
        return;
    const QList<QListWidgetItem *> selected = selectedItems();
    if (selected.isEmpty()) {
        item(0)->setSelected(true);
        return;
    }
    int next = row(selected.first()) + (event->angleDelta().y() > 0 ? 1 : -1);
    if (next >= rows)
        next = 0;
    else if (next < 0)
        next = rows - 1;
    QListWidgetItem *target = item(next);
    target->setSelected(true);
    setCurrentItem(target);
}
