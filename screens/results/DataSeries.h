#pragma once

#include <QPointF>
#include <QRectF>
#include <qwt_series_data.h>

class DataManager;
class GraphModeScreen;

// A curve of the live graph, read straight from the graphed channel's per-second history
// in DataManager (never copied), thinned so that a curve stays below a few thousand
// points. The graphed channel, the quantity and the time axis are shared by every
// series of the program: the live graph makes one series per quantity and attaches one
// curve at a time.
class DataSeries : public QwtSeriesData<QPointF>
{
public:
    enum DataModes { FlowRateMode = 0, PressureMode = 1, VolumeMode = 2 };

    explicit DataSeries(DataManager *manager);

    size_t size() const override;
    QPointF sample(size_t i) const override;
    // The y range the plot scales to; x spans the test so far. Extremes are kept across
    // calls and only the records added since the previous call are scanned.
    QRectF boundingRect() const override;

    // An elapsed time as an x value; 0 while the graphed channel has no history.
    float scaleTime(unsigned int t) const;

    // The live graph whose plot's time axis scaleAxis sets.
    static void setGraph(GraphModeScreen *screen);
    static unsigned short getChannelId();
    // Changes the graphed channel; the next scaleAxis applies its axis whatever it is.
    static void setChannelId(unsigned short channel);
    static DataModes getMode();
    static void setMode(DataModes mode);
    // Sets the time axis from the graphed channel's last elapsed time, touching the plot
    // only when the axis maximum changes.
    static void scaleAxis(unsigned int);
    static void generateScaleMode();
    static double getLastScaleMax(unsigned short channel);
    // Kept for the start of a test; nothing reads it yet.
    static void setScaleMode(short mode);
};
