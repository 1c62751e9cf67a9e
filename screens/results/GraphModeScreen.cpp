#include "GraphModeScreen.h"
#include "ui_GraphModeScreen.h"

#include "DataManager.h"
#include "DataSeries.h"
#include "GraphArithmetic.h"
#include "GraphPlot.h"
#include "InfusionPumpPowerBoardManager.h"
#include "ManualTestArithmetic.h"
#include "TestScreen.h"

#include <QEvent>
#include <QTimer>
#include <qwt_plot.h>
#include <qwt_plot_curve.h>
#include <qwt_plot_marker.h>

QTimer *GraphModeScreen::screenRefreshTimer = nullptr;

namespace {

constexpr int occlusionTest = 1;

DataManager &dataManager()
{
    return ScreenBase::board->m_DataManager;
}

std::unique_ptr<QwtPlotMarker> makeLimitLine()
{
    auto marker = std::make_unique<QwtPlotMarker>();
    marker->setLineStyle(QwtPlotMarker::HLine);
    // Width 0 keeps the line one pixel wide whatever the plot's scale.
    marker->setLinePen(QPen(QBrush(Qt::red), 0, Qt::DashDotDotLine, Qt::SquareCap, Qt::BevelJoin));
    marker->setValue(0.0, 0.0);
    return marker;
}

} // namespace

GraphModeScreen::GraphModeScreen(QWidget *previous, QWidget *parent)
    : ScreenBase(previous, parent), ui(new Ui::InfusionPump_GraphMode),
      m_flowCurve(GraphPlot::makeCurve()), m_pressureCurve(GraphPlot::makeCurve()),
      m_volumeCurve(GraphPlot::makeCurve()), m_upperLimit(makeLimitLine()),
      m_lowerLimit(makeLimitLine())
{
    ui->setupUi(this);
    ui->label_AxisTitle->setText(tr("Flow Rate"));
    DataSeries::setGraph(this);
    GraphPlot::prepare(ui->drawingWidget);
    DataManager *manager = &dataManager();
    m_flowCurve->setData(new DataSeries(manager));
    m_pressureCurve->setData(new DataSeries(manager));
    m_volumeCurve->setData(new DataSeries(manager));
    onChangeGraphType(true);
    DataSeries::setChannelId(0);
    DataSeries::setMode(DataSeries::FlowRateMode);

    connect(ui->pushButtonBackwardFromGraphMode, &QPushButton::clicked, this,
            &GraphModeScreen::onBackArrowClicked);
    connect(ui->pushButtonChannel, &QPushButton::clicked, this, &GraphModeScreen::onChangeChannel);
    connect(ui->pushButtonGraphType, &QPushButton::clicked, this, &GraphModeScreen::onTypeClicked);
    if (!screenRefreshTimer)
        screenRefreshTimer = new QTimer; // lives for the whole program, like the screen
    connect(screenRefreshTimer, &QTimer::timeout, this, &GraphModeScreen::updateScreen);
    if (!screenRefreshTimer->isActive())
        screenRefreshTimer->start(1000);
    m_viewDataMode = false;
}

GraphModeScreen::~GraphModeScreen()
{
    // The items go before the plot that may still hold them.
    ui->drawingWidget->detachItems(QwtPlotItem::Rtti_PlotItem, false);
    delete ui;
}

QwtPlot *GraphModeScreen::plot() const
{
    return ui->drawingWidget;
}

void GraphModeScreen::setViewDataMode(bool on, unsigned short channel)
{
    if (!m_channelShortcutKept) {
        m_channelShortcut = ui->pushButtonChannel->shortcut();
        m_channelShortcutKept = true;
    }
    m_viewDataMode = on;
    if (on) {
        DataSeries::setChannelId(channel);
        ui->pushButtonChannel->setText(QString());
    } else {
        ui->pushButtonChannel->setText(tr("CH", "abbreviation of channel for use on graph button"));
        ui->pushButtonChannel->setShortcut(m_channelShortcut);
    }
}

