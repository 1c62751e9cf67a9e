#include "ManualAssetDetails.h"
#include "ui_ManualAssetDetails.h"

#include "BarcodeCollector.h"
#include "BluetoothFavourites.h"
#include "DataManager.h"
#include "ElementJudging.h"
#include "ElementResultBuilder.h"
#include "InfusionPumpPowerBoardManager.h"
#include "ScreenMessages.h"
#include "StoredName.h"
#include "TestResultElementFlowTest.h"
#include "TestResultElementOccTest.h"
#include "TestResultElementPCATest.h"
#include "TestResultFactory.h"
#include "TestResultManager.h"
#include "TestSequenceManager.h"

#include <QDebug>
#include <QEvent>

namespace {
// Channel test types (settings numbering) and the result elements they save as.
enum ChannelTestType { flowTest = 0, occlusionTest = 1, pcaTest = 2 };
enum ResultType { flowResult = 1, pcaResult = 2, occlusionResult = 3 };

// What every saved element carries, whatever its test.
struct CommonFields
{
    TEST_RESULT_STATUS status;
    unsigned short channel;
    QString channelSerial;
    QString serial;
    const DataManager &data;
};

// A new result element of the type, with the verdict, channel, serial numbers, the
// channel's history and its last measurement.
template<class Element>
Element *createElement(ResultType type, const CommonFields &common)
{
    auto *element = static_cast<Element *>(TestResultFactory::createElement(type));
    element->status = common.status;
    element->channelId = common.channel + 1;
    element->channelSerialNumber = common.channelSerial;
    element->serialNumber = common.serial;
    element->samples = common.data.m_vecRealTimeData[common.channel];
    element->testData = common.data.getTestData(common.channel);
    return element;
}
} // namespace

ManualAssetDetails::ManualAssetDetails(QWidget *previous, QWidget *parent)
    : ScreenBase(previous, parent), ui(new Ui::ManualAssetDetails),
      m_barcode(new BarcodeCollector(this))
{
    ui->setupUi(this);
    // Typed or scanned, the identity must always fit in a result file's name.
    ui->assetLineEdit->setMaxLength(TestResultManager::maxAssetIdLength);
    connect(m_barcode, &BarcodeCollector::codeRead, this,
            [this](const QString &code) { setAssetId(StoredName::cleanAssetId(code)); });
    connect(ui->pushButtonBack, &QPushButton::clicked, this, &ManualAssetDetails::onBackArrowClicked);
    connect(ui->pushButtonConfirm, &QPushButton::clicked, this,
            &ManualAssetDetails::confirmButtonClicked);
    connect(this, &ManualAssetDetails::closeScreen, this, &ManualAssetDetails::onBackArrowClicked);
    connect(BluetoothFavourites::getInstance(), &BluetoothFavourites::btBarcodeDataReceived, this,
            &ManualAssetDetails::btDataReceived);
}

ManualAssetDetails::~ManualAssetDetails()
{
    delete ui;
}

void ManualAssetDetails::setChannel(unsigned short channel)
{
    ui->selectedChannel->setText(QString::number(channel + 1));
}

unsigned short ManualAssetDetails::getChannel() const
{
    // An empty or unreadable label gives 0xFFFF, which no channel has.
    return static_cast<unsigned short>(ui->selectedChannel->text().toUShort() - 1);
}

void ManualAssetDetails::setAssetId(const QString &id)
{
    ui->assetLineEdit->setText(id);
}

QString ManualAssetDetails::getAssetId() const
{
    return ui->assetLineEdit->text();
}

TEST_RESULT_STATUS ManualAssetDetails::statusOfRow(int row)
{
    switch (row) {
    case 0:
        return TEST_PASS;
    case 2:
        return TEST_INFORMATION_ONLY;
    default:
        return TEST_FAIL;
    }
}

int ManualAssetDetails::rowOfStatus(TEST_RESULT_STATUS status)
{
    switch (status) {
    case TEST_PASS:
        return 0;
    case TEST_INFORMATION_ONLY:
        return 2;
    default:
        return 1;
    }
}

TEST_RESULT_STATUS ManualAssetDetails::judgedVerdict() const
{
    const unsigned short channel = getChannel();
    if (channel >= DataManager::CHANNEL_COUNT || !ScreenBase::board)
        return TEST_PASS;
    const DataManager &data = ScreenBase::board->m_DataManager;
    // A test its controller lost did not run its course, whatever its figures say.
    if (data.testStoppedByController(channel))
        return TEST_FAIL;
    const INFUSION_PUMP_SETTING setting = data.getTestSetting(channel);
    const auto &history = data.m_vecRealTimeData[channel];
    // The inputs of the running screen's colour, so the box opens on what it showed.
    const unsigned int duration =
        setting.u32ElapseTimeSetting < 0 ? 0u : unsigned(setting.u32ElapseTimeSetting);
    const unsigned int lastSample = history.isEmpty() ? 0u : history.last().u32ElapseTime;
    return ElementJudging::manualVerdict(setting.u8TestTypeSetting,
                                         data.getManualPassFailLimits(channel),
                                         data.getTestData(channel), data.m_listPcaTestData[channel],
                                         duration, lastSample);
}

