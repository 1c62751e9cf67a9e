#pragma once

#include "MonitorData.h"
#include "ScreenBase.h"

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

    // The channel list whose current row is the channel the set-up screens work on.
    RotaryEncoderList *channelList() const;

    // Applies the soft-key rule for the given channel.
    void setChannelIsAutoMode(unsigned short channel, bool automatic);

    // The duration column's word for an automatic sequence state on a channel.
    static QString autoStateWord(int state, int channel);

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

private:
    void createFlowScreens();
    void createOccScreens();
    void createPcaScreens();
    void createGraphScreens();
    void applySoftKeyRule(unsigned short channel);
    void writeRow(unsigned short channel);

    Ui::SummaryManualScreen *ui;
    unsigned short m_currentChannelId = 0;
    int m_testIndex[4] = {0, 0, 0, 0};
    int m_inBandCount[4] = {0, 0, 0, 0};
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
};
