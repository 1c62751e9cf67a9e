#include "SummaryManualScreen.h"
#include "ui_SummaryManualScreen.h"

#include "AbortFailMenu.h"
#include "AutoModeAssetDetails.h"
#include "DataManager.h"
#include "DataSeries.h"
#include "ElementJudging.h"
#include "ElementResultBuilder.h"
#include "FlowRateRunningScreen.h"
#include "GraphModeScreen.h"
#include "InfusionPumpPowerBoardManager.h"
#include "ManualAssetDetails.h"
#include "ManualSetup.h"
#include "ManualTestArithmetic.h"
#include "OcclusionManualTest.h"
#include "OcclusionManual_Setup.h"
#include "PCAManual_Setup.h"
#include "PCARunningScreen.h"
#include "RotaryEncoderMessageBox.h"
#include "ScreenMessages.h"
#include "TestElementDetails.h"
#include "TestResultManager.h"
#include "TestSequenceElementFlowTest.h"
#include "TestSequenceElementOccTest.h"
#include "TestSequenceElementPCATest.h"
#include "TestSequenceElementUserTest.h"
#include "TestSequenceManager.h"
#include "UserTestRunning.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QTimer>

namespace {
DataManager &dataManager()
{
    return ScreenBase::board->m_DataManager;
}

QString coloured(const char *colour, const QString &word)
{
    return QStringLiteral("<font color='%1'>").arg(QLatin1String(colour)) + word +
           QStringLiteral("</font>");
}

// A value in its column: a label cuts a text too wide for it on both sides, which
// would show another number.
void showNumber(QLabel *label, double value, int decimals)
{
    const QFontMetrics metrics(label->font());
    const int room = label->contentsRect().width();
    label->setText(ManualTestArithmetic::fitNumber(value, decimals, [&](const QString &text) {
        return room <= 0 || metrics.horizontalAdvance(text) <= room;
    }));
}
} // namespace

SummaryManualScreen::SummaryManualScreen(QWidget *previous, QWidget *parent)
    : ScreenBase(previous, parent), ui(new Ui::SummaryManualScreen)
{
    ui->setupUi(this);
    keepHeadingsClear();
    ui->listWidgetChannels->setCurrentRow(0);

    m_abortFailMenu = new AbortFailMenu(this, nullptr);

    connect(ui->pushButtonBackwardFromManualSummaryScreen, &QPushButton::clicked, this,
            &SummaryManualScreen::onBackArrowClicked);
    connect(ui->pushButtonAuto, &QPushButton::clicked, this, &SummaryManualScreen::onAutoClicked);
    connect(ui->pushButtonSave, &QPushButton::clicked, this, &SummaryManualScreen::onSaveClicked);
    connect(ui->pushButtonSetting, &QPushButton::clicked, this,
            &SummaryManualScreen::onSetUpClicked);
    connect(this, &SummaryManualScreen::stopPump, ScreenBase::board,
            &InfusionPumpPowerBoardManager::vSetStopRsq);
    connect(this, &SummaryManualScreen::primePump, ScreenBase::board,
            &InfusionPumpPowerBoardManager::vSetStartPrimingRsq);

    m_refreshTimer = new QTimer(this);
    connect(m_refreshTimer, &QTimer::timeout, this, &SummaryManualScreen::fetchData);
    m_refreshTimer->start(1000);

    connect(ui->listWidgetChannels, &QListWidget::currentRowChanged, this,
            &SummaryManualScreen::channelSelectionChanged);
    m_currentChannelId = 0;
}

SummaryManualScreen::~SummaryManualScreen()
{
    delete ui;
}

RotaryEncoderList *SummaryManualScreen::channelList() const
{
    return ui->listWidgetChannels;
}

void SummaryManualScreen::createFlowScreens()
{
    if (!m_flowRunning)
        m_flowRunning = new FlowRateRunningScreen(this, nullptr);
    if (!m_flowSetup) {
        m_flowSetup = new ManualSetup(this, m_flowRunning, nullptr);
        m_flowRunning->lateSetup();
    }
}

void SummaryManualScreen::createOccScreens()
{
    if (!m_occRunning)
        m_occRunning = new OcclusionManualTest(this, nullptr);
    if (!m_occSetup) {
        m_occSetup = new OcclusionManual_Setup(this, m_occRunning, nullptr);
        m_occRunning->lateSetup();
    }
}

void SummaryManualScreen::createPcaScreens()
{
    if (!m_pcaRunning)
        m_pcaRunning = new PCARunningScreen(this, nullptr);
    if (!m_pcaSetup) {
        m_pcaSetup = new PCAManual_Setup(this, m_pcaRunning, nullptr);
        m_pcaRunning->lateSetup();
    }
}

