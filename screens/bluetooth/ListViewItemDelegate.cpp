#include "ListViewItemDelegate.h"

ListViewItemDelegate::ListViewItemDelegate(QObject *parent) : QStyledItemDelegate(parent) {}

QSize ListViewItemDelegate::sizeHint(const QStyleOptionViewItem &, const QModelIndex &) const
{
    return m_size;
}
