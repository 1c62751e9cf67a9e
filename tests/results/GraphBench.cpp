#include "GraphBench.h"

#include "GraphModeScreen.h"
#include "GuiTest.h"
#include "PowerBoardSim.h"
#include "SummaryManualScreen.h"
#include "TestScreen.h"

#include <QLabel>
#include <qwt_plot.h>
#include <qwt_plot_curve.h>
#include <qwt_plot_marker.h>
#include <qwt_scale_div.h>

GraphBench::GraphBench(const QList<int> &absentChannels)
{
    if (!area.startBoard([&](PowerBoardSim &sim) {
            for (int channel : absentChannels)
                sim.setAbsent(channel, true);
        }))
        return;
    summary = new SummaryManualScreen(nullptr, nullptr);
}

GraphModeScreen *GraphBench::graph() const
{
    return summary->getGraphModeScreen();
}

QwtPlot *GraphBench::plot() const
{
    return graph()->plot();
}

void GraphBench::openGraph(TestScreen *running, unsigned short channel)
{
    running->vSetChannel(channel);
    running->showScreen(true);
    GuiTest::key(Qt::Key_F2);
}

QList<QwtPlotCurve *> GraphBench::curves() const
{
    QList<QwtPlotCurve *> out;
    for (QwtPlotItem *item : plot()->itemList(QwtPlotItem::Rtti_PlotCurve))
        out << static_cast<QwtPlotCurve *>(item);
    return out;
}

QList<double> GraphBench::limitLines() const
{
    QList<double> out;
    for (QwtPlotItem *item : plot()->itemList(QwtPlotItem::Rtti_PlotMarker))
        out << static_cast<QwtPlotMarker *>(item)->yValue();
    return out;
}

QString GraphBench::axisTitle() const
{
    return graph()->findChild<QLabel *>(QStringLiteral("label_AxisTitle"))->text();
}

QString GraphBench::channelLabel() const
{
    return graph()->findChild<QLabel *>(QStringLiteral("label_channelNo"))->text();
}

double GraphBench::timeAxisMaximum() const
{
    return plot()->axisScaleDiv(QwtPlot::xBottom).upperBound();
}

QList<double> GraphBench::timeTicks() const
{
    return plot()->axisScaleDiv(QwtPlot::xBottom).ticks(QwtScaleDiv::MajorTick);
}

INFUSION_PUMP_REAL_TIME_DATA GraphBench::record(quint32 elapsed, qint16 pressure, float volume,
                                                float instant, float average)
{
    INFUSION_PUMP_REAL_TIME_DATA r;
    r.u32ElapseTime = elapsed;
    r.s16Pressure = pressure;
    r.fVolume = volume;
    r.fFlowRate_Instant = instant;
    r.fFlowRate_Ave = average;
    return r;
}