void SummaryManualScreen::createGraphScreens()
{
    createFlowScreens();
    if (!m_graph)
        m_graph = new GraphModeScreen(m_flowRunning, nullptr);
}

FlowRateRunningScreen *SummaryManualScreen::getFlowRateRunningScreen()
{
    createFlowScreens();
    return m_flowRunning;
}

ManualSetup *SummaryManualScreen::getFlowRateSetupScreen()
{
    createFlowScreens();
    return m_flowSetup;
}

OcclusionManualTest *SummaryManualScreen::getOcclusionRunningScreen()
{
    createOccScreens();
    return m_occRunning;
}

OcclusionManual_Setup *SummaryManualScreen::getOcclusionSetupScreen()
{
    createOccScreens();
    return m_occSetup;
}

PCARunningScreen *SummaryManualScreen::getPCARunningScreen()
{
    createPcaScreens();
    return m_pcaRunning;
}

PCAManual_Setup *SummaryManualScreen::getPCASetupScreen()
{
    createPcaScreens();
    return m_pcaSetup;
}

GraphModeScreen *SummaryManualScreen::getGraphModeScreen()
{
    createGraphScreens();
    return m_graph;
}

void SummaryManualScreen::openSetupScreen(int testType)
{
    switch (testType) {
    case 0:
        getFlowRateSetupScreen()->setTestTypeRow(0);
        getFlowRateSetupScreen()->showScreen(true);
        break;
    case 1:
        getOcclusionSetupScreen()->setTestTypeRow(1);
        getOcclusionSetupScreen()->showScreen(true);
        break;
    case 2:
        getPCASetupScreen()->setTestTypeRow(2);
        getPCASetupScreen()->showScreen(true);
        break;
    default:
        break;
    }
}

UserTestRunning *SummaryManualScreen::getUserTestScreen()
{
    if (!m_userTest)
        m_userTest = new UserTestRunning(this, nullptr);
    return m_userTest;
}

ManualAssetDetails *SummaryManualScreen::getManualAsssetScreen()
{
    if (!m_manualAsset)
        m_manualAsset = new ManualAssetDetails(this, nullptr);
    return m_manualAsset;
}

AutoModeAssetDetails *SummaryManualScreen::getAutoModeAssetDetailsScreen()
{
    if (!m_autoAsset) {
        m_autoAsset = new AutoModeAssetDetails(this, nullptr);
        connect(m_autoAsset, &AutoModeAssetDetails::assetConfirmed, this,
                &SummaryManualScreen::startAutoSequence);
    }
    return m_autoAsset;
}

QString SummaryManualScreen::autoStateWord(int state)
{
    switch (state) {
    case 0:
        return coloured("green", tr("Completed"));
    case 1:
        return coloured("orange", tr("Asset"));
    case 2:
        return coloured("orange", tr("Setup"));
    case 3:
        return coloured("orange", tr("Paused"));
    case 4:
        return coloured("green", tr("Saving"));
    case 5:
        return coloured("red", tr("Stopped"));
    case 6:
        return coloured("red", tr("Failed"));
    default:
        return QString();
    }
}

