#pragma once

#include "ScreenBase.h"

#include <QMetaObject>

namespace Ui
{
class BluetoothUpload;
}
class BluetoothFavourites;
class QTimer;

// Makes the Bluetooth module wait for a file pushed from any device, asks the operator
// whether to take each file that arrived whole, and imports it as results or as test
// sequences. A push that arrives cut short, or stops moving for RxStallMs, is reported
// and nothing of it is imported.
class BluetoothUpload : public ScreenBase
{
    Q_OBJECT
public:
    enum UPLOAD_TYPE { UPLOAD_NONE = 0, UPLOAD_APPLIANCE_RESULTS = 1, UPLOAD_TEST_SEQUENCES = 2 };
    static constexpr int RxStallMs = 20000;

    BluetoothUpload(QWidget *previousScreen, QWidget *parent);
    ~BluetoothUpload() override;

    void setUploadType(UPLOAD_TYPE type);
    UPLOAD_TYPE uploadType() const { return m_eUploadType; }
    void setStallLimit(int ms);

public slots:
    void showScreen(bool) override;
    void vOppProgress(int iBytesReceived);
    void vOppFileRx(QString sFilename);
    void disconnectAll(bool);

protected:
    void changeEvent(QEvent *event) override;

private:
    void pushStalled();
    void showReady();
    void reportNotReceived(const QString &text);
    // Imports the received file at path; name is the one it was pushed under.
    void import(const QString &path, const QString &name);

    Ui::BluetoothUpload *ui;
    UPLOAD_TYPE m_eUploadType = UPLOAD_NONE;
    BluetoothFavourites *m_service;
    QMetaObject::Connection m_fileConnection;
    QMetaObject::Connection m_progressConnection;
    QTimer *m_pStallTimer;
};
