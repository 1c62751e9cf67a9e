#pragma once

#include "ScreenBase.h"

#include <QKeySequence>

#include <memory>

class QTimer;
class QwtPlot;
class QwtPlotCurve;
class QwtPlotMarker;
namespace Ui
{
class InfusionPump_GraphMode;
}

// The running test of one channel drawn against elapsed time: flow rate or volume for
// a flow, PCA or user test, pressure for an occlusion test, with the channel's manual
// limits as two lines. Opened from a running screen's Graph key, it can step to another
// usable channel and returns to that running screen, switched to the channel graphed.
class GraphModeScreen : public ScreenBase
{
    Q_OBJECT
public:
    GraphModeScreen(QWidget *previous, QWidget *parent);
    ~GraphModeScreen() override;

    QwtPlot *plot() const;

    // With on, showing the screen keeps the given channel instead of taking the running
    // screen's, and the channel key shows no text.
    void setViewDataMode(bool on, unsigned short channel);

    // One refresh for the life of the program, whether the graph is on show or not.
    static QTimer *screenRefreshTimer;

public slots:
    void showScreen(bool check) override;
    virtual void onChangeGraphType(bool keepMode);
    virtual void onTypeClicked(bool check);
    virtual void onChangeChannel(bool check);
    virtual void updateScreen();

protected slots:
    void onBackArrowClicked(bool check) override;

protected:
    void changeEvent(QEvent *event) override;

private:
    void drawLimitGraphs();
    void showChannelLabel();

    Ui::InfusionPump_GraphMode *ui;
    // Owned here, not by the plot: they are attached and detached as the quantity and
    // the limits change.
    std::unique_ptr<QwtPlotCurve> m_flowCurve;
    std::unique_ptr<QwtPlotCurve> m_pressureCurve;
    std::unique_ptr<QwtPlotCurve> m_volumeCurve;
    std::unique_ptr<QwtPlotMarker> m_upperLimit;
    std::unique_ptr<QwtPlotMarker> m_lowerLimit;
    bool m_viewDataMode = false;
    bool m_channelShortcutKept = false;
    QKeySequence m_channelShortcut;
};
