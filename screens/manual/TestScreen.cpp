#include "TestScreen.h"

#include "DataManager.h"
#include "DataSeries.h"
#include "FlowRateRunningScreen.h"
#include "GraphModeScreen.h"
#include "InfusionPumpPowerBoardManager.h"
#include "ManualSetup.h"
#include "ManualTestArithmetic.h"
#include "OcclusionManualTest.h"
#include "OcclusionManual_Setup.h"
#include "PCAManual_Setup.h"
#include "PCARunningScreen.h"
#include "RotaryEncoderList.h"
#include "SettingsScreen.h"
#include "SummaryManualScreen.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTimer>

QTimer *TestScreen::screenRefreshTimer = nullptr;

namespace {
// Smallest type the emphasis panel shrinks to; still larger than the table's.
constexpr int minEmphasisPointSize = 12;
} // namespace

TestScreen::TestScreen(QWidget *previous, QWidget *parent) : ScreenBase(previous, parent)
{
    if (!screenRefreshTimer)
        screenRefreshTimer = new QTimer; // lives for the whole program, like the screens
    connect(screenRefreshTimer, &QTimer::timeout, this, &TestScreen::updateScreen);
    if (!screenRefreshTimer->isActive())
        screenRefreshTimer->start(1000);
}

void TestScreen::vSetChannel(unsigned short channel)
{
    m_u16Channel = channel;
    applyChannelMode();
}

void TestScreen::showScreen(bool check)
{
    applyChannelMode();
    ScreenBase::showScreen(check);
}

void TestScreen::updateScreen()
{
    // A run that ends while its screen is shown gives the channel its manual keys back.
    applyChannelMode();
    fetchData();
    update();
}

void TestScreen::connectRequests()
{
    InfusionPumpPowerBoardManager *manager = ScreenBase::board;
    connect(this, &TestScreen::startTest, manager,
            &InfusionPumpPowerBoardManager::vSetStartFlowRateRsq);
    connect(this, &TestScreen::stopTest, manager, &InfusionPumpPowerBoardManager::vSetStopRsq);
    connect(this, &TestScreen::prime, manager,
            &InfusionPumpPowerBoardManager::vSetStartPrimingRsq);
}

void TestScreen::setModeKeys(QPushButton *setupKey, QPushButton *channelKey)
{
    m_setupKey = setupKey;
    m_channelKey = channelKey;
    m_keysAutomatic = -1;
    applyChannelMode();
}

void TestScreen::applyChannelMode()
{
    if (!m_setupKey || !m_channelKey)
        return;
    const bool automatic =
        ScreenBase::board && ScreenBase::board->getChannelIsAutoMode(m_u16Channel);
    if (m_keysAutomatic == int(automatic))
        return;
    m_keysAutomatic = int(automatic);
    QPushButton *setupKey = m_setupKey;
    QPushButton *channelKey = m_channelKey;
    if (automatic) {
        setupKey->setText(QString());
        channelKey->setText(QString());
    } else {
        setupKey->setText(tr("Setup"));
        setupKey->setShortcut(QKeySequence(tr("F3")));
        channelKey->setText(tr("CH"));
        channelKey->setShortcut(QKeySequence(tr("F4")));
    }
    setupKey->setEnabled(!automatic);
    channelKey->setEnabled(!automatic);
}

QString TestScreen::stoppedByControllerWord()
{
    return "<font color='red'>" + tr("Ctrl stop") + "</font>";
}

QString TestScreen::idleWord(unsigned short channel, int samples, unsigned int duration)
{
    if (ScreenBase::board && ScreenBase::board->m_DataManager.testStoppedByController(channel))
        return stoppedByControllerWord();
    switch (ManualTestArithmetic::idleState(samples, duration)) {
    case ManualTestArithmetic::Completed:
        return "<font color='blue'>" + tr("Completed") + "</font>";
    case ManualTestArithmetic::Stopped:
        return "<font color='red'>" + tr("Stopped") + "</font>";
    case ManualTestArithmetic::Ready:
        break;
    }
    return "<font color='green'>" + tr("Ready") + "</font>";
}

