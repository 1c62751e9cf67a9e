#include "GraphPlot.h"

#include "TimeScaleDraw.h"

#include <QKeySequence>
#include <QPushButton>
#include <qwt_plot.h>
#include <qwt_plot_curve.h>

void GraphPlot::prepare(QwtPlot *plot)
{
    plot->setAutoDelete(false);
    plot->setAxisMaxMajor(QwtPlot::xBottom, 3);
    plot->setAxisScaleDraw(QwtPlot::xBottom, new TimeScaleDraw(QTime(0, 0)));
}

std::unique_ptr<QwtPlotCurve> GraphPlot::makeCurve()
{
    auto curve = std::make_unique<QwtPlotCurve>();
    curve->setYAxis(QwtPlot::yLeft);
    return curve;
}

void GraphPlot::showOnly(QwtPlot *plot, QwtPlotCurve *curve)
{
    plot->detachItems(QwtPlotItem::Rtti_PlotItem, false);
    curve->attach(plot);
}

void GraphPlot::setTimeAxis(QwtPlot *plot, double maximum, double step)
{
    plot->setAxisMaxMajor(QwtPlot::xBottom, 3);
    plot->setAxisScale(QwtPlot::xBottom, 0.0, maximum, step);
}

void GraphPlot::setKeyText(QPushButton *key, const QString &text)
{
    const QKeySequence shortcut = key->shortcut();
    key->setText(text);
    key->setShortcut(shortcut);
}
