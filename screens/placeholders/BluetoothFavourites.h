#pragma once

#include <QByteArray>
#include <QObject>

enum BT_PERIPHERAL { Computer = 1, BarCode = 2, Printer = 3, MobilePhone = 4 };

// Stand-in until Bluetooth is built: no favourite is ever stored, so nothing connects
// and no bar code arrives.
class BluetoothFavourites : public QObject
{
    Q_OBJECT
public:
    static BluetoothFavourites *getInstance();
    bool connectDevice(BT_PERIPHERAL) { return false; }
    void disconnectDevices() {}

signals:
    void btBarcodeDataReceived(QByteArray data);

private:
    BluetoothFavourites() = default;
};
