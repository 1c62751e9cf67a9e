#pragma once

#include "ScreenBase.h"

#include <QByteArray>
#include <QString>

namespace Ui
{
class AutoModeAssetDetails;
}
class BarcodeCollector;

// Starts an automatic run on one channel: the operator enters the identity of the pump
// under test (typed, or read by the bar-code scanner) and chooses a stored sequence; the
// confirm prepares the channel's sequence and result record and hands the channel to
// the summary's sequence engine.
class AutoModeAssetDetails : public ScreenBase
{
    Q_OBJECT
public:
    AutoModeAssetDetails(QWidget *previous, QWidget *parent);
    ~AutoModeAssetDetails() override;

    // Channel 0 to 3, shown as 1 to 4; back and confirm act on the channel shown. The
    // fields show that channel's own entry: what was left there by back, or nothing
    // for a channel whose last entry started a run.
    void setChannel(unsigned short ch);

signals:
    void assetConfirmed(unsigned short chan);

public slots:
    // Refreshes the sequence list, asks for the scanner and warns when the data
    // partition is nearly full.
    void showScreen(bool state) override;
    // F1: the channel leaves asset entry.
    void backButtonClicked(bool check);
    // F4: prepares the run and starts it, or says why it cannot.
    void confirmButtonClicked();
    void btDataReceived(QByteArray ba);
    void btDataTimeout();

protected:
    void changeEvent(QEvent *event) override;

private:
    // What the operator entered for one channel and has not yet started a run with.
    struct Entry {
        QString assetId;
        QString make;
        QString model;
        QString serial;
        int sequenceIndex = 0;
    };

    unsigned short channel() const;
    void refuse(const QString &text);
    void keepEntry(unsigned short ch);

    Ui::AutoModeAssetDetails *ui;
    BarcodeCollector *m_barcode;
    Entry m_entries[4];
    // A code scanned while the screen is not shown, for the next showing.
    QString m_scannedMeanwhile;
};