void ManualAssetDetails::showScreen(bool check)
{
    ScreenBase::showScreen(check);
    // Opens on the verdict of the test's own limits; the operator may still choose another.
    ui->comboBox_status->setCurrentIndex(rowOfStatus(judgedVerdict()));
    ui->assetLineEdit->setFocus();
    BluetoothFavourites::getInstance()->connectDevice(BT_BARCODE);
}

QString ManualAssetDetails::saveResult()
{
    TestResultManager *results = TestResultManager::getInstance();
    // Only the unassigned current sequence and record are cleared: the channels' own
    // sequences and records belong to automatic runs and stay as they are.
    TestSequenceManager::getInstance()->clearCurrentTestSequence();
    results->deleteAllTestResults();
    const QString assetId = StoredName::cleanAssetId(ui->assetLineEdit->text());
    results->setAssetId(assetId);
    const unsigned short channel = getChannel();
    const TEST_RESULT_STATUS status = statusOfRow(ui->comboBox_status->currentIndex());
    results->setCurrentOverallStatus(status);
    if (channel >= DataManager::CHANNEL_COUNT || !ScreenBase::board) {
        qDebug() << Q_FUNC_INFO << ":: no channel";
        return tr("No channel is chosen.");
    }

    const DataManager &data = ScreenBase::board->m_DataManager;
    const ElementResultBuilder::SerialNumbers serials = ElementResultBuilder::readSerialNumbers(channel);
    const CommonFields common{status, channel, serials.channel, serials.instrument, data};
    TestResultElement *element = nullptr;
    switch (data.getTestSetting(channel).u8TestTypeSetting) {
    case flowTest: {
        auto *flow = createElement<TestResultElementFlowTest>(flowResult, common);
        flow->sequenceElement.limits.flowTarget = 0;
        flow->sequenceElement.limits.flowUpperPct = 0;
        flow->sequenceElement.limits.flowLowerPct = 0;
        element = flow;
        break;
    }
    case occlusionTest: {
        auto *occ = createElement<TestResultElementOccTest>(occlusionResult, common);
        occ->pumpType = TestResultElementOccTest::storedPumpType(data.getOcclusionTestSetting(channel));
        occ->sequenceElement.limits.upperPressure = 0;
        occ->sequenceElement.limits.lowerPressure = 0;
        element = occ;
        break;
    }
    case pcaTest: {
        auto *pca = createElement<TestResultElementPCATest>(pcaResult, common);
        pca->boluses = data.m_listPcaTestData[channel];
        pca->sequenceElement.limits.bolusTarget = 0;
        pca->sequenceElement.limits.bolusUpperPct = 0;
        pca->sequenceElement.limits.bolusLowerPct = 0;
        element = pca;
        break;
    }
    default:
        qDebug() << Q_FUNC_INFO << ":: unknown asset type";
        return tr("A user test has no measurement to save.");
    }
    results->setCurrentTestResult(element);
    results->storeCurrentTestResult();
    results->setApplianceData(ui->makeLineEdit->text(), ui->modelLineEdit->text(),
                              ui->serialLineEdit->text());
    results->setApplianceResults();

    // A file of the same name (same asset, same second) may be a channel's automatic run:
    // it is never replaced by a manual save.
    const QString fileName = TestResultManager::fileNameFor(results->currentApplianceResult());
    if (fileName.isEmpty())
        return tr("The test date is not valid.");
    if (results->applianceResultExists(fileName))
        return tr("This asset already has a result saved in this second. Save again.");
    if (!results->saveCurrentApplianceResult())
        return tr("The result could not be written. The data memory may be full.");
    return QString();
}

void ManualAssetDetails::showOutcome(const QString &failure)
{
    if (failure.isEmpty())
        ScreenMessages::run(this, QMessageBox::Information, tr("Save Asset"),
                            tr("Asset Saved Successfully"), QMessageBox::Ok);
    else
        ScreenMessages::run(this, QMessageBox::Warning, tr("Save Asset"),
                            tr("Asset Failed to Save"), QMessageBox::Cancel, failure);
}

void ManualAssetDetails::confirmButtonClicked()
{
    showOutcome(saveResult());
    BluetoothFavourites::getInstance()->disconnectDevices();
    emit closeScreen(true);
}

void ManualAssetDetails::btDataReceived(QByteArray data)
{
    m_barcode->addChunk(data);
}

void ManualAssetDetails::btDataTimeout()
{
    m_barcode->finish();
}

void ManualAssetDetails::changeEvent(QEvent *event)
{
    ScreenBase::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        // The form comes back as built: no channel until the summary sets it again, and
        // the verdict box on its first row.
        ui->retranslateUi(this);
        ui->comboBox_status->setCurrentIndex(0);
    }
}