void SummaryManualScreen::writeRow(unsigned short channel)
{
    InfusionPumpPowerBoardManager *manager = ScreenBase::board;
    DataManager &data = dataManager();
    const int row = channel + 1;
    QLabel *type = findChild<QLabel *>(QStringLiteral("label_Channel_%1_TestType").arg(row));
    QLabel *volume = findChild<QLabel *>(QStringLiteral("label_Channel_%1_Volume").arg(row));
    QLabel *pressure = findChild<QLabel *>(QStringLiteral("label_Channel_%1_Pressure").arg(row));
    QLabel *flow = findChild<QLabel *>(QStringLiteral("label_Channel_%1_FlowRate").arg(row));
    QLabel *duration = findChild<QLabel *>(QStringLiteral("label_Channel_%1_ElaspeTime").arg(row));
    QLabel *mode = findChild<QLabel *>(QStringLiteral("label_Channel_%1_Mode").arg(row));
    QLabel *asset = findChild<QLabel *>(QStringLiteral("label_Channel_%1_Asset_Id").arg(row));

    switch (manager->getChannelStatus(channel)) {
    case 1: {
        const INFUSION_PUMP_TEST_DATA live = data.getTestData(channel);
        const int testType = data.getTestSetting(channel).u8TestTypeSetting;
        static const char *const types[] = {QT_TR_NOOP("Flow"), QT_TR_NOOP("Occ"),
                                            QT_TR_NOOP("PCA"), QT_TR_NOOP("User")};
        if (testType >= 0 && testType <= 3)
            type->setText(tr(types[testType]));
        showNumber(volume, live.fVolume, 3);
        showNumber(pressure, data.getPressureValue(live.s16Pressure), 2);
        showNumber(flow, live.fFlowRate_Ave, 2);
        const bool automatic = manager->getChannelIsAutoMode(channel);
        if (data.vGetTestRunningFlag(channel))
            duration->setText(formatTimeFromPic(live.u32ElapseTime));
        else if (automatic)
            duration->setText(autoStateWord(manager->getChannelAutoState(channel)));
        else if (data.testStoppedByController(channel))
            duration->setText(coloured("red", tr("Ctrl stop")));
        else
            duration->setText(tr("Ready"));
        asset->setText(automatic ? TestResultManager::getInstance()->getCurrentAssetId(channel)
                                 : QString());
        mode->setText(automatic ? tr("Auto: ") : tr("Manual "));
        break;
    }
    case 2:
        if (channel != 0)
            type->setText(tr("?"));
        volume->setText(tr("?"));
        pressure->setText(tr("?"));
        flow->setText(tr("?"));
        duration->setText(QStringLiteral("ER1"));
        asset->clear();
        mode->clear();
        break;
    case 0:
        type->setText(tr("N/A"));
        volume->setText(tr("---"));
        pressure->setText(tr("---"));
        flow->setText(tr("---"));
        duration->setText(tr("---"));
        asset->clear();
        mode->clear();
        break;
    default:
        break;
    }
}

void SummaryManualScreen::fetchData()
{
    for (unsigned short channel = 0; channel < 4; ++channel) {
        writeRow(channel);
        runAutoStep(channel);
    }
}

void SummaryManualScreen::applySoftKeyRule(unsigned short channel)
{
    InfusionPumpPowerBoardManager *manager = ScreenBase::board;
    if (manager->getChannelIsAutoMode(channel)) {
        ui->pushButtonAuto->setEnabled(true);
        ui->pushButtonSetting->setEnabled(false);
    } else {
        ui->pushButtonAuto->setEnabled(dataManager().vGetTestRunningFlag(channel) == 0);
        ui->pushButtonSetting->setEnabled(true);
    }
}

void SummaryManualScreen::setChannelIsAutoMode(unsigned short channel, bool automatic)
{
    ScreenBase::board->setChannelIsAutoMode(channel, automatic);
    // The keys act on the selected channel, so they follow it, whichever channel's run
    // has just started or ended.
    applySoftKeyRule(m_currentChannelId);
}

void SummaryManualScreen::showScreen(bool check)
{
    ScreenBase::showScreen(check);
    ui->listWidgetChannels->setFocus();
    applySoftKeyRule(m_currentChannelId);
}

void SummaryManualScreen::channelSelectionChanged(int row)
{
    if (row < 0 || row > 3)
        return;
    m_currentChannelId = static_cast<unsigned short>(row);
    applySoftKeyRule(m_currentChannelId);
}

void SummaryManualScreen::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_F6: {
        const int row = ui->listWidgetChannels->currentRow();
        const bool automatic = row >= 0 && ScreenBase::board->getChannelIsAutoMode(row);
        (automatic ? ui->pushButtonAuto : ui->pushButtonSetting)->click();
        break;
    }
    case Qt::Key_F7: {
        const int row = ui->listWidgetChannels->currentRow();
        if (row >= 0) {
            emit stopPump(static_cast<unsigned short>(row));
            emit primePump(static_cast<unsigned short>(row));
        }
        break;
    }
    default:
        ScreenBase::keyPressEvent(event);
        break;
    }
}

void SummaryManualScreen::onSaveClicked(bool)
{
    m_currentChannelId = static_cast<unsigned short>(qMax(0, ui->listWidgetChannels->currentRow()));
    const unsigned short channel = m_currentChannelId;
    DataManager &data = dataManager();
    const bool valid = data.vGetTestRunningFlag(channel) == 0 &&
                       ScreenBase::board->getChannelStatus(channel) == 1 &&
                       !data.m_vecRealTimeData[channel].isEmpty();
    if (valid) {
        getManualAsssetScreen()->setChannel(channel);
        getManualAsssetScreen()->showScreen(true);
        return;
    }
    ScreenMessages::run(this, QMessageBox::Warning, tr("Save Asset"),
                        tr("No Valid Data to Save or test in progress"), QMessageBox::Cancel);
}

