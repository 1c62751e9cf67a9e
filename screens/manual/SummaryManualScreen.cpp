#include "SummaryManualScreen.h"
#include "ui_SummaryManualScreen.h"

#include "AbortFailMenu.h"
#include "AutoModeAssetDetails.h"
#include "DataManager.h"
#include "FlowRateRunningScreen.h"
#include "GraphModeScreen.h"
#include "InfusionPumpPowerBoardManager.h"
#include "ManualAssetDetails.h"
#include "ManualSetup.h"
#include "OcclusionManualTest.h"
#include "OcclusionManual_Setup.h"
#include "PCAManual_Setup.h"
#include "PCARunningScreen.h"
#include "RotaryEncoderMessageBox.h"
#include "TestResultManager.h"
#include "UserTestRunning.h"

#include <QKeyEvent>
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
} // namespace

SummaryManualScreen::SummaryManualScreen(QWidget *previous, QWidget *parent)
    : ScreenBase(previous, parent), ui(new Ui::SummaryManualScreen)
{
    ui->setupUi(this);
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

QString SummaryManualScreen::autoStateWord(int state, int channel)
{
    switch (state) {
    case 0:
        return coloured("green", tr("Completed"));
    case 1:
        return coloured("orange", channel == 0 ? tr("Asset") : tr("Paused"));
    case 2:
        return coloured("orange", channel == 2 ? tr("Paused") : tr("Setup"));
    case 3:
        return coloured("orange", tr("Paused"));
    case 4:
        return coloured("green", channel == 0 ? tr("Saving") : tr("Completed"));
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
        volume->setText(QString::number(live.fVolume, 'f', 3));
        pressure->setText(QString::number(data.getPressureValue(live.s16Pressure), 'f', 2));
        flow->setText(QString::number(live.fFlowRate_Ave, 'f', 2));
        const bool automatic = manager->getChannelIsAutoMode(channel);
        if (data.vGetTestRunningFlag(channel))
            duration->setText(formatTimeFromPic(live.u32ElapseTime));
        else if (automatic)
            duration->setText(autoStateWord(manager->getChannelAutoState(channel), channel));
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
        // The automatic-sequence engine advances here once it stands.
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
    applySoftKeyRule(channel);
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
    RotaryEncoderMessageBox box(this);
    box.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    box.setWindowTitle(tr("Save Asset"));
    box.setIcon(QMessageBox::Warning);
    box.setText(tr("No Valid Data to Save or test in progress"));
    box.setStandardButtons(QMessageBox::Cancel);
    box.translateStandardButtons();
    box.exec();
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
            getFlowRateRunningScreen()->setAutoMode(false);
            getFlowRateRunningScreen()->vSetChannel(channel);
            getFlowRateSetupScreen()->showScreen(true);
            break;
        case 1:
            getOcclusionRunningScreen()->setAutoMode(false);
            getOcclusionRunningScreen()->vSetChannel(channel);
            getOcclusionSetupScreen()->showScreen(true);
            break;
        case 2:
            getPCARunningScreen()->setAutoMode(false);
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

void SummaryManualScreen::onAutoClicked(bool)
{
    // Automatic sequences are run from here once the sequence screens stand.
    m_currentChannelId = static_cast<unsigned short>(qMax(0, ui->listWidgetChannels->currentRow()));
}

void SummaryManualScreen::startAutoSequence(unsigned short)
{
    // Filled in by the automatic sequence engine.
}

void SummaryManualScreen::changeEvent(QEvent *event)
{
    ScreenBase::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
}
