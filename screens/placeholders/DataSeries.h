#pragma once

// Stand-in until the graphs are built: the live graph's channel and scale mode.
class DataSeries
{
public:
    static unsigned short getChannelId() { return ms_channel; }
    static void setScaleMode(short mode) { ms_scaleMode = mode; }
    static short scaleMode() { return ms_scaleMode; }

private:
    static inline unsigned short ms_channel = 0;
    static inline short ms_scaleMode = 0;
};
