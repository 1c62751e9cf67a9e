#pragma once

#include "ScreenBase.h"

#include <QElapsedTimer>

namespace Ui
{
class BluetoothDataTransfer;
}
class BluetoothFavourites;
class QProgressBar;
class QTimer;

// Pushes one prepared file to the data-transfer favourite by object push: waits for the
// device's link, starts the push once the module reports it ready, streams the file on
// Send and shows its progress. The screen polls the Bluetooth service twice a second.
//
// A file prepared for sending lives in exportDirectory() and is removed once its push
// has ended: sent, stopped or left. A device that never connects, or a push that stops
// moving (a module that stops reading, a phone that never answers the final packet),
// ends the push with a message after a bounded time. The file counts as sent only on
// the phone's OK to the final packet; a refusal or a link lost while the file streams
// ends the push with its reason.
class BluetoothDataTransfer : public ScreenBase
{
    Q_OBJECT
public:
    enum DisplayState {
        StateConstructed = 0,
        StateConnecting = 1,
        StateConnected = 2,
        StateReadyToSend = 3,
        StateSending = 4,
        StateSent = 5,
        StateStopped = 6, // the push ended without the file being sent
    };
    static constexpr int RefreshMs = 500;
    // Long enough for the device's owner to accept the pairing on the device.
    static constexpr int ConnectLimitMs = 60000;
    static constexpr int SendStallLimitMs = 20000;

    // Where the files to push are written (under the device root).
    static QString exportDirectory();
    // Makes the directory ready for a new file to push, clearing what a push cut off by a
    // power cut left; returns it.
    static QString prepareExportDirectory();

    BluetoothDataTransfer(QWidget *previousScreen, QWidget *parent);
    ~BluetoothDataTransfer() override;

    void setFilenameToSend(QString path);
    QString filenameToSend() const { return m_sFileToSend; }
    QProgressBar *getProgressBar() const;
    int displayState() const { return m_iDisplayState; }
    bool isPushStarted() const { return m_bPushStarted; }
    void setNoAnswerLimits(int connectMs, int sendStallMs);

public slots:
    void showScreen(bool) override;
    void updateInfo();
    void sendButtonClicked(bool);
    void disconnectAll(bool);

protected:
    void changeEvent(QEvent *event) override;

private:
    void showDisplayState();
    void watchForAnswer(int progress);
    void stopPush(const QString &reason);
    void releaseFile();
    void blankSendKey();
    void setSendKey(const QString &text);

    QTimer *m_pRefreshTimer;
    bool m_bPushStarted = false;
    int m_iDisplayState = StateConstructed;
    Ui::BluetoothDataTransfer *ui;
    QString m_sFileToSend;
    BluetoothFavourites *m_service;

    QString m_sStopReason;
    QElapsedTimer m_waiting;
    int m_iWaitState = -1;
    int m_iWaitProgress = -1;
    int m_iConnectLimitMs = ConnectLimitMs;
    int m_iSendStallLimitMs = SendStallLimitMs;
};
