#include "BluetoothUpload.h"
#include "ui_BluetoothUpload.h"

#include "BluetoothFavourites.h"
#include "DevicePath.h"
#include "ExchangeImport.h"
#include "ImportReport.h"
#include "ScreenMessages.h"
#include "SettingsConstants.h"

#include <QFile>
#include <QTimer>

namespace
{
// A name from the phone shown in a box: printable characters only, and short enough for
// the display; a long one keeps its start and its end (the kind of file).
QString shownName(const QString &name)
{
    QString shown;
    for (const QChar c : name)
        shown += c.isPrint() ? c : QChar(QChar::ReplacementCharacter);
    constexpr int maxShown = 40;
    if (shown.size() > maxShown)
        shown = shown.left(maxShown / 2 - 1) + QChar(0x2026) + shown.right(maxShown / 2);
    return shown;
}
} // namespace

BluetoothUpload::BluetoothUpload(QWidget *previousScreen, QWidget *parent)
    : ScreenBase(previousScreen, parent), ui(new Ui::BluetoothUpload),
      m_service(BluetoothFavourites::getInstance()), m_pStallTimer(new QTimer(this))
{
    ui->setupUi(this);
    connect(ui->pushButtonBack, &QPushButton::clicked, this, &BluetoothUpload::onBackArrowClicked);
    connect(ui->pushButtonBack, &QPushButton::clicked, this, &BluetoothUpload::disconnectAll);
    ui->progressBarTransfer->setValue(0);
    ui->progressBarTransfer->setTextVisible(false);
    ui->progressBarTransfer->hide();
    m_pStallTimer->setSingleShot(true);
    m_pStallTimer->setInterval(RxStallMs);
    connect(m_pStallTimer, &QTimer::timeout, this, &BluetoothUpload::pushStalled);
}

BluetoothUpload::~BluetoothUpload()
{
    delete ui;
}

void BluetoothUpload::setUploadType(UPLOAD_TYPE type)
{
    m_eUploadType = type;
}

void BluetoothUpload::setStallLimit(int ms)
{
    m_pStallTimer->setInterval(ms);
}

void BluetoothUpload::showScreen(bool check)
{
    ScreenBase::showScreen(check);
    // Once only, however often the screen is shown before it is left: a second
    // connection would offer every file twice.
    disconnect(m_fileConnection);
    disconnect(m_progressConnection);
    m_fileConnection = connect(m_service, &BluetoothFavourites::btOppFileReceived, this,
                               &BluetoothUpload::vOppFileRx);
    m_progressConnection = connect(m_service, &BluetoothFavourites::btOppRxProgress, this,
                                   &BluetoothUpload::vOppProgress);
    ui->progressBarTransfer->setRange(0, 100);
    ui->progressBarTransfer->setValue(0);
    ui->progressBarTransfer->setTextVisible(false);
    ui->progressBarTransfer->hide();
    m_service->btActivate(BT_MODE_RECEIVE);
    showReady();
}

void BluetoothUpload::showReady()
{
    ui->labelInstructions->setText(
        tr("%1 Ready to receive Bluetooth data.").arg(m_service->sGetMyBtName()));
}

void BluetoothUpload::vOppProgress(int iBytesReceived)
{
    ui->labelInstructions->setText(tr(" Bytes Received %1").arg(iBytesReceived));
    m_pStallTimer->start();
}

void BluetoothUpload::vOppFileRx(QString sFilename)
{
    m_pStallTimer->stop();
    const QString path = DevicePath::path(TEMP_OPP_FILENAME);
    if (sFilename.isEmpty()) {
        // Whatever part of it arrived is not offered.
        QFile::remove(path);
        reportNotReceived(tr("The file did not arrive whole. Nothing has been imported."));
        return;
    }
    if (!QFile::exists(path))
        return;
    const int answer =
        ScreenMessages::run(nullptr, QMessageBox::Warning, tr("Bluetooth File received"),
                            tr(" %1, %2 bytes\nYes = Accept it\nNo = Reject")
                                .arg(shownName(sFilename))
                                .arg(QFile(path).size()),
                            QMessageBox::Yes | QMessageBox::No);
    if (answer == QMessageBox::Yes)
        import(path, sFilename);
}

void BluetoothUpload::import(const QString &path, const QString &name)
{
    if (m_eUploadType != UPLOAD_APPLIANCE_RESULTS && m_eUploadType != UPLOAD_TEST_SEQUENCES)
        return;
    const ExchangeImport::Outcome outcome = ExchangeImport::importFile(
        path, m_eUploadType == UPLOAD_APPLIANCE_RESULTS ? ExchangeImport::Kind::Results
                                                        : ExchangeImport::Kind::Sequences);
    if (outcome.refusal == FileUtils::ReadRefusal::TooLarge) {
        ScreenMessages::warn(tr("Warning"),
                               tr("%1 is larger than an exchange file can be. Nothing has been "
                                  "imported.")
                                   .arg(shownName(name)));
        return;
    }
    if (outcome.refusal != FileUtils::ReadRefusal::None) {
        ScreenMessages::warn(tr("Warning"), tr("Error reading file"));
        return;
    }
    const ImportReport &report = outcome.report;
    // A file of the other kind has had its warning from the import itself.
    if (report.complete() || report.wrongKind)
        return;
    QString text = tr("Imported: %1").arg(report.stored);
    if (report.unwritten > 0)
        text += QLatin1Char('\n') + report.unwrittenNote();
    if (report.renamed > 0)
        text += QLatin1Char('\n') + tr("Stored under a new name: %1").arg(report.renamed);
    if (report.damaged > 0)
        text += QLatin1Char('\n') + tr("Stored in part, damaged: %1").arg(report.damaged);
    if (report.skipped > report.unwritten)
        text += QLatin1Char('\n') + tr("Not imported: %1").arg(report.skipped - report.unwritten);
    ScreenMessages::warn(tr("Import incomplete"), text);
}

// The phone stopped in the middle of its push: the module is started afresh, which
// drops what was collected, and waits for the next push.
void BluetoothUpload::pushStalled()
{
    m_service->disconnectDevices();
    m_service->btActivate(BT_MODE_RECEIVE);
    QFile::remove(DevicePath::path(TEMP_OPP_FILENAME));
    reportNotReceived(tr("The transfer stopped before the file arrived whole. Nothing has "
                         "been imported."));
}

void BluetoothUpload::reportNotReceived(const QString &text)
{
    showReady();
    ScreenMessages::warn(tr("Bluetooth File not received"), text);
}

void BluetoothUpload::disconnectAll(bool)
{
    m_pStallTimer->stop();
    disconnect(m_fileConnection);
    disconnect(m_progressConnection);
    m_service->disconnectDevices();
    m_eUploadType = UPLOAD_NONE;
}

void BluetoothUpload::changeEvent(QEvent *event)
{
    ScreenBase::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
}