void SummaryManualScreen::onSetUpClicked(bool)
{
    m_currentChannelId = static_cast<unsigned short>(qMax(0, ui->listWidgetChannels->currentRow()));
    const unsigned short channel = m_currentChannelId;
    DataManager &data = dataManager();
    const bool usable = ScreenBase::board->getChannelStatus(channel) == 1;
    const int type = data.getTestSetting(channel).u8TestTypeSetting;
    if (!data.vGetTestRunningFlag(channel)) {
        data.resetTestData(channel);
        if (!usable)
            return;
        switch (type) {
        case 0:
            getFlowRateRunningScreen()->vSetChannel(channel);
            getFlowRateSetupScreen()->showScreen(true);
            break;
        case 1:
            getOcclusionRunningScreen()->vSetChannel(channel);
            getOcclusionSetupScreen()->showScreen(true);
            break;
        case 2:
            getPCARunningScreen()->vSetChannel(channel);
            getPCASetupScreen()->showScreen(true);
            break;
        case 3:
            getUserTestScreen()->vSetChannel(channel);
            getUserTestScreen()->showScreen(true);
            break;
        default:
            break;
        }
        return;
    }
    if (!usable)
        return;
    switch (type) {
    case 2:
        getPCARunningScreen()->vSetChannel(channel);
        getPCARunningScreen()->showScreen(true);
        break;
    case 3:
        getUserTestScreen()->vSetChannel(channel);
        getUserTestScreen()->showScreen(true);
        break;
    case 1:
        getOcclusionRunningScreen()->vSetChannel(channel);
        getOcclusionRunningScreen()->showScreen(true);
        break;
    default:
        getFlowRateRunningScreen()->vSetChannel(channel);
        getFlowRateRunningScreen()->showScreen(true);
        break;
    }
}

void SummaryManualScreen::changeEvent(QEvent *event)
{
    ScreenBase::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        keepHeadingsClear();
    }
}

void SummaryManualScreen::keepHeadingsClear()
{
    // The table is tight: without a floor, a column is squeezed until its heading's
    // word touches the box around it.
    for (QLabel *heading : {ui->label_MSG_Test_Type_6, ui->label_MSG_Test_Type, ui->label_MSG_Volume,
                            ui->label_MSG_mmhg, ui->label_MSG_Test_Type_7, ui->label_MSG_hhmm})
        heading->setMinimumWidth(heading->fontMetrics().horizontalAdvance(heading->text())
                                 + 2 * heading->frameWidth() + 4);
}

// ---------------------------------------------------------------------------------
// Automatic sequence engine. Each channel runs its own sequence; its state is the
// channel's AutoState on the board manager, and it advances only in this screen's
// one-second tick, after the channel's row is written.
// ---------------------------------------------------------------------------------

namespace {
TestSequenceManager *sequences()
{
    return TestSequenceManager::getInstance();
}

TestResultManager *results()
{
    return TestResultManager::getInstance();
}
} // namespace

void SummaryManualScreen::onAutoClicked(bool)
{
    m_currentChannelId = static_cast<unsigned short>(qMax(0, ui->listWidgetChannels->currentRow()));
    const unsigned short channel = m_currentChannelId;
    InfusionPumpPowerBoardManager *manager = ScreenBase::board;
    if (manager->getChannelStatus(channel) != 1)
        return;
    switch (manager->getChannelAutoState(channel)) {
    case InfusionPumpPowerBoardManager::AUTO_COMPLETED:
        manager->setChannelAutoState(channel, InfusionPumpPowerBoardManager::AUTO_ASSET_ENTRY);
        getAutoModeAssetDetailsScreen()->setChannel(channel);
        getAutoModeAssetDetailsScreen()->showScreen(true);
        return;
    case InfusionPumpPowerBoardManager::AUTO_STOPPED:
        m_abortFailMenu->vSetChannel(channel);
        if (m_abortFailMenu->getOption() == AbortFailMenu::NO_OPTION) {
            m_abortFailMenu->showScreen(true);
            return;
        }
        // A choice made and not yet read is taken now rather than dropped by opening
        // the menu again.
        actOnAbortFailChoice(channel);
        break;
    case InfusionPumpPowerBoardManager::AUTO_FAILED:
        // The asset record could not be saved; its results are still held, so AUTO
        // tries the save again.
        manager->setChannelAutoState(channel, InfusionPumpPowerBoardManager::AUTO_SAVING);
        return;
    default:
        break;
    }
    // A step due to be set up is set up now, so that the screen opened shows it and
    // its first green key starts it; the tick would set it up only later, and a start
    // before then would run the set-up of the step before.
    if (manager->getChannelAutoState(channel) ==
        InfusionPumpPowerBoardManager::AUTO_SETUP_NEXT_TEST)
        setUpCurrentElement(channel);
    if (manager->getChannelAutoState(channel) != InfusionPumpPowerBoardManager::AUTO_TEST_RUNNING)
        return;
    TestSequenceElement *element = sequences()->getTestElementPtr(m_testIndex[channel], channel);
    if (!element)
        return;
    switch (element->id) {
    case TestElementDetails::USER_TEST:
        getUserTestScreen()->vSetChannel(channel);
        getUserTestScreen()->showScreen(true);
        break;
    case TestElementDetails::FLOW_TEST:
        getFlowRateRunningScreen()->vSetChannel(channel);
        getFlowRateRunningScreen()->showScreen(true);
        break;
    case TestElementDetails::PCA_TEST:
        getPCARunningScreen()->vSetChannel(channel);
        getPCARunningScreen()->showScreen(true);
        break;
    case TestElementDetails::OCCLUSION_TEST:
        getOcclusionRunningScreen()->vSetChannel(channel);
        getOcclusionRunningScreen()->showScreen(true);
        break;
    default:
        qWarning() << Q_FUNC_INFO << "unknown id";
        break;
    }
}

