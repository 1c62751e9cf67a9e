#pragma once

#include "BT_PERIPHERAL.h"
#include "ScreenBase.h"

namespace Ui
{
class BluetoothFavourites;
}
class BluetoothFavourites;
class FindDevicesScreen;
class RotaryEncoderComboBox;

// Where the operator chooses the Bluetooth devices the instrument dials: the bar-code
// reader and the device that data transfers are pushed to. Each list starts with the
// stored favourite; after a search it offers every device found as well. The computer
// and printer favourites are kept but not shown, and saving writes them back as they were.
class BluetoothFavouritesScreen : public ScreenBase
{
    Q_OBJECT
public:
    BluetoothFavouritesScreen(QWidget *previousScreen, QWidget *parent);
    ~BluetoothFavouritesScreen() override;

    FindDevicesScreen *searchScreen() const { return m_searchScreen; }
    bool isEdited() const { return m_bEdited; }

    void clearCombos();
    void loadCombos();
    void refreshCombos();
    // Stores the four lists' current items; false when the settings file could not be
    // written (it then holds what it held).
    bool save();

public slots:
    void showScreen(bool) override;
    void showSearchScreen(bool);
    void saveButtonClicked(bool);
    void backButtonClicked();
    void disconnectAll(bool);
    void edited();

protected:
    void changeEvent(QEvent *event) override;

private:
    // The lists in the order computer, bar code, printer, mobile phone, with their kinds.
    QList<QPair<BT_PERIPHERAL, RotaryEncoderComboBox *>> combos() const;
    void retranslate();

    Ui::BluetoothFavourites *ui;
    BluetoothFavourites *m_service;
    FindDevicesScreen *m_searchScreen;
    bool m_bBackFromSearch = false;
    bool m_bEdited = false;
};
