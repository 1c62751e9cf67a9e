#pragma once

#include "BT_DEVICE.h"
#include "BT_PERIPHERAL.h"
#include "BtFrameReceiver.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>

class GpioPinController;
class QFile;
class QTimer;
class QueuedTtyHandler;

// The only code that touches the Bluetooth module: its serial line and its power line.
// Sends the module's text commands and data, framed on the module's multiplexed links once
// multiplexing is on; takes received frames apart and hands data and reply events up
// as packets through packetReceived(); streams the file of an outgoing object push.
//
// Packets: [0, '0' + link, payload] for data; [event code, ...] for reply lines
// (BT_EVENT in BtReplyParser.h).
//
// The module's line is written through a queue and never waits: a module that stops
// reading (flow control held, a wedged module) holds up neither the screens nor the
// channel poll. What the line still holds of a push is not counted as sent, and a push
// is finished only when the phone has said OK to its final packet.
class BlueToothManager : public QObject
{
    Q_OBJECT
public:
    enum BT_CONNECTION_TYPE { BT_RFCOMM = 0, BT_FTP = 1, BT_OPP = 2 };
    // Multiplexing as the link believes the module has it.
    enum MuxMode { MuxUnknown = 0, MuxOn = 1, MuxOff = 2 };
    // The outgoing object push.
    enum OppState {
        OppNone = 0,
        OppPutSent = 1,
        OppSending = 2,
        OppFinished = 3, // the phone said OK to the final packet
        OppLastSent = 4, // every byte is on the line; the phone's answer is awaited
        OppRefused = 5,  // the phone refused the push (oppRefusal() says how)
    };

    static constexpr int OppChunkBytes = 1000;
    static constexpr int OppChunkIntervalMs = 130;
    // How long a module that was switched to multiplexing has to report ready again
    // before the link takes it as started.
    static constexpr int ReadyAfterMuxMs = 1500;
    // An inquiry reports at most 255 devices; names beyond that are not kept.
    static constexpr int MaxDevices = 255;

    // The port goes through the device root prefix; it runs at 115200 baud. The module
    // is off afterwards.
    BlueToothManager(QString port, bool flowControl, int byteDelay, QObject *parent = nullptr);
    ~BlueToothManager() override;

    // Link 128 (no link) sends nothing. Data longer than one frame holds goes in several.
    // False when nothing went: no link, or the line refused the data (all of it).
    bool sendDataMessage(QByteArray data, int link);
    // One command line; a trailing line feed is dropped when it goes framed. A line longer
    // than a control frame holds is refused.
    void sendCommandMessage(QByteArray text);
    void setMuxModeActive();
    void setMuxModeInActive();

    // Power-on requests are counted: only the first after a power-off switches the module
    // on. Power-off always switches it off and forgets an outgoing push.
    void BTModulePowerOn();
    void BTModulePowerOff();
    bool isPoweredOn() const { return m_iPowerOnCounter > 0; }

    const QList<BT_DEVICE> &getDeviceList() const { return m_deviceList; }
    const BT_DEVICE &getDeviceFromList(int index) const;
    const BT_DEVICE &getCurrentDevice() const { return m_currentDevice; }
    int muxMode() const { return m_iMuxMode; }
    int oppState() const { return m_eOppFileTransferInProgress; }
    // The phone's answer that refused the last push, as the module gave it.
    QString oppRefusal() const { return m_sOppRefusal; }

    // Commands. Addresses, names and PINs lose any CR or LF, so that none can carry a
    // second command.
    void callBTDevice(BT_DEVICE device, BT_CONNECTION_TYPE type, BT_PERIPHERAL kind);
    void setMyBTName(QString name);
    void setMyBtPIN(QString pin);
    void sendBTInquiry(int n);
    void sendBtCommand(QString text);
    void checkDeviceSupportsOPP(BT_DEVICE device);
    void closeBTLink(int link);
    void sendBTGetInfo();

    // Outgoing object push: 0 started (the PUT command is out), -1 the file did not open.
    // The data go on the device's link, or on link 0 when the device has none.
    int StartFileTransfer(QString path, BT_DEVICE device);
    int ContinueFileTransfer();
    // 0..100 percent of the file on the line; 100 only once the phone has taken it.
    int iOppProgress() const;
    QString sOppProgressString() const;

    // Takes bytes as they came off the line; frames may be split or packed in any way.
    void receiveBytes(const QByteArray &bytes);

signals:
    void packetReceived(QByteArray packetData);
    void btModuleHasReset();

public slots:
    void getBtRxData();
    void processBtRxData(char LinkId);
    void processBtRxControl();
    // One chunk of the outgoing push: 0 a chunk went out, or waits for the line to take
    // the last one; -1 the file is done or gone.
    int sendFirstFilePacket();
    int sendNextFilePacket();

private:
    void handleReplyLine(const QByteArray &line);
    void btModuleReady();
    void readyAfterMuxTimeout();
    void abandonOppTransfer();
    void releaseOppFile();
    void sendCommandLine(const QString &text);
    bool writeLine(const QByteArray &bytes);
    // Bytes of the file on the line: what the line still holds of the last chunk is not.
    qint64 oppBytesOnLine() const;
    bool oppAllOnLine() const;
    void endOppTransfer(int state);

    QueuedTtyHandler *m_pTty = nullptr;
    BtFrameReceiver m_receiver;
    QByteArray m_baRxPacket;
    int m_iMuxMode = MuxUnknown;
    QList<BT_DEVICE> m_deviceList;
    BT_DEVICE m_currentDevice;
    QFile *m_pOppFile = nullptr;
    qint64 m_iOppFileSize = 0;
    qint64 m_iOppBytesSent = 0;
    qint64 m_iOppLastChunk = 0;
    QString m_sOppRefusal;
    QTimer *m_pOppTimer = nullptr;
    QTimer *m_pReadyTimer = nullptr;
    GpioPinController *m_pPowerPin = nullptr;

    bool m_bRxIsActive = false;
    int m_eOppFileTransferInProgress = OppNone;
    int m_iPowerOnCounter = 0;
};
