#pragma once

#include <QTime>
#include <qwt_scale_draw.h>

// Labels a time axis of elapsed seconds as the clock time from a base ("hh:mm:ss").
class TimeScaleDraw : public QwtScaleDraw
{
public:
    explicit TimeScaleDraw(const QTime &base);

    QwtText label(double value) const override;

private:
    QTime m_baseTime;
};
