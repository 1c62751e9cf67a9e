#pragma once

#include "BT_FAVOURITE_CONNECTION.h"
#include "BT_PERIPHERAL.h"

#include <QByteArray>
#include <QMap>
#include <QObject>
#include <QString>

#include <array>

class BlueToothManager;
class QTimer;

// What the service has the module doing; the step each mode takes when the module
// reports ready is in btReset().
enum BT_MODE {
    BT_MODE_NONE = 0,        // the start delay has not run out
    BT_MODE_CONFIGURE = 1,   // first power-on: the module is configured
    BT_MODE_WIND_DOWN = 2,   // configuration or info read done: the module goes off
    BT_MODE_INFO = 3,        // the module's identity is read
    BT_MODE_SEARCH = 4,      // device search
    BT_MODE_DIAL_OPP = 5,    // dialling favourites, an object-push one among them
    BT_MODE_DIAL_RFCOMM = 6, // dialling serial favourites
    BT_MODE_IDLE = 7,        // on, nothing to dial
    BT_MODE_RECEIVE = 8,     // on, waiting for an incoming object push
    BT_MODE_OFF = 9,
};

// The instrument's one Bluetooth service: owns the module link, keeps the module's mode,
// configures the module at its first power-on, runs device searches, keeps the four
// favourite devices in the settings file, dials the selected ones and keeps them
// connected, hands bar-code data to the test screens, and sends and receives files by
// object push. Screens reach it through getInstance().
class BluetoothFavourites : public QObject
{
    Q_OBJECT
public:
    static constexpr int StartDelayMs = 1000;
    static constexpr int WindDownMs = 200;
    static constexpr int InfoWindDownMs = 2000;
    static constexpr int DialStartMs = 10;
    static constexpr int DialTickMs = 80;
    static constexpr int SearchTimeoutMs = 240000;
    static constexpr int SearchNameTimeoutMs = 60000;
    static constexpr int PrinterRxLimit = 100;
    // An incoming push larger than any exchange file the instrument makes is refused
    // rather than held in memory.
    static constexpr int MaxOppRxBytes = 8 * 1024 * 1024;
    static const QString PairingPin;
    static const QString OppRawFileName;

    // Creates the service on the first call; the same object afterwards.
    static BluetoothFavourites *getInstance();
    // Whether getInstance() has created it (and it has not been deleted since).
    static bool hasInstance();
    // Switches the module off. Only a test, or the program's end, deletes the service.
    ~BluetoothFavourites() override;

    // Selects a stored favourite for dialling and switches the module on; false when no
    // usable address (17 characters) is stored for it. True at once when it is connected.
    bool connectDevice(BT_PERIPHERAL kind);
    // Releases every favourite and switches the module off.
    void disconnectDevices();
    void btActivate(BT_MODE mode);
    void btGetInfo();
    void searchDevices();
    const QMap<QByteArray, QString> &devices() const { return m_deviceMap; }

    // The stored favourites (settings "BluetoothFavourites/<kind>/Id" and ".../Name");
    // kinds outside 1..4 read empty and are not written. A write is false when the
    // settings file could not be replaced; it then holds what it held.
    QByteArray deviceId(BT_PERIPHERAL kind) const;
    QString deviceName(BT_PERIPHERAL kind) const;
    bool setDeviceId(BT_PERIPHERAL kind, const QByteArray &id);
    bool setDeviceName(BT_PERIPHERAL kind, const QString &name);

    // 0x8000 before the module was first configured; 0 off; 1 on; while dialling also
    // the favourites' selected/connected bits and 0x200 for OBEX ready.
    int eBtModuleStatus() const;

    // Outgoing object push to the computer (1) or mobile-phone (4) favourite.
    void InitiateOppTransfer(QString path, BT_PERIPHERAL kind);
    int vContinueSendingOppFile();
    int iSendFileProgress() const;
    QString sSendFileProgressString() const;

    QString sGetMyBtName() const { return m_sMyBtName; }
    void setMuxModeInactive();
    void sendBtDataMessage(QByteArray data);
    void sendBtPrintData(QByteArray data);
    QByteArray baGetPrinterRxData() const { return m_baPrinterRxData; }
    void vClearPrinterRxData() { m_baPrinterRxData.clear(); }

    BT_MODE mode() const { return m_eBtMode; }
    const BT_FAVOURITE_CONNECTION &connection(BT_PERIPHERAL kind) const;
    BlueToothManager *manager() const { return m_pManager; }

signals:
    void btBarcodeDataReceived(QByteArray data);
    void btPrinterDataReceived(QByteArray data);
    // The name of a received object, its body in "/tmp/OppRxFile"; empty when the push
    // could not be decoded or was refused.
    void btOppFileReceived(QString sFilename);
    void btOppRxProgress(int iBytesReceived);
    void btInfoReceived(QByteArray packet);
    void deviceMapChanged();
    void deviceSearchProgress(int iDeviceCounter, int iDeviceTotal);
    void searchFinished(int total);

public slots:
    void processRxPacket(QByteArray rxPacket);
    void btReset();
    void btTimerTimeout();
    void btActivity();
    void btInitiallise();
    void btPrinterRxData(QByteArray data);
    void vDecodeOpp();

private:
    BluetoothFavourites();

    BT_FAVOURITE_CONNECTION *record(int kind);
    // Bar code, printer, computer, mobile phone: the order of dialling and of every
    // search for a record.
    std::array<BT_FAVOURITE_CONNECTION *, 4> inDialOrder();
    void startSearch();
    void dialTick();
    void handleDataPacket(int link, const QByteArray &payload);
    void handleNoCarrier(int link);
    void nameAnswered();
    void collectOpp(int link, const QByteArray &payload);
    bool writeOppFile(const QString &devicePath, const QByteArray &bytes) const;

    QMap<QByteArray, QString> m_deviceMap;
    BlueToothManager *m_pManager = nullptr;
    QTimer *m_pSearchTimer = nullptr;
    QTimer *m_pActivityTimer = nullptr;
    QTimer *m_pStartTimer = nullptr;
    QString m_sMyBtName;
    int m_iDeviceIndex = 0;

    BT_FAVOURITE_CONNECTION m_sBarcodeConnection;
    BT_FAVOURITE_CONNECTION m_sPrinterConnection;
    BT_FAVOURITE_CONNECTION m_sComputerConnection;
    BT_FAVOURITE_CONNECTION m_sPhoneConnection;

    BT_MODE m_eBtMode = BT_MODE_NONE;
    bool m_bObexReady = false;
    int m_iDeviceTotal = 0;
    int m_iDeviceCounter = 0;
    int m_priority = 0;
    int m_eOppDecodeState = 0; // 0 idle, 1 collecting, 2 decoded
    QByteArray m_baOppData;
    QByteArray m_baPrinterRxData;
};