void TestScreen::showEmphasised(QLabel *panel, const QString &text)
{
    // Values come as rich text when they are coloured; only their words take room.
    const QString words = Qt::mightBeRichText(text) ? QTextDocumentFragment::fromHtml(text).toPlainText() : text;
    const int room = panel->contentsRect().width();
    QFont font = panel->font();
    int size = emphasisPointSize;
    font.setPointSize(size);
    while (size > minEmphasisPointSize && QFontMetrics(font).horizontalAdvance(words) > room)
        font.setPointSize(--size);
    panel->setFont(font);
    panel->setText(text);
}

bool TestScreen::mayStart(unsigned short channel)
{
    const InfusionPumpPowerBoardManager *manager = ScreenBase::board;
    // In an automatic run the key starts only a step that is set up and waiting for it.
    if (manager->getChannelIsAutoMode(channel) &&
        manager->getChannelAutoState(channel) != InfusionPumpPowerBoardManager::AUTO_TEST_RUNNING)
        return false;
    const DataManager &data = manager->m_DataManager;
    // A test under way is not started again. A stopped channel keeps its last test's
    // elapsed time (whatever the idle controller reports), and takes a new test.
    return !data.vGetTestRunningFlag(channel) || data.getTestData(channel).u32ElapseTime == 0;
}

SummaryManualScreen *TestScreen::summaryScreen() const
{
    return qobject_cast<SummaryManualScreen *>(previousScreen());
}

void TestScreen::keyPressEvent(QKeyEvent *event)
{
    DataManager &data = ScreenBase::board->m_DataManager;
    const unsigned short channel = m_u16Channel;
    switch (event->key()) {
    case Qt::Key_F6:
        if (mayStart(channel)) {
            m_u16StartFlag = 1;
            emit stopTest(channel);
            emit startTest(channel);
            DataSeries::setScaleMode(0);
        }
        break;
    case Qt::Key_F7:
        emit stopTest(channel);
        emit prime(channel);
        data.vSetTestRunningFlag(PicRunningData(channel, 0));
        m_u16StartFlag = 0;
        break;
    default:
        ScreenBase::keyPressEvent(event);
        break;
    }
}

void TestScreen::onChannelClicked(bool)
{
    SummaryManualScreen *summary = summaryScreen();
    InfusionPumpPowerBoardManager *manager = ScreenBase::board;
    if (!summary || !manager)
        return;
    const int found = ManualTestArithmetic::nextUsableChannel(
        m_u16Channel, [manager](int c) { return int(manager->getChannelStatus(c)); });
    if (found < 0)
        return; // no usable channel: nothing to switch to
    const unsigned short channel = static_cast<unsigned short>(found);
    DataManager &data = manager->m_DataManager;
    const int type = data.getTestSetting(channel).u8TestTypeSetting;
    summary->channelList()->setCurrentRow(found);

    TestScreen *running = nullptr;
    SettingsScreen *setup = nullptr;
    switch (type) {
    case 0:
        running = summary->getFlowRateRunningScreen();
        setup = summary->getFlowRateSetupScreen();
        break;
    case 1:
        running = summary->getOcclusionRunningScreen();
        setup = summary->getOcclusionSetupScreen();
        break;
    case 2:
        running = summary->getPCARunningScreen();
        setup = summary->getPCASetupScreen();
        break;
    default:
        return; // a user test has no running screen: only the summary's row moves
    }
    running->vSetChannel(channel);
    // The set-up is sent again only to a channel that is not running a test.
    if (!data.vGetTestRunningFlag(channel))
        setup->updateSettings();
    ScreenBase::stackedWidget->setCurrentWidget(running);
    // The keys must reach the screen now on display.
    running->setFocus();
}

void TestScreen::onGraphClicked(bool check)
{
    SummaryManualScreen *summary = summaryScreen();
    if (!summary)
        return;
    GraphModeScreen *graph = summary->getGraphModeScreen();
    graph->setPreviousScreen(this);
    // Showing the graph makes it the current page.
    graph->showScreen(check);
}
