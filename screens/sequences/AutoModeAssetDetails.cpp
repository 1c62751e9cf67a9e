#include "AutoModeAssetDetails.h"
#include "ui_AutoModeAssetDetails.h"

#include "BarcodeCollector.h"
#include "BluetoothFavourites.h"
#include "InfusionPumpPowerBoardManager.h"
#include "MemoryWarning.h"
#include "ScreenMessages.h"
#include "StoredName.h"
#include "TestResultManager.h"
#include "TestSequenceManager.h"

#include <QDebug>
#include <QEvent>

AutoModeAssetDetails::AutoModeAssetDetails(QWidget *previous, QWidget *parent)
    : ScreenBase(previous, parent), ui(new Ui::AutoModeAssetDetails),
      m_barcode(new BarcodeCollector(this))
{
    ui->setupUi(this);
    ui->comboBox_protocol->clear();
    ui->comboBox_protocol->addItems(TestSequenceManager::getInstance()->getTestSequenceList());
    ui->comboBox_protocol->setCurrentIndex(0);

    connect(m_barcode, &BarcodeCollector::codeRead, this, [this](const QString &code) {
        const QString assetId = StoredName::cleanAssetId(code);
        ui->assetLineEdit->setText(assetId);
        if (!isCurrentWidget())
            m_scannedMeanwhile = assetId;
    });
    connect(ui->pushButtonBack, &QPushButton::clicked, this,
            &AutoModeAssetDetails::backButtonClicked);
    connect(ui->pushButtonConfirm, &QPushButton::clicked, this,
            &AutoModeAssetDetails::confirmButtonClicked);
    // For the screen's whole life: a scan taken while another screen is shown still
    // fills the Asset ID.
    connect(BluetoothFavourites::getInstance(), &BluetoothFavourites::btBarcodeDataReceived, this,
            &AutoModeAssetDetails::btDataReceived);
}

AutoModeAssetDetails::~AutoModeAssetDetails()
{
    delete ui;
}

void AutoModeAssetDetails::setChannel(unsigned short ch)
{
    ui->selectedChannel->setText(QString::number(ch + 1));
    const Entry entry = ch < 4 ? m_entries[ch] : Entry();
    ui->assetLineEdit->setText(entry.assetId);
    ui->makeLineEdit->setText(entry.make);
    ui->modelLineEdit->setText(entry.model);
    ui->serialLineEdit->setText(entry.serial);
}

void AutoModeAssetDetails::keepEntry(unsigned short ch)
{
    if (ch >= 4)
        return;
    m_entries[ch] = {ui->assetLineEdit->text(), ui->makeLineEdit->text(), ui->modelLineEdit->text(),
                     ui->serialLineEdit->text(), ui->comboBox_protocol->currentIndex()};
}

unsigned short AutoModeAssetDetails::channel() const
{
    // An empty or unreadable label gives 0xFFFF, which no channel has.
    return static_cast<unsigned short>(ui->selectedChannel->text().toShort() - 1);
}

void AutoModeAssetDetails::showScreen(bool state)
{
    ScreenBase::showScreen(state);
    ui->comboBox_protocol->clear();
    ui->comboBox_protocol->addItems(TestSequenceManager::getInstance()->getTestSequenceList());
    const unsigned short ch = channel();
    ui->comboBox_protocol->setCurrentIndex(ch < 4 ? m_entries[ch].sequenceIndex : 0);
    if (!m_scannedMeanwhile.isEmpty()) {
        ui->assetLineEdit->setText(m_scannedMeanwhile);
        m_scannedMeanwhile.clear();
    }
    ui->assetLineEdit->setFocus();
    BluetoothFavourites::getInstance()->connectDevice(BT_BARCODE);
    MemoryWarning::guard();
}

void AutoModeAssetDetails::backButtonClicked(bool check)
{
    const unsigned short ch = channel();
    if (ScreenBase::board && ch < 4)
        ScreenBase::board->setChannelAutoState(ch, InfusionPumpPowerBoardManager::AUTO_COMPLETED);
    keepEntry(ch);
    onBackArrowClicked(check);
}

void AutoModeAssetDetails::confirmButtonClicked()
{
    if (ui->assetLineEdit->text().isEmpty())
        return;
    const unsigned short ch = channel();
    if (ch >= 4) {
        qWarning() << Q_FUNC_INFO << "no channel";
        return;
    }
    // The identity names the result file: scanner line ends, control characters and
    // characters a file name may not hold are not part of it.
    const QString assetId = StoredName::cleanAssetId(ui->assetLineEdit->text());
    // Channels may finish in the same second: each run's file needs a name of its own.
    if (!TestResultManager::identityNamesFile(assetId)) {
        refuse(tr("This Asset ID cannot name a result file. Please enter another one."));
        return;
    }

    TestResultManager *results = TestResultManager::getInstance();
    TestSequenceManager *sequences = TestSequenceManager::getInstance();
    results->deleteAllTestResults(ch);
    const QString sequence = ui->comboBox_protocol->currentText();
    if (!sequences->openTestSequence(sequence, ch)) {
        refuse(sequence.isEmpty()
                   ? tr("No test sequence is chosen.")
                   : tr("The test sequence \"%1\" could not be opened.").arg(sequence));
        return;
    }
    if (!sequences->isValidCurrentTestSequence(ch)) {
        refuse(tr("The test sequence \"%1\" holds no tests that can be run.").arg(sequence));
        return;
    }
    results->setCurrentOverallStatus(TEST_PASS, ch);
    results->setAssetId(assetId, ch);
    results->setApplianceData(ui->makeLineEdit->text(), ui->modelLineEdit->text(),
                              ui->serialLineEdit->text(), ch);
    // The run takes the entry: the channel's next run starts from an empty one.
    m_entries[ch] = Entry();
    onBackArrowClicked(false);
    BluetoothFavourites::getInstance()->disconnectDevices();
    emit assetConfirmed(ch);
}

void AutoModeAssetDetails::refuse(const QString &text)
{
    ScreenMessages::run(this, QMessageBox::Warning, tr("Asset Details"), text, QMessageBox::Ok);
}

void AutoModeAssetDetails::btDataReceived(QByteArray ba)
{
    m_barcode->addChunk(ba);
}

void AutoModeAssetDetails::btDataTimeout()
{
    m_barcode->finish();
}

void AutoModeAssetDetails::changeEvent(QEvent *event)
{
    ScreenBase::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
}