void SummaryManualScreen::startAutoSequence(unsigned short channel)
{
    if (channel > 3)
        return;
    m_testIndex[channel] = 0;
    setChannelIsAutoMode(channel, true);
    if (TestSequenceElement *element = currentElement(channel, Q_FUNC_INFO))
        startTest(element, channel);
}

TestSequenceElement *SummaryManualScreen::currentElement(unsigned short channel, const char *caller)
{
    TestSequenceElement *element = sequences()->getTestElementPtr(m_testIndex[channel], channel);
    if (!element) {
        qWarning().noquote() << caller
                             << QStringLiteral("no step %1 in the sequence of channel %2; the run ends")
                                    .arg(m_testIndex[channel])
                                    .arg(channel + 1);
        endRun(channel);
    }
    return element;
}

void SummaryManualScreen::endRun(unsigned short channel)
{
    ScreenBase::board->setChannelAutoState(channel, InfusionPumpPowerBoardManager::AUTO_COMPLETED);
}

int SummaryManualScreen::visibleChannel()
{
    if (getFlowRateRunningScreen()->isCurrentWidget())
        return getFlowRateRunningScreen()->getChannelId();
    if (getPCARunningScreen()->isCurrentWidget())
        return getPCARunningScreen()->getChannelId();
    if (getOcclusionRunningScreen()->isCurrentWidget())
        return getOcclusionRunningScreen()->getChannelId();
    if (getUserTestScreen()->isCurrentWidget())
        return getUserTestScreen()->getChannelId();
    if (getGraphModeScreen()->isCurrentWidget())
        return DataSeries::getChannelId();
    return -1;
}

