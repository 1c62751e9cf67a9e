#include "ViewResultsGraph.h"
#include "ui_ViewResultsGraph.h"

#include "DataManager.h"
#include "GraphArithmetic.h"
#include "GraphPlot.h"
#include "InfusionPumpPowerBoardManager.h"

#include <QEvent>
#include <qwt_plot.h>
#include <qwt_plot_curve.h>

namespace {

constexpr unsigned char occlusionTest = 1;

float toOperatorUnit(float mmHg)
{
    return ScreenBase::board ? ScreenBase::board->m_DataManager.getPressureValue(mmHg) : mmHg;
}

} // namespace

ViewResultsGraph::ViewResultsGraph(QWidget *previous, QWidget *parent)
    : ScreenBase(previous, parent), ui(new Ui::ViewResultsGraph),
      m_flowCurve(GraphPlot::makeCurve()), m_pressureCurve(GraphPlot::makeCurve()),
      m_volumeCurve(GraphPlot::makeCurve())
{
    ui->setupUi(this);
    ui->label_AxisTitle->setText(tr("Flow Rate"));
    GraphPlot::prepare(ui->drawingWidget);
    onChangeGraphType(true);
    connect(ui->pushButtonBackwardFromGraphMode, &QPushButton::clicked, this,
            &ViewResultsGraph::onBackArrowClicked);
    connect(ui->pushButtonGraphType, &QPushButton::clicked, this, &ViewResultsGraph::onTypeClicked);
}

ViewResultsGraph::~ViewResultsGraph()
{
    ui->drawingWidget->detachItems(QwtPlotItem::Rtti_PlotItem, false);
    delete ui;
}

void ViewResultsGraph::setSamples(const QVector<INFUSION_PUMP_REAL_TIME_DATA> &samples)
{
    const int step = GraphArithmetic::thinningStep(samples.size());
    const int points = int(GraphArithmetic::storedSeriesSize(samples.size()));
    QVector<double> time, flow, pressure, volume;
    time.reserve(points);
    flow.reserve(points);
    pressure.reserve(points);
    volume.reserve(points);
    for (int i = 0; i < samples.size(); i += step) {
        const INFUSION_PUMP_REAL_TIME_DATA &sample = samples.at(i);
        time.append(sample.u32ElapseTime);
        flow.append(sample.fFlowRate_Ave);
        pressure.append(toOperatorUnit(sample.s16Pressure));
        volume.append(sample.fVolume);
    }
    m_flowCurve->setSamples(time, flow);
    m_pressureCurve->setSamples(time, pressure);
    m_volumeCurve->setSamples(time, volume);
    m_lastElapsedTime = samples.isEmpty() ? 0 : samples.last().u32ElapseTime;
    scaleAxis();
}

void ViewResultsGraph::setTestType(unsigned char type)
{
    m_testType = type;
}

void ViewResultsGraph::scaleAxis()
{
    if (m_lastElapsedTime == 0) {
        GraphPlot::setTimeAxis(ui->drawingWidget, 10.0, 0.0);
        return;
    }
    const GraphArithmetic::TimeAxis axis = GraphArithmetic::timeAxis(m_lastElapsedTime);
    GraphPlot::setTimeAxis(ui->drawingWidget, axis.maximum, axis.step);
}

void ViewResultsGraph::showScreen(bool check)
{
    ScreenBase::showScreen(check);
    onChangeGraphType(true);
}

void ViewResultsGraph::onChangeGraphType(bool keepMode)
{
    QwtPlotCurve *curve = nullptr;
    if (m_testType == occlusionTest) {
        const DataManager *data = ScreenBase::board ? &ScreenBase::board->m_DataManager : nullptr;
        const DataManager::PRESSURE_UNITS unit =
            data ? data->getPressureUnits() : DataManager::UNITS_MMHG;
        ui->label_AxisTitle->setText(tr("Pressure") + QLatin1Char(' ') +
                                     DataManager::getPressureUnitString(unit));
        curve = m_pressureCurve.get();
        GraphPlot::setKeyText(ui->pushButtonGraphType, tr("Type"));
    } else {
        if (!keepMode)
            m_view = m_view == 0 ? 1 : 0;
        ui->label_AxisTitle->setText(m_view == 0 ? tr("Flow Rate") : tr("Volume"));
        curve = m_view == 0 ? m_flowCurve.get() : m_volumeCurve.get();
    }
    GraphPlot::showOnly(ui->drawingWidget, curve);
    updateScreen();
}

void ViewResultsGraph::onTypeClicked(bool)
{
    onChangeGraphType(false);
}

void ViewResultsGraph::updateScreen()
{
    ui->drawingWidget->updateAxes();
    ui->drawingWidget->replot();
}

void ViewResultsGraph::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        onChangeGraphType(true);
    }
    ScreenBase::changeEvent(event);
}
