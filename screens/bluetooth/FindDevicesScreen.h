#pragma once

#include "BluetoothSearch.h"

class BluetoothFavourites;
class QTimer;

// The device search: every showing starts a search through the Bluetooth service and
// lists the friendly names of the devices found, by address. A running search goes on
// while the screen is hidden. A module that stops answering ends the search with a
// message once it has said nothing for NoAnswerMs.
class FindDevicesScreen : public BluetoothSearch
{
    Q_OBJECT
public:
    // Well above the time the module takes to finish an inquiry or to name one device.
    static constexpr int NoAnswerMs = 30000;

    FindDevicesScreen(BluetoothFavourites *service, QWidget *previousScreen, QWidget *parent);

    virtual void vStartNewSearch();
    bool isSearchFinished() const { return m_bSearchFinished; }
    void setNoAnswerLimit(int ms);

public slots:
    void showScreen(bool) override;

private slots:
    void searchButtonClicked(bool);
    void deviceMapChanged();
    void updateProgess(int iDeviceCounter, int iDeviceTotal);
    void searchFinished(int iTotal);

protected:
    void changeEvent(QEvent *event) override;

private:
    enum Message {
        MessageNone,
        MessageSearching,
        MessageFound,
        MessageComplete,
        MessageNothingFound,
        MessageNoAnswer
    };
    void showMessage(Message message);
    void noAnswer();
    void showSearchKey();

    BluetoothFavourites *m_service;
    bool m_bSearchFinished = false;
    Message m_eMessage = MessageNone;
    QTimer *m_pNoAnswerTimer;
};