void SummaryManualScreen::startTest(TestSequenceElement *element, unsigned short channel)
{
    InfusionPumpPowerBoardManager *manager = ScreenBase::board;
    DataManager &data = dataManager();
    data.resetTestData(channel);
    // The step's class must match its type; a step that does not is treated as unknown.
    auto *user = element->id == TestElementDetails::USER_TEST
        ? dynamic_cast<TestSequenceElementUserTest *>(element) : nullptr;
    auto *flow = element->id == TestElementDetails::FLOW_TEST
        ? dynamic_cast<TestSequenceElementFlowTest *>(element) : nullptr;
    auto *pca = element->id == TestElementDetails::PCA_TEST
        ? dynamic_cast<TestSequenceElementPCATest *>(element) : nullptr;
    auto *occ = element->id == TestElementDetails::OCCLUSION_TEST
        ? dynamic_cast<TestSequenceElementOccTest *>(element) : nullptr;
    const bool firstElement =
        manager->getChannelAutoState(channel) == InfusionPumpPowerBoardManager::AUTO_ASSET_ENTRY;
    const bool shown = firstElement || visibleChannel() == channel;
    // Test type and back pressure as the channel's setting now holds them.
    const auto stage = [&](unsigned short windowSize) {
        const INFUSION_PUMP_SETTING setting = data.getTestSetting(channel);
        manager->vSetSendToPicData_TestType(setting.u8TestTypeSetting);
        manager->vSetSendToPicData_BackPressure(setting.s16BackPressureSetting);
        manager->vSetSendToPicData_WindowSize(windowSize);
    };

    if (user) {
        data.vSetTestSetting_Type(channel, 3);
        // Loading the question neither moves a prompt that shows another channel nor
        // puts this question, or that channel's value, under its channel number.
        getUserTestScreen()->setTestData(channel, user);
    } else if (flow) {
        data.vSetTestSetting_ElapseTime(channel, flow->setting.u32ElapseTimeSetting);
        data.vSetTestSetting_Type(channel, 0);
        data.vSetTestSetting_BackPressure(channel, flow->setting.s16BackPressureSetting);
        data.vSetTestSetting_WindowSize(channel, flow->setting.u16SamplingWindowSetting);
        data.setManualPassFailLimits(channel, flow->limits);
        stage(data.getTestSetting(channel).u16SamplingWindowSetting);
        manager->vSetChangeSettingRsq(channel);
    } else if (pca) {
        data.vSetPCATestSetting_ElapseTime(channel, pca->setting.u32ElapseTimeSetting);
        data.vSetTestSetting_Type(channel, 2);
        data.vSetPCABasalFlowRate(channel, pca->setting.fBasalFlowRateSetting);
        data.vSetPCABolusVolume(channel, pca->setting.fBolusVolumeSetting);
        data.setManualPassFailLimits(channel, pca->limits);
        stage(ManualTestArithmetic::pcaWindowSize(data.getPCATestSetting(channel).fBasalFlowRateSetting));
        manager->vSetChangeSettingRsq(channel);
    } else if (occ) {
        data.vSetTestSetting_Type(channel, 1);
        data.vSetOcclusionInfusionPumpType(channel, occ->setting.u8InfusionPumpType);
        data.setManualPassFailLimits(channel, occ->limits);
        data.setOcclusionTestcomplete(channel, false);
        data.m_u32OcclusionStopTime[channel] = 0;
        stage(data.getTestSetting(channel).u16SamplingWindowSetting);
        manager->vSetSendToPicData_InfusionPumpType(data.getOcclusionTestSetting(channel));
        manager->vSetChangeSettingRsq(channel);
        getOcclusionRunningScreen()->m_greenKeyState[channel] = 0;
    } else {
        qWarning() << Q_FUNC_INFO << "unknown id";
        endRun(channel);
        return;
    }

    if (shown)
        showElementScreen(*element, channel, firstElement);
    manager->setChannelAutoState(channel, InfusionPumpPowerBoardManager::AUTO_TEST_RUNNING);
}

void SummaryManualScreen::showElementScreen(const TestSequenceElement &element,
                                            unsigned short channel, bool firstElement)
{
    TestScreen *running = nullptr;
    switch (element.id) {
    case TestElementDetails::FLOW_TEST:
        running = getFlowRateRunningScreen();
        break;
    case TestElementDetails::PCA_TEST:
        running = getPCARunningScreen();
        break;
    case TestElementDetails::OCCLUSION_TEST:
        running = getOcclusionRunningScreen();
        break;
    default:
        getUserTestScreen()->vSetChannel(channel);
        getUserTestScreen()->showScreen(true);
        return;
    }
    running->vSetChannel(channel);
    if (firstElement && element.id != TestElementDetails::OCCLUSION_TEST)
        running->m_u16StartFlag = 1;
    running->showScreen(true);
}

void SummaryManualScreen::runAutoStep(unsigned short channel)
{
    InfusionPumpPowerBoardManager *manager = ScreenBase::board;
    if (manager->getChannelStatus(channel) != 1 || !manager->getChannelIsAutoMode(channel))
        return;
    if (dataManager().vGetTestRunningFlag(channel)) {
        if (manager->getChannelAutoState(channel) == InfusionPumpPowerBoardManager::AUTO_TEST_RUNNING)
            watchRunningElement(channel);
        return;
    }
    stepAutoState(channel);
}

void SummaryManualScreen::watchRunningElement(unsigned short channel)
{
    DataManager &data = dataManager();
    const TestSequenceElement *element =
        sequences()->getTestElementPtr(m_testIndex[channel], channel);
    if (!element)
        return; // the step is looked for again when the test has stopped
    const INFUSION_PUMP_TEST_DATA live = data.getTestData(channel);
    bool stop = false;
    switch (data.getTestSetting(channel).u8TestTypeSetting) {
    case 0:
        stop = ElementJudging::flowWatchStops(element->limits, live.fFlowRate_Instant,
                                              m_inBandCount[channel]);
        break;
    case 1:
        stop = ElementJudging::occlusionWatchStops(element->limits, live.s16Pressure_Peak);
        break;
    default:
        break;
    }
    if (stop) {
        emit stopPump(channel);
        emit primePump(channel);
        ScreenBase::board->setChannelAutoState(channel, InfusionPumpPowerBoardManager::AUTO_STOPPED);
    }
}

