#include "TimeScaleDraw.h"

#include "GraphArithmetic.h"

TimeScaleDraw::TimeScaleDraw(const QTime &base) : m_baseTime(base) {}

QwtText TimeScaleDraw::label(double value) const
{
    return QwtText(GraphArithmetic::timeLabel(m_baseTime, value));
}
