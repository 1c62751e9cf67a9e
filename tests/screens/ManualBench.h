#pragma once

#include "InfusionPumpPowerBoardManager.h"
#include "PowerBoardSim.h"
#include "ScreenArea.h"

#include <QList>

class InfusionPumpMainScreen;
class SummaryManualScreen;

// The screen area with the power board behind it, for the manual test screens:
// channels may be left unfitted, and either the main menu (which builds the summary on
// first use) or the summary on its own is built.
class ManualBench
{
public:
    explicit ManualBench(const QByteArray &settings = ScreenArea::defaultSettings(),
                         const QList<int> &absentChannels = {}, bool mainMenu = false);

    DataManager &data() { return area.board()->m_DataManager; }
    PowerBoardSim &sim() { return area.sim(); }

    // A test-data reply for a channel, as the controller sends it: type, status,
    // pressure (0.1 mmHg), elapsed s, volume (0.001 ml), instantaneous and average flow
    // (0.001 ml/h).
    static QByteArray testDataReply(int type, int status, int pressure, unsigned elapsed,
                                    unsigned volume, unsigned instant, unsigned average);

    ScreenArea area;
    InfusionPumpMainScreen *menu = nullptr;
    SummaryManualScreen *summary = nullptr;
};

// The text of a screen's label or the value of its spin box, found by object name.
QString labelText(const QWidget *screen, const char *label);
double boxValue(const QWidget *screen, const char *box);
