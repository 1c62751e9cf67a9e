#pragma once

#include "ScreenBase.h"

#include <QDateTime>
#include <QStringList>

namespace Ui
{
class DataTransfer;
}
class BluetoothDataTransfer;
class BluetoothUpload;

// Exchanges stored results and test sequences as files: results, a CSV summary of
// results or every sequence exported, results or sequences imported, over the PC (the
// transfer drive, filled here and then handed to the PC), a USB memory stick, or
// Bluetooth. Opened from the results area with the results to export; each opener keeps
// its own screen and passes its list with setFileList() before showScreen(true).
class DataTransfer : public ScreenBase
{
    Q_OBJECT
public:
    enum Port { PortPc = 0, PortMemoryStick = 1, PortBluetooth = 2 };
    enum Operation {
        ExportResults = 0,
        ExportCsvSummary = 1,
        ExportTestSequences = 2,
        ImportResults = 3,
        ImportTestSequences = 4
    };

    // Name filter of the files an import reads.
    static const QString ResultsImportFileName;
    static const QString SequencesImportFileName;

    DataTransfer(QWidget *previousScreen, QWidget *parent);
    ~DataTransfer() override;

    void setFileList(const QStringList &fileList);
    QStringList fileList() const { return m_fileList; }
    int getCurrentPort() const { return m_currentPort; }
    int getCurrentOperation() const { return m_currentOperation; }

    // The export file's name for the operation at the given moment: kind, then the date
    // in the operator's date format without its separators, then "_hhmmss".
    static QString exportFileName(int operation, const QString &dateFormat, const QDateTime &when);

    // The work of one port for the current operation.
    bool performPCDriveOperation();
    bool performMemStickOperation();
    // An export is written for the Bluetooth send screen and handed to it; an import
    // hands over to the Bluetooth receive screen. False when the export could not be
    // written.
    bool performBlueToothOperation();
    BluetoothDataTransfer *btSendScreen() const { return m_btSendScreen; }
    BluetoothUpload *btReceiveScreen() const { return m_btReceiveScreen; }

public slots:
    void onOperationClicked(bool);
    void onPortClicked(bool);
    void onStartClicked(bool);

protected:
    void changeEvent(QEvent *event) override;

private:
    void nextOperation();
    void nextPort();
    void setNumAssets(int count);
    void showPort();
    void showOperation();
    bool isExport() const { return m_currentOperation <= ExportTestSequences; }
    void startOnPc();
    void startOnMemoryStick();
    // Writes the current export into the directory, whole or not at all; false when it
    // could not be written. The file's path goes to written when given.
    bool writeExportFile(const QString &directory, QString *written = nullptr);
    // What a finished export tells the operator, by port.
    QString exportDoneText(bool toPc) const;
    // Imports every exchange file in the drive path; false when nothing could be imported,
    // with what the operator is to learn of it in m_importNotes.
    bool importFiles();

    Ui::DataTransfer *ui;
    int m_currentPort = PortPc;
    int m_currentOperation = ExportResults;
    QStringList m_fileList;
    QString m_drivePath;
    // Stored items the last export could not read and left out.
    int m_leftOut = 0;
    // Lines of the last import that failed: why nothing was stored, and the files it
    // would not read; each after a line break.
    QString m_importNotes;
    BluetoothDataTransfer *m_btSendScreen;
    BluetoothUpload *m_btReceiveScreen;
};