void GraphModeScreen::showScreen(bool check)
{
    DataSeries::setGraph(this);
    if (!m_viewDataMode) {
        if (auto *running = qobject_cast<TestScreen *>(previousScreen()))
            DataSeries::setChannelId(running->getChannelId());
    }
    DataSeries::generateScaleMode();
    ScreenBase::showScreen(check);
    onChangeGraphType(true);
    // The label names the channel graphed, whichever screen chose it.
    showChannelLabel();
    updateScreen();
}

void GraphModeScreen::onChangeGraphType(bool keepMode)
{
    DataSeries::generateScaleMode();
    const DataManager &data = dataManager();
    const unsigned short channel = DataSeries::getChannelId();
    QwtPlotCurve *curve = nullptr;
    if (data.getTestSetting(channel).u8TestTypeSetting == occlusionTest) {
        DataSeries::setMode(DataSeries::PressureMode);
        ui->label_AxisTitle->setText(tr("Pressure") + QLatin1Char(' ') +
                                     DataManager::getPressureUnitString(data.getPressureUnits()));
        curve = m_pressureCurve.get();
    } else {
        // Flow rate and volume alternate; a pressure left from an occlusion test becomes
        // flow rate.
        bool volume = DataSeries::getMode() == DataSeries::VolumeMode;
        if (!keepMode)
            volume = !volume;
        DataSeries::setMode(volume ? DataSeries::VolumeMode : DataSeries::FlowRateMode);
        ui->label_AxisTitle->setText(volume ? tr("Volume") : tr("Flow Rate"));
        curve = volume ? m_volumeCurve.get() : m_flowCurve.get();
    }
    GraphPlot::showOnly(ui->drawingWidget, curve);
    GraphPlot::setKeyText(ui->pushButtonGraphType, tr("Type"));
    drawLimitGraphs();
}

void GraphModeScreen::onTypeClicked(bool)
{
    onChangeGraphType(false);
    updateScreen();
}

void GraphModeScreen::onChangeChannel(bool)
{
    const InfusionPumpPowerBoardManager *manager = ScreenBase::board;
    const int found = ManualTestArithmetic::nextUsableChannel(
        DataSeries::getChannelId(), [manager](int c) { return int(manager->getChannelStatus(c)); });
    // With no usable channel at all the graph stays where it is.
    DataSeries::setChannelId(found >= 0 ? static_cast<unsigned short>(found)
                                        : DataSeries::getChannelId());
    showChannelLabel();
    DataSeries::generateScaleMode();
    onChangeGraphType(true);
    updateScreen();
}

void GraphModeScreen::updateScreen()
{
    DataSeries::scaleAxis(0);
    drawLimitGraphs();
    ui->drawingWidget->updateAxes();
    ui->drawingWidget->replot();
}

void GraphModeScreen::onBackArrowClicked(bool check)
{
    auto *running = qobject_cast<TestScreen *>(previousScreen());
    if (!running) {
        ScreenBase::onBackArrowClicked(check);
        return;
    }
    running->vSetChannel(DataSeries::getChannelId());
    running->showScreen(check);
}

void GraphModeScreen::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        if (m_viewDataMode)
            ui->pushButtonChannel->setText(QString());
        // The form's labels are empty: write them again in the new language.
        onChangeGraphType(true);
        showChannelLabel();
    }
    ScreenBase::changeEvent(event);
}

void GraphModeScreen::drawLimitGraphs()
{
    const DataManager &data = dataManager();
    const unsigned short channel = DataSeries::getChannelId();
    QwtPlot *plot = ui->drawingWidget;
    m_upperLimit->attach(plot);
    m_lowerLimit->attach(plot);
    const GraphArithmetic::LimitLines lines = GraphArithmetic::limitLines(
        DataSeries::getMode(), data.getTestSetting(channel).u8TestTypeSetting,
        data.getManualPassFailLimits(channel),
        [&data](float mmHg) { return data.getPressureValue(mmHg); });
    if (lines.shown) {
        m_upperLimit->setYValue(lines.upper);
        m_lowerLimit->setYValue(lines.lower);
    } else {
        m_upperLimit->detach();
        m_lowerLimit->detach();
    }
}

void GraphModeScreen::showChannelLabel()
{
    ui->label_channelNo->setText(tr("Ch ") + QString::number(DataSeries::getChannelId() + 1));
}
