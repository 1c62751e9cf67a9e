#pragma once

#include "INFUSION_PUMP_REAL_TIME_DATA.h"
#include "ScreenBase.h"

#include <QVector>

#include <memory>

class QwtPlotCurve;
namespace Ui
{
class ViewResultsGraph;
}

// The per-second samples stored with a flow, occlusion or PCA result drawn against
// elapsed time: average flow rate or volume for flow and PCA results, pressure for
// occlusion results. Each result screen owns one, fills it with a result's samples and
// opens it from its Graph key; back returns to that result screen.
class ViewResultsGraph : public ScreenBase
{
    Q_OBJECT
public:
    ViewResultsGraph(QWidget *previous, QWidget *parent);
    ~ViewResultsGraph() override;

    // Copies a result's samples into the three curves (long results thinned) and sets
    // the time axis; pressures are converted to the unit in effect now.
    void setSamples(const QVector<INFUSION_PUMP_REAL_TIME_DATA> &samples);
    // 0 flow, 1 occlusion, 2 PCA; takes effect at the next showing or type change.
    void setTestType(unsigned char type);
    void scaleAxis();

public slots:
    void showScreen(bool check) override;
    virtual void onChangeGraphType(bool keepMode);
    virtual void onTypeClicked(bool check);
    virtual void updateScreen();

protected:
    void changeEvent(QEvent *event) override;

private:
    Ui::ViewResultsGraph *ui;
    std::unique_ptr<QwtPlotCurve> m_flowCurve;
    std::unique_ptr<QwtPlotCurve> m_pressureCurve;
    std::unique_ptr<QwtPlotCurve> m_volumeCurve;
    unsigned char m_testType = 0;
    // 0 flow rate, 1 volume; kept between showings and results.
    int m_view = 0;
    quint32 m_lastElapsedTime = 0;
};