void SummaryManualScreen::stepAutoState(unsigned short channel)
{
    InfusionPumpPowerBoardManager *manager = ScreenBase::board;
    DataManager &data = dataManager();
    switch (manager->getChannelAutoState(channel)) {
    case InfusionPumpPowerBoardManager::AUTO_COMPLETED:
        data.m_vecRealTimeData[channel].clear();
        setChannelIsAutoMode(channel, false);
        m_inBandCount[channel] = 0;
        // The run's last step no longer stands for the channel: MANUAL finds the set-up
        // a fresh channel has, never the run's user prompt or its step's limits.
        data.restoreChannelSetting(channel);
        break;
    case InfusionPumpPowerBoardManager::AUTO_SETUP_NEXT_TEST:
        setUpCurrentElement(channel);
        break;
    case InfusionPumpPowerBoardManager::AUTO_TEST_RUNNING:
        finishRunningElement(channel);
        break;
    case InfusionPumpPowerBoardManager::AUTO_SAVING:
        saveAssetRecord(channel);
        break;
    case InfusionPumpPowerBoardManager::AUTO_STOPPED:
        actOnAbortFailChoice(channel);
        break;
    default:
        // Asset entry waits for the asset screen; a failed save waits for AUTO.
        break;
    }
}

void SummaryManualScreen::setUpCurrentElement(unsigned short channel)
{
    dataManager().m_vecRealTimeData[channel].clear();
    m_inBandCount[channel] = 0;
    if (TestSequenceElement *element = currentElement(channel, Q_FUNC_INFO))
        startTest(element, channel);
}

bool SummaryManualScreen::elementComplete(unsigned short channel)
{
    DataManager &data = dataManager();
    // At or past the duration: the history can grow by more than one sample between two
    // ticks, and a count that skipped the duration must still complete the step.
    const int samples = data.m_vecRealTimeData[channel].size();
    switch (data.getTestSetting(channel).u8TestTypeSetting) {
    case 0:
        return samples >= data.getTestSetting(channel).u32ElapseTimeSetting;
    case 1:
        return data.getOcclusionTestComplete(channel);
    case 2:
        return samples >= data.getPCATestSetting(channel).u32ElapseTimeSetting;
    case 3:
        return getUserTestScreen()->getTestStatus(channel) != TEST_NOT_ANSWERED;
    default:
        return false;
    }
}

TEST_RESULT_STATUS SummaryManualScreen::judgeElement(unsigned short channel,
                                                     const TestSequenceElement &element)
{
    DataManager &data = dataManager();
    return ElementJudging::verdict(data.getTestSetting(channel).u8TestTypeSetting, element.limits,
                                   data.getTestData(channel), data.m_listPcaTestData[channel],
                                   getUserTestScreen()->getTestStatus(channel),
                                   data.m_vecRealTimeData[channel].size());
}

void SummaryManualScreen::finishRunningElement(unsigned short channel)
{
    InfusionPumpPowerBoardManager *manager = ScreenBase::board;
    DataManager &data = dataManager();
    if (elementComplete(channel)) {
        const TestSequenceElement *element = currentElement(channel, Q_FUNC_INFO);
        if (!element)
            return;
        if (judgeElement(channel, *element) != TEST_PASS) {
            manager->setChannelAutoState(channel, InfusionPumpPowerBoardManager::AUTO_STOPPED);
            return;
        }
        createCurrentTestResult(channel, TEST_PASS);
        results()->storeCurrentTestResult(channel);
        ++m_testIndex[channel];
        manager->setChannelAutoState(channel,
                                     m_testIndex[channel] < sequences()->getCurrentTestSequenceSize(channel)
                                         ? InfusionPumpPowerBoardManager::AUTO_SETUP_NEXT_TEST
                                         : InfusionPumpPowerBoardManager::AUTO_SAVING);
    } else if (data.m_u8StopKeyPressed[channel]) {
        data.m_u8StopKeyPressed[channel] = 0;
        manager->setChannelAutoState(channel, InfusionPumpPowerBoardManager::AUTO_STOPPED);
    }
}

