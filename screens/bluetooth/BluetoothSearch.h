#pragma once

#include "ScreenBase.h"

#include <QSize>
#include <QStringList>

namespace Ui
{
class BluetoothSearch;
}
class ListViewItemDelegate;

// A list screen for reading: a message line, rows of text of one fixed size, a progress
// bar and the four soft keys. The wheel moves the highlight, wrapping at both ends.
class BluetoothSearch : public ScreenBase
{
    Q_OBJECT
public:
    BluetoothSearch(QWidget *previousScreen, QWidget *parent);
    ~BluetoothSearch() override;

    // Refills the list; the highlighted row stays where it was (the first row when
    // there was none).
    void setMenuItems(const QStringList &items);
    // Row size and spacing; rows of 12 pixels or more take a font 5 pixels smaller.
    void setItemSize(const QSize &size, int spacing);
    void setMessageText(const QString &text);
    void setMessageVisible(bool visible);
    void vSetProgressVisible(bool visible);
    void vSetProgressValue(int value);
    int iGetProgressValue() const;
    void setCurrentIndex(int row);
    int currentIndex() const;

protected:
    void wheelEvent(QWheelEvent *event) override;
    void changeEvent(QEvent *event) override;

    Ui::BluetoothSearch *ui;

private:
    ListViewItemDelegate *m_delegate;
};
