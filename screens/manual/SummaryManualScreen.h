#pragma once

#include "MonitorData.h"
#include "ScreenBase.h"
#include "TestResultStatus.h"

class AbortFailMenu;
class AutoModeAssetDetails;
class FlowRateRunningScreen;
class GraphModeScreen;
class ManualAssetDetails;
class ManualSetup;
class OcclusionManualTest;
class OcclusionManual_Setup;
class PCAManual_Setup;
class PCARunningScreen;
class QTimer;
class RotaryEncoderList;
class RotaryEncoderMessageBox;
class TestSequenceElement;
class UserTestRunning;
namespace Ui {
class SummaryManualScreen;
}

// The four channels at a glance, and the hub from which every test screen is reached.
class SummaryManualScreen : public ScreenBase
{
    Q_OBJECT
public:
    SummaryManualScreen(QWidget *previous, QWidget *parent);
    ~SummaryManualScreen() override;

    FlowRateRunningScreen *getFlowRateRunningScreen();
    ManualSetup *getFlowRateSetupScreen();
    OcclusionManualTest *getOcclusionRunningScreen();
    OcclusionManual_Setup *getOcclusionSetupScreen();
    PCARunningScreen *getPCARunningScreen();
    PCAManual_Setup *getPCASetupScreen();
    GraphModeScreen *getGraphModeScreen();
    UserTestRunning *getUserTestScreen();
    ManualAssetDetails *getManualAsssetScreen();
    AutoModeAssetDetails *getAutoModeAssetDetailsScreen();
    unsigned short getCurrentChannelId() const { return m_currentChannelId; }

    // Shows the set-up screen of a test type (0 flow, 1 occlusion, 2 PCA) with its type
    // choice on that type, for the channel selected here.
    void openSetupScreen(int testType);

    // The channel list whose current row is the channel the set-up screens work on.
    RotaryEncoderList *channelList() const;

    // Stores the channel's auto mode; the soft keys follow the selected channel.
    void setChannelIsAutoMode(unsigned short channel, bool automatic);

    // The duration column's word for an automatic sequence state; the same on every row.
    static QString autoStateWord(int state);

    // The channel holds a measurement of its current step, or the end of one (a stop):
    // from then on only the engine's judgement or a stop acts on the step.
    static bool stepHasMeasured(unsigned short channel);

signals:
    void stopPump(unsigned short channel);
    void primePump(unsigned short channel);
    void screenRefresh();
    void loadSetupScreen(unsigned short channel);
    void updateMonitor(MonitorData data);

public slots:
    void showScreen(bool check) override;
    virtual void fetchData();

protected slots:
    void onAutoClicked(bool check);
    void onSaveClicked(bool check);
    void onSetUpClicked(bool check);
    void startAutoSequence(unsigned short channel);
    void channelSelectionChanged(int row);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;

    // Automatic sequence engine: loads and stages one step of a channel's sequence, and
    // builds the channel's current result from the step and the live data.
    void startTest(TestSequenceElement *element, unsigned short channel);
    void createCurrentTestResult(unsigned short channel, TEST_RESULT_STATUS status);

private:
    void createFlowScreens();
    void createOccScreens();
    void createPcaScreens();
    void createGraphScreens();
    void applySoftKeyRule(unsigned short channel);
    void writeRow(unsigned short channel);
    void keepHeadingsClear();

    // Automatic sequence engine, one step per channel and tick.
    void runAutoStep(unsigned short channel);
    void watchRunningElement(unsigned short channel);
    void stepAutoState(unsigned short channel);
    void setUpCurrentElement(unsigned short channel);
    void finishRunningElement(unsigned short channel);
    void saveAssetRecord(unsigned short channel);
    void actOnAbortFailChoice(unsigned short channel);
    bool elementComplete(unsigned short channel);
    TEST_RESULT_STATUS judgeElement(unsigned short channel, const TestSequenceElement &element);
    void showElementScreen(const TestSequenceElement &element, unsigned short channel,
                           bool firstElement);
    // The channel the screen in front shows (running screens, user-test prompt, live
    // graph), or -1.
    int visibleChannel();
    // The channel's current step, or null with a diagnostic that names the caller; the
    // run then ends.
    TestSequenceElement *currentElement(unsigned short channel, const char *caller);
    void endRun(unsigned short channel);
    void reportSaveFailure(unsigned short channel);

    Ui::SummaryManualScreen *ui;
    unsigned short m_currentChannelId = 0;
    int m_testIndex[4] = {0, 0, 0, 0};
    int m_inBandCount[4] = {0, 0, 0, 0};
    // Per channel: the row's last refresh showed the channel's test running.
    bool m_rowShowsRunning[4] = {false, false, false, false};
    QTimer *m_refreshTimer = nullptr;
    AbortFailMenu *m_abortFailMenu = nullptr;
    ManualSetup *m_flowSetup = nullptr;
    OcclusionManual_Setup *m_occSetup = nullptr;
    PCAManual_Setup *m_pcaSetup = nullptr;
    FlowRateRunningScreen *m_flowRunning = nullptr;
    PCARunningScreen *m_pcaRunning = nullptr;
    OcclusionManualTest *m_occRunning = nullptr;
    GraphModeScreen *m_graph = nullptr;
    ManualAssetDetails *m_manualAsset = nullptr;
    AutoModeAssetDetails *m_autoAsset = nullptr;
    UserTestRunning *m_userTest = nullptr;
    QPointer<RotaryEncoderMessageBox> m_saveFailedBox;
};
