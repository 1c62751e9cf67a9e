#include "DataSeries.h"

#include "DataManager.h"
#include "GraphArithmetic.h"
#include "GraphModeScreen.h"
#include "GraphPlot.h"

#include <QPointer>
#include <qwt_plot.h>

namespace {

// Shared by every series of the program: one graphed channel in one quantity.
QPointer<DataManager> dataManager;
QPointer<GraphModeScreen> graph;
unsigned short channelId = 0;
DataSeries::DataModes mode = DataSeries::FlowRateMode;
short scaleMode = 0;
double m_lastXScaleMax[DataManager::CHANNEL_COUNT] = {};

// The extremes of the graphed channel's history so far, and how much of it they cover.
struct RunningExtremes {
    unsigned short chId = 0;
    int sampleTime = 0;
    GraphArithmetic::Extremes extremes;
};
RunningExtremes running;

const QVector<INFUSION_PUMP_REAL_TIME_DATA> &history()
{
    static const QVector<INFUSION_PUMP_REAL_TIME_DATA> none;
    if (!dataManager || channelId >= DataManager::CHANNEL_COUNT)
        return none;
    return dataManager->m_vecRealTimeData[channelId];
}

} // namespace

DataSeries::DataSeries(DataManager *manager)
{
    dataManager = manager;
    scaleMode = 0;
    for (double &maximum : m_lastXScaleMax)
        maximum = 10.0;
}

size_t DataSeries::size() const
{
    return size_t(GraphArithmetic::liveSeriesSize(history().size()));
}

QPointF DataSeries::sample(size_t i) const
{
    const QVector<INFUSION_PUMP_REAL_TIME_DATA> &records = history();
    const qint64 index = qint64(i) * GraphArithmetic::thinningStep(records.size());
    if (index >= records.size())
        return QPointF();
    const INFUSION_PUMP_REAL_TIME_DATA &record = records.at(int(index));
    const double x = scaleTime(record.u32ElapseTime);
    switch (mode) {
    case FlowRateMode:
        return QPointF(x, record.fFlowRate_Instant);
    case PressureMode:
        return QPointF(x, dataManager->getPressureValue(float(record.s16Pressure)));
    case VolumeMode:
        break;
    }
    return QPointF(x, record.fVolume);
}

QRectF DataSeries::boundingRect() const
{
    const QVector<INFUSION_PUMP_REAL_TIME_DATA> &records = history();
    // Another channel, or a new test that emptied the history: start afresh.
    if (running.chId != channelId || records.size() < running.sampleTime)
        running = RunningExtremes{channelId, 0, {}};
    for (int i = running.sampleTime; i < records.size(); ++i)
        running.extremes.take(records.at(i));
    running.sampleTime = records.size();
    if (records.isEmpty())
        return QRectF();

    const GraphArithmetic::Range range = GraphArithmetic::yRange(
        mode, running.extremes, [](float mmHg) { return dataManager->getPressureValue(mmHg); });
    if (!range.valid)
        return QRectF();
    const double t = scaleTime(records.last().u32ElapseTime);
    return QRectF(QPointF(0.0, range.low), QPointF(t, range.high));
}

float DataSeries::scaleTime(unsigned int t) const
{
    return history().isEmpty() ? 0.0f : float(t);
}

void DataSeries::setGraph(GraphModeScreen *screen)
{
    graph = screen;
}

unsigned short DataSeries::getChannelId()
{
    return channelId;
}

void DataSeries::setChannelId(unsigned short channel)
{
    channelId = channel;
    for (double &maximum : m_lastXScaleMax)
        maximum = 0.0;
}

DataSeries::DataModes DataSeries::getMode()
{
    return mode;
}

void DataSeries::setMode(DataModes newMode)
{
    mode = newMode;
}

void DataSeries::scaleAxis(unsigned int)
{
    QwtPlot *plot = graph ? graph->plot() : nullptr;
    if (!plot)
        return;
    const QVector<INFUSION_PUMP_REAL_TIME_DATA> &records = history();
    if (records.isEmpty()) {
        GraphPlot::setTimeAxis(plot, 10.0, 0.0);
        return;
    }
    const GraphArithmetic::TimeAxis axis = GraphArithmetic::timeAxis(records.last().u32ElapseTime);
    double &last = m_lastXScaleMax[channelId];
    if (axis.maximum == last)
        return;
    last = axis.maximum;
    GraphPlot::setTimeAxis(plot, axis.maximum, axis.step);
}

void DataSeries::generateScaleMode()
{
    scaleAxis(0);
}

double DataSeries::getLastScaleMax(unsigned short channel)
{
    return channel < DataManager::CHANNEL_COUNT ? m_lastXScaleMax[channel] : 0.0;
}

void DataSeries::setScaleMode(short newMode)
{
    scaleMode = newMode;
}
