#include "DataTransfer.h"
#include "ui_DataTransfer.h"

#include "BluetoothDataTransfer.h"
#include "BluetoothUpload.h"
#include "ExchangeImport.h"
#include "ImportReport.h"
#include "InfusionPumpPowerBoardManager.h"
#include "ScreenMessages.h"
#include "TestResultManager.h"
#include "TestSequenceManager.h"
#include "UsbDriveController.h"

#include <QDir>
#include <QRegularExpression>
#include <QScopeGuard>

const QString DataTransfer::ResultsImportFileName = QStringLiteral("*.vexd");
const QString DataTransfer::SequencesImportFileName = QStringLiteral("*.vexd");

namespace
{

const char *const portNames[] = {QT_TRANSLATE_NOOP("DataTransfer", "USB PC Connection"),
                                 QT_TRANSLATE_NOOP("DataTransfer", "USB Memory Stick"),
                                 QT_TRANSLATE_NOOP("DataTransfer", "Bluetooth")};
const char *const operationNames[] = {QT_TRANSLATE_NOOP("DataTransfer", "Export Results"),
                                      QT_TRANSLATE_NOOP("DataTransfer", "Export CSV Summary"),
                                      QT_TRANSLATE_NOOP("DataTransfer", "Export Test Sequences"),
                                      QT_TRANSLATE_NOOP("DataTransfer", "Import Results"),
                                      QT_TRANSLATE_NOOP("DataTransfer", "Import Test Sequences")};
constexpr int portCount = 3;
constexpr int operationCount = 5;

UsbDriveController *usb()
{
    return UsbDriveController::getInstance();
}

} // namespace

DataTransfer::DataTransfer(QWidget *previousScreen, QWidget *parent)
    : ScreenBase(previousScreen, parent), ui(new Ui::DataTransfer)
{
    ui->setupUi(this);
    showPort();
    showOperation();
    setNumAssets(0);
    m_btSendScreen = new BluetoothDataTransfer(this, nullptr);
    m_btReceiveScreen = new BluetoothUpload(this, nullptr);
    connect(ui->pushButtonBack, &QPushButton::clicked, this, &DataTransfer::onBackArrowClicked);
    connect(ui->pushButtonOperation, &QPushButton::clicked, this,
            &DataTransfer::onOperationClicked);
    connect(ui->pushButtonPort, &QPushButton::clicked, this, &DataTransfer::onPortClicked);
    connect(ui->pushButtonStart, &QPushButton::clicked, this, &DataTransfer::onStartClicked);
}

DataTransfer::~DataTransfer()
{
    delete ui;
}

void DataTransfer::setFileList(const QStringList &fileList)
{
    m_fileList = fileList;
    setNumAssets(m_fileList.size());
}

void DataTransfer::setNumAssets(int count)
{
    ui->label_NumAssets->setText(QString::number(count));
}

void DataTransfer::showPort()
{
    ui->label_Port->setText(tr(portNames[m_currentPort]));
}

void DataTransfer::showOperation()
{
    ui->label_Operation->setText(tr(operationNames[m_currentOperation]));
}

void DataTransfer::nextOperation()
{
    m_currentOperation = m_currentOperation >= 0 && m_currentOperation < operationCount - 1
                             ? m_currentOperation + 1
                             : 0;
}

void DataTransfer::nextPort()
{
    m_currentPort = m_currentPort >= 0 && m_currentPort < portCount - 1 ? m_currentPort + 1 : 0;
}

void DataTransfer::onOperationClicked(bool)
{
    nextOperation();
    showOperation();
}

void DataTransfer::onPortClicked(bool)
{
    nextPort();
    showPort();
}

QString DataTransfer::exportFileName(int operation, const QString &dateFormat,
                                     const QDateTime &when)
{
    static const QRegularExpression separators(QStringLiteral("[/.:,]"));
    QString format = dateFormat;
    format.remove(separators);
    format += QStringLiteral("_hhmmss");
    const QString stamp = when.toString(format);
    switch (operation) {
    case ExportResults:
        return QStringLiteral("%1_%2.vexd").arg(QStringLiteral("Results"), stamp);
    case ExportCsvSummary:
        return QStringLiteral("%1_%2.csv").arg(QStringLiteral("CSV_Export"), stamp);
    case ExportTestSequences:
        return QStringLiteral("%1_%2.vexd").arg(QStringLiteral("Sequences"), stamp);
    default:
        return QString();
    }
}

void DataTransfer::onStartClicked(bool)
{
    m_importNotes.clear();
    switch (m_currentPort) {
    case PortPc:
        startOnPc();
        break;
    case PortMemoryStick:
        startOnMemoryStick();
        break;
    case PortBluetooth:
        performBlueToothOperation();
        break;
    default:
        break;
    }
}

