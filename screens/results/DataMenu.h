#pragma once

#include "ScreenBase.h"

namespace Ui
{
class DataMenu;
}
class BluetoothFavouritesScreen;
class DataTransfer;
class ViewData;

// The main menu's "Data": the stored results (View), the transfer of all of them
// (Transfer) and the Bluetooth favourites. Each of the three screens is built on first
// use and kept; each returns here.
class DataMenu : public ScreenBase
{
    Q_OBJECT
public:
    DataMenu(QWidget *previousScreen, QWidget *parent);
    ~DataMenu() override;

    ViewData *viewScreen() const { return m_viewScreen; }
    DataTransfer *transferScreen() const { return m_transferScreen; }
    BluetoothFavouritesScreen *btScreen() const { return m_btScreen; }

public slots:
    void showScreen(bool) override;
    void onBtClicked(bool);
    void onTransferClicked(bool);
    void onViewClicked(bool);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    Ui::DataMenu *ui;
    ViewData *m_viewScreen = nullptr;
    DataTransfer *m_transferScreen = nullptr;
    BluetoothFavouritesScreen *m_btScreen = nullptr;
};
