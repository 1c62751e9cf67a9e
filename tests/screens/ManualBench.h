#pragma once

#include "InfusionPumpPowerBoardManager.h"
#include "PowerBoardSim.h"
#include "ScreenArea.h"

#include <QList>
#include <QPair>
#include <memory>

class SummaryManualScreen;

// The instrument as start-up leaves it, for the manual test screens: the power board
// on the line (channels may be left unfitted), the board manager, and the summary.
class ManualBench
{
public:
    using Command = QPair<int, QByteArray>;

    explicit ManualBench(const QByteArray &settings = ScreenArea::defaultSettings(),
                         const QList<int> &absentChannels = {});
    ~ManualBench();

    // Waits until start-up has stopped and primed every fitted channel and found the
    // unfitted ones absent; then forgets the commands seen so far.
    bool waitForStartUp();

    // Commands that reached the controllers, without the poll and retransmissions.
    QList<Command> commands() const;

    // A test-data reply for a channel, as the controller sends it: type, status,
    // pressure (0.1 mmHg), elapsed s, volume (0.001 ml), instantaneous and average flow
    // (0.001 ml/h).
    static QByteArray testDataReply(int type, int status, int pressure, unsigned elapsed,
                                    unsigned volume, unsigned instant, unsigned average);

    DataManager &data() { return board->m_DataManager; }

    ScreenArea area;
    PowerBoardSim sim;
    std::unique_ptr<InfusionPumpPowerBoardManager> board;
    SummaryManualScreen *summary = nullptr;

private:
    QList<int> m_absent;
};

// The text of a screen's label or the value of its spin box, found by object name.
QString labelText(const QWidget *screen, const char *label);
double boxValue(const QWidget *screen, const char *box);