void DataTransfer::startOnPc()
{
    if (isExport()) {
        if (usb()->setMode(0) != 0) {
            ScreenMessages::warn(tr("Warning"), tr("Error opening Internal Drive"));
            return;
        }
        m_drivePath = usb()->getUsbDeviceDrivePath();
        usb()->eraseExternalDrive();
        if (!performPCDriveOperation())
            ScreenMessages::warn(tr("Warning"), tr("Error copying files"));
        return;
    }
    // Emptied first, so only what the PC copies now is imported.
    if (usb()->setMode(0) == 0) {
        m_drivePath = usb()->getUsbDeviceDrivePath();
        usb()->eraseExternalDrive();
    }
    if (usb()->setMode(1) != 1) {
        ScreenMessages::warn(tr("Warning"), tr("Error opening External Drive"));
        return;
    }
    ScreenMessages::inform(tr("Import Data"),
                           tr("Attach the unit to a PC via a USB cable and copy the data file to "
                              "the removable drive that appears.  \n Then press Ok"));
    if (!performPCDriveOperation())
        ScreenMessages::warn(tr("Warning"), tr("Error copying files") + m_importNotes);
}

bool DataTransfer::performPCDriveOperation()
{
    if (isExport()) {
        if (!writeExportFile(m_drivePath))
            return false;
        if (usb()->setMode(1) != 1) {
            ScreenMessages::warn(tr("Warning"), tr("Error opening External Drive"));
            return false;
        }
        ScreenMessages::inform(tr("Transfer Ready"), exportDoneText(true));
        return true;
    }
    if (usb()->setMode(0) != 0) {
        ScreenMessages::warn(tr("Warning"), tr("Error opening Internal Drive"));
        return false;
    }
    m_drivePath = usb()->getUsbDeviceDrivePath();
    return importFiles();
}

void DataTransfer::startOnMemoryStick()
{
    const bool opened = usb()->openUsbStick();
    bool done = false;
    if (!opened) {
        ScreenMessages::warn(tr("Warning"), tr("Error opening USB Memory Drive"));
    } else {
        m_drivePath = usb()->getUsbStickDrivePath();
        done = performMemStickOperation();
    }
    // An export is on the stick only once it is unmounted: success is told after that.
    const bool closed = usb()->closeUsbStick();
    if (!opened)
        return;
    if (!done || (isExport() && !closed))
        ScreenMessages::warn(tr("Warning"), tr("Error copying files") + m_importNotes);
    else if (isExport())
        ScreenMessages::inform(tr("Transfer Complete"), exportDoneText(false));
}

bool DataTransfer::performMemStickOperation()
{
    return isExport() ? writeExportFile(m_drivePath) : importFiles();
}

bool DataTransfer::performBlueToothOperation()
{
    switch (m_currentOperation) {
    case ImportResults:
    case ImportTestSequences:
        m_btReceiveScreen->setUploadType(m_currentOperation == ImportResults
                                             ? BluetoothUpload::UPLOAD_APPLIANCE_RESULTS
                                             : BluetoothUpload::UPLOAD_TEST_SEQUENCES);
        m_btReceiveScreen->showScreen(true);
        return true;
    default: {
        // The send screen removes the file once its push has ended.
        QString path;
        if (!writeExportFile(BluetoothDataTransfer::prepareExportDirectory(), &path)) {
            ScreenMessages::warn(tr("Warning"), tr("Error copying files"));
            return false;
        }
        m_btSendScreen->setFilenameToSend(path);
        m_btSendScreen->showScreen(true);
        return true;
    }
    }
}

bool DataTransfer::writeExportFile(const QString &directory, QString *written)
{
    const QString dateFormat =
        board ? board->m_DataManager.vLoadDateFormat() : QStringLiteral("dd.MM.yyyy");
    const QString path =
        directory + QLatin1Char('/') +
        exportFileName(m_currentOperation, dateFormat, QDateTime::currentDateTime());
    if (written)
        *written = path;
    int exported = -1;
    int wanted = m_fileList.size();
    switch (m_currentOperation) {
    case ExportResults:
        exported = TestResultManager::getInstance()->exportApplianceResults(path, m_fileList);
        break;
    case ExportCsvSummary:
        exported = TestResultManager::getInstance()->exportApplianceResultsCSV(path, m_fileList);
        break;
    case ExportTestSequences: {
        TestSequenceManager *sequences = TestSequenceManager::getInstance();
        const QStringList names = sequences->getTestSequenceList();
        wanted = names.size();
        exported = sequences->exportTestSequences(path, names);
        break;
    }
    default:
        break;
    }
    m_leftOut = exported < 0 ? 0 : wanted - exported;
    return exported >= 0;
}

