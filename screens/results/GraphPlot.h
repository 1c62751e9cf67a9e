#pragma once

#include <memory>

class QPushButton;
class QString;
class QwtPlot;
class QwtPlotCurve;

// What the live and the stored graph do alike to their plot and keys.
class GraphPlot
{
public:
    // Items stay owned by the screen (the plot never deletes them); the time axis is
    // labelled as clock time from midnight.
    static void prepare(QwtPlot *plot);
    // A curve in the toolkit's default drawing, on the left axis.
    static std::unique_ptr<QwtPlotCurve> makeCurve();
    // Takes every item off the plot, without deleting it, and puts the curve on.
    static void showOnly(QwtPlot *plot, QwtPlotCurve *curve);
    // The axis up to maximum with the given major step (0: chosen by the plot), with at
    // most three major ticks.
    static void setTimeAxis(QwtPlot *plot, double maximum, double step);
    // A soft key's text; a button's text carries its mnemonic, which would replace the
    // key's shortcut, so the shortcut is put back.
    static void setKeyText(QPushButton *key, const QString &text);
};
