#pragma once

#include "ScreenBase.h"
#include "TestResultStatus.h"

#include <QByteArray>
#include <QString>

class BarcodeCollector;
namespace Ui {
class ManualAssetDetails;
}

// Saves the outcome of a manual test on one channel as an asset result file: the
// operator enters the asset identity (typed, or read by the bar-code scanner), the pump's
// make, model and serial number, and a verdict.
class ManualAssetDetails : public ScreenBase
{
    Q_OBJECT
public:
    ManualAssetDetails(QWidget *previous, QWidget *parent);
    ~ManualAssetDetails() override;

    // Channel 0 to 3, shown as 1 to 4.
    void setChannel(unsigned short channel);
    unsigned short getChannel() const;
    void setAssetId(const QString &id);
    QString getAssetId() const;

    // The verdict of a row of the status box, and the row of a verdict.
    static TEST_RESULT_STATUS statusOfRow(int row);
    static int rowOfStatus(TEST_RESULT_STATUS status);

signals:
    void closeScreen(bool check);

public slots:
    void showScreen(bool check) override;
    void confirmButtonClicked();
    void btDataReceived(QByteArray data);
    void btDataTimeout();

protected:
    void changeEvent(QEvent *event) override;

private:
    // What the channel's manual limits make of its test (Pass without a channel).
    TEST_RESULT_STATUS judgedVerdict() const;
    // Why the result was not saved; empty when it was.
    QString saveResult();
    void showOutcome(const QString &failure);

    Ui::ManualAssetDetails *ui;
    BarcodeCollector *m_barcode;
};