QString DataTransfer::exportDoneText(bool toPc) const
{
    QString text;
    const bool sequences = m_currentOperation == ExportTestSequences;
    if (toPc) {
        switch (m_currentOperation) {
        case ExportResults:
            text =
                tr("Results ready for copying.\nAttach the unit to a Pc via a USB cable and copy "
                   "the results file from the removable drive that appears");
            break;
        case ExportCsvSummary:
            text =
                tr("Results ready for copying.\nAttach the unit to a Pc via a USB cable and copy "
                   "the results file from the removable drive that appears.");
            break;
        default:
            text = tr("Sequences ready for copying.\nAttach the unit to a Pc via a USB cable and "
                      "copy the sequences file from the removable drive that appears.");
            break;
        }
    } else {
        text = sequences
                   ? tr("The sequences have been successfully copied to the USB memory device")
                   : tr("The results have been successfully copied to the USB memory device");
    }
    if (m_leftOut > 0)
        text += QLatin1Char('\n') + tr("Left out, could not be read: %1").arg(m_leftOut);
    return text;
}

bool DataTransfer::importFiles()
{
    const bool results = m_currentOperation == ImportResults;
    const QDir drive(m_drivePath);
    // Hidden files are left alone: a cut-off save's temporary file, or a PC's own
    // bookkeeping next to the exchange files. Links, FIFOs and devices are listed so
    // that the operator learns they were not read.
    const QFileInfoList files =
        drive.entryInfoList({results ? ResultsImportFileName : SequencesImportFileName},
                            QDir::Files | QDir::System, QDir::Name | QDir::IgnoreCase);
    ImportReport total;
    int readable = 0, otherKind = 0;
    QStringList tooLarge, notFiles;
    // The operator's keys do nothing while a file is imported: the count of records or
    // sequences gone through shows that it goes on, until what it did has been told.
    int before = 0, inFile = 0;
    const auto showProgress = [&](int done) {
        inFile = done;
        ui->label_Status->setText(tr("Importing: %1").arg(before + done));
    };
    const auto clearStatus = qScopeGuard([this] { ui->label_Status->clear(); });
    for (const QFileInfo &info : files) {
        // Shown before the file is read, which a slow stick may take a while over.
        showProgress(0);
        const ExchangeImport::Outcome outcome = ExchangeImport::importFile(
            info.absoluteFilePath(),
            results ? ExchangeImport::Kind::Results : ExchangeImport::Kind::Sequences,
            showProgress);
        before += inFile;
        switch (outcome.refusal) {
        case FileUtils::ReadRefusal::None:
            break;
        case FileUtils::ReadRefusal::TooLarge:
            tooLarge << info.fileName();
            continue;
        case FileUtils::ReadRefusal::NotRegular:
            notFiles << info.fileName();
            continue;
        case FileUtils::ReadRefusal::Unreadable:
            ScreenMessages::warn(tr("Warning"), tr("Error reading file"));
            return false;
        }
        const ImportReport &report = outcome.report;
        if (report.wrongKind) {
            ++otherKind;
            continue;
        }
        ++readable;
        total.add(report);
    }
    // Why what was read was not stored: a full data partition above all.
    QString unwrittenText = total.unwrittenNote();
    if (!unwrittenText.isEmpty())
        unwrittenText.prepend(QLatin1Char('\n'));
    const QList<QPair<QString, QStringList>> refused = {
        {tr("Too large for an exchange file, not read: %1"), tooLarge},
        {tr("Not a regular file, not read: %1"), notFiles}};
    QString refusedText;
    for (const auto &note : refused)
        if (!note.second.isEmpty())
            refusedText +=
                QLatin1Char('\n') + note.first.arg(note.second.join(QLatin1String(", ")));
    // No exchange file of this kind, or nothing in it could be stored: nothing was imported.
    if (readable == 0 || (total.stored == 0 && total.skipped > 0)) {
        m_importNotes += unwrittenText + refusedText;
        return false;
    }

    // Complete only when all that was read is stored whole.
    const bool complete = total.skipped == 0 && total.damaged == 0;
    QString text;
    if (complete)
        text = results ? tr("Results import completed") : tr("Sequences import completed");
    else
        text =
            (results ? tr("Results imported: %1") : tr("Sequences imported: %1")).arg(total.stored);
    text += unwrittenText;
    const QList<QPair<QString, int>> notes = {
        {tr("Stored under a new name: %1"), total.renamed},
        {tr("Stored in part, damaged: %1"), total.damaged},
        {tr("Not imported: %1"), total.skipped - total.unwritten},
        {tr("Files of another kind: %1"), otherKind}};
    for (const auto &note : notes)
        if (note.second > 0)
            text += QLatin1Char('\n') + note.first.arg(note.second);
    text += refusedText;
    if (complete)
        ScreenMessages::inform(tr("Import Complete"), text);
    else
        ScreenMessages::warn(tr("Import Incomplete"), text);
    return true;
}

void DataTransfer::changeEvent(QEvent *event)
{
    ScreenBase::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        // The values are the screen's own, not the form's: shown again in the new language.
        setNumAssets(m_fileList.size());
        showPort();
        showOperation();
    }
}
