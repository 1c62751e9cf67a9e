#pragma once

#include "InfusionPumpPowerBoardManager.h"
#include "ScreenArea.h"

#include <QList>

class GraphModeScreen;
class QwtPlot;
class QwtPlotCurve;
class SummaryManualScreen;
class TestScreen;

// The summary screen on the simulated power board, with what the graph tests look at:
// the live graph, its plot, the curve on show and the limit lines. Channels left
// unfitted are not polled, so their histories can be written by the test.
class GraphBench
{
public:
    explicit GraphBench(const QList<int> &absentChannels = {3});

    DataManager &data() { return area.board()->m_DataManager; }
    GraphModeScreen *graph() const;
    QwtPlot *plot() const;

    // Shows the running screen on the channel and presses its Graph key.
    void openGraph(TestScreen *running, unsigned short channel);

    // The curves on the plot, and the values of the limit lines on it (upper first).
    QList<QwtPlotCurve *> curves() const;
    QList<double> limitLines() const;
    QString axisTitle() const;
    QString channelLabel() const;
    // The time axis as drawn: its upper end and its major ticks.
    double timeAxisMaximum() const;
    QList<double> timeTicks() const;

    static INFUSION_PUMP_REAL_TIME_DATA record(quint32 elapsed, qint16 pressure, float volume,
                                               float instant, float average = 0);

    ScreenArea area;
    SummaryManualScreen *summary = nullptr;
};