void SummaryManualScreen::saveAssetRecord(unsigned short channel)
{
    if (visibleChannel() == channel)
        showScreen(true);
    results()->setApplianceResults(channel);
    if (results()->saveCurrentApplianceResult(channel)) {
        ScreenBase::board->setChannelAutoState(channel, InfusionPumpPowerBoardManager::AUTO_COMPLETED);
        return;
    }
    // Never shown as completed: the results stay held for another try from AUTO.
    ScreenBase::board->setChannelAutoState(channel, InfusionPumpPowerBoardManager::AUTO_FAILED);
    reportSaveFailure(channel);
}

void SummaryManualScreen::reportSaveFailure(unsigned short channel)
{
    qWarning() << Q_FUNC_INFO << "the asset record of channel" << channel + 1 << "was not saved";
    // Not modal: a dialog's own event loop inside the tick would run further ticks in it.
    const QString text = tr("The results of channel %1 could not be saved. "
                            "Press AUTO on the channel to try again.")
                             .arg(channel + 1);
    if (!m_saveFailedBox) {
        m_saveFailedBox = new RotaryEncoderMessageBox(this);
        m_saveFailedBox->setAttribute(Qt::WA_DeleteOnClose);
        ScreenMessages::setUp(*m_saveFailedBox, QMessageBox::Critical, tr("Save Asset"), text,
                              QMessageBox::Ok);
    } else {
        m_saveFailedBox->setText(text);
    }
    m_saveFailedBox->show();
}

void SummaryManualScreen::actOnAbortFailChoice(unsigned short channel)
{
    InfusionPumpPowerBoardManager *manager = ScreenBase::board;
    m_abortFailMenu->vSetChannel(channel);
    if (visibleChannel() == channel)
        m_abortFailMenu->showScreen(true);
    const int sequenceSize = sequences()->getCurrentTestSequenceSize(channel);
    switch (m_abortFailMenu->getOption()) {
    case AbortFailMenu::RESTART_TEST:
        manager->setChannelAutoState(channel, InfusionPumpPowerBoardManager::AUTO_SETUP_NEXT_TEST);
        break;
    case AbortFailMenu::RESTART_PROTOCOL:
        m_testIndex[channel] = 0;
        results()->deleteAllTestResults(channel);
        // The run starts over: a step skipped before counts no more.
        results()->setCurrentOverallStatus(TEST_PASS, channel);
        manager->setChannelAutoState(channel, InfusionPumpPowerBoardManager::AUTO_SETUP_NEXT_TEST);
        break;
    case AbortFailMenu::NEXT_TEST:
        // A step that failed or was stopped is not passed by skipping it: it is stored
        // as failed and fails the asset, as ending the protocol on it would.
        createCurrentTestResult(channel, TEST_FAIL);
        results()->storeCurrentTestResult(channel);
        ++m_testIndex[channel];
        manager->setChannelAutoState(channel, m_testIndex[channel] < sequenceSize
                                                  ? InfusionPumpPowerBoardManager::AUTO_SETUP_NEXT_TEST
                                                  : InfusionPumpPowerBoardManager::AUTO_SAVING);
        break;
    case AbortFailMenu::END_PROTOCOL:
        createCurrentTestResult(channel, TEST_FAIL);
        results()->storeCurrentTestResult(channel);
        manager->setChannelAutoState(channel, InfusionPumpPowerBoardManager::AUTO_SAVING);
        break;
    case AbortFailMenu::ABORT_PROTOCOL:
        results()->deleteAllTestResults(channel);
        manager->setChannelAutoState(channel, InfusionPumpPowerBoardManager::AUTO_COMPLETED);
        break;
    default:
        return;
    }
    m_abortFailMenu->clearOption();
}

void SummaryManualScreen::createCurrentTestResult(unsigned short channel, TEST_RESULT_STATUS status)
{
    if (status == TEST_FAIL)
        results()->setCurrentOverallStatus(TEST_FAIL, channel);
    const ElementResultBuilder::SerialNumbers serials = ElementResultBuilder::readSerialNumbers(channel);
    const TestSequenceElement *element = sequences()->getTestElementPtr(m_testIndex[channel], channel);
    TestResultElement *result = nullptr;
    if (element) {
        DataManager &data = dataManager();
        ElementResultBuilder::Measurements measured;
        measured.live = data.getTestData(channel);
        measured.samples = data.m_vecRealTimeData[channel];
        measured.boluses = data.m_listPcaTestData[channel];
        measured.userValue = getUserTestScreen()->getTestResult(channel);
        result = ElementResultBuilder::build(*element, status, channel, serials, measured);
    }
    if (!result)
        qWarning().noquote() << Q_FUNC_INFO << ":: unknown asset type";
    // Nothing staged for an unknown step, so the store that follows stores nothing.
    results()->setCurrentTestResult(result, channel);
}
