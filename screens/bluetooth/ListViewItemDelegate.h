#pragma once

#include <QSize>
#include <QStyledItemDelegate>

// Gives every row of a list one fixed size, so the rows stay readable on the display
// whatever the font would ask for.
class ListViewItemDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    explicit ListViewItemDelegate(QObject *parent = nullptr);

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    void setSize(const QSize &size) { m_size = size; }

private:
    QSize m_size{200, 20};
};
